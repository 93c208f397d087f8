#!/usr/bin/env python3
"""Checks the artwork written by makeart against the formats Stylomat relies on.

Usage: checkart.py RESOURCES_DIR

info.jpg must be a baseline JFIF 1.01 file at 72 x 72 dpi without thumbnail,
235 x 115, three 8-bit components sampled 4:2:0, with two quantisation tables
and the four standard Huffman tables in one scan. The icon PNGs must be
24-bit RGB at their nominal sizes, and stylomat.svg plain markup made of
rect and path elements only. Only the standard library is used: the JPEG
markers are walked by hand.
"""

import struct
import sys
import xml.etree.ElementTree as ET
import zlib
from pathlib import Path

ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
CARD_SIZE = (235, 115)

MARKER_NAMES = {
    0xD8: "SOI", 0xD9: "EOI", 0xE0: "APP0", 0xC0: "SOF0", 0xC1: "SOF1",
    0xC2: "SOF2", 0xC4: "DHT", 0xDA: "SOS", 0xDB: "DQT", 0xDD: "DRI",
    0xFE: "COM",
}

# Code counts per code length (1..16 bits) of the typical Huffman tables
# given in the JPEG standard (Annex K.3), which a writer uses when it does not
# optimise its tables: keyed by (class, table), class 0 = DC, 1 = AC.
STANDARD_HUFFMAN_BITS = {
    (0, 0): (0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0),
    (0, 1): (0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0),
    (1, 0): (0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D),
    (1, 1): (0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77),
}

problems = []


def expect(condition, message):
    if not condition:
        problems.append(message)


def marker_name(code):
    return MARKER_NAMES.get(code, "APP%d" % (code - 0xE0) if 0xE0 <= code <= 0xEF
                            else "0xFF%02X" % code)


def check_jpeg(path):
    data = path.read_bytes()
    print("%s: %d bytes" % (path.name, len(data)))
    expect(data[:2] == b"\xff\xd8", "does not start with SOI")
    print("  SOI")
    pos = 2
    seen = []
    dqt_tables = []
    dht_tables = []
    scans = []
    while pos < len(data):
        if data[pos] != 0xFF:
            problems.append("no marker at offset %d" % pos)
            break
        while data[pos] == 0xFF:  # fill bytes may precede a marker
            pos += 1
        code = data[pos]
        pos += 1
        name = marker_name(code)
        seen.append(name)
        if code == 0xD9:
            print("  EOI at offset %d" % (pos - 2))
            expect(pos == len(data), "%d bytes after EOI" % (len(data) - pos))
            break
        length = struct.unpack(">H", data[pos:pos + 2])[0]
        body = data[pos + 2:pos + length]
        pos += length

        if code == 0xE0:
            ident = body[:5]
            major, minor, units = body[5], body[6], body[7]
            xd, yd = struct.unpack(">HH", body[8:12])
            tw, th = body[12], body[13]
            print("  APP0 %r version %d.%02d units %d density %dx%d thumbnail %dx%d"
                  % (ident, major, minor, units, xd, yd, tw, th))
            expect(ident == b"JFIF\0", "APP0 is not JFIF")
            expect((major, minor) == (1, 1), "JFIF version is not 1.01")
            expect(units == 1, "density units are not dots per inch")
            expect((xd, yd) == (72, 72), "density is not 72 x 72")
            expect((tw, th) == (0, 0), "JFIF header carries a thumbnail")
            expect(len(body) == 14, "APP0 has %d bytes, expected 14" % len(body))
        elif code == 0xDB:
            i = 0
            while i < len(body):
                precision, table = body[i] >> 4, body[i] & 15
                dqt_tables.append(table)
                print("  DQT table %d, %d-bit entries" % (table, 16 if precision else 8))
                i += 1 + 64 * (2 if precision else 1)
        elif code == 0xC4:
            i = 0
            while i < len(body):
                klass, table = body[i] >> 4, body[i] & 15
                bits = tuple(body[i + 1:i + 17])
                count = sum(bits)
                standard = STANDARD_HUFFMAN_BITS.get((klass, table)) == bits
                dht_tables.append((klass, table))
                print("  DHT %s table %d, %d codes, %s" % ("AC" if klass else "DC", table, count,
                                                         "standard" if standard else "custom"))
                expect(standard, "Huffman table %s%d is not the standard one"
                       % ("AC" if klass else "DC", table))
                i += 17 + count
        elif 0xC0 <= code <= 0xCF and code not in (0xC4, 0xC8, 0xCC):
            precision = body[0]
            height, width = struct.unpack(">HH", body[1:5])
            ncomp = body[5]
            comps = [(body[6 + 3 * k], body[7 + 3 * k], body[8 + 3 * k]) for k in range(ncomp)]
            print("  %s %d-bit %dx%d, %d components: %s" % (
                name, precision, width, height, ncomp,
                ", ".join("id %d sampling 0x%02X quant %d" % c for c in comps)))
            expect(code == 0xC0, "frame is %s, not baseline SOF0" % name)
            expect(precision == 8, "precision is not 8 bits")
            expect((width, height) == CARD_SIZE, "size is %dx%d" % (width, height))
            expect([c[1] for c in comps] == [0x22, 0x11, 0x11], "sampling is not 4:2:0")
        elif code == 0xDA:
            ncomp = body[0]
            scans.append(ncomp)
            print("  SOS with %d components" % ncomp)
            # Skip the entropy-coded data: it ends at the first marker that is
            # neither a stuffed 0xFF00 nor a restart marker.
            while pos < len(data) - 1:
                if data[pos] == 0xFF and data[pos + 1] != 0 and not 0xD0 <= data[pos + 1] <= 0xD7:
                    break
                pos += 1
        else:
            print("  %s, %d bytes" % (name, length))

    print("  markers in order: %s" % " ".join(["SOI"] + seen))
    expect(seen[:1] == ["APP0"], "APP0 does not follow SOI")
    expect(seen.count("APP0") == 1, "more than one APP0")
    expect(len(dqt_tables) == 2, "%d quantisation tables, expected 2" % len(dqt_tables))
    expect(len(dht_tables) == 4, "%d Huffman tables, expected 4" % len(dht_tables))
    expect(scans == [3], "scans %s, expected one scan with 3 components" % scans)
    expect(seen[-1:] == ["EOI"], "does not end with EOI")


