#!/usr/bin/env python3
"""Writes dat/hzlen.dat, the stroke table of the name tool.

One 4-byte record per position of the GB2312 Chinese-character area (rows 16
to 87, columns 1 to 94, in code order): the two code bytes, then the stroke
count as a signed 16-bit little-endian number. A position without a character
is four zero bytes.

The counts are those of name numerology (姓名五格), the 康熙字典 strokes of
the traditional form:
- the traditional form is the character itself where traditional text also
  writes it so (it has a Big5 code, kBigFive: 朱, 胡, 千, 后), otherwise its
  kTraditionalVariant other than itself; of several, the one whose
  kSimplifiedVariant is this character, else the first;
- the count is the strokes of the full form of the form's Kangxi radical
  (kRSKangXi, else kRSUnicode; the radical's own character from
  CJKRadicals.txt, its strokes from kTotalStrokes: 氵 as 水 4, 扌 as 手 4,
  王 as 玉 5, 月 of radical 130 as 肉 6, 艹 as 艸 6, 辶 as 辵 7, 阝 as 阜 8 on
  the left and 邑 7 on the right …) plus the residual strokes; a character
  that is a radical by itself (王, 马 → 馬) counts as it is written
  (kTotalStrokes);
- the numerals 一 二 三 四 五 六 七 八 九 十 count by their value, 1 … 10.
GB2312 codes are mapped to Unicode through iconv, the same converter the
program uses.

Dev-time only:  apt-get install unicode-data && python3 scripts/gen-strokes.py
"""
import bz2
import os
import struct
import subprocess
import sys

UNICODE = "/usr/share/unicode"
UNIHAN_FILES = ("Unihan_IRGSources.txt.bz2", "Unihan_OtherMappings.txt.bz2", "Unihan_Variants.txt.bz2",
                "Unihan_RadicalStrokeCounts.txt.bz2")
FIELDS = {"kTotalStrokes", "kRSUnicode", "kRSKangXi", "kBigFive", "kTraditionalVariant", "kSimplifiedVariant"}
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "dat", "hzlen.dat")
FIRST_ROW, LAST_ROW, COLUMNS = 16, 87, 94
NUMERALS = "一二三四五六七八九十"


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


def read_unihan():
    """{field: {character: value text}} for the fields this table needs."""
    data = {field: {} for field in FIELDS}
    for name in UNIHAN_FILES:
        with bz2.open(os.path.join(UNICODE, name), "rt", encoding="utf-8") as f:
            for line in f:
                fields = line.rstrip("\n").split("\t")
                if len(fields) == 3 and fields[1] in FIELDS:
                    data[fields[1]][chr(int(fields[0][2:], 16))] = fields[2]
    return data


def characters_of(value):
    """'U+5F35 U+5F20' (a variant field) to its characters."""
    return [chr(int(item[2:].split("<")[0], 16)) for item in value.split()]


def radical_characters():
    """Kangxi radical number to the unified ideograph of its full form."""
    radicals = {}
    with open(os.path.join(UNICODE, "CJKRadicals.txt"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            number, _, ideograph = (part.strip() for part in line.split(";"))
            if not number.endswith("'"):  # a simplified radical form (120' 纟)
                radicals[int(number)] = chr(int(ideograph, 16))
    return radicals


def traditional_form(char, data):
    if char in data["kBigFive"]:
        return char
    others = [t for t in characters_of(data["kTraditionalVariant"].get(char, "")) if t != char]
    if not others:
        return char
    for t in others:
        if char in characters_of(data["kSimplifiedVariant"].get(t, "")):
            return t
    return others[0]


def kangxi_strokes(char, data, radicals):
    """The 康熙 count of one character, 0 where the data has none."""
    if char in NUMERALS:
        return NUMERALS.index(char) + 1
    form = traditional_form(char, data)
    total = int(data["kTotalStrokes"].get(form, "0").split()[0])
    rs = data["kRSKangXi"].get(form) or data["kRSUnicode"].get(form)
    if not rs:
        return total
    radical, residual = rs.split()[0].replace("'", "").split(".")
    if int(residual) <= 0:  # the radical standing alone, as it is written
        return total
    radical_form = radicals[int(radical)]
    return int(data["kTotalStrokes"][radical_form].split()[0]) + int(residual)


def main():
    codes = list(positions())
    chars = to_unicode(codes)
    data = read_unihan()
    radicals = radical_characters()
    out = bytearray()
    present = missing = 0
    for code, char in zip(codes, chars):
        if char is None:
            out += bytes(4)
            continue
        count = kangxi_strokes(char, data, radicals)
        present += 1
        missing += count == 0
        out += code + struct.pack("<h", count)
    with open(OUT, "wb") as f:
        f.write(out)
    print(f"{len(codes)} positions, {present} characters, {missing} without a count -> {os.path.normpath(OUT)}")


if __name__ == "__main__":
    main()
