#!/usr/bin/env bash
# Makes the release packages (scripts/release.sh, in its own build trees, from the tree as it
# is) and checks them: the Linux install validated with desktop-file-validate and appstreamcli;
# the .deb checked with lintian (errors fail, and no hardening tag even among the notes), its
# unpacked program checked by hardening-check and asked for its version; the Windows program's
# address-space and DEP flags, DLLs and size; the Windows zip holding its three files, and the
# Windows installer's version record, and the installer installing under Wine, making its
# Start-menu entry and uninstall entry, and uninstalling without a trace: in the prefix, in its
# registry and in the caller's home.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$(sed -n 's/^project(Quantaro VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

# hardening-check must find every protection. Two of its lines cannot say yes on Debian 12: it
# sees stack clash probes only in a function whose frame passes a page, which the program has
# none of; and the control-flow note is kept only when every linked object carries it, which
# the C library's start files (Scrt1.o, crti.o, crtn.o) do not. The program's own functions
# must still mark their entries for indirect branches (endbr64; without -fcf-protection only
# the start files' two do).
hardening_check() {
    local report
    report=$(hardening-check --nocfprotection "$1") || { echo "$report" >&2; return 1; }
    echo "$report"
    if grep -q 'Control flow integrity: no' <<<"$report"; then
        readelf -n /usr/lib/x86_64-linux-gnu/Scrt1.o | grep -q 'x86 feature: IBT, SHSTK' &&
            { echo "the program has lost its control-flow note" >&2; return 1; }
        objdump -d "$1" | awk '/\tendbr64/ { e++ } /\tret/ { r++ } END { exit !(2 * e >= r) }' ||
            { echo "the program was built without -fcf-protection" >&2; return 1; }
    fi
}

