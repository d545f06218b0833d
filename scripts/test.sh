#!/usr/bin/env bash
# Builds everything and runs every test. With --asan: the AddressSanitizer and
# UndefinedBehaviorSanitizer build instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
preset=default
[ "${1:-}" = "--asan" ] && preset=asan
"$root/scripts/setup.sh"
cd "$root"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc)"
ctest --preset "$preset" -j"$(nproc)"
