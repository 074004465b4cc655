#!/usr/bin/env python3
"""Prints the installer's stub size: the executable less the two payload resources it carries (the archive "pak"
and the extractor "7za", raw-data resources), with a breakdown by section and of the other resources.

    bench/stub_size.py [build/windows/app/VelnixSetup.exe]
"""
import struct
import sys

RT_RCDATA = 10
PAYLOAD_RESOURCES = {"PAK", "7ZA"}


class Image:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not an executable (no MZ header)")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        sections, = struct.unpack_from("<H", data, pe + 6)
        optional_size, = struct.unpack_from("<H", data, pe + 20)
        optional = pe + 24
        magic, = struct.unpack_from("<H", data, optional)
        directories = optional + (112 if magic == 0x20B else 96)
        self.resource_rva, self.resource_size = struct.unpack_from("<II", data, directories + 2 * 8)
        self.sections = []
        table = optional + optional_size
        for index in range(sections):
            entry = table + index * 40
            name = data[entry:entry + 8].rstrip(b"\0").decode("ascii", "replace")
            virtual_size, rva, raw_size, raw_offset = struct.unpack_from("<IIII", data, entry + 8)
            self.sections.append((name, virtual_size, rva, raw_size, raw_offset))
        self.headers = self.sections[0][4] if self.sections else len(data)

    def offset(self, rva):
        for _, virtual_size, start, raw_size, raw_offset in self.sections:
            if start <= rva < start + max(virtual_size, raw_size):
                return raw_offset + rva - start
        raise ValueError(f"address {rva:#x} is in no section")

    def resources(self):
        """(type, name, size) of every resource, the type and name as numbers or upper-case strings."""
        if self.resource_rva == 0:
            return []
        base = self.offset(self.resource_rva)
        data = self.data

        def label(value):
            if value & 0x80000000:
                at = base + (value & 0x7FFFFFFF)
                length, = struct.unpack_from("<H", data, at)
                return data[at + 2:at + 2 + 2 * length].decode("utf-16-le").upper()
            return value

        def entries(directory):
            named, numbered = struct.unpack_from("<HH", data, base + directory + 12)
            for index in range(named + numbered):
                name, target = struct.unpack_from("<II", data, base + directory + 16 + 8 * index)
                yield label(name), target

        found = []
        for kind, types in entries(0):
            for name, names in entries(types & 0x7FFFFFFF):
                for _, leaf in entries(names & 0x7FFFFFFF):
                    _, size = struct.unpack_from("<II", data, base + (leaf & 0x7FFFFFFF))
                    found.append((kind, name, size))
        return found


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "build/windows/app/VelnixSetup.exe"
    with open(path, "rb") as file:
        data = file.read()
    image = Image(data)
    resources = image.resources()
    payload = sum(size for kind, name, size in resources if kind == RT_RCDATA and name in PAYLOAD_RESOURCES)
    stub = len(data) - payload
    print(f"{path}: {len(data)} bytes, payload resources {payload} bytes, "
          f"stub {stub} bytes ({stub / 1024 / 1024:.2f} MB)")
    print(f"  {'headers':<10} {image.headers:>9} bytes in the file")
    for name, virtual_size, _, raw_size, _ in image.sections:
        note = ""
        if name == ".rsrc":
            note = f" (of which {raw_size - payload} besides the payload resources)"
        print(f"  {name:<10} {raw_size:>9} bytes in the file, {virtual_size:>9} in memory{note}")
    others = [(name, size) for kind, name, size in resources if not (kind == RT_RCDATA and name in PAYLOAD_RESOURCES)]
    others.sort(key=lambda item: -item[1])
    print("  resources besides the payload: " + ", ".join(f"{name} {size}" for name, size in others))
    return 0


if __name__ == "__main__":
    sys.exit(main())
