#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sumtrail authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch root and checks what a desktop needs from it: the
# program, a valid menu entry under Education that starts the launcher, the icon, valid
# AppStream metadata, and a launcher that starts the program in ~/sumtrail.
# Usage: check-install.sh BUILD_DIR APP_ID PLUGIN_FOLDER (the plug-ins' folder relative to
# the program's)
set -euo pipefail
build_dir=$1
app_id=$2
plugin_folder=$3
scratch=$(mktemp -d "${TMPDIR:-/tmp}/sumtrail-install.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$scratch/root" cmake --install "$build_dir" --prefix /usr >/dev/null
root=$scratch/root/usr
entry=$root/share/applications/$app_id.desktop
metainfo=$root/share/metainfo/$app_id.metainfo.xml
launcher=$root/libexec/sumtrail/sumtrail-start
for f in "$root/bin/sumtrail" "$launcher" "$entry" "$metainfo" \
    "$root/share/icons/hicolor/scalable/apps/sumtrail.svg"; do
    [ -f "$f" ] || fail "not installed: ${f#"$scratch/root"}"
done
[ -x "$root/bin/sumtrail" ] && [ -x "$launcher" ] || fail "program or launcher not executable"

desktop-file-validate "$entry" || fail "desktop entry does not validate"
grep -qx 'Exec=/usr/libexec/sumtrail/sumtrail-start' "$entry" || fail "entry does not start the launcher"
grep -qx 'Categories=Education;Math;' "$entry" || fail "entry is not under Education;Math"
grep -q '^Comment=.' "$entry" && grep -q '^Keywords=.' "$entry" || fail "entry lacks Comment or Keywords"
appstreamcli validate --no-net "$metainfo" || fail "metainfo does not validate"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not name the desktop entry"
[ "$(grep -c '<screenshot' "$metainfo")" -ge 6 ] || fail "metainfo lacks screenshots"
python3 -c 'import sys, xml.etree.ElementTree as t; r = t.parse(sys.argv[1]).getroot(); sys.exit(0 if r.tag.endswith("svg") else 1)' \
    "$root/share/icons/hicolor/scalable/apps/sumtrail.svg" || fail "icon is not an SVG document"

# The installed program starts from its own libraries without mapping printing or charts,
# and those plug-ins, loaded on first use from where the program looks for them, find
# everything they need.
libdir=$(dirname "$(find "$root/lib" -name libsumtrail_core.so)")
for lib in core gui print chart; do
    [ -f "$libdir/libsumtrail_$lib.so" ] || fail "not installed: libsumtrail_$lib.so"
done
[ "$(realpath "$root/bin/$plugin_folder")" = "$(realpath "$libdir")" ] ||
    fail "the program looks for its plug-ins in $plugin_folder, not where they are installed"
! ldd "$libdir"/libsumtrail_*.so | grep -q 'not found' || fail "a program library lacks a dependency"
mapped=$(cd "$scratch" && QT_QPA_PLATFORM=offscreen SUMTRAIL_STARTUP_PROBE=1 LD_DEBUG=files \
    "$root/bin/sumtrail" 2>&1 | sed -n 's/.*calling init: //p')
grep -q "^$scratch/.*/libsumtrail_gui.so$" <<<"$mapped" || fail "program did not start from its installed libraries"
! grep -qE 'Charts|PrintSupport' <<<"$mapped" || fail "start-up maps Qt Charts or Qt Print Support"

# The launcher, in a tree of its own whose program reports where it was started.
fake=$scratch/fake
mkdir -p "$fake/libexec/sumtrail" "$fake/bin" "$scratch/home"
cp "$launcher" "$fake/libexec/sumtrail/"
printf '#!/bin/sh\npwd\necho "$@"\n' >"$fake/bin/sumtrail"
chmod +x "$fake/bin/sumtrail"
for run in first again; do
    out=$(cd / && env -u SUMTRAIL_HOME HOME="$scratch/home" "$fake/libexec/sumtrail/sumtrail-start" a)
    [ "$out" = "$scratch/home/sumtrail
a" ] || fail "launcher ($run run) started the program in: $out"
done
# Started through a symbolic link, it still finds the program beside itself.
ln -s "$fake/libexec/sumtrail/sumtrail-start" "$scratch/link"
out=$(env -u SUMTRAIL_HOME HOME="$scratch/home" "$scratch/link")
[ "$(head -1 <<<"$out")" = "$scratch/home/sumtrail" ] || fail "launcher through a link: $out"
echo "install checks passed"
