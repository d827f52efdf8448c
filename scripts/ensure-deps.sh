# Sourced by run.sh and test.sh: installs the Debian packages the build needs when any is missing.
# Works as root, or through sudo; a fresh Debian 12 may have neither a compiler nor sudo.

tonvexa_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
    qt6-svg-dev
    qcoro-qt6-dev
    libhidapi-dev
    zlib1g-dev
    libfontconfig-dev
    libeigen3-dev
    fonts-noto-cjk fonts-dejavu-core
)

# What making the Debian package needs beyond the build: dpkg-shlibdeps and file, with which
# CPack finds the programs to strip and scan.
tonvexa_package_tools=(dpkg-dev file)

# What the whole suite needs beyond the build: the package tools and the package's checkers, and
# a real X server driven by xdotool for the test that runs the program on one.
tonvexa_test_tools=("${tonvexa_package_tools[@]}" desktop-file-utils appstream groff-base xvfb xdotool
    xauth)

# What the source checks of CI need: scripts/check-format.sh and scripts/check-tidy.sh.
tonvexa_check_tools=(clang-format clang-tidy)

ensure_deps() {
    local missing=()
    local pkg
    for pkg in "${tonvexa_packages[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            as_root=(sudo)
        else
            echo "Missing packages: ${missing[*]}" >&2
            echo "Run this script as root (or install sudo) so that they can be installed." >&2
            exit 1
        fi
    fi
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    local werror=OFF
    [ "${TONVEXA_WERROR:-0}" = 1 ] && werror=ON
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTONVEXA_WERROR="$werror"
    cmake --build build
}

# The same program and suite built by clang with AddressSanitizer and UndefinedBehaviorSanitizer
# (and the fuzz targets) in build-asan; needs the packages clang and libclang-rt-14-dev.
configure_and_build_sanitized() {
    local werror=OFF
    [ "${TONVEXA_WERROR:-0}" = 1 ] && werror=ON
    CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTONVEXA_WERROR="$werror" -DTONVEXA_SANITIZE=ON
    cmake --build build-asan
}
