#!/bin/sh
# docs/architecture.md draws which library links which; this compares its
# arrows with what the build links, and checks that the companions stay
# leaves: only their own commands link them. Arguments: the build tree and
# the source tree.
set -eu
build=$1
src=$2
links=$build/architecture-links.txt
doc=$src/docs/architecture.md
fail() { echo "FAIL: $*"; exit 1; }
[ -f "$links" ] || fail "no $links: configure the build again"
[ -f "$doc" ] || fail "no $doc"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
grep -- ' --> ' "$links" | sort -u >"$tmp/built"
sed -n '/^```mermaid/,/^```/p' "$doc" | grep -- ' --> ' | sed 's/^ *//; s/ *$//' | sort -u >"$tmp/drawn"
if ! diff -u "$tmp/built" "$tmp/drawn" >"$tmp/diff"; then
    echo "docs/architecture.md's picture differs from the build (- built, + drawn):"
    cat "$tmp/diff"
    exit 1
fi

# Every library and command the build makes is named in the text.
grep -v -- ' --> ' "$links" | sort -u | while read -r target; do
    grep -q -- "\`$target\`" "$doc" || fail "docs/architecture.md does not name \`$target\`"
done

# Companions are leaves.
# quorvane_dbtool_pdf is quorvane-db's own commands with the PDF writer.
companions='quorvane_dbtool|quorvane_dbtool_pdf|quorvane_linktool|quorvane_doorsim'
if grep -E -- " --> ($companions)\$" "$tmp/built" |
    grep -v -E -- "^(quorvane-db|quorvane-db-pdf|quorvane_dbtool_pdf|quorvane-link|quorvane-doorsim) " >"$tmp/leaves"; then
    echo "FAIL: a library of the program links a companion's:"
    cat "$tmp/leaves"
    exit 1
fi
# No include runs from a lower folder back up: common/ names no header of
# store/, and store/ none of the subsystems above it.
headers_of() { (cd "$src/$1" && find . -name '*.h' | sed 's#.*/##') | sort -u; }
upward() {
    lower=$1; shift
    for upper in "$@"; do headers_of "$upper"; done | sort -u >"$tmp/upper"
    grep -rhoE '#include "[^"]+"' "$src/$lower" | sed 's/#include "//; s/"$//; s#.*/##' | sort -u >"$tmp/included"
    comm -12 "$tmp/upper" "$tmp/included"
}
bad=$(upward common store accounts directory link app tools)
[ -z "$bad" ] || fail "common/ includes from a folder above it: $bad"
bad=$(upward store accounts directory link app tools)
[ -z "$bad" ] || fail "store/ includes from a folder above it: $bad"

echo "architecture: the picture matches the build; the companions are leaves; no include runs upward"
