#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them all.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root"
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
for program in build/release/bench/*_bench; do
  echo "== $program"
  "$program" "$@"
done
