#!/usr/bin/env python3
"""Checks that the source depends one way, between folders and inside them.

The folders are layers in the order of the data flow: util -> geometry -> exchange -> presets
-> path -> rows -> fill -> region -> network -> drawing -> preview -> ui -> app. A file may
include its own folder and the folders before it, never one after it. Inside a folder no two
files depend on each other in a circle: a file's header and source count as one unit (x.h with
x.cpp), and the units' includes must form no cycle. The Win32 view (ui/win32) counts as ui;
main.cpp alone, which wires the Win32 dialog into the settings mode, may include it from app.

    check_layers.py SRC_FOLDER
"""
import pathlib
import re
import sys

LAYERS = ["util", "geometry", "exchange", "presets", "path", "rows", "fill", "region",
          "network", "drawing", "preview", "ui", "app"]  # each may use those before it
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def unit_of(relative: pathlib.PurePath) -> str:
    return relative.with_suffix("").as_posix()


def find_cycle(graph: dict) -> list:
    """A cycle of the graph as a list of its units, or an empty list."""
    state = {}  # unit -> 1 while on the path, 2 when done
    path = []

    def visit(unit):
        state[unit] = 1
        path.append(unit)
        for nxt in sorted(graph.get(unit, ())):
            if state.get(nxt) == 1:
                return path[path.index(nxt):] + [nxt]
            if nxt not in state:
                cycle = visit(nxt)
                if cycle:
                    return cycle
        state[unit] = 2
        path.pop()
        return []

    for unit in sorted(graph):
        if unit not in state:
            cycle = visit(unit)
            if cycle:
                return cycle
    return []


def main() -> int:
    src = pathlib.Path(sys.argv[1])
    faults = []
    graph = {}
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        relative = path.relative_to(src)
        layer = relative.parts[0]
        if layer not in LAYERS:
            faults.append(f"{relative}: not in a known layer")
            continue
        text = path.read_text(encoding="utf-8", errors="replace")
        unit = unit_of(relative)
        for included in INCLUDE.findall(text):
            folder = included.split("/")[0]
            if "/" not in included:
                continue  # a file beside it that is no unit of ours (a generated header)
            if folder not in LAYERS:
                faults.append(f"{relative}: includes the unknown folder {folder}/")
                continue
            if LAYERS.index(folder) > LAYERS.index(layer):
                faults.append(f"{relative}: {layer} includes {folder}/, a layer after it")
            other = unit_of(pathlib.PurePosixPath(included))
            if other != unit:
                graph.setdefault(unit, set()).add(other)
        if layer == "app" and relative.name != "main.cpp" and '#include "ui/' in text:
            faults.append(f"{relative}: only main.cpp of app may include ui/")
    cycle = find_cycle(graph)
    if cycle:
        faults.append("files that depend on each other: " + " -> ".join(cycle))
    for fault in faults:
        print(fault)
    print(f"{len(faults)} faults" if faults else "layers: every include runs one way")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
