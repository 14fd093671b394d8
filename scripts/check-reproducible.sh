#!/usr/bin/env bash
# Checks that a release is reproducible: makes it twice, with scripts/release.sh, in two fresh
# clones of the current commit lying in folders of different names and depths, one after the
# other, and compares their SHA256SUMS. On a difference it names the first file that differs
# and, where diffoscope is installed, shows what differs inside it. Prints each run's time.
#   --allow-dirty  also carries the tree's uncommitted changes (and new files) into both clones
# Compiler caches are off, so that each clone's compiler output is its own.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
dirty=false
case ${1:-} in
--allow-dirty) dirty=true ;;
"") ;;
*)
    echo "usage: $0 [--allow-dirty]" >&2
    exit 2
    ;;
esac
scripts/install-deps.sh release

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
commit=$(git rev-parse HEAD)
export CCACHE_DISABLE=1

# Clones the commit into the given folder and, when asked, lays the tree's changes over it.
make_clone() {
    git clone --quiet --no-checkout "$top" "$1"
    git -C "$1" checkout --quiet --detach "$commit"
    if $dirty; then
        git ls-files -z --modified --others --exclude-standard |
            tar --null --files-from=- --create --file=- | tar --extract --file=- -C "$1"
    fi
}

release_in() {
    local started=$SECONDS flags=()
    $dirty && flags=(--allow-dirty)
    echo "== reproducible: release in $1"
    (cd "$1" && bash scripts/release.sh "${flags[@]}" >"$work/$2.log" 2>&1) ||
        { tail -n 40 "$work/$2.log" >&2; echo "the release in $1 failed" >&2; exit 1; }
    echo "made in $((SECONDS - started)) s"
}

first=$work/a
second=$work/second-clone/of/quantaro
make_clone "$first"
release_in "$first" first
make_clone "$second"
release_in "$second" second

if cmp -s "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS"; then
    echo "== reproducible: both releases are the same bytes"
    cat "$first/dist/SHA256SUMS"
    exit 0
fi
differing=$({ diff "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS" || true; } |
    awk '/^[<>]/ { print $3; exit }')
echo "== reproducible: NOT reproducible; first differing file: $differing" >&2
diff "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS" >&2 || true
if command -v diffoscope >/dev/null; then
    diffoscope "$first/dist/$differing" "$second/dist/$differing" >&2 || true
else
    echo "(install diffoscope to see what differs inside it)" >&2
fi
exit 1
