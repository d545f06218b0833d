#!/usr/bin/env bash
# Builds the Debian package of Quillon from the default build (build/default) and checks
# it: the programs, desktop entry, icon, manual page and completion are in it, and its
# dependencies were found. Prints the package's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root"
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)"
out="$root/build/default/package"
rm -rf "$out"
mkdir -p "$out"
(cd "$out" && cpack -G DEB --config "$root/build/default/CPackConfig.cmake" >/dev/null)
deb=$(ls "$out"/quillon_*.deb)
contents=$(dpkg-deb -c "$deb")
fail=0
for file in usr/bin/quillon usr/bin/quillon-cli usr/share/applications/quillon.desktop \
    usr/share/icons/hicolor/scalable/apps/quillon.svg usr/share/man/man1/quillon-cli.1 usr/share/man/man1/quillon.1 \
    usr/share/bash-completion/completions/quillon-cli; do
  grep -q " ./$file\$" <<<"$contents" || { echo "package lacks $file" >&2; fail=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libicu qt6-qpa-plugins; do
  grep -q "$needed" <<<"$depends" || { echo "package does not depend on $needed" >&2; fail=1; }
done
[ $fail -eq 0 ] || exit 1
echo "$deb"
