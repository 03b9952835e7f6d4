#!/usr/bin/env python3
"""Writes the English catalogue (a Qt .ts file) as a plain C++ table, for mirendo-eval, which
speaks English without Qt. Usage: catalogue_to_cpp.py CATALOGUE.ts OUTPUT.cpp

Only finished translations are written; entries are sorted by context, then source, as bytes,
which is the order the lookup's binary search expects.
"""
import sys
import xml.etree.ElementTree as ET


def literal(text):
    out = ['"']
    for ch in text:
        out.append({'\\': '\\\\', '"': '\\"', '\n': '\\n', '\t': '\\t', '\r': '\\r'}.get(ch, ch))
    out.append('"')
    return "".join(out)


def main():
    source, target = sys.argv[1], sys.argv[2]
    entries = []
    for context in ET.parse(source).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                continue
            entries.append((name, message.findtext("source", ""), translation.text or ""))
    entries.sort(key=lambda e: (e[0].encode(), e[1].encode()))
    with open(target, "w", encoding="utf-8") as out:
        out.write("// Generated from %s by scripts/catalogue_to_cpp.py; do not edit.\n" % source.split("/")[-1])
        out.write('#include "core/text/EnglishCatalogue.h"\n\nnamespace mirendo::text {\n\n')
        out.write("const CatalogueEntry kEnglishCatalogue[] = {\n")
        for name, src, tr in entries:
            out.write("    {%s, %s, %s},\n" % (literal(name), literal(src), literal(tr)))
        out.write("};\nconst std::size_t kEnglishCatalogueSize = %d;\n\n} // namespace mirendo::text\n" % len(entries))


if __name__ == "__main__":
    main()
