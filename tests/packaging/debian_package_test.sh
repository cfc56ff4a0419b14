#!/usr/bin/env bash
# Builds the Debian package from this build tree, unpacks it into a scratch root with
# dpkg -x, and runs the installed quillmar-gen from there as a user would after
# installing the package.
#
#   debian_package_test.sh CPACK CPACK_CONFIG SCRATCH VERSION GOLDEN_STANDARD \
#                          SANITIZED HAVE_GEN HAVE_GUI
set -euo pipefail

cpack=$1 config=$2 scratch=$3 version=$4 golden=$5
sanitized=$6 have_gen=$7 have_gui=$8

skip() {
    echo "SKIPPED: $*"
    exit 77
}
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

[ "$sanitized" = ON ] &&
    skip "sanitizer build: its binaries need the sanitizer runtime and are not for packaging"
[ "$have_gen" = ON ] || skip "quillmar-gen is not part of this build yet: nothing to package"

rm -rf "$scratch"
mkdir -p "$scratch"
if ! "$cpack" --config "$config" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    fail "cpack could not build the package"
fi
shopt -s nullglob
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one .deb, found ${#debs[@]}"
deb=${debs[0]}
echo "package: $(basename "$deb")"
[ "$(basename "$deb")" = "quillmar_${version}-1_$(dpkg --print-architecture).deb" ] ||
    fail "unexpected package file name $(basename "$deb")"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = quillmar ] || fail "package name is '$(field Package)'"
[ "$(field Version)" = "${version}-1" ] || fail "package version is '$(field Version)'"
depends=$(field Depends)
echo "depends: $depends"
expect_depends() {
    [[ ", $depends," == *", $1"* ]] || fail "Depends lacks $1"
}
expect_depends fonts-ipafont-gothic
expect_depends "libc6 (>= "      # found by dpkg-shlibdeps in the binaries
expect_depends "libstdc++6 (>= " # likewise
if [ "$have_gui" = ON ]; then
    expect_depends "libqt6widgets6 (>= "
    expect_depends qt6-qpa-plugins
    expect_depends qt6-translations-l10n # Qt's own texts in Japanese
fi

root=$scratch/root
dpkg -x "$deb" "$root"

expect_file() {
    [ -f "$root/$1" ] || fail "the package does not install /$1"
}
expect_file usr/bin/quillmar-gen
[ -x "$root/usr/bin/quillmar-gen" ] || fail "/usr/bin/quillmar-gen is not executable"
if [ "$have_gui" = ON ]; then
    expect_file usr/bin/quillmar
    [ -x "$root/usr/bin/quillmar" ] || fail "/usr/bin/quillmar is not executable"
    expect_file usr/share/man/man1/quillmar.1.gz
fi
expect_file usr/share/applications/org.quillmar.Quillmar.desktop
expect_file usr/share/metainfo/org.quillmar.Quillmar.metainfo.xml
expect_file usr/share/icons/hicolor/scalable/apps/quillmar.svg
for size in 32 48 256; do
    png=usr/share/icons/hicolor/${size}x${size}/apps/quillmar.png
    expect_file "$png"
    file -b "$root/$png" | grep -q "^PNG image data, $size x $size," ||
        fail "/$png is not a $size x $size PNG: $(file -b "$root/$png")"
done
expect_file usr/share/man/man1/quillmar-gen.1.gz
expect_file usr/share/doc/quillmar/copyright
for program in "$root"/usr/bin/*; do
    if ldd "$program" | grep -q "not found"; then
        fail "$(basename "$program") lacks libraries: $(ldd "$program" | grep "not found")"
    fi
done
examples=("$root"/usr/share/quillmar/examples/*.job)
[ ${#examples[@]} -gt 0 ] || fail "no example job under /usr/share/quillmar/examples"

# The installed data hold together: the menu entry, the AppStream data and the icon.
desktop-file-validate "$root/usr/share/applications/org.quillmar.Quillmar.desktop"
appstreamcli validate-tree --no-net "$root" >"$scratch/validate-tree.log" 2>&1 || {
    cat "$scratch/validate-tree.log" >&2
    fail "appstreamcli validate-tree rejects the installed tree"
}

# The man page was made for this installation: it names the installed examples.
gzip -dc "$root/usr/share/man/man1/quillmar-gen.1.gz" | grep -q '^\.I /usr/share/quillmar/examples$' ||
    fail "the installed man page does not name /usr/share/quillmar/examples"

gen=$root/usr/bin/quillmar-gen
help=$("$gen" --help) || fail "quillmar-gen --help exits with $?"
[[ "$(head -n 1 <<<"$help")" == "Usage: quillmar-gen "* ]] ||
    fail "--help starts with '$(head -n 1 <<<"$help")'"
versionText=$("$gen" --version) || fail "quillmar-gen --version exits with $?"
[ "$(head -n 1 <<<"$versionText")" = "quillmar-gen (Quillmar) $version" ] ||
    fail "--version starts with '$(head -n 1 <<<"$versionText")'"

# One installed example, run from the installed tree, gives the known program.
job=$root/usr/share/quillmar/examples/worked-example.job
[ -f "$job" ] || fail "the worked example is not installed"
(cd "$scratch" && "$gen" "$job" >"$scratch/worked-example.NC") ||
    fail "quillmar-gen exits with $? on the installed worked example"
[ "$(head -n 2 "$scratch/worked-example.NC")" = $'(-----< D34 >-----)\r\nN001 G00 X30.07 Z10.75\r' ] ||
    fail "the worked example starts with: $(head -n 2 "$scratch/worked-example.NC" | cat -A)"
cmp "$scratch/worked-example.NC" "$golden" ||
    fail "the installed quillmar-gen writes another program than $golden"

(cd "$scratch" && "$gen" --macro run.MIN --standard run.NC "$job") ||
    fail "quillmar-gen --macro --standard exits with $?"
[ -s "$scratch/run.MIN" ] && [ -s "$scratch/run.NC" ] || fail "--macro/--standard wrote nothing"

echo "the package installs and runs"
