#!/usr/bin/env python3
"""Checks that every include of the library's folders runs down the layer graph.

Each layer may include its own headers and those of the layers it stands on, no others:
the same graph the libraries in CMakeLists.txt link. Run from anywhere; prints each include
that runs the wrong way and fails if there is one.
"""
import pathlib
import re
import sys

# Each layer and the layers below it that it may include.
LAYERS = {
    "readings": [],
    "model": ["readings"],
    "surface": ["readings"],
    "control": ["model", "surface", "readings"],
    "toolkits/headless": ["surface", "readings"],
    "toolkits/qt": ["surface", "readings"],
    "qt_widget": ["control", "model", "surface", "toolkits/qt", "readings"],
    "testing/qt_operator": ["toolkits/qt", "surface", "readings"],
}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def layer_of(path):
    """The layer a path from the top lies in, the longest folder that holds it; or None."""
    found = None
    for layer in LAYERS:
        if path == layer or path.startswith(layer + "/"):
            if found is None or len(layer) > len(found):
                found = layer
    return found


def main():
    top = pathlib.Path(__file__).resolve().parent.parent
    faults = []
    for layer, below in LAYERS.items():
        for source in sorted((top / layer).rglob("*")):
            if source.suffix not in (".h", ".cpp"):
                continue
            name = source.relative_to(top).as_posix()
            if layer_of(name) != layer:
                continue  # a layer nested inside this folder checks it
            for included in INCLUDE.findall(source.read_text(encoding="utf-8")):
                if ".." in included.split("/"):
                    faults.append(f"{name}: includes {included} by a relative path")
                    continue
                target = layer_of(included)
                if target is None and not (top / included.split("/")[0]).is_dir():
                    continue  # a system or generated header
                if target == layer or target in below:
                    continue
                faults.append(f"{name}: includes {included}; {layer} stands on "
                              f"{', '.join(below) or 'nothing'}")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
