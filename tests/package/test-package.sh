#!/usr/bin/env bash
# The Debian package as a user's system gets it: made with CPack from the build, unpacked into an
# empty root with dpkg -x, its contents and metadata checked, and the installed programs run from
# there with a fresh home folder and a working directory that must stay empty.
# Usage: test-package.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
app_id=$2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli groff; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (./test.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
started=$SECONDS

# --- the package ---------------------------------------------------------------------------
if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack could not make the package" >&2
    exit 1
fi
deb=$(echo "$work"/out/tonvexa_*.deb)
[ -f "$deb" ] || { echo "FAIL: no tonvexa_*.deb in $work/out" >&2; exit 1; }
echo "made $(basename "$deb") in $((SECONDS - started)) s"

# Every file the package installs, at the path where the system looks for it, and nothing else.
icon_sizes="16 22 24 32 48 64 128 256"
{
    echo "-rwxr-xr-x ./usr/bin/tonvexa"
    echo "-rwxr-xr-x ./usr/bin/tonvexa-cli"
    echo "-rw-r--r-- ./usr/lib/udev/rules.d/70-tonvexa-processor.rules"
    echo "-rw-r--r-- ./usr/share/applications/$app_id.desktop"
    echo "-rw-r--r-- ./usr/share/metainfo/$app_id.metainfo.xml"
    for size in $icon_sizes; do
        echo "-rw-r--r-- ./usr/share/icons/hicolor/${size}x${size}/apps/tonvexa.png"
    done
    echo "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/tonvexa.svg"
    echo "-rw-r--r-- ./usr/share/man/man1/tonvexa.1.gz"
    echo "-rw-r--r-- ./usr/share/man/man1/tonvexa-cli.1.gz"
    echo "-rw-r--r-- ./usr/share/doc/tonvexa/README.md"
    echo "-rw-r--r-- ./usr/share/doc/tonvexa/copyright"
} | sort -k2 >"$work/expected"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $6 }' | sort -k2 >"$work/listed"
if ! diff -u "$work/expected" "$work/listed" >"$work/files.diff"; then
    fail "the package's files differ from the expected ones (- expected, + in the package):"
    cat "$work/files.diff" >&2
fi

control=$(dpkg-deb -f "$deb")
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libhidapi-hidraw0 qt6-qpa-plugins fonts-noto-cjk; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed"
done
grep -qx "Section: sound" <<<"$control" || fail "the section is not sound"
dpkg-deb --info "$deb" postinst >/dev/null 2>&1 || fail "the package has no postinst"

root="$work/root"
dpkg-deb -x "$deb" "$root"

# The udev rule carries the ids the program looks for.
ids_header="$source_dir/hid/ProcessorUsbIds.h"
vendor=$(sed -n 's/.*VendorId = 0x\([0-9A-Fa-f]\{4\}\);.*/\1/p' "$ids_header" | tr A-F a-f)
product=$(sed -n 's/.*ProductId = 0x\([0-9A-Fa-f]\{4\}\);.*/\1/p' "$ids_header" | tr A-F a-f)
grep -q "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"$vendor\", ATTRS{idProduct}==\"$product\", TAG+=\"uaccess\"" \
    "$root/usr/lib/udev/rules.d/70-tonvexa-processor.rules" || fail "the udev rule lacks $vendor:$product"

# The licence in Debian's machine-readable form, for every file.
copyright="$root/usr/share/doc/tonvexa/copyright"
if [ -f "$copyright" ]; then
    head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
        fail "the copyright file does not name its format"
    grep -qx 'Files: \*' "$copyright" && grep -qx 'License: GPL-3+' "$copyright" ||
        fail "the copyright file does not put every file under GPL-3+"
fi

desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
# The metainfo, and that the desktop entry it names is there.
appstreamcli validate-tree --no-net --explain "$root" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "appstreamcli validate-tree"; }
grep -q "$app_id.metainfo.xml" "$work/appstream.log" || fail "appstreamcli found no metainfo"

# --- the installed programs ----------------------------------------------------------------
export HOME="$work/home"
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR
mkdir -p "$HOME" "$work/cwd"
cd "$work/cwd"
cli="$root/usr/bin/tonvexa-cli"

# The simulated processor keeps its memory in the user's data folder between runs.
"$cli" --simulate set 0 0x40 33 || fail "tonvexa-cli --simulate set"
"$cli" --simulate backup "$work/show.PA" >"$work/backup.out" || fail "tonvexa-cli --simulate backup"
grep -qx "$work/show.PA" "$work/backup.out" || fail "backup did not name the file it wrote"
[ -f "$HOME/.local/share/tonvexa/simulator.PA" ] ||
    fail "the simulated processor's memory is not in ~/.local/share/tonvexa"
"$cli" show "$work/show.PA" >"$work/show.out" || fail "tonvexa-cli show"
# show's rows: mode, address, name, values, meaning, separated by tabs.
row() { awk -F'\t' -v mode="$1" -v address="$2" '$1 == mode && $2 == address { print $4 "|" $5 }' \
    "$work/show.out"; }
[ "$(row 0 0x40)" = "33|" ] || fail "show lacks the value set before the backup: $(row 0 0x40)"
[ "$(row 0 0x03)" = "19 75 14|56 Hz 0.0 dB Q 1.4" ] || fail "show lacks the first music band"

QT_QPA_PLATFORM=offscreen "$root/usr/bin/tonvexa" --simulate --screenshot "$work/window.png" \
    >"$work/window.out" 2>&1 || { cat "$work/window.out" >&2; fail "tonvexa --screenshot"; }
[ "$(head -c 8 "$work/window.png" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "the window's screenshot is no PNG"

leftovers=$(ls -A "$work/cwd")
[ -z "$leftovers" ] || fail "the programs wrote into the working directory: $leftovers"

# The manual pages print without roff warnings and describe every command --help lists.
for page in tonvexa tonvexa-cli; do
    zcat "$root/usr/share/man/man1/$page.1.gz" |
        groff -K utf8 -man -Tutf8 -ww -P -cbou >"$work/$page.txt" 2>"$work/$page.warnings" ||
        fail "groff cannot print $page.1"
    [ ! -s "$work/$page.warnings" ] || { cat "$work/$page.warnings" >&2; fail "roff warnings in $page.1"; }
done
for command in $("$cli" --help | sed -n '/^Commands:/,/^$/p' | awk 'NF && !/:$/ { print $1 }'); do
    grep -q "^       $command\b" "$work/tonvexa-cli.txt" || fail "tonvexa-cli.1 does not describe $command"
done
grep -q -- '--screenshot' "$work/tonvexa.txt" || fail "tonvexa.1 does not describe --screenshot"

echo "package test took $((SECONDS - started)) s"
if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
