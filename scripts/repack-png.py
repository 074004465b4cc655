#!/usr/bin/env python3
"""Repacks a PNG losslessly into fewer bytes: the same pixels, without ancillary chunks, an opaque picture without
its alpha channel, each row's filter chosen for it and the image data deflated at the highest level.

    scripts/repack-png.py INPUT OUTPUT

Reads 8-bit RGBA or RGB pictures without interlacing (what rsvg-convert writes); anything else is copied as it is.
The output is never larger than the input.
"""
import struct
import sys
import zlib


def chunks(data):
    at = 8
    while at < len(data):
        length, = struct.unpack_from(">I", data, at)
        kind = data[at + 4:at + 8]
        yield kind, data[at + 8:at + 8 + length]
        at += 12 + length


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def unfilter(raw, width, height, bpp):
    stride = width * bpp
    rows = []
    previous = bytearray(stride)
    at = 0
    for _ in range(height):
        kind = raw[at]
        line = bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = previous[i]
            c = previous[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + a) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + b) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + ((a + b) >> 1)) & 0xFF
            elif kind == 4:
                line[i] = (line[i] + paeth(a, b, c)) & 0xFF
            elif kind != 0:
                raise ValueError(f"unknown filter {kind}")
        rows.append(bytes(line))
        previous = line
    return rows


def filtered(line, previous, bpp, kind):
    out = bytearray(len(line))
    for i in range(len(line)):
        a = line[i - bpp] if i >= bpp else 0
        b = previous[i]
        c = previous[i - bpp] if i >= bpp else 0
        predictor = (0, a, b, (a + b) >> 1, paeth(a, b, c))[kind]
        out[i] = (line[i] - predictor) & 0xFF
    return bytes(out)


def encode(rows, bpp, choose):
    """The rows filtered with the filter choose, or each with the one whose output has the smallest sum of absolute
    (signed) values when choose is None."""
    previous = bytes(len(rows[0])) if rows else b""
    out = bytearray()
    for line in rows:
        if choose is None:
            candidates = [filtered(line, previous, bpp, kind) for kind in range(5)]
            costs = [sum(v if v < 128 else 256 - v for v in row) for row in candidates]
            kind = costs.index(min(costs))
            best = candidates[kind]
        else:
            kind = choose
            best = filtered(line, previous, bpp, kind)
        out.append(kind)
        out += best
        previous = line
    return bytes(out)


def repack(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        return data
    header = None
    idat = bytearray()
    for kind, body in chunks(data):
        if kind == b"IHDR":
            header = body
        elif kind == b"IDAT":
            idat += body
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", header)
    if depth != 8 or colour not in (2, 6) or interlace != 0:
        return data
    bpp = 4 if colour == 6 else 3
    rows = unfilter(zlib.decompress(bytes(idat)), width, height, bpp)
    if colour == 6 and all(line[i] == 255 for line in rows for i in range(3, len(line), 4)):
        rows = [bytes(b for i, b in enumerate(line) if i % 4 != 3) for line in rows]
        colour, bpp = 2, 3
    best = None
    for choose in (None, 0, 1, 2, 4):
        raw = encode(rows, bpp, choose)
        for strategy in (zlib.Z_DEFAULT_STRATEGY, zlib.Z_FILTERED):
            packer = zlib.compressobj(9, zlib.DEFLATED, 15, 9, strategy)
            packed = packer.compress(raw) + packer.flush()
            if best is None or len(packed) < len(best):
                best = packed
    out = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour, 0, 0, 0)) +
           chunk(b"IDAT", best) + chunk(b"IEND", b""))
    return out if len(out) < len(data) else data


def main():
    source, target = sys.argv[1], sys.argv[2]
    with open(source, "rb") as file:
        data = file.read()
    packed = repack(data)
    with open(target, "wb") as file:
        file.write(packed)
    return 0


if __name__ == "__main__":
    sys.exit(main())