# The Windows program keeps ASLR with high-entropy addresses and DEP (DllCharacteristics
# 0x160), links only Windows' own six DLLs, carries no link time and stays within 300 KB.
check_windows_program() {
    local headers flags dlls size
    headers=$(x86_64-w64-mingw32-objdump -p "$1")
    flags=$(awk '/^DllCharacteristics/ { print $2 }' <<<"$headers")
    dlls=$(awk '/DLL Name:/ { print $3 }' <<<"$headers" | LC_ALL=C sort | tr '\n' ' ')
    size=$(stat -c %s "$1")
    echo "DllCharacteristics $flags; DLLs: $dlls; $size bytes"
    grep -E '^Time/Date' <<<"$headers"
    (((16#$flags & 0x160) == 0x160)) || { echo "address-space or DEP flag lost" >&2; return 1; }
    [[ $dlls == "ADVAPI32.dll COMCTL32.dll GDI32.dll KERNEL32.dll USER32.dll msvcrt.dll " ]] ||
        { echo "unexpected DLLs" >&2; return 1; }
    ((size <= 300 * 1024)) || { echo "quantaro.exe is over 300 KB: $size bytes" >&2; return 1; }
    grep -qE '^Time/Date\s+Thu Jan  1 00:00:00 1970' <<<"$headers" ||
        { echo "the PE header carries the link time" >&2; return 1; }
}

# The README a package ships is the user's: it names no developer's script and no file left
# out of the package (the screenshots), only the licence beside it.
shipped_readme() {
    local text
    text=$(cat)
    [[ $text == "Quantaro $version"* ]] || { echo "$1 ships another README" >&2; return 1; }
    if grep -nE 'scripts/|docs/|\.png|\.md\b' <<<"$text"; then
        echo "$1's README names files it does not ship" >&2
        return 1
    fi
}

echo "== packages: release"
bash scripts/release.sh --allow-dirty --output "$work/dist"

echo "== packages: Linux install"
cmake --install build/dist-linux --prefix "$work/usr" >/dev/null
desktop-file-validate "$work"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$work"/usr/share/metainfo/*.metainfo.xml
# Debian's copyright file and changelog are the Debian package's alone.
for file in copyright changelog.Debian.gz; do
    [[ ! -e $work/usr/share/doc/quantaro/$file ]] ||
        { echo "cmake --install installs Debian's $file" >&2; exit 1; }
done

echo "== packages: Debian package"
deb=$work/dist/quantaro_$version-1_amd64.deb
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ $recommends == qt6-wayland ]] || { echo "the package recommends: $recommends" >&2; exit 1; }
# The system-information tools System Info looks for, as Debian 12 packages them.
suggests=$(dpkg-deb -f "$deb" Suggests)
[[ $suggests == "kinfocenter | hardinfo" ]] ||
    { echo "the package suggests: $suggests" >&2; exit 1; }
lintian -I --fail-on error "$deb" | tee "$work/lintian.txt"
if grep -q hardening- "$work/lintian.txt"; then
    echo "lintian finds the program not hardened" >&2
    exit 1
fi
dpkg -x "$deb" "$work/deb"
hardening_check "$work/deb/usr/bin/quantaro"
shipped_readme "the .deb" <"$work/deb/usr/share/doc/quantaro/README"
# The Debian changelog, made from NEWS, begins with this version; NEWS is shipped beside it.
top=$(zcat "$work/deb/usr/share/doc/quantaro/changelog.Debian.gz" | head -n 1)
[[ $top == "quantaro ($version-1) unstable; urgency=medium" ]] ||
    { echo "the Debian changelog begins: $top" >&2; exit 1; }
cmp NEWS "$work/deb/usr/share/doc/quantaro/NEWS"
# No display is needed to answer --version.
printed=$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/deb/usr/bin/quantaro" --version)
echo "$printed"
[[ $printed == "Quantaro $version" ]] || { echo "expected Quantaro $version" >&2; exit 1; }

echo "== packages: Windows program"
check_windows_program build/dist-windows/src/programs/windows/quantaro.exe

echo "== packages: Windows zip and installer"
zip=$work/dist/quantaro-$version-windows-x86_64.zip
# The installer's version record, as Windows shows it in the file's properties.
installer=$work/dist/quantaro-$version-windows-x86_64.exe
recorded=$(strings -el "$installer" | grep -A1 -x ProductVersion | tail -n 1)
[[ $recorded == "$version" ]] || { echo "the installer records version '$recorded'" >&2; exit 1; }
echo "the installer records version $recorded"
unzip -l "$zip"
held=$(unzip -Z1 "$zip" | sed 's|^[^/]*/||' | grep -v '^$' | sort | tr '\n' ' ')
[[ $held == "LICENSE.txt README.txt quantaro.exe " ]] || { echo "zip holds: $held" >&2; exit 1; }
unzip -p "$zip" '*/README.txt' | shipped_readme "the zip"

session=$work/wine
wine_run() { cmake/wine-run.sh "$session" "$@"; }
# Wine's runs must leave nothing in the caller's home: what Wine writes there for an installed
# program (desktop entries and menus named after Wine, and icons) would outlive the prefix.
wine_stamp=$work/wine-started
touch "$wine_stamp"
wine_run --start
installed=$session/prefix/drive_c/Program\ Files/Quantaro
menu=$session/prefix/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Quantaro
wine_run "Z:$installer" /S
for file in "$installed"/{quantaro.exe,README.txt,LICENSE.txt,Uninstall.exe} "$menu"/Quantaro.lnk; do
    [[ -f $file ]] || { echo "the installer left out $file" >&2; wine_run --stop; exit 1; }
done
echo "installed: $(ls "$installed" | tr '\n' ' ')and the Start-menu entry"
# The uninstall entry gives the installed size, in KB (a figure of at least the program's).
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quantaro'
size=$(wine_run reg query "$uninstall_key" /v EstimatedSize |
    awk '/EstimatedSize/ { print $3 }' | tr -d '\r')
echo "uninstall entry: EstimatedSize $size"
(($(printf '%d' "$size") * 1024 >= $(stat -c %s "$installed/quantaro.exe"))) ||
    { echo "the uninstall entry's EstimatedSize is wrong: $size" >&2; wine_run --stop; exit 1; }
# The uninstaller copies itself away and runs from there, so its end is awaited by its work:
# the program's files, its Start-menu entry and its registry keys, the vendor's too, gone.
vendor_key='HKLM\Software\Quantaro developers'
left_behind() {
    [[ -e $installed ]] && echo "$installed"
    [[ -e $menu ]] && echo "$menu"
    wine_run reg query "$uninstall_key" >/dev/null 2>&1 && echo "$uninstall_key"
    wine_run reg query "$vendor_key" >/dev/null 2>&1 && echo "$vendor_key"
    return 0
}
wine_run 'C:\Program Files\Quantaro\Uninstall.exe' /S
for _ in $(seq 50); do
    left=$(left_behind)
    [[ -z $left ]] && break
    sleep 0.2
done
wine_run --stop
if [[ -n $left ]]; then
    printf 'the uninstaller left behind:\n%s\n' "$left" >&2
    exit 1
fi
left=$(find "$HOME" -xdev -newer "$wine_stamp" \( -path '*wine*' -o -path '*/icons/*' \) \
    -not -path "$work/*" -print 2>/dev/null || true)
if [[ -n $left ]]; then
    printf 'Wine wrote into %s:\n%s\n' "$HOME" "$left" >&2
    exit 1
fi
echo "uninstalled without a trace, in the prefix and in $HOME"
