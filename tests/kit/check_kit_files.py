#!/usr/bin/env python3
"""The integration kit as the host and cmd read it: Shift-JIS (CP932) with CR LF, the
directives the host looks for, and the call of the program. Usage: check_kit_files.py KIT_DIR"""
import pathlib
import subprocess
import sys
import unittest

KIT = pathlib.Path()
TEXT_FILES = ["tq58.bat", "tq58_preset.bat", "tq58_chain.bat", "tq58_settings.bat",
              "README_ja.txt", "tq58_sample.dat"]
CMD_SPECIALS = b"|<>&^%"  # bytes that cmd would act on in a line it executes


def decode_cp932(data):
    """The text as Windows reads it, decoded by iconv's CP932 table."""
    result = subprocess.run(["iconv", "-f", "CP932", "-t", "UTF-8"], input=data,
                            capture_output=True, check=False)
    if result.returncode != 0:
        raise AssertionError("not CP932: " + result.stderr.decode(errors="replace"))
    return result.stdout.decode("utf-8")


def lines_of(name):
    data = (KIT / name).read_bytes()
    return data[:-2].split(b"\r\n") if data.endswith(b"\r\n") else data.split(b"\r\n")


def directive_of(line):
    """The directive of a "REM #..." line ("#" within the line's first 10 bytes), or None."""
    if not line.upper().startswith(b"REM "):
        return None
    mark = line.find(b"#")
    return decode_cp932(line[mark:]) if 0 <= mark < 10 else None


def directives_of(name):
    return [d for d in (directive_of(line) for line in lines_of(name)) if d is not None]


def item_block(directives, item):
    """The directives of item `item` of an item selection: from "#:item" up to its "#e"."""
    start = directives.index("#:%d" % item)
    return directives[start + 1:directives.index("#e", start)]


def point_directives(block):
    """(point number, suffix, prompt) of the point directives "#N", "#N-", "#N#"."""
    points = []
    for directive in block:
        digits = len(directive[1:]) - len(directive[1:].lstrip("0123456789"))
        if digits == 0:
            continue
        rest = directive[1 + digits:]
        suffix = rest[0] if rest[:1] in ("-", "#") else ""
        points.append((int(directive[1:1 + digits]), suffix, rest[len(suffix):]))
    return points


class EncodingAndLineEnds(unittest.TestCase):
    def test_every_file_is_cp932_with_cr_lf(self):
        for name in TEXT_FILES:
            with self.subTest(name=name):
                data = (KIT / name).read_bytes()
                self.assertFalse(data.startswith(b"\xef\xbb\xbf"), "UTF-8 byte-order mark")
                self.assertTrue(data.endswith(b"\r\n"), "last line without CR LF")
                for number, line in enumerate(lines_of(name), 1):
                    self.assertNotIn(b"\n", line, "lone LF in line %d" % number)
                    self.assertNotIn(b"\r", line, "lone CR in line %d" % number)
                text = decode_cp932(data)
                self.assertFalse(text.isascii(), "no Japanese text at all")
                # A file saved as UTF-8 by mistake would still decode as CP932 garbage: it
                # must not be valid UTF-8.
                with self.assertRaises(UnicodeDecodeError):
                    data.decode("utf-8")


