#!/usr/bin/env python3
"""Counts the bad-input classes in the fuzz corpora (checked-in seeds and the corpora that
scripts/fuzz.sh grew in build/fuzz/fuzzing/), for the table in docs/RELIABILITY.md.

Each input counts once per class that it contains. Usage: scripts/fuzz_census.py
"""
import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parent.parent
SEPARATOR = b"\0\0tq58.dat\0\0"  # between exchange and settings bytes (transformation target)
REAL = re.compile(rb" *[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?")
INTEGER = re.compile(rb" *[+-]?([0-9]+|(\$|x|X|0x|0X)[0-9A-Fa-f]+)")
LEAD = set(range(0x80, 0xA0)) | set(range(0xE0, 0xFE))
# Keywords whose line needs a field count that not every line of that keyword has.
COUNTED = {b"hk": 2, b"hs": 17, b"hzs": 3, b"hcw": 11, b"hch": 11, b"hcd": 11, b"hcc": 11,
           b"hn": 5, b"BL": 4, b"sc": 9, b"se": 9, b"so": 9, b"sg": 9}


def inputs(target):
    """Every corpus file of `target`, checked-in seeds and grown corpus alike."""
    for folder in (ROOT / "tests/fuzz/corpus" / target, ROOT / "build/fuzz/fuzzing" / target / "corpus"):
        if folder.is_dir():
            yield from (p.read_bytes() for p in sorted(folder.iterdir()) if p.is_file())


def text_lines(data):
    """Lines as the program reads them: up to Ctrl-Z, split at LF, CRs dropped."""
    body = data.split(b"\x1a", 1)[0]
    return [line.replace(b"\r", b"") for line in body.split(b"\n")]


def fields(line):
    """Blank-separated fields before any quote or equals sign (enough for the census)."""
    head = re.split(rb'["=]', line, maxsplit=1)[0]
    return head.replace(b"\t", b" ").split()


def ends_in_lead_byte(line):
    i = 0
    while i < len(line):
        if line[i] in LEAD:
            if i + 1 == len(line):
                return True
            i += 2
        else:
            i += 1
    return False


def exchange_classes(data):
    lines = text_lines(data)
    found = set()
    if not data:
        found.add("empty file")
    if b"\x1a" in data.rstrip(b"\x1a"):
        found.add("Ctrl-Z before the end (rest ignored)")
    if re.search(rb"\r(?!\n)", data):
        found.add("lone CR inside a line")
    if re.search(rb"(?<!\r)\n", data):
        found.add("LF without CR")
    if data and not data.endswith(b"\n"):
        found.add("last line without line break")
    for line in lines:
        f = fields(line)
        if any(b < 0x20 and b != 0x09 for b in line) or b"\xfe" in line or b"\xff" in line:
            found.add("control bytes, 0xFE, 0xFF in a line")
        if ends_in_lead_byte(line):
            found.add("double-byte character cut by the line end")
        if len(line) > 255:
            found.add("line longer than 255 bytes")
        if len(f) > 32:
            found.add("more than 32 fields")
        if b'"' in line:
            found.add("quoted rest of line (text, names)")
        if not f:
            continue
        key = f[0]
        if key in COUNTED and len(f) < COUNTED[key]:
            found.add("keyword with too few fields")
        if key == b"ci" and 5 <= len(f) <= 7 or key == b"pt" and len(f) in (4, 5):
            found.add("keyword with a field count that fits no rule")
        numeric = f[1:] if key[:1].isalpha() else f
        if any(not REAL.fullmatch(x) for x in numeric if len(f) >= 3):
            found.add("number field that is no number")
        if any(REAL.fullmatch(x) and re.search(rb"[eE][+-]?0*[4-9][0-9]{2}", x) for x in numeric):
            found.add("number beyond the range of a double")
        if key.startswith(b"hp") and not key.startswith(b"hpp"):
            digits = re.match(rb"hp(.*?)(-|ln|ci|ch|$)", key)
            number = digits.group(1) if digits else b""
            if not (INTEGER.fullmatch(number) and 1 <= _int(number) <= 99):
                found.add("indicated point number outside 1..99")
        if key[:2] in (b"lg", b"ly") and key[:3] not in (b"lgn", b"lyn"):
            if len(key) < 3 or chr(key[2]) not in "0123456789ABCDEFabcdef":
                found.add("layer digit that is not hexadecimal")
    return found


def to_float(text):
    return float(text) if REAL.fullmatch(text) else 0.0


def geometry_classes(data):
    """Shapes of the base path that the indicated points of an exchange file make."""
    points, found = {}, set()
    for line in text_lines(data):
        f = fields(line)
        match = re.match(rb"hp(.*?)(-|ln|ci|ch|$)", f[0]) if len(f) >= 3 else None
        if match and INTEGER.fullmatch(match.group(1)) and 1 <= _int(match.group(1)) <= 99:
            points[_int(match.group(1))] = (to_float(f[1]), to_float(f[2]))
    path = []
    while len(path) + 1 in points:
        path.append(points[len(path) + 1])
    if len(path) < 2:
        found.add("fewer than two base points (nothing to draw)")
    if any(a == b for a, b in zip(path, path[1:])):
        found.add("two consecutive base points equal")
    if len(path) > 2 and path[0] == path[-1]:
        found.add("closed base path")
    if any((b[0] - a[0]) * (c[1] - b[1]) == (b[1] - a[1]) * (c[0] - b[0]) and a != b != c
           for a, b, c in zip(path, path[1:], path[2:])):
        found.add("three consecutive base points on one line")
    if any(abs(v) > 1e100 for point in path for v in point if v == v):
        found.add("base point beyond 1e100")
    return found


