#!/usr/bin/env bash
# Builds the packages and checks them: the Linux install validated with desktop-file-validate
# and appstreamcli, the .deb checked with lintian (errors fail) and its unpacked program asked
# for its version, the Windows zip holding its three files, and the Windows installer
# installing, making its Start-menu entry and uninstalling without a trace under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$(sed -n 's/^project(Quantaro VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

echo "== packages: Linux install"
cmake --preset release -DQUANTARO_TESTS=OFF -DQUANTARO_BENCH=OFF >/dev/null
cmake --build --preset release
cmake --install build/release --prefix "$work/usr" >/dev/null
desktop-file-validate "$work"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$work"/usr/share/metainfo/*.metainfo.xml

echo "== packages: Debian package"
(cd build/release && rm -f quantaro_*.deb && cpack -G DEB >/dev/null)
deb=$(echo build/release/quantaro_*.deb)
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
lintian --fail-on error "$deb"
dpkg -x "$deb" "$work/deb"
# No display is needed to answer --version.
printed=$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/deb/usr/bin/quantaro" --version)
echo "$printed"
[[ $printed == "Quantaro $version" ]] || { echo "expected Quantaro $version" >&2; exit 1; }

echo "== packages: Windows zip and installer"
cmake --preset windows >/dev/null
(cd build/windows && rm -f quantaro-*.zip quantaro-*.exe && cpack -G ZIP >/dev/null &&
    cpack -G NSIS >/dev/null)
zip=build/windows/quantaro-$version-windows-x86_64.zip
unzip -l "$zip"
held=$(unzip -Z1 "$zip" | sed 's|^[^/]*/||' | grep -v '^$' | sort | tr '\n' ' ')
[[ $held == "LICENSE.txt README.txt quantaro.exe " ]] || { echo "zip holds: $held" >&2; exit 1; }

session=$work/wine
wine_run() { cmake/wine-run.sh "$session" "$@"; }
wine_run --start
installed=$session/prefix/drive_c/Program\ Files/Quantaro
menu=$session/prefix/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Quantaro
wine_run "Z:$PWD/build/windows/quantaro-$version-windows-x86_64.exe" /S
for file in "$installed"/{quantaro.exe,README.txt,LICENSE.txt,Uninstall.exe} "$menu"/Quantaro.lnk; do
    [[ -f $file ]] || { echo "the installer left out $file" >&2; wine_run --stop; exit 1; }
done
echo "installed: $(ls "$installed" | tr '\n' ' ')and the Start-menu entry"
# The uninstaller copies itself away and runs from there, so its end is awaited by its work.
wine_run 'C:\Program Files\Quantaro\Uninstall.exe' /S
for _ in $(seq 100); do
    [[ -e $installed || -e $menu ]] || break
    sleep 0.2
done
wine_run --stop
if [[ -e $installed || -e $menu ]]; then
    echo "the uninstaller left the program behind" >&2
    exit 1
fi
echo "uninstalled without a trace"
