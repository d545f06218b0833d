#!/bin/sh
# Installs the build into a staging prefix and checks the installed files: the programs,
# a valid desktop entry, the icon, a manual page that renders without warnings, and the
# bash completion.
set -eu
build=${1:?usage: check_install.sh BUILD_DIR STAGING_DIR}
stage=${2:?usage: check_install.sh BUILD_DIR STAGING_DIR}
rm -rf "$stage"
cmake --install "$build" --prefix "$stage" >/dev/null
fail=0
for file in bin/quillon-cli share/applications/quillon.desktop \
    share/icons/hicolor/scalable/apps/quillon.svg share/man/man1/quillon-cli.1 share/man/man1/quillon.1 \
    share/bash-completion/completions/quillon-cli; do
  [ -f "$stage/$file" ] || { echo "missing: $file"; fail=1; }
done
if grep -q "QUILLON_BUILD_GUI:BOOL=ON" "$build/CMakeCache.txt" 2>/dev/null; then
  [ -x "$stage/bin/quillon" ] || { echo "missing: bin/quillon"; fail=1; }
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$stage/share/applications/quillon.desktop" || fail=1
else
  echo "desktop-file-validate is not installed: entry not validated"
fi
if command -v man >/dev/null; then
  for page in quillon.1 quillon-cli.1; do
    warnings=$(MANWIDTH=80 man --warnings -l "$stage/share/man/man1/$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "man page $page: $warnings"; fail=1; }
  done
fi
bash -n "$stage/share/bash-completion/completions/quillon-cli" || fail=1
"$stage/bin/quillon-cli" --version >/dev/null || fail=1
[ $fail -eq 0 ] && echo "installed files are in place"
exit $fail