def _int(text):
    """Value of a text that INTEGER accepts (hexadecimal as written, without the 32-bit wrap)."""
    body = text.lstrip(b" ")
    sign = -1 if body.startswith(b"-") else 1
    body = body.lstrip(b"+-")
    for prefix in (b"0x", b"0X", b"$", b"x", b"X"):
        if body.startswith(prefix):
            return sign * int(body[len(prefix):], 16)
    return sign * int(body, 10)


def settings_classes(data):
    lines = text_lines(data)
    if lines and lines[-1] == b"":
        lines = lines[:-1]
    found = set()
    if len(lines) < 1423:
        found.add("fewer than 1423 lines")
    if len(lines) > 1423:
        found.add("more than 1423 lines")
    if b"\x1a" in data.rstrip(b"\x1a"):
        found.add("Ctrl-Z before the end (rest ignored)")
    if re.search(rb"(?<!\r)\n", data) or re.search(rb"\r(?!\n)", data):
        found.add("LF without CR, or lone CR")
    for number, line in enumerate(lines[:1423], start=1):
        if number <= 3 or (number - 4) % 71 == 0:
            kind = "int"
            if number == 3 and INTEGER.fullmatch(line) and not 1 <= _int(line) <= 20:
                found.add("current preset outside 1..20")
            if number > 3:
                continue  # a comment: any bytes are fine
        else:
            field = (number - 5) % 71 % 7
            kind = ("flag", "real", "real", "flag", "int", "int", "int")[field]
            if field == 2 and REAL.fullmatch(line) and float(line) < 0:
                found.add("negative radius")
            if field == 6 and INTEGER.fullmatch(line) and not -1 <= _int(line) <= 30000:
                found.add("width outside -1..30000")
            if kind == "flag" and line.strip() not in (b"0", b"1"):
                found.add("flag other than 0 or 1")
        if kind == "int" and line and not INTEGER.fullmatch(line):
            found.add("integer line that is no integer")
        if kind == "int" and INTEGER.fullmatch(line) and not -2**31 <= _int(line) < 2**31:
            found.add("integer beyond 32 bits")
        if kind == "real" and line and not REAL.fullmatch(line):
            found.add("real line that is no number")
        if kind == "real" and REAL.fullmatch(line) and abs(float(line)) > 1.7976931348623157e308:
            found.add("real beyond the range of a double")
    return found


def number_classes(data):
    found = set()
    if REAL.fullmatch(data):
        found.add("real grammar accepts")
        value = float(data)
        if value in (float("inf"), float("-inf")):
            found.add("real beyond the range of a double")
        elif value == 0 and re.search(rb"[1-9]", data.split(b"e")[0].split(b"E")[0]):
            found.add("real too small for a double")
        if len(re.sub(rb"[^0-9]", b"", re.split(rb"[eE]", data)[0]).lstrip(b"0")) > 17:
            found.add("mantissa of more than 17 digits")
    else:
        found.add("real grammar rejects")
    if INTEGER.fullmatch(data):
        found.add("integer grammar accepts")
        if not -2**31 <= _int(data) < 2**31 and not re.search(rb"[$xX]", data):
            found.add("decimal integer beyond 32 bits")
        if re.search(rb"[$xX]", data):
            found.add("hexadecimal integer")
    else:
        found.add("integer grammar rejects")
    return found


def census(title, target, classify, split=lambda data: data):
    """Prints how many inputs of `target` hold each class; `split` picks the part to classify
    (None: the input has no such part)."""
    counts, total = {}, 0
    for data in inputs(target):
        part = split(data)
        if part is None:
            continue
        total += 1
        for name in classify(part):
            counts[name] = counts.get(name, 0) + 1
    print(f"\n{title}: {total} inputs")
    for name, count in sorted(counts.items(), key=lambda item: -item[1]):
        print(f"  {count:6d}  {name}")


def main():
    census("exchange_reader", "exchange_reader", exchange_classes)
    census("settings_file", "settings_file", settings_classes)
    census("numbers", "numbers", number_classes)
    census("transformation, exchange part", "transformation", exchange_classes,
           lambda data: data[1:].split(SEPARATOR, 1)[0])
    census("transformation, base path", "transformation", geometry_classes,
           lambda data: data[1:].split(SEPARATOR, 1)[0])
    census("transformation, settings part", "transformation", settings_classes,
           lambda data: data[1:].split(SEPARATOR, 1)[1] if SEPARATOR in data else None)


if __name__ == "__main__":
    main()
