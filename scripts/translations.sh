#!/usr/bin/env bash
# The English catalogue translations/mirendo_en.ts against the source texts.
#   scripts/translations.sh update   adds new source texts (unfinished) and drops vanished ones
#   scripts/translations.sh check    fails when the catalogue is out of date or a text is unfinished
# The source texts are every tr()/QT_TR_NOOP/QT_TRANSLATE_NOOP/translate() in src/ and the captions
# of the control tables (src/windows/forms/*.tsv, context the table's name), turned here into a
# file lupdate reads. The build compiles the committed .ts; it never rewrites it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-check}
lupdate=${LUPDATE:-$(command -v lupdate6 || command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
[ -x "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
catalogue="$root/translations/mirendo_en.ts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One QT_TRANSLATE_NOOP per caption; a colour (Fill) is not a word. "\n" in a caption is a line
# break, as the window's table reader takes it, and stays one in the C string.
for table in "$root"/src/windows/forms/*.tsv; do
    awk -F'\t' -v context="$(basename "$table" .tsv)" '
        !/^#/ && NF >= 7 && $2 != "Fill" && $7 != "" {
            caption = $7
            gsub(/\\/, "\\\\", caption); gsub(/\\\\n/, "\\n", caption); gsub(/"/, "\\\"", caption)
            printf "QT_TRANSLATE_NOOP(\"%s\", \"%s\");\n", context, caption
        }' "$table"
done > "$work/FormCaptions.cpp"

cp "$catalogue" "$work/mirendo_en.ts"
"$lupdate" -silent -locations none -no-obsolete -source-language ja -target-language en \
    "$root/src" "$work/FormCaptions.cpp" -ts "$work/mirendo_en.ts"

case "$mode" in
update)
    cp "$work/mirendo_en.ts" "$catalogue"
    echo "$(grep -c 'type="unfinished"' "$catalogue" || true) text(s) wait for an English translation"
    ;;
check)
    status=0
    if ! cmp -s "$work/mirendo_en.ts" "$catalogue"; then
        echo "translations/mirendo_en.ts is out of date with the source texts; run scripts/translations.sh update" >&2
        diff "$catalogue" "$work/mirendo_en.ts" | grep '^[<>] *<source>' | head -20 >&2 || true
        status=1
    fi
    if grep -B2 'type="unfinished"' "$work/mirendo_en.ts" | grep '<source>' >&2; then
        echo "these source texts have no finished English translation" >&2
        status=1
    fi
    exit $status
    ;;
*)
    echo "usage: $0 update|check" >&2
    exit 2
    ;;
esac