class BatchFiles(unittest.TestCase):
    def check_cmd_skips_the_directives(self, name):
        lines = lines_of(name)
        memo = lines[0]
        self.assertTrue(memo.startswith(b"REM "), "the first line is the memo")
        self.assertIsNone(directive_of(memo), "the memo is no directive")
        self.assertTrue(decode_cp932(memo[4:]).strip(), "empty memo")
        # cmd runs the memo line (a REM) before "goto": none of its bytes may be special.
        self.assertFalse(any(b in CMD_SPECIALS for b in memo), memo)
        lowered = [line.lower() for line in lines]
        self.assertEqual(lowered[1], b"@echo off")
        goto = lowered.index(b"goto run")
        label = lowered.index(b":run")
        directive_rows = [i for i, line in enumerate(lines) if directive_of(line) is not None]
        self.assertLess(goto, directive_rows[0])
        self.assertGreater(label, directive_rows[-1])
        return lines[label + 1:]

    def test_transformation_batch(self):
        commands = self.check_cmd_skips_the_directives("tq58.bat")
        self.assertEqual(commands, [b'"%~dp0tq58.exe" %1'])

        directives = directives_of("tq58.bat")
        menu = next(d for d in directives if d.startswith("#hm"))
        for required in ("#jww", "#cd", "#h0", "#zw"):
            self.assertIn(required, directives)
            self.assertLess(directives.index(required), directives.index(menu), required)
        title, _, items = menu[3:].partition(" ")
        self.assertTrue(title)
        self.assertTrue(items.startswith("|") and items.endswith("|"), menu)
        self.assertEqual(len(items.strip("|").split("|")), 2, menu)

        # Item 1: one segment, two points with a rubber line from the first.
        self.assertEqual([(n, s) for n, s, _ in point_directives(item_block(directives, 1))],
                         [(1, "-"), (2, "")])
        # Item 2: a polyline, rubber lines, indicating on up to point 99.
        self.assertEqual([(n, s) for n, s, _ in point_directives(item_block(directives, 2))],
                         [(1, "-"), (2, "-"), (99, "#")])
        for item in (1, 2):
            for number, _, prompt in point_directives(item_block(directives, item)):
                self.assertTrue(prompt.endswith("してください"), (item, number, prompt))

    def test_preset_batch_asks_for_the_preset_and_draws_a_polyline(self):
        commands = self.check_cmd_skips_the_directives("tq58_preset.bat")
        # The answer, quotes removed, after "/p": an empty one gives "/p", which the program
        # ignores, so that it draws the current preset.
        self.assertEqual(commands, [b'"%~dp0tq58.exe" 2 /p%~1'])
        directives = directives_of("tq58_preset.bat")
        # No item menu: the answer is then the batch file's only argument.
        self.assertFalse(any(d.startswith("#hm") for d in directives), directives)
        for required in ("#jww", "#cd", "#h0", "#zw"):
            self.assertIn(required, directives)
        prompt = next(d for d in directives if d.startswith("#c") and d != "#cd")
        self.assertIn("1～20", prompt)
        self.assertEqual([(n, s) for n, s, _ in point_directives(directives)],
                         [(1, "-"), (2, "-"), (99, "#")])
        self.assertEqual(directives[-1], "#e")

    def test_chain_batch_selects_a_range_and_draws_along_it_either_way(self):
        commands = self.check_cmd_skips_the_directives("tq58_chain.bat")
        # Item 2 of the menu reverses every chain.
        self.assertEqual(commands, [b'if "%~1"=="2" goto reversed', b'"%~dp0tq58.exe" 1 /s',
                                    b"goto end", b":reversed", b'"%~dp0tq58.exe" 1 /s /r',
                                    b":end"])
        directives = directives_of("tq58_chain.bat")
        # A range selection with its prompt right after it, blocks neither written nor deleted.
        for required in ("#jww", "#cd", "#h1", "#ht10", "#zw"):
            self.assertIn(required, directives)
        self.assertTrue(directives[directives.index("#h1") + 1].startswith("#hc"))
        menu = next(d for d in directives if d.startswith("#hm"))
        self.assertEqual(len(menu.partition(" ")[2].strip("|").split("|")), 2, menu)
        for item in (1, 2):
            self.assertEqual(point_directives(item_block(directives, item)), [])

    def test_settings_batch_opens_the_dialog(self):
        commands = self.check_cmd_skips_the_directives("tq58_settings.bat")
        self.assertEqual(commands, [b'"%~dp0tq58.exe"'])
        directives = directives_of("tq58_settings.bat")
        self.assertEqual(directives, ["#jww", "#cd", "#h0", "#e"])


class InstallGuide(unittest.TestCase):
    def test_names_every_file_and_every_dialog_column(self):
        text = decode_cp932((KIT / "README_ja.txt").read_bytes())
        for expected in ("tq58.exe", "x86\\tq58.exe", "tq58.bat", "tq58_settings.bat",
                         "tq58_preset.bat", "tq58_chain.bat", "属性選択", "/p3", "同心",
                         "端部", "保存できない", "tq58_sample.dat", "tq58.dat", "LICENSE.txt",
                         "外部変形", "許可する", "ブロックの解除", "アンインストール",
                         "コメント", "間隔", "丸めＲ", "図寸時ON", "色", "線種", "線幅"):
            self.assertIn(expected, text)


if __name__ == "__main__":
    KIT = pathlib.Path(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
