#!/usr/bin/env bash
# CI, after `make test`: builds the Debian package from the same build tree and checks it: its
# control fields and Depends, its contents (the executables, every report template, the desktop
# entry and the icon, nothing outside /usr, no maintainer scripts), the desktop entry with
# desktop-file-validate, and the program installed with `cmake --install` into a temporary
# prefix, which must lay out a program folder and reach its login window headless.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}

fail() {
    echo "check-package: $*" >&2
    exit 1
}

./scripts/install-deps.sh package-check
rm -f "$build"/trelimor_*.deb
make --no-print-directory package BUILD_DIR="$build"
debs=("$build"/trelimor_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package in $build, found: ${debs[*]}"
deb=${debs[0]}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== dpkg-deb --info $deb"
dpkg-deb --info "$deb" | tee "$work/info"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = trelimor ] || fail "Package is not trelimor"
version=$(sed -n 's/^project(Trelimor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$(field Version)" = "$version" ] || fail "Version $(field Version) is not the project's $version"
[ "$(basename "$deb")" = "trelimor_${version}_$(dpkg --print-architecture).deb" ] || fail "file name $deb"
for f in Maintainer Section Priority Description Architecture; do
    [ -n "$(field "$f")" ] || fail "no $f field"
done
depends=$(field Depends)
# What the program links (found by dpkg-shlibdeps) and what it loads or uses without linking it.
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6sql6 libqt6printsupport6 libqt6network6 libsqlite3-0 \
         libfreexl1 libzip4 libsodium23 libqt6sql6-sqlite qt6-translations-l10n fonts-dejavu-core \
         fonts-liberation2 xdg-utils; do
    grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p: $depends"
done
# Nothing that only building or testing needs.
if grep -Eq -- '-dev( |,|$)|gtest|benchmark|clang|poppler|cmake|ninja' <<<"$depends"; then
    fail "Depends names a package the program does not run with: $depends"
fi
if dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -Eq '(pre|post)(inst|rm)$'; then
    fail "the package has maintainer scripts"
fi

echo "== dpkg-deb --contents $deb"
dpkg-deb --contents "$deb" | tee "$work/contents"
paths=$(awk '{print $NF}' "$work/contents")
has() { grep -qx "$1" <<<"$paths" || fail "the package lacks $1"; }
has ./usr/bin/trelimor
has ./usr/bin/trelimor-setup
has ./usr/share/applications/trelimor.desktop
has ./usr/share/icons/hicolor/scalable/apps/trelimor.svg
while IFS= read -r template; do
    has "./usr/share/trelimor/reports/$template"
done < <(cd reports && find . -type f | sed 's|^\./||')
if grep -v '^\./usr/' <<<"$paths" | grep -vqx './'; then
    fail "the package installs outside /usr: $(grep -v '^\./usr/' <<<"$paths" | grep -vx './' | head -3)"
fi

echo "== desktop-file-validate"
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/trelimor.desktop"
echo "trelimor.desktop: valid"

echo "== the program installed into a temporary prefix"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
diff -r reports "$work/prefix/share/trelimor/reports" >/dev/null || fail "the installed templates differ from reports/"
# A template only the installed folder has: a program that took the source tree's instead fails.
echo '<p>installed</p>' >"$work/prefix/share/trelimor/reports/zz-installed-only.html"
./scripts/check-first-start.sh "$work/prefix/bin/trelimor" "$work/prefix/share/trelimor/reports"
# trelimor-setup lays out a folder elsewhere with the same installed templates.
"$work/prefix/bin/trelimor-setup" "$work/setup" >/dev/null
diff -r "$work/prefix/share/trelimor/reports" "$work/setup/Raporty" >/dev/null ||
    fail "trelimor-setup did not copy the installed templates"
echo "package $deb: checked"
