#!/usr/bin/env bash
# Builds Quillon and starts it. Quillon keeps its settings in a folder "Quillon"
# inside the folder it is started from.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake --preset default -S "$root" >/dev/null
cmake --build "$root/build/default" --target quillon -j"$(nproc)"
exec "$root/build/default/src/quillon" "$@"
