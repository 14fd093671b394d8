#!/usr/bin/env bash
# Installs the Debian packages a build needs, and only those that are missing.
#   install-deps.sh run      what building and starting the Linux program needs
#   install-deps.sh windows  what cross-building the Windows program needs
#   install-deps.sh release  what making a release (scripts/release.sh) needs
#   install-deps.sh test     all of that plus the tests, the sanitizers, Wine to run them and
#                            the tools that build and check the packages
#   install-deps.sh screenshots  what remaking the README's screenshots needs
#   install-deps.sh accessibility  what printing the program's AT-SPI tree needs
#   install-deps.sh orca     what listening to the Orca screen reader speak the program needs
set -euo pipefail

# The icon is rendered from its SVG source and packed for Windows at every build.
icons=(librsvg2-bin icoutils)
linux=(cmake g++ make pkg-config qt6-base-dev libgl-dev libxcb1-dev "${icons[@]}")
# The Windows build configures its tests too, so it needs GoogleTest's sources.
windows=(cmake make g++-mingw-w64-x86-64 mingw-w64-tools googletest "${icons[@]}")
# Checking the Debian package and the desktop files, and making the Windows installer;
# hardening-check, which checks the Linux program's protections, comes with devscripts.
packaging=(dpkg-dev file fakeroot lintian desktop-file-utils appstream man-db nsis unzip devscripts)
case "${1:-run}" in
run) packages=("${linux[@]}") ;;
windows) packages=("${windows[@]}") ;;
release) packages=("${linux[@]}" "${windows[@]}" "${packaging[@]}" git) ;;
test)
    packages=("${linux[@]}" "${windows[@]}" "${packaging[@]}" libgtest-dev libgmock-dev xvfb xauth
              clang-format wine wine64 clang locales openbox xdotool x11-utils imagemagick
              # The keys are tested again under Qt's GTK platform theme, which GNOME loads.
              qt6-gtk-platformtheme)
    ;;
screenshots) packages=("${linux[@]}" xvfb xauth openbox xdotool x11-utils imagemagick) ;;
accessibility)
    packages=("${linux[@]}" xvfb openbox xdotool x11-utils dbus at-spi2-core python3-pyatspi)
    ;;
# Orca speaks through speech-dispatcher, and logs what it says even when no voice is heard.
orca)
    packages=("${linux[@]}" xvfb openbox xdotool x11-utils dbus at-spi2-core orca speech-dispatcher)
    ;;
*)
    echo "usage: $0 run | windows | release | test | screenshots | accessibility | orca" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo=sudo
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The locale tests run the program under real locales, each with its own decimal separator
# (ps_AF writes the Arabic one); they fail when one is missing, so the test set-up makes them.
if [[ ${1:-run} == test ]]; then
    for name in de_DE fr_FR sv_SE fi_FI ru_RU tr_TR pt_BR hi_IN ja_JP ar_SA fa_IR en_US ps_AF; do
        if ! locale -a 2>/dev/null | grep -qx "$name.utf8"; then
            echo "Generating the locale $name.UTF-8"
            sudo=""
            [[ $(id -u) -eq 0 ]] || sudo=sudo
            $sudo localedef -i "$name" -f UTF-8 "$name.UTF-8"
        fi
    done
fi
