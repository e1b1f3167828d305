#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing. With no argument, or "run": what building and
# running the program needs. With "test": that, and what the test suite and benchmarks need.
set -euo pipefail

run_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins fonts-open-sans
    # Spoken guidance: Qt TextToSpeech (its CMake package needs qt6-declarative-dev) and engines.
    qt6-speech-dev qt6-declarative-dev qt6-speech-flite-plugin qt6-speech-speechd-plugin
    # The private journal: SQLite through Qt SQL, and its chart.
    libqt6sql6-sqlite qt6-charts-dev
    # Translations: the build turns the .ts files into .qm files (lrelease and its CMake package);
    # Qt's own translations give the standard buttons in the user's language.
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # Debian's desktops run Wayland: Qt's Wayland plugin lets the program run there natively.
    qt6-wayland
)
test_packages=(
    libgtest-dev libbenchmark-dev clang-tidy
    xvfb xauth xdotool x11-utils imagemagick libx11-dev libxdamage-dev python3 openbox wmctrl
    desktop-file-utils appstream dpkg-dev file binutils
    pulseaudio pulseaudio-utils sqlite3
    dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0 orca speech-dispatcher
    # The Wayland cases: weston's desktop shell nested in Xvfb, and Qt's Wayland plugin.
    weston qt6-wayland
)

case "${1:-run}" in
    run) packages=("${run_packages[@]}") ;;
    test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
    *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
