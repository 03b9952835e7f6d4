#!/bin/bash
# Draws the program's CMake targets by layer, with the links between them, into docs/targets.svg.
# Made from CMake's own graph (cmake --graphviz), so it shows what CMake enforces; needs graphviz.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$root" -B "$work" -DMIRENDO_BUILD_BENCHMARKS=OFF --graphviz="$work/graph/targets.dot" >/dev/null
python3 - "$root" "$work/graph/targets.dot" >"$work/layers.dot" <<'PY'
import os, re, sys
root, dot = sys.argv[1], sys.argv[2]
layers = ["core", "qt", "widgets", "windows", "programs"]
titles = {"core": "core: plain C++, no Qt", "qt": "qt: Qt Core and Gui", "widgets": "widgets: Qt Widgets",
          "windows": "windows", "programs": "programs"}
folder_of = {}
for here, _, files in os.walk(os.path.join(root, "src")):
    if "CMakeLists.txt" not in files:
        continue
    text = open(os.path.join(here, "CMakeLists.txt")).read()
    for name in re.findall(r"add_(?:library|executable)\((\S+)", text):
        if not name.startswith("render_"):
            folder_of[name] = os.path.relpath(here, os.path.join(root, "src"))
names, edges = {}, set()
for line in open(dot):
    m = re.match(r'\s*"(node\d+)" \[ label = "([^"]+)"', line)
    if m:
        names[m.group(1)] = m.group(2)
    m = re.match(r'\s*"(node\d+)" -> "(node\d+)"', line)
    if m:
        edges.add((m.group(1), m.group(2)))
print("digraph targets {\n  rankdir=BT; node [shape=box, fontname=sans, fontsize=10]; compound=true;")
for layer in layers:
    print('  subgraph "cluster_%s" { label="%s"; fontname=sans; style=rounded;' % (layer, titles[layer]))
    for target, folder in sorted(folder_of.items()):
        if folder.split("/")[0] == layer:
            print('    "%s" [label="%s\\n%s/"];' % (target, target, folder))
    print("  }")
for a, b in sorted(edges):
    ta, tb = names.get(a), names.get(b)
    if ta in folder_of and tb in folder_of:
        print('  "%s" -> "%s";' % (ta, tb))
print("}")
PY
tred "$work/layers.dot" | dot -Tsvg -o "$root/docs/targets.svg"
echo "docs/targets.svg"
