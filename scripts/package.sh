#!/usr/bin/env bash
# Builds the Debian package of Quillon from its own build (the package preset: Release,
# hardened, in build/package) and checks it: the programs, desktop entry, AppStream data,
# icons, manual pages, completion, file manager entries and Debian documentation are in
# it, its dependencies were found, it installs below 10 MB, lintian finds no error or
# warning, and the AppStream data and desktop entry validate. Prints the package's path.
# JOBS sets the build's parallel jobs (default: one per core).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" lintian appstream
cd "$root"
cmake --preset package >/dev/null
cmake --build --preset package -j"${JOBS:-$(nproc)}"
out="$root/build/package/package"
rm -rf "$out"
mkdir -p "$out"
(cd "$out" && cpack -G DEB --config "$root/build/package/CPackConfig.cmake" >/dev/null)
deb=$(ls "$out"/quillon_*.deb)
contents=$(dpkg-deb -c "$deb")
app=io.github.quillon.Quillon
fail=0
files=(usr/bin/quillon usr/bin/quillon-cli usr/share/applications/$app.desktop
  usr/share/metainfo/$app.metainfo.xml usr/share/icons/hicolor/scalable/apps/quillon.svg
  usr/share/man/man1/quillon-cli.1.gz usr/share/man/man1/quillon.1.gz
  usr/share/bash-completion/completions/quillon-cli usr/share/kio/servicemenus/quillon.desktop
  usr/share/doc/quillon/copyright usr/share/doc/quillon/changelog.gz
  usr/share/doc/quillon/thunar-uca.xml usr/share/lintian/overrides/quillon)
for size in 16 32 48 64 128 256; do
  files+=("usr/share/icons/hicolor/${size}x$size/apps/quillon.png")
done
for file in "${files[@]}"; do
  grep -q " ./$file\$" <<<"$contents" || { echo "package lacks $file" >&2; fail=1; }
done
# KIO runs only service menus that are executable.
grep -q "^-rwxr-xr-x .* ./usr/share/kio/servicemenus/quillon.desktop\$" <<<"$contents" ||
  { echo "the Dolphin service menu is not executable" >&2; fail=1; }
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libicu libstdc++6 qt6-qpa-plugins libacl1 libattr1 libpcre2-32-0; do
  grep -q "$needed" <<<"$depends" || { echo "package does not depend on $needed" >&2; fail=1; }
done
size_kb=$(dpkg-deb -f "$deb" Installed-Size)
[ "$size_kb" -lt 10240 ] || { echo "package installs $size_kb KB, more than 10 MB" >&2; fail=1; }

lintian --fail-on error,warning "$deb" >&2 || { echo "lintian rejects the package" >&2; fail=1; }
tree="$out/tree"
dpkg-deb -x "$deb" "$tree"
appstreamcli validate --no-net "$tree/usr/share/metainfo/$app.metainfo.xml" >&2 || fail=1
desktop-file-validate "$tree/usr/share/applications/$app.desktop" >&2 || fail=1
for page in quillon.1.gz quillon-cli.1.gz; do
  warnings=$(MANWIDTH=80 man --warnings -l "$tree/usr/share/man/man1/$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "man page $page: $warnings" >&2; fail=1; }
done
[ $fail -eq 0 ] || exit 1
echo "$deb"
