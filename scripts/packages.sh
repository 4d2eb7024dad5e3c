# Shared by scripts/run and scripts/test: installs the Debian packages the build needs.
# Sourced, not run.

XIFRUM_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-charts-dev
    libqt6opengl6-dev libgl-dev fonts-liberation2 fonts-dejavu-core fonts-noto-color-emoji
    librsvg2-bin)
# What the tests need beside: pdftotext reads the printed worksheets back; the desktop entry and
# the metainfo are checked by their validators.
XIFRUM_TEST_PACKAGES=(poppler-utils desktop-file-utils appstream)
# scripts/fuzz only: clang and its libFuzzer runtime.
XIFRUM_FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)

# ensure_packages PKG...: installs the missing ones with apt-get when root; otherwise prints the
# exact command to run and exits.
ensure_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update -q
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
    else
        echo "Some packages are missing. Install them first with:"
        echo "  sudo apt-get install -y ${missing[*]}"
        exit 1
    fi
}
