#!/bin/sh
# Fails when a file of the core includes a Qt header.
src=${1:?usage: check_no_qt.sh SRC_DIR}
hits=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]|qt[a-z]*/|Qt[A-Za-z]*/)' \
  "$src/platform" "$src/session" "$src/selection" "$src/rename" "$src/actions" "$src/ui" "$src/flow" 2>/dev/null)
if [ -n "$hits" ]; then
  echo "Qt headers in the core:"
  echo "$hits"
  exit 1
fi
echo "core is free of Qt headers"
