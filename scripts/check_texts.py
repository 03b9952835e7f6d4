#!/usr/bin/env python3
"""Fails when a Japanese string literal in src/ is not a source text of the catalogue.

Every text the user reads goes through tr(), QT_TR_NOOP, QT_TRANSLATE_NOOP or translate() (the
plain C++ layer's door); the control tables (src/windows/forms/*.tsv) feed the catalogue through
scripts/translations.sh. Comments are not texts. Prints each offending literal as file:line.
"""
import pathlib
import re
import sys

JAPANESE = re.compile("[\u3000-\u30ff\u3400-\u9fff\uff00-\uffef\u2460-\u24ff]")
# The doors, and how many literals stand before the text inside the call (a context).
DOORS = {"tr": 0, "QT_TR_NOOP": 0, "QT_TRANSLATE_NOOP": 1, "translate": 1}
TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|R"(?P<d>[^(\s]*)\(.*?\)(?P=d)"|"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\'|[A-Za-z_]\w*|\S', re.S)


def offenders(text):
    tokens = [(m.group(0), m.start()) for m in TOKEN.finditer(text)]
    tokens = [t for t in tokens if not t[0].startswith(("//", "/*"))]
    for i, (token, start) in enumerate(tokens):
        if not token.startswith(('"', 'R"')) or not JAPANESE.search(token):
            continue
        j = i - 1
        while j >= 0 and tokens[j][0].startswith('"'):  # adjacent literals make one string
            j -= 1
        literals_before = 0
        while j >= 1 and tokens[j][0] == "," and tokens[j - 1][0].startswith('"'):
            literals_before += 1  # a context before the text
            j -= 2
        door = tokens[j - 1][0] if j >= 1 and tokens[j][0] == "(" else None
        if door not in DOORS or DOORS[door] != literals_before:
            yield text.count("\n", 0, start) + 1, token


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    found = 0
    for path in sorted((root / "src").rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        for line, literal in offenders(path.read_text(encoding="utf-8")):
            print(f"{path.relative_to(root)}:{line}: Japanese text outside tr(): {literal}")
            found += 1
    if found:
        print(f"{found} text(s) the catalogue does not see; see CONTRIBUTING.md, Adding a text", file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
