#!/usr/bin/env python3
"""tq58-preview run as a user runs it: its SVG read back by an XML parser, with the elements
and coordinates expected; bad input refused with a message and a non-zero exit.
Usage: check_preview_svg.py PREVIEW_PROGRAM DATA_DIR SAMPLE_SETTINGS"""
import pathlib
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

PROGRAM = DATA = SAMPLE_SETTINGS = None
SVG = "{http://www.w3.org/2000/svg}"


def run(*args):
    return subprocess.run([PROGRAM, *map(str, args)], capture_output=True, check=False)


def svg_of(*args):
    result = run(*args)
    if result.returncode != 0:
        raise AssertionError(result.stderr.decode())
    return ET.fromstring(result.stdout)  # raises on a document that is not well formed


def group(root, name):
    found = root.find("%sg[@id='%s']" % (SVG, name))
    if found is None:
        raise AssertionError("no group " + name)
    return found


def tags(element):
    return [child.tag.replace(SVG, "") for child in element]


class ExchangeFiles(unittest.TestCase):
    def test_host_file_alone(self):
        root = svg_of(DATA / "host.txt")
        host = group(root, "host")
        self.assertEqual(tags(host), ["line", "circle", "text"])
        line = host[0]
        # y points up in the host and down in SVG.
        self.assertEqual([line.get(k) for k in ("x1", "y1", "x2", "y2")], ["0", "10", "100", "10"])
        self.assertEqual(host[2].text, "A&B<C>")
        indicated = group(root, "indicated")
        labels = [e.text for e in indicated if e.tag == SVG + "text"]
        self.assertEqual(labels, ["1", "2", "3"])
        self.assertEqual(len(group(root, "commands")), 0)
        x, y, w, h = map(float, root.get("viewBox").split())
        self.assertLess(x, 0)
        self.assertGreater(x + w, 100)
        self.assertLess(y, -60)  # the circle reaches y = 60 upwards
        self.assertGreater(y + h, 10)

    def test_written_back_file_on_top_in_host_colours(self):
        root = svg_of(DATA / "host.txt", DATA / "written_back.txt")
        commands = group(root, "commands")
        self.assertEqual(tags(commands), ["line", "path", "line", "line"])
        first, arc, _, last = commands
        self.assertEqual((first.get("data-lc"), first.get("data-lt"), first.get("data-lw")),
                         ("3", "2", "50"))
        self.assertEqual(first.get("stroke"), "#00a000")
        self.assertIsNotNone(first.get("stroke-dasharray"))
        self.assertEqual(last.get("data-lc"), "101")
        self.assertIsNone(last.get("stroke-dasharray"))
        # Width 50 draws wider than width 0 of the host's own entities.
        host_width = float(group(root, "host")[0].get("stroke-width"))
        self.assertGreater(float(first.get("stroke-width")), host_width)
        # The fillet from 270 to 0 degrees about (95, 10): from (95, 5) to (100, 10),
        # counterclockwise (sweep flag 0 on SVG's y-down axis).
        self.assertEqual(arc.get("d"), "M 95 -5 A 5 5 0 0 0 100 -10")

    def test_output_file_holds_what_standard_output_shows(self):
        with tempfile.TemporaryDirectory() as folder:
            out = pathlib.Path(folder) / "out.svg"
            result = run("-o", out, DATA / "host.txt")
            self.assertEqual(result.returncode, 0)
            self.assertEqual(result.stdout, b"")
            self.assertEqual(out.read_bytes(), run(DATA / "host.txt").stdout)


class Presets(unittest.TestCase):
    def test_preset_along_the_sample_paths(self):
        root = svg_of("--settings", SAMPLE_SETTINGS, "--preset", 3)
        title = root.find("%stext[@id='title']" % SVG)
        self.assertTrue(title.text.startswith("Preset 3: "), title.text)
        commands = group(root, "commands")
        # Three rows along the L, the U, the S and the rectangle: 2 + 3 + 3 + 4 segments and
        # 1 + 2 + 2 + 4 rounded corners each; along the road 2 segments and its curve, along
        # the S of curves its 2 curves, along the three streets of the network (its junctions
        # not cleaned) 1 segment each.
        self.assertEqual(tags(commands).count("line"), 3 * (12 + 2 + 3))
        self.assertEqual(tags(commands).count("path"), 3 * (9 + 1 + 2))
        # The centre line is a dash-dot line, the edges are solid.
        dashed = {e.get("data-lt") for e in commands if e.get("stroke-dasharray")}
        self.assertEqual(dashed, {"6"})
        indicated = group(root, "indicated")
        labels = [e.text for e in indicated if e.tag == SVG + "text"]
        self.assertEqual(labels, ["1", "2", "3", "1", "2", "3", "4", "1", "2", "3", "4",
                                  "1", "2", "3", "4", "5", "1", "2", "3", "4", "1", "2", "3",
                                  "1", "2", "1", "2", "1", "2"])

    def test_current_preset_by_default(self):
        root = svg_of("--settings", SAMPLE_SETTINGS)
        self.assertTrue(root.find("%stext[@id='title']" % SVG).text.startswith("Preset 1: "))

    def test_preset_without_rows_draws_the_paths_and_says_so(self):
        result = run("--settings", SAMPLE_SETTINGS, "--preset", 20)
        self.assertEqual(result.returncode, 0)
        self.assertIn(b"draws nothing", result.stderr)
        self.assertEqual(len(group(ET.fromstring(result.stdout), "commands")), 0)


class BadInput(unittest.TestCase):
    def check_refused(self, args, status, message):
        result = run(*args)
        self.assertEqual(result.returncode, status, result.stderr)
        self.assertEqual(result.stdout, b"")
        self.assertIn(message.encode(), result.stderr)

    def test_refusals(self):
        with tempfile.TemporaryDirectory() as folder:
            empty = pathlib.Path(folder) / "empty.txt"
            empty.write_bytes(b"")
            # A settings file there but unreadable, even for root: opening this one fails.
            locked = pathlib.Path(folder) / "locked.dat"
            locked.symlink_to("/proc/sys/vm/drop_caches")
            cases = [
                ([], 2, "no exchange file"),
                (["--preset", "0", "--settings", SAMPLE_SETTINGS], 2, "1 to 20"),
                ([pathlib.Path(folder) / "missing.txt"], 1, "missing.txt: no such file"),
                ([folder], 1, "not a file"),
                ([empty], 1, "nothing to draw"),
                (["--settings", pathlib.Path(folder) / "none.dat"], 1, "no such file"),
                (["--settings", locked], 1, "cannot read"),
                (["-o", pathlib.Path(folder) / "no" / "out.svg", DATA / "host.txt"], 1,
                 "cannot write"),
            ]
            for args, status, message in cases:
                with self.subTest(args=args):
                    self.check_refused(args, status, message)
            self.assertFalse((pathlib.Path(folder) / "no").exists())


if __name__ == "__main__":
    PROGRAM, DATA, SAMPLE_SETTINGS = sys.argv[1], pathlib.Path(sys.argv[2]), sys.argv[3]
    unittest.main(argv=sys.argv[:1], verbosity=2)
