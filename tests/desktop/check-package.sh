#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sumtrail authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from the build folder and unpacks it into a scratch root: it
# must declare the Qt, chart, print and font packages and carry the program, its menu
# entry, icon, metadata and launcher under /usr.
# Usage: check-package.sh BUILD_DIR APP_ID
set -euo pipefail
build_dir=$(cd "$1" && pwd)
app_id=$2
scratch=$(mktemp -d "${TMPDIR:-/tmp}/sumtrail-package.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$scratch" && cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >/dev/null) ||
    fail "cpack failed"
debs=("$scratch"/out/sumtrail_*.deb)
[ -f "${debs[0]}" ] || fail "no sumtrail_*.deb made"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 libqt6charts6 qt6-qpa-plugins fonts-liberation \
    fonts-symbola fonts-dejavu-core; do
    grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fail "package does not depend on $p: $depends"
done
grep -qw qt6-translations-l10n <<<"$(dpkg-deb -f "$deb" Recommends)" \
    || fail "package does not recommend qt6-translations-l10n"
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "package section is not education"

dpkg -x "$deb" "$scratch/root"
for f in usr/bin/sumtrail usr/libexec/sumtrail/sumtrail-start \
    "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
    usr/share/icons/hicolor/scalable/apps/sumtrail.svg; do
    [ -f "$scratch/root/$f" ] || fail "package lacks /$f"
done
grep -qx 'License: GPL-3.0-or-later' "$scratch/root/usr/share/doc/sumtrail/copyright" ||
    fail "package lacks /usr/share/doc/sumtrail/copyright naming GPL-3.0-or-later"
grep -qx 'Exec=/usr/libexec/sumtrail/sumtrail-start' \
    "$scratch/root/usr/share/applications/$app_id.desktop" || fail "packaged entry's Exec is wrong"
echo "package checks passed"
