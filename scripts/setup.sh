# Shared by the scripts: install what is missing, then build into build/.
# Sourced, not run.

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELMORA_BUILD="$VELMORA_ROOT/build"
# Clang with the sanitizers and the fuzz targets: what scripts/test checks besides build/, and
# where scripts/fuzz fuzzes.
VELMORA_CHECK_BUILD="$VELMORA_ROOT/build-check"

# missing_packages LIST...: the packages named in scripts/packages-LIST.txt that are not installed.
missing_packages() {
    local list package
    for list in "$@"; do
        grep -v -e '^#' -e '^[[:space:]]*$' "$VELMORA_ROOT/scripts/packages-$list.txt"
    done | while read -r package; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            echo "$package"
    done
}

# install_packages LIST...: installs what the lists name and this machine lacks.
install_packages() {
    local missing
    missing=$(missing_packages "$@")
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "These Debian packages are missing:" $missing >&2
        echo "Install them as root (sudo apt-get install $(echo $missing)) or run this script as root." >&2
        exit 1
    fi
    echo "Installing:" $missing
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}

# Debian's hardening, as its packages are built: fortified functions, the stack protector, and
# relocations read-only and bound at start. The package is made from build/, so everything
# there is compiled so. dpkg-buildflags names the source folder in its prefix map, hence the cd.
debian_flags() {
    local flags cppflags ldflags
    flags=$(cd "$VELMORA_ROOT" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS)
    cppflags=$(cd "$VELMORA_ROOT" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS)
    ldflags=$(cd "$VELMORA_ROOT" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)
    DEBIAN_FLAGS=("-DCMAKE_CXX_FLAGS=$flags $cppflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags"
        "-DCMAKE_SHARED_LINKER_FLAGS=$ldflags" "-DCMAKE_MODULE_LINKER_FLAGS=$ldflags")
}

# configure_velmora BUILD TESTS: configures the build folder BUILD as every script builds, the
# package's among them: Debian's flags, warnings stop the build, and with TESTS=ON the tests and
# benchmarks besides the viewer and its content.
configure_velmora() {
    debian_flags
    cmake -S "$VELMORA_ROOT" -B "$1" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVELMORA_WERROR=ON -DVELMORA_TESTS="$2" "${DEBIAN_FLAGS[@]}" >/dev/null
}

# build_velmora TESTS: configures build/ so and builds it. scripts/run and scripts/test share
# build/, so both compile this way; different settings would rebuild everything each time one
# follows the other.
build_velmora() {
    configure_velmora "$VELMORA_BUILD" "$1"
    cmake --build "$VELMORA_BUILD" --parallel "$(nproc)"
}

# source_date_epoch: exports SOURCE_DATE_EPOCH, the time every file and archive member of the
# package bears, unless the caller set it: the commit's time, so that two builds of one commit
# make the same bytes whenever they run. Without git (an exported tree) it is the date of the
# changelog's newest entry, as Debian dates its own packages.
source_date_epoch() {
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        { [ -e "$VELMORA_ROOT/.git" ] &&
            SOURCE_DATE_EPOCH=$(git -C "$VELMORA_ROOT" log -1 --format=%ct 2>/dev/null); } ||
            SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$VELMORA_ROOT/packaging/changelog" -STimestamp)
    fi
    [ -n "$SOURCE_DATE_EPOCH" ] && export SOURCE_DATE_EPOCH
}

# make_package BUILD OUT: the Debian package of the built folder BUILD, made by CPack into OUT
# (what CPack said, in OUT/cpack.log, goes to stderr if it fails). The package test makes its
# packages here too, so that it checks the package as scripts/package makes it. Chained, as the
# test calls it where set -e does not hold. The umask is Debian's usual one: CPack gives the
# folders the install makes on its way (usr, usr/share, ...) and the package's own members the
# modes it leaves, and one packager's 077 would otherwise show in the package.
make_package() {
    source_date_epoch && mkdir -p "$2" && (
        umask 022
        cpack -G DEB -B "$2" --config "$1/CPackConfig.cmake" >"$2/cpack.log" 2>&1 ||
            { cat "$2/cpack.log" >&2 && exit 1; }
    )
}

# build_checked [FUZZ_SECONDS]: the sanitized build with the fuzz targets, whose fresh fuzzing
# runs that long per target (20 s unless given).
build_checked() {
    cmake -S "$VELMORA_ROOT" -B "$VELMORA_CHECK_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++-14 -DVELMORA_WERROR=ON -DVELMORA_SANITIZE=ON \
        -DVELMORA_FUZZ=ON -DVELMORA_FUZZ_SECONDS="${1:-20}" >/dev/null
    cmake --build "$VELMORA_CHECK_BUILD" --parallel "$(nproc)"
}
