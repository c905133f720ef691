#!/usr/bin/env python3
"""Checks that every include of the library's folders runs down the layer graph.

Each layer may include its own headers and those of the layers it stands on, no others:
the same graph the libraries in CMakeLists.txt link. The public headers in include/corvane/
each belong to one layer (PUBLIC below, as CMakeLists.txt gives them to the libraries). The
hosts (HOSTS) include the public headers alone, besides their own. Run from anywhere;
prints each include that runs the wrong way and fails if there is one.
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
# The layer each public header belongs to.
PUBLIC = {
    "corvane/entry_kind.h": "model",
    "corvane/host_error.h": "model",
    "corvane/catalog.h": "surface",
    "corvane/money.h": "model",
    "corvane/payment_values.h": "model",
    "corvane/layout.h": "surface",
    "corvane/operator.h": "surface",
    "corvane/screen.h": "surface",
    "corvane/scripted_services.h": "surface",
    "corvane/toolkit_screen.h": "surface",
    "corvane/widgets.h": "surface",
    "corvane/corvane.h": "control",
    "corvane/dispatch.h": "control",
    "corvane/snapshot.h": "control",
    "corvane/version.h": "control",
    "corvane/headless_operator.h": "toolkits/headless",
    "corvane/headless_screen.h": "toolkits/headless",
    "corvane/qt_screen.h": "toolkits/qt",
    "corvane/qt_operator.h": "testing/qt_operator",
    "corvane/corvane_widget.h": "qt_widget",
}
# The programs and examples on top of the library, which use its public headers only.
HOSTS = ["tools/corvane_host", "tools/corvane_demo", "tools/corvane_screens", "examples",
         "qt_widget/designer"]
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def layer_of(path):
    """The layer a path from the top lies in, the longest folder that holds it, or that a
    public header belongs to; or None."""
    if path in PUBLIC:
        return PUBLIC[path]
    if path.startswith("include/") and path[len("include/"):] in PUBLIC:
        return PUBLIC[path[len("include/"):]]
    found = None
    for layer in LAYERS:
        if path == layer or path.startswith(layer + "/"):
            if found is None or len(layer) > len(found):
                found = layer
    return found


def main():
    top = pathlib.Path(__file__).resolve().parent.parent
    faults = []
    public = sorted(p.relative_to(top / "include").as_posix()
                    for p in (top / "include" / "corvane").glob("*.h"))
    for header in public:
        if header not in PUBLIC:
            faults.append(f"include/{header}: a public header of no layer; add it to PUBLIC")
    for layer, below in LAYERS.items():
        sources = sorted((top / layer).rglob("*"))
        sources += [top / "include" / h for h in public if PUBLIC.get(h) == layer]
        for source in sources:
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
    for host in HOSTS:
        for source in sorted((top / host).rglob("*")):
            if source.suffix not in (".h", ".cpp"):
                continue
            name = source.relative_to(top).as_posix()
            for included in INCLUDE.findall(source.read_text(encoding="utf-8")):
                if included.startswith(host + "/") or included in PUBLIC:
                    continue
                if (top / included.split("/")[0]).is_dir():
                    faults.append(f"{name}: includes {included}; a host includes only the "
                                  f"public headers (corvane/...)")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
