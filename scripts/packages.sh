# Shared by run.sh and test.sh: the Debian packages the game needs, installed when missing.
# Usage: . scripts/packages.sh; ensure_packages pkg...
BRAWLWICK_BUILD_PACKAGES="cmake g++ make pkg-config libsdl2-dev libsdl2-ttf-dev libfontconfig-dev libpng-dev
  libgl-dev libgl1-mesa-dri libglx-mesa0 fonts-liberation fonts-dejavu-core librsvg2-bin libopenal-dev sox libenet-dev"
BRAWLWICK_TEST_PACKAGES="googletest libgtest-dev libbenchmark-dev xvfb xauth xdotool clang libclang-rt-14-dev
  desktop-file-utils appstream"
# What scripts/package.sh needs beyond the build: CPack reads the binaries with file and
# dpkg-shlibdeps.
BRAWLWICK_PACKAGE_PACKAGES="dpkg-dev file"

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Brawlwick needs these Debian packages: ${missing[*]}" >&2
        echo "Install them with: sudo apt-get install ${missing[*]}" >&2
        return 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
