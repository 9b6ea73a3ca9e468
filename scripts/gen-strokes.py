#!/usr/bin/env python3
"""Writes dat/hzlen.dat, the stroke table of the name tool.

One 4-byte record per position of the GB2312 Chinese-character area (rows 16
to 87, columns 1 to 94, in code order): the two code bytes, then the stroke
count as a signed 16-bit little-endian number. A position without a character
is four zero bytes.

Stroke counts are the kTotalStrokes field of the Unihan database as Debian's
package unicode-data ships it; where the field gives two counts, the first is
the simplified (mainland) form's. GB2312 codes are mapped to Unicode through
iconv, the same converter the program uses.

Dev-time only:  apt-get install unicode-data && python3 scripts/gen-strokes.py
"""
import bz2
import os
import struct
import subprocess
import sys

UNIHAN = "/usr/share/unicode/Unihan_IRGSources.txt.bz2"
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "dat", "hzlen.dat")
FIRST_ROW, LAST_ROW, COLUMNS = 16, 87, 94


def positions():
    for row in range(FIRST_ROW, LAST_ROW + 1):
        for col in range(1, COLUMNS + 1):
            yield bytes((row + 0xA0, col + 0xA0))


def to_unicode(codes):
    """Each two-byte GB2312 code to its character, or None where the code has none.

    One code per line through `iconv -c`: an unassigned code is dropped and
    leaves its line empty, so line n still belongs to code n."""
    text = b"".join(code + b"\n" for code in codes)
    result = subprocess.run(["iconv", "-c", "-f", "GB2312", "-t", "UTF-8"], input=text,
                            capture_output=True)
    lines = result.stdout.decode("utf-8").split("\n")[:-1]
    if len(lines) != len(codes):
        sys.exit("iconv lost the line structure")
    return [line if len(line) == 1 else None for line in lines]


def total_strokes():
    counts = {}
    with bz2.open(UNIHAN, "rt", encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) == 3 and fields[1] == "kTotalStrokes":
                counts[int(fields[0][2:], 16)] = int(fields[2].split()[0])
    return counts


def main():
    codes = list(positions())
    chars = to_unicode(codes)
    strokes = total_strokes()
    out = bytearray()
    present = missing = 0
    for code, char in zip(codes, chars):
        if char is None:
            out += bytes(4)
            continue
        count = strokes.get(ord(char), 0)
        present += 1
        missing += count == 0
        out += code + struct.pack("<h", count)
    with open(OUT, "wb") as f:
        f.write(out)
    print(f"{len(codes)} positions, {present} characters, {missing} without a count -> {os.path.normpath(OUT)}")


if __name__ == "__main__":
    main()
