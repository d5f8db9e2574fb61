# Sourced by the set-up scripts: installs the Debian packages that are missing, with a single
# apt-get update before the first install.

need_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing: ${missing[*]}"
    if [ -z "${TESSALY_APT_UPDATED:-}" ]; then
        $sudo apt-get update
        TESSALY_APT_UPDATED=1
    fi
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# What building the program takes, its manual page included.
build_packages=(cmake ninja-build g++ qt6-base-dev fonts-liberation2 help2man)
# What building the Debian package takes: its Build-Depends and dpkg-buildpackage.
package_packages=(cmake ninja-build g++ qt6-base-dev help2man debhelper dpkg-dev)
# What the tests take on top of those.
test_packages=(libgtest-dev libbenchmark-dev libxcb1-dev libxcb-damage0-dev libxcb-xtest0-dev pkg-config help2man debhelper desktop-file-utils appstream dpkg-dev xvfb x11-utils xdotool
    clang libclang-rt-14-dev valgrind clang-tidy cppcheck lintian devscripts diffoscope-minimal
    weston qt6-wayland bash-completion zsh fish python3-pyatspi at-spi2-core dbus-daemon orca
    g++-mingw-w64-x86-64-posix googletest wine wine64 icoutils wixl msitools zip unzip util-linux
    emscripten chromium chromium-driver python3-selenium webkit2gtk-driver firefox-esr nodejs)
