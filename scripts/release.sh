#!/usr/bin/env bash
# Makes a release: builds the Linux and Windows programs afresh in build trees of their own
# (presets dist-linux and dist-windows) and writes into dist/ the Debian package, the Windows
# zip, the Windows installer and SHA256SUMS, which `sha256sum -c SHA256SUMS` checks.
# The same commit gives the same bytes wherever and whenever it is built: file times come from
# the last commit (SOURCE_DATE_EPOCH), and the programs carry no folder name or link time.
# Refuses a tree with uncommitted changes, whose release no commit describes, unless given
# --allow-dirty; --output DIR writes into DIR instead of dist/. Addresses the release
# publishes come from QUANTARO_HOMEPAGE, QUANTARO_SCREENSHOT_URL and QUANTARO_MAINTAINER in
# the environment (see the README).
set -euo pipefail

allow_dirty=false
dist=$(dirname "$0")/../dist
while (($#)); do
    case $1 in
    --allow-dirty) allow_dirty=true ;;
    --output) dist=${2:?--output needs a folder} && shift ;;
    *)
        echo "usage: $0 [--allow-dirty] [--output DIR]" >&2
        exit 2
        ;;
    esac
    shift
done
dist=$(realpath -m "$dist")
cd "$(dirname "$0")/.."
# Builds use every processor of the machine unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}

scripts/install-deps.sh release
if [[ -n $(git status --porcelain) ]] && ! $allow_dirty; then
    echo "The tree has uncommitted changes (git status); commit them or pass --allow-dirty." >&2
    exit 1
fi

# Whatever the calling shell has set, the release is made with the same settings.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
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
# The zip holds the Windows install rules' files under one folder. cpack would add them in the
# order the file system lists them, which differs from one disk to the next; here they go in
# sorted by name, with every time taken from SOURCE_DATE_EPOCH.
make_zip() {
    local name=quantaro-$version-windows-x86_64 stage=build/dist-windows/zip-stage
    rm -rf "$stage"
    cmake --install build/dist-windows --prefix "$stage/$name" >/dev/null
    (cd "$stage" && find "$name" -type f | LC_ALL=C sort >files.txt &&
        cmake -E tar cf "../$name.zip" --format=zip --files-from=files.txt)
}

build_and_pack dist-linux DEB
build_and_pack dist-windows NSIS
make_zip

artifacts=(
    "build/dist-linux/quantaro_$version-1_amd64.deb"
    "build/dist-windows/quantaro-$version-windows-x86_64.zip"
    "build/dist-windows/quantaro-$version-windows-x86_64.exe"
)
mkdir -p "$dist"
rm -f "$dist/SHA256SUMS" "$dist"/quantaro[-_]*
cp "${artifacts[@]}" "$dist"/
(cd "$dist" && sha256sum -- "${artifacts[@]##*/}" >SHA256SUMS && sha256sum --quiet -c SHA256SUMS)
echo "== release: Quantaro $version, commit $(git rev-parse --short HEAD), in $dist"
(cd "$dist" && stat -c '%s bytes  %n' -- "${artifacts[@]##*/}" SHA256SUMS)
cat "$dist/SHA256SUMS"
