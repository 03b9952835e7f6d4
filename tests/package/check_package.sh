#!/bin/bash
# Builds the Debian package from a finished build folder, unpacks it into a scratch root and
# checks that everything the desktop entry names is where it says, then runs the launcher with
# a stand-in Mirendo to see that it prepares the user's working folder.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/*.deb | head -n 1)
[ -f "$deb" ] || { echo "no package built"; exit 1; }
root="$scratch/root"
dpkg -x "$deb" "$root"

fail() { echo "FAIL: $*"; exit 1; }
[ -f "$root/usr/share/man/man1/mirendo-eval.1.gz" ] || fail "manual page of mirendo-eval missing"
for f in usr/bin/Mirendo usr/bin/Ventrel usr/bin/mirendo-launch usr/bin/mirendo-eval; do
    [ -x "$root/$f" ] || fail "$f missing or not executable"
done
desktop="$root/usr/share/applications/mirendo.desktop"
[ -f "$desktop" ] || fail "desktop entry missing"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not in usr/bin"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "scalable icon $icon missing"
for s in 16 32 48 64 128 256; do
    [ -f "$root/usr/share/icons/hicolor/${s}x${s}/apps/$icon.png" ] || fail "icon ${s}x${s} missing"
done
grep -q '^Categories=.*Education' "$desktop" || fail "category Education missing"
grep -q '^Categories=.*Science' "$desktop" || fail "category Science missing"
grep -q '^GenericName\[ja\]=' "$desktop" || fail "Japanese generic name missing"
ls "$root"/usr/share/mirendo/examples/ex_* >/dev/null 2>&1 || fail "example files missing"
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$desktop" || fail "desktop entry does not validate"
fi
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 fonts-noto-cjk qt6-qpa-plugins; do
    grep -q "$p" <<<"$depends" || fail "dependency $p missing: $depends"
done

# The SVG image save links Qt's SVG module.
for p in libqt6core6 libqt6gui6 libqt6svg6 libc6; do
    grep -q "$p" <<<"$depends" || fail "dependency $p missing: $depends"
done

# Desktop metadata: the AppStream file names the desktop entry and both programs, has a Japanese
# summary, names no web address that is only a placeholder, and validates.
metainfo=$(ls "$root"/usr/share/metainfo/*.metainfo.xml 2>/dev/null | head -n 1)
[ -f "$metainfo" ] || fail "AppStream metainfo missing in usr/share/metainfo"
[ "$(basename "$metainfo" .metainfo.xml)" = "$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")" ] ||
    fail "metainfo file name does not match its id"
for pattern in "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" \
    '<summary xml:lang="ja">' '<content_rating' \
    '<binary>Mirendo</binary>' '<binary>Ventrel</binary>' '<metadata_license>' '<project_license>'; do
    grep -qF "$pattern" "$metainfo" || fail "metainfo lacks $pattern"
done
if grep -Eo 'https?://[^<" ]*' "$metainfo" | grep -Eq '\.(invalid|example|test|localhost)([/:]|$)|example\.(com|org|net)'; then
    fail "metainfo names a placeholder web address"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$metainfo" || fail "metainfo does not validate"
else
    echo "note: appstreamcli not installed, metainfo not validated"
fi

# Every program has a gzipped manual page; the copyright file is machine-readable; a changelog.
for f in "$root"/usr/bin/*; do
    page="$root/usr/share/man/man1/$(basename "$f").1.gz"
    [ -f "$page" ] || fail "no manual page for $(basename "$f")"
    gzip -t "$page" || fail "$(basename "$page") is not gzipped"
done
doc="$root/usr/share/doc/mirendo"
head -n 1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright file missing or not machine-readable"
gzip -t "$doc/changelog.gz" 2>/dev/null || fail "changelog.gz missing or not gzipped"
if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error "$deb" >"$scratch/lintian.log" 2>&1 || { cat "$scratch/lintian.log"; fail "lintian reports errors"; }
    if grep no-manual-page "$scratch/lintian.log"; then
        fail "lintian finds a program without a manual page"
    fi
else
    echo "note: lintian not installed, package not checked by it"
fi

# The real program from the unpacked package, started by the launcher as the menu does: it must
# come up in ~/Documents/Mirendo with the examples and hold that folder (its lock file appears).
home="$scratch/home-real"
mkdir -p "$home/Documents"
HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen \
    "$root/usr/bin/mirendo-launch" >"$scratch/mirendo.log" 2>&1 &
pid=$!
lock="$home/Documents/Mirendo/.mirendo.lock"
for _ in $(seq 1 200); do
    [ -f "$lock" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
running=no
kill -0 "$pid" 2>/dev/null && running=yes
# A second start in the same folder must leave the first one's claim alone (it only warns; its
# message box waits for OK, so it is ended here).
if [ "$running" = yes ] && [ -f "$lock" ]; then
    HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen \
        "$root/usr/bin/mirendo-launch" >"$scratch/second.log" 2>&1 &
    second=$!
    sleep 1
    owner=$(head -n 1 "$lock")
    kill "$second" 2>/dev/null || true
    wait "$second" 2>/dev/null || true
    [ "$owner" = "$pid" ] || fail "a second start took over the working folder (lock owner $owner, first $pid)"
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[ "$running" = yes ] || { cat "$scratch/mirendo.log"; fail "packaged Mirendo did not keep running"; }
[ -f "$lock" ] || fail "packaged Mirendo did not claim its working folder"
ls "$home/Documents/Mirendo"/ex_* >/dev/null 2>&1 || fail "examples not copied into ~/Documents/Mirendo"

# The launcher with a stand-in Mirendo that reports where it was started.
printf '#!/bin/sh\npwd > "$HOME/started-in"\n' >"$root/usr/bin/Mirendo"
chmod +x "$root/usr/bin/Mirendo"
home="$scratch/home"
mkdir -p "$home"
HOME="$home" XDG_CONFIG_HOME="$home/.config" "$root/usr/bin/mirendo-launch"
started=$(cat "$home/started-in")
[ -d "$started" ] || fail "launcher did not start Mirendo in a folder"
case "$started" in "$home"/*Mirendo) ;; *) fail "unexpected working folder $started" ;; esac
ls "$started"/ex_* >/dev/null 2>&1 || fail "examples not copied into $started"
# A second start keeps a file the user changed.
first=$(ls "$started"/ex_* | head -n 1)
echo "1,2" >"$first"
HOME="$home" XDG_CONFIG_HOME="$home/.config" "$root/usr/bin/mirendo-launch"
[ "$(cat "$first")" = "1,2" ] || fail "launcher overwrote a user's file"
echo "package check passed: $(basename "$deb")"
