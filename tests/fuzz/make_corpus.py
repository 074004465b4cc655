#!/usr/bin/env python3
"""Writes the seed corpus of the binary tree document fuzzer (tests/fuzz/corpus/bt_doc20).

The files are committed; run this again only to change them. every_kind.btd and broken_value_size.btd also
serve as the sample documents of the btdoc tool's tests.
"""

import pathlib
import struct

OUT = pathlib.Path(__file__).resolve().parent / "corpus" / "bt_doc20"

DIRECTORY, WIDESTRING, INT32, UINT8, UINT32, REAL64, DATETIME, BOOL32, BINARY, CLASS, COLOR = (
    0, 4, 7, 9, 11, 14, 17, 21, 23, 24, 25)


def text(s):
    """UTF-16LE with the terminating 0x0000; nothing for an empty text."""
    return s.encode("utf-16-le") + b"\0\0" if s else b""


class Node:
    def __init__(self, kind, name, caption="", value=b"", children=None):
        self.kind, self.name, self.caption, self.value = kind, name, caption, value
        self.children = children or []


def record(kind, count, name=b"", caption=b"", value=b"", nl=None, cl=None, ds=None):
    return (struct.pack("<BIBBI", kind, count, len(name) if nl is None else nl, len(caption) if cl is None else cl,
                        len(value) if ds is None else ds) + name + caption + value)


def doc(root, name="", version=20):
    out = bytearray([version, len(text(name))]) + text(name)
    stack = [root]
    while stack:
        n = stack.pop()
        out += record(n.kind, len(n.children), text(n.name), text(n.caption), n.value)
        stack.extend(reversed(n.children))
    return bytes(out)


def root(*children):
    return Node(DIRECTORY, "\\", children=list(children))


def every_kind():
    picture = Node(CLASS, "Picture", value=text("TSkinPicture"), children=[
        Node(BINARY, "Data", "PNG", bytes((i * 7) & 0xFF for i in range(40))),
        Node(INT32, "Width", value=struct.pack("<i", 24)),
    ])
    form = Node(CLASS, "Form", "Main window", text("TSkinForm"), [
        Node(WIDESTRING, "Title", value=text("Velnix 安装")),
        Node(WIDESTRING, "Empty"),
        Node(INT32, "Left", value=struct.pack("<i", -40)),
        Node(UINT8, "Alpha", value=bytes([200])),
        Node(UINT32, "Flags", value=struct.pack("<I", 0xDEADBEEF)),
        Node(REAL64, "Scale", value=struct.pack("<d", 1.25)),
        Node(DATETIME, "Built", value=struct.pack("<d", 45292.75)),
        Node(BOOL32, "Visible", value=struct.pack("<i", -1)),
        Node(BOOL32, "Hidden", value=struct.pack("<i", 0)),
        Node(COLOR, "Color", value=struct.pack("<IB", 0x80112233, 0)),
        Node(DIRECTORY, "Pictures", children=[picture]),
    ])
    return doc(root(form, Node(DIRECTORY, "Empty dir")), "Velnix skin")


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for old in OUT.iterdir():
        old.unlink()
    files = {}
    files["empty.btd"] = doc(root())
    files["named.btd"] = doc(root(), "文档名称")
    files["every_kind.btd"] = every_kind()
    for kind, value in [(DIRECTORY, b""), (WIDESTRING, text("text")), (INT32, struct.pack("<i", 7)),
                        (UINT8, b"\x09"), (UINT32, struct.pack("<I", 11)), (REAL64, struct.pack("<d", 14.5)),
                        (DATETIME, struct.pack("<d", 17.25)), (BOOL32, struct.pack("<i", 1)),
                        (BINARY, bytes(range(23))), (CLASS, text("TClass")), (COLOR, b"\x01\x02\x03\x04\x05")]:
        files[f"kind_{kind:02d}.btd"] = doc(root(Node(kind, f"node{kind}", "caption", value)))
    files["nested.btd"] = doc(root(
        Node(DIRECTORY, "a", children=[Node(DIRECTORY, "a1", children=[Node(INT32, "x", value=b"\1\0\0\0")]),
                                       Node(DIRECTORY, "a2")]),
        Node(CLASS, "b", "类", text("TB"), [Node(WIDESTRING, "名字", value=text("值"))]),
        Node(DIRECTORY, "a", children=[Node(DIRECTORY, "b")])), "nested")
    chain = Node(WIDESTRING, "leaf", value=text("bottom"))
    for _ in range(300):
        chain = Node(DIRECTORY, "d", children=[chain])
    files["deep_chain.btd"] = doc(root(chain))
    files["wide.btd"] = doc(root(*[Node(UINT8, f"n{i}", value=bytes([i & 0xFF])) for i in range(200)]))
    files["root_class.btd"] = doc(Node(CLASS, "Root", value=text("TRoot"), children=[Node(DIRECTORY, "c")]))
    files["long_names.btd"] = doc(root(Node(DIRECTORY, "n" * 100, "c" * 120)), "d" * 90)
    files["trailing_bytes.btd"] = doc(root(Node(DIRECTORY, "a"))) + b"\xff\x01\x02"
    # Lenient texts: odd byte counts, no terminator, text after a 0x0000; fixed-size values stored empty.
    files["odd_texts.btd"] = (bytes([20, 3]) + b"a\0b" + record(DIRECTORY, 3, b"\\\0\0\0")
                              + record(WIDESTRING, 0, b"a\0b\0\0\0c\0d", b"x", b"v\0\0\0w\0q")
                              + record(INT32, 0, b"i\0") + record(COLOR, 0, b"", b"", b""))
    # A stored name that is only its terminator (the fuzzer's first find: it must load as "NONAME").
    files["empty_stored_name.btd"] = (bytes([20, 0]) + record(DIRECTORY, 1, text("\\"))
                                      + record(DIRECTORY, 0, b"\0\0", b"", b"\0" * 20))
    # Broken documents.
    files["broken_version.btd"] = bytes([21]) + doc(root())[1:]
    files["broken_tiny.btd"] = bytes([20])
    files["broken_value_size.btd"] = doc(root()) [:2] + record(DIRECTORY, 1, text("\\")) + record(
        BINARY, 0, text("data"), b"", b"\1\2\3", ds=300)
    files["broken_count.btd"] = doc(root())[:2] + record(DIRECTORY, 0xFFFF, text("\\"))
    files["broken_fixed_size.btd"] = doc(root())[:2] + record(DIRECTORY, 1, text("\\")) + record(
        INT32, 0, text("i"), b"", b"\1\2\3")
    files["broken_type.btd"] = doc(root())[:2] + record(DIRECTORY, 1, text("\\")) + record(99, 0, text("x"))
    files["broken_name_size.btd"] = doc(root())[:2] + record(DIRECTORY, 0, b"\\\0\0\0", nl=250)
    files["broken_truncated.btd"] = every_kind()[:-7]
    for name, data in files.items():
        (OUT / name).write_bytes(data)


if __name__ == "__main__":
    main()
