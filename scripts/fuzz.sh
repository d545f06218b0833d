#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while (default 30 s) on its
# seed corpus in fuzz/corpus; a crash, a leak or a failed check ends it with an error.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
"$root/scripts/setup.sh"
missing=()
for package in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends \
    "${missing[@]}" >/dev/null
fi
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in job_file journal settings engine; do
  echo "== fuzzing $target for ${seconds}s"
  mkdir -p "$work/$target"
  # New inputs go to the scratch folder; the seeds in the repository stay as they are.
  "build/fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -print_final_stats=0 -artifact_prefix="$work/" "$work/$target" "fuzz/corpus/$target" \
    2>"$work/$target.log" || { tail -n 40 "$work/$target.log"; exit 1; }
  tail -n 1 "$work/$target.log"
done
