# Corvalle Lyrabel — installs the Debian packages a script needs, if any are missing.
# Usage (sourced): ensure_packages pkg...
ensure_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# Packages to build and run the program.
BUILD_PACKAGES=(cmake make g++ qt6-base-dev fonts-liberation2 fonts-wine)
# Packages the tests add: a real X server and window manager, a real CUPS with
# a PDF printer, and tools to look at pictures and PDFs.
TEST_PACKAGES=(xvfb xauth xdotool openbox x11-utils imagemagick cups printer-driver-cups-pdf poppler-utils time)
