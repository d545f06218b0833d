#!/bin/sh
# Installs the build into a staging prefix and checks the installed files: the programs,
# a valid desktop entry and AppStream data, the icons, manual pages that render without
# warnings, the bash completion, the file managers' entries and the Debian documentation.
set -eu
build=${1:?usage: check_install.sh BUILD_DIR STAGING_DIR}
stage=${2:?usage: check_install.sh BUILD_DIR STAGING_DIR}
app=io.github.quillon.Quillon
rm -rf "$stage"
cmake --install "$build" --prefix "$stage" >/dev/null
fail=0
for file in bin/quillon-cli share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
    share/icons/hicolor/scalable/apps/quillon.svg share/man/man1/quillon-cli.1.gz share/man/man1/quillon.1.gz \
    share/bash-completion/completions/quillon-cli share/kio/servicemenus/quillon.desktop \
    share/doc/quillon/copyright share/doc/quillon/changelog.gz share/doc/quillon/thunar-uca.xml \
    share/lintian/overrides/quillon; do
  [ -f "$stage/$file" ] || { echo "missing: $file"; fail=1; }
done
for size in 16 32 48 64 128 256; do
  [ -f "$stage/share/icons/hicolor/${size}x$size/apps/quillon.png" ] ||
    { echo "missing: ${size}x$size icon"; fail=1; }
done
[ -x "$stage/share/kio/servicemenus/quillon.desktop" ] ||
  { echo "the Dolphin service menu is not executable"; fail=1; }
if grep -q "QUILLON_BUILD_GUI:BOOL=ON" "$build/CMakeCache.txt" 2>/dev/null; then
  [ -x "$stage/bin/quillon" ] || { echo "missing: bin/quillon"; fail=1; }
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$stage/share/applications/$app.desktop" || fail=1
else
  echo "desktop-file-validate is not installed: entry not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$stage/share/metainfo/$app.metainfo.xml" >/dev/null ||
    { appstreamcli validate --no-net "$stage/share/metainfo/$app.metainfo.xml"; fail=1; }
fi
if command -v man >/dev/null; then
  for page in quillon.1.gz quillon-cli.1.gz; do
    warnings=$(MANWIDTH=80 man --warnings -l "$stage/share/man/man1/$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "man page $page: $warnings"; fail=1; }
  done
fi
bash -n "$stage/share/bash-completion/completions/quillon-cli" || fail=1
"$stage/bin/quillon-cli" --version >/dev/null || fail=1
[ $fail -eq 0 ] && echo "installed files are in place"
exit $fail
