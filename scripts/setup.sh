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

# build_velmora TESTS: builds the viewer and its content, and with TESTS=ON the tests and
# benchmarks too. Warnings stop the build. scripts/run and scripts/test share build/, so both
# compile this way; different settings would rebuild everything each time one follows the other.
build_velmora() {
    debian_flags
    cmake -S "$VELMORA_ROOT" -B "$VELMORA_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVELMORA_WERROR=ON -DVELMORA_TESTS="$1" "${DEBIAN_FLAGS[@]}" >/dev/null
    cmake --build "$VELMORA_BUILD" --parallel "$(nproc)"
}

# build_checked [FUZZ_SECONDS]: the sanitized build with the fuzz targets, whose fresh fuzzing
# runs that long per target (20 s unless given).
build_checked() {
    cmake -S "$VELMORA_ROOT" -B "$VELMORA_CHECK_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++-14 -DVELMORA_WERROR=ON -DVELMORA_SANITIZE=ON \
        -DVELMORA_FUZZ=ON -DVELMORA_FUZZ_SECONDS="${1:-20}" >/dev/null
    cmake --build "$VELMORA_CHECK_BUILD" --parallel "$(nproc)"
}
