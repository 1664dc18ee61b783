#!/usr/bin/env python3
"""Checks that the source layers depend one way: app -> ui -> preview -> multiline ->
exchange -> util.

A file of a layer may include its own layer and the layers to its right, never one to its
left. The Win32 view (ui/win32) counts as ui; main.cpp alone, which wires the Win32 dialog
into the settings mode, may include it from app.

    check_layers.py SRC_FOLDER
"""
import pathlib
import re
import sys

LAYERS = ["util", "exchange", "multiline", "preview", "ui", "app"]  # each may use those before it
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z0-9_]+)/', re.MULTILINE)


def main() -> int:
    src = pathlib.Path(sys.argv[1])
    faults = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        relative = path.relative_to(src)
        layer = relative.parts[0]
        if layer not in LAYERS:
            faults.append(f"{relative}: not in a known layer")
            continue
        text = path.read_text(encoding="utf-8", errors="replace")
        for included in INCLUDE.findall(text):
            if included not in LAYERS:
                faults.append(f"{relative}: includes the unknown folder {included}/")
            elif LAYERS.index(included) > LAYERS.index(layer):
                faults.append(f"{relative}: {layer} includes {included}/, a layer above it")
        if layer == "app" and relative.name != "main.cpp" and '#include "ui/' in text:
            faults.append(f"{relative}: only main.cpp of app may include ui/")
    for fault in faults:
        print(fault)
    print(f"{len(faults)} wrong-way includes" if faults else "layers: every include runs one way")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
