#!/usr/bin/env bash
# The Debian package as a new user meets it: made by CPack from the build folder, clean of
# lintian's errors and warnings and hardened as Debian's packages are, and unpacked into a root folder of its own, with its
# dependencies declared and a valid desktop entry, AppStream metadata and icon theme. The desktop entry's command starts the installed viewer as
# a user who cannot write the installed folder (root runs it as nobody); the user browses,
# searches and changes filters, and nothing is written outside the user's home.
# Usage: package.sh BUILD_DIR
source "$(dirname "$0")/e2e.sh"
build=$1
CLOSE_WINDOW="$build/tests/e2e/velmora_close_window"

cpack -G DEB -B "$E2E_TMP/package" --config "$build/CPackConfig.cmake" >"$E2E_TMP/cpack.log" ||
    fail "cpack: $(cat "$E2E_TMP/cpack.log")"
deb=$(echo "$E2E_TMP"/package/velmora_*.deb)
dpkg-deb -f "$deb" Depends | grep -q libqt6webenginewidgets6 || fail "the package declares no engine"
# Information tags may stay: the README names each and why.
lintian --fail-on error,warning --display-info "$deb" >"$E2E_TMP/lintian.log" 2>&1 ||
    fail "lintian: $(grep -E '^[EW]:' "$E2E_TMP/lintian.log" | head -5)"
# Built as Debian builds its packages: no hardening tag, even for information.
! grep -E 'hardening-' "$E2E_TMP/lintian.log" || fail "the package is not hardened"
root="$E2E_TMP/root"
dpkg -x "$deb" "$root"
desktop="$root/usr/share/applications/org.velmora.Velmora.desktop"
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.velmora.Velmora.metainfo.xml" ||
    fail "the AppStream metadata is not valid"
for size in 16 32 48 64 128 256; do
    [ -s "$root/usr/share/icons/hicolor/${size}x$size/apps/velmora.png" ] || fail "no icon of $size"
done

read_layout "$build/velmora"
APP="$root/usr/lib/velmora"
if [ "$(id -u)" -eq 0 ]; then
    as_nobody
else
    chmod -R a-w "$root"
    trap 'chmod -R u+w "$root"; e2e_cleanup' EXIT
    export HOME="$E2E_TMP/home" XDG_DATA_HOME="$E2E_TMP/home/.local/share"
fi
read -r -a VIEWER_COMMAND <<<"$(sed -n 's/^Exec=//p' "$desktop")"
export PATH="$root/usr/bin:$PATH"
touch "$E2E_TMP/before"

start_xserver 1280x1024
launch
main=$(wait_for_window 1024 768 30) || fail "no main window: $(cat "$E2E_TMP/velmora.log")"
read -r _ MAIN_X MAIN_Y <<<"$main"
sleep 0.5
screenshot installed
drive_every_window
close_viewer 30

left=$(find "$root" -newer "$E2E_TMP/before")
[ -z "$left" ] || fail "the installed tree changed: $left"
[ -s "$XDG_DATA_HOME/velmora/settings.ini" ] || fail "the filters were not stored in the user's folder"
[ -s "$XDG_DATA_HOME/velmora/html/sortresult.htm" ] || fail "no result page in the user's folder"
exit 0
