#!/usr/bin/env bash
# Makes each man page as the install does, lets groff check it for mistakes, and holds
# the quillmar-gen page to the program: every option its --help lists and every key the
# example jobs use must be described.
#
#   man_pages_test.sh CMAKE SOURCE_DIR SCRATCH VERSION [QUILLMAR_GEN]
set -euo pipefail

cmake=$1 source_dir=$2 scratch=$3 version=$4 gen=${5:-}

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

rm -rf "$scratch"
mkdir -p "$scratch"
examples_dir=/usr/share/quillmar/examples

render() { # page -> rendered plain text on stdout; groff's complaints fail the test
    local page=$1
    "$cmake" "-DSOURCE=$source_dir/packaging/man/$page.1.in" "-DOUTPUT=$scratch/$page.1.gz" \
        "-DVERSION=$version" -DRELEASE_DATE=2000-01-01 "-DEXAMPLES_DIR=$examples_dir" \
        -DGZIP=gzip -P "$source_dir/packaging/man/render_man_page.cmake" >&2 ||
        fail "$page.1 could not be made"
    gzip -dc "$scratch/$page.1.gz" >"$scratch/$page.1"
    LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z "$scratch/$page.1" 2>"$scratch/$page.lint"
    [ ! -s "$scratch/$page.lint" ] || fail "groff finds fault with $page.1: $(cat "$scratch/$page.lint")"
    grep -q "^\.TH [A-Z-]* 1 \"2000-01-01\" \"Quillmar $version\"" "$scratch/$page.1" ||
        fail "$page.1 does not carry version $version and its date"
    LC_ALL=C.UTF-8 groff -k -man -Tutf8 -P-cbou -rLL=200n "$scratch/$page.1" 2>/dev/null
}

render quillmar >"$scratch/quillmar.txt"
render quillmar-gen >"$scratch/quillmar-gen.txt"
text=$scratch/quillmar-gen.txt
grep -qF "$examples_dir/worked-example.job" "$text" ||
    fail "the quillmar-gen page does not show the examples folder"

keys=$(sed -n 's/^[[:space:]]*\([A-Za-z0-9]*\)[[:space:]]*=.*/\1/p' "$source_dir"/examples/*.job |
    sort -u)
[ -n "$keys" ] || fail "no key found in the example jobs"
for key in $keys; do
    grep -qw -- "$key" "$text" || fail "the quillmar-gen page does not describe the key $key"
done

if [ -z "$gen" ]; then
    echo "quillmar-gen is not built: its --help was not compared with the page"
    exit 0
fi
# An option counts as described when an entry of the OPTIONS section starts with it: a
# mention in the synopsis or in running text describes nothing.
awk '/^[A-Z]/ { inside = ($0 == "OPTIONS") } inside' "$text" >"$scratch/options.txt"
options=$("$gen" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
[ -n "$options" ] || fail "quillmar-gen --help lists no option"
for option in $options; do
    grep -qE -- "^ {7}$option([ ,=]|\$)" "$scratch/options.txt" ||
        fail "the OPTIONS of the quillmar-gen page have no entry for $option"
done
echo "man pages: clean, and quillmar-gen's covers $(wc -w <<<"$options") options and $(wc -w <<<"$keys") keys"