def check_png(path, size):
    data = path.read_bytes()
    expect(data[:8] == b"\x89PNG\r\n\x1a\n", "%s is not a PNG" % path.name)
    length, kind = struct.unpack(">I4s", data[8:16])
    ihdr = data[16:16 + length]
    crc = struct.unpack(">I", data[16 + length:20 + length])[0]
    width, height, depth, colour = struct.unpack(">IIBB", ihdr[:10])
    print("%s: %d bytes, %dx%d, %d-bit, colour type %d" % (path.name, len(data), width, height,
                                                        depth, colour))
    expect(kind == b"IHDR" and crc == zlib.crc32(kind + ihdr), "%s: bad IHDR" % path.name)
    expect((width, height) == (size, size), "%s: wrong size" % path.name)
    expect((depth, colour) == (8, 2), "%s: not 24-bit RGB" % path.name)


def check_svg(path):
    root = ET.parse(path).getroot()
    ns = "{http://www.w3.org/2000/svg}"
    tags = [el.tag.replace(ns, "") for el in root.iter()]
    print("%s: %d bytes, viewBox %s, elements %s" % (path.name, path.stat().st_size,
                                                   root.get("viewBox"), " ".join(tags)))
    expect(root.tag == ns + "svg", "svg root element missing")
    expect(root.get("viewBox") == "0 0 256 256", "unexpected viewBox")
    expect(set(tags) <= {"svg", "title", "rect", "path"}, "unexpected SVG elements")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    resources = Path(sys.argv[1])
    check_jpeg(resources / "info.jpg")
    for size in ICON_SIZES:
        check_png(resources / "icons" / ("stylomat-%d.png" % size), size)
    check_svg(resources / "stylomat.svg")
    if problems:
        print("PROBLEMS:\n  " + "\n  ".join(problems))
        sys.exit(1)
    print("all artwork checks passed")


if __name__ == "__main__":
    main()
