#!/usr/bin/env bash
# Makes a release: builds the Linux and Windows programs afresh in build trees of their own
# (presets dist-linux and dist-windows) and writes into dist/ the Debian package, the Windows
# zip, the Windows installer and SHA256SUMS, which `sha256sum -c SHA256SUMS` checks.
# The same commit gives the same bytes wherever and whenever it is built: file times come from
# the last commit (SOURCE_DATE_EPOCH), and the programs carry no folder name or link time.
# Refuses a tree with uncommitted changes, whose release no commit describes, unless given
# --allow-dirty. Addresses the release publishes come from QUANTARO_HOMEPAGE,
# QUANTARO_SCREENSHOT_URL and QUANTARO_MAINTAINER in the environment (see the README).
set -euo pipefail
cd "$(dirname "$0")/.."

allow_dirty=false
for argument in "$@"; do
    case $argument in
    --allow-dirty) allow_dirty=true ;;
    *)
        echo "usage: $0 [--allow-dirty]" >&2
        exit 2
        ;;
    esac
done

scripts/install-deps.sh release
if [[ -n $(git status --porcelain) ]] && ! $allow_dirty; then
    echo "The tree has uncommitted changes (git status); commit them or pass --allow-dirty." >&2
    exit 1
fi

# Whatever the calling shell has set, the release is made with the same settings.
export SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export TZ=UTC LC_ALL=C.UTF-8
unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS
umask 022
version=$(sed -n 's/^project(Quantaro VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
addresses=()
for setting in QUANTARO_HOMEPAGE QUANTARO_SCREENSHOT_URL QUANTARO_MAINTAINER; do
    addresses+=("-D$setting=${!setting:-}")
done

# Builds one preset's tree from nothing and packs it with the given CPack generators.
build_and_pack() {
    local preset=$1
    shift
    echo "== release: $preset"
    rm -rf "build/$preset"
    cmake --preset "$preset" "${addresses[@]}" >/dev/null
    cmake --build --preset "$preset"
    for generator in "$@"; do
        (cd "build/$preset" && cpack -G "$generator" >/dev/null)
    done
}
build_and_pack dist-linux DEB
build_and_pack dist-windows ZIP NSIS

artifacts=(
    "build/dist-linux/quantaro_$version-1_amd64.deb"
    "build/dist-windows/quantaro-$version-windows-x86_64.zip"
    "build/dist-windows/quantaro-$version-windows-x86_64.exe"
)
rm -rf dist
mkdir dist
cp "${artifacts[@]}" dist/
(cd dist && sha256sum -- "${artifacts[@]##*/}" >SHA256SUMS && sha256sum --quiet -c SHA256SUMS)
echo "== release: Quantaro $version, commit $(git rev-parse --short HEAD), in $PWD/dist"
(cd dist && ls -l --time-style=+ -- "${artifacts[@]##*/}" SHA256SUMS | awk '{ print $5, $6 }')
cat dist/SHA256SUMS
