#!/usr/bin/env bash
# The Debian package as a new user meets it: made by CPack from the build folder as
# scripts/package makes it, the same bytes when made again from a second build in another
# folder minutes later, clean of lintian's errors and warnings and hardened as Debian's packages are, and unpacked into a root folder of its own, with its
# dependencies declared and a valid desktop entry, AppStream metadata and icon theme. The desktop entry's command starts the installed viewer as
# a user who cannot write the installed folder (root runs it as nobody); the user browses,
# searches and changes filters, and nothing is written outside the user's home.
# Usage: package.sh BUILD_DIR
source "$(dirname "$0")/e2e.sh"
# How the scripts configure a build and make its package.
source "$(dirname "$0")/../../scripts/setup.sh"
build=$1
CLOSE_WINDOW="$build/tests/e2e/velmora_close_window"

# compile_settings BUILD: what of a build folder's configuration shapes the compiled bytes.
compile_settings() {
    grep -E '^(CMAKE_CXX_COMPILER|CMAKE_BUILD_TYPE|CMAKE_CXX_FLAGS[A-Z_]*|CMAKE_[A-Z]+_LINKER_FLAGS[A-Z_]*|VELMORA_SANITIZE|VELMORA_FUZZ):' \
        "$1/CMakeCache.txt"
}

# package_build BUILD: builds in BUILD, configured as scripts/package configures it
# (configure_velmora BUILD OFF), what the package holds and no more: with the tests off, all the
# build makes is the viewer, its content and its documents. What the build said is in BUILD.log.
package_build() {
    cmake --build "$1" --parallel "$(nproc)" >"$1.log" 2>&1
}

# unpack DEB DIR: into DIR, the package's ar members and their headers, the entries of its two
# archives (names in order, modes, owners, times) and its files.
unpack() {
    mkdir -p "$2/members" "$2/files"
    (cd "$2/members" && ar x "$1")
    ar tv "$1" >"$2/members.list"
    dpkg-deb --ctrl-tarfile "$1" | tar -tv --full-time --numeric-owner >"$2/control.list"
    dpkg-deb --fsys-tarfile "$1" | tar -tv --full-time --numeric-owner >"$2/data.list"
    dpkg-deb -R "$1" "$2/files"
}

# differing TITLE DIFF_ARGUMENTS...: TITLE and the first lines diff prints, if it finds a difference.
differing() {
    local title=$1 out
    shift
    out=$(diff "$@") || printf '%s:\n%s\n' "$title" "$(head -n 20 <<<"$out")"
}

# package_differences ONE TWO: what differs between two packages: which ar members, then the
# members' headers, the archives' entries and the files' contents (as one/..., two/...).
package_differences() {
    local compare="$E2E_TMP/compare" member list
    unpack "$1" "$compare/one"
    unpack "$2" "$compare/two"
    cd "$compare" || return
    for member in $(ar t "$1"); do
        cmp -s "one/members/$member" "two/members/$member" || echo "member $member differs"
    done
    differing "the members' headers" one/members.list two/members.list
    differing "the entries of control.tar" one/control.list two/control.list
    differing "the entries of data.tar" one/data.list two/data.list
    differing "the files" -rq --no-dereference one/files two/files
}

make_package "$build" "$E2E_TMP/package" || fail "CPack made no package of $build"
deb=$(echo "$E2E_TMP"/package/velmora_*.deb)
dpkg-deb -f "$deb" Depends | grep -q libqt6webenginewidgets6 || fail "the package declares no engine"
# Information tags may stay: the README names each and why.
lintian --fail-on error,warning --display-info "$deb" >"$E2E_TMP/lintian.log" 2>&1 ||
    fail "lintian: $(grep -E '^[EW]:' "$E2E_TMP/lintian.log" | head -5)"
# Built as Debian builds its packages: no hardening tag, even for information.
! grep -E 'hardening-' "$E2E_TMP/lintian.log" || fail "the package is not hardened"

# Reproducible: a second build of this source tree, in another folder and later, makes the same
# package byte for byte. The second build is configured as scripts/package configures; when the
# build under test compiles otherwise, a fresh first build so configured stands in for it, so that
# the two builds differ only in folder and time.
started=$SECONDS
second="$E2E_TMP/second"
configure_velmora "$second" OFF || fail "the second build could not be configured"
first=$build first_deb=$deb
if [ "$(compile_settings "$build")" != "$(compile_settings "$second")" ]; then
    echo "$build compiles otherwise than scripts/package: the first package comes from a fresh build"
    first="$E2E_TMP/first"
    configure_velmora "$first" OFF || fail "the first build could not be configured"
    package_build "$first" || fail "the first build failed: $(tail -n 20 "$first.log")"
    make_package "$first" "$E2E_TMP/first-package" || fail "CPack made no package of $first"
    first_deb=$(echo "$E2E_TMP"/first-package/velmora_*.deb)
fi
package_build "$second" || fail "the second build failed: $(tail -n 20 "$second.log")"
[ "$second/velmora/velmora" -nt "$first/velmora/velmora" ] ||
    fail "the second build's executable is not newer than the first's"
make_package "$second" "$E2E_TMP/second-package" || fail "CPack made no package of $second"
second_deb=$(echo "$E2E_TMP"/second-package/velmora_*.deb)
echo "the second build and the packages compared took $((SECONDS - started)) s"
cmp -s "$first_deb" "$second_deb" ||
    fail "two builds of one commit, in $first and $second, made different packages:
$(package_differences "$first_deb" "$second_deb")"
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
