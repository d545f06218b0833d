#!/usr/bin/env bash
# Renames a folder of many files from *.txt to *.dat with four tools, each on a fresh
# copy of the same folder on tmpfs, and prints their times side by side:
#   bare loop    bench/rename_loop.c: list the folder, renameat2(RENAME_NOREPLACE) each file
#   quillon-cli  quillon-cli run JOB.json --folder DIR --journal J (Release build)
#   mmv          mmv '*.txt' '#1.dat'
#   perl rename  find . -name '*.txt' -print0 | file-rename -0 's/\.txt$/.dat/'
#                (names read from standard input: one process, no argument-list limit)
# Each tool's time is the best wall time of N runs; every run is checked to leave
# exactly the renamed files, and a wrong result fails the script.
#
# Usage: bench/compare_rename.sh [--runs N] [--files COUNT] [--strict]
#   --runs N       runs per tool, each on a fresh copy (default 3)
#   --files COUNT  files in the folder (default 30000)
#   --strict       exit 1 when quillon-cli misses one of its targets
# shellcheck disable=SC2317 # cleanup and tool_* are called through trap and "tool_$label"
set -euo pipefail

runs=3
files=30000
strict=0
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=${2:?--runs needs a number}; shift 2 ;;
    --files) files=${2:?--files needs a number}; shift 2 ;;
    --strict) strict=1; shift ;;
    -h | --help) sed -n '2,/^# shellcheck/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    *) echo "unknown argument: $1 (see --help)" >&2; exit 2 ;;
  esac
done
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "--runs must be a positive number" >&2; exit 2; }
[[ "$files" =~ ^[1-9][0-9]*$ ]] || { echo "--files must be a positive number" >&2; exit 2; }

# Targets for quillon-cli.
target_ratio=1.3   # at most this many times the bare loop
target_rss_mb=100  # peak resident memory

root=$(cd "$(dirname "$0")/.." && pwd)
export LC_ALL=C

# --- tools -------------------------------------------------------------------

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  as_root=(sudo -n)
else
  as_root=(none)
fi

apt_updated=0
# Installs one Debian package when missing; returns 1 (with a note) when it cannot.
install_package() {
  local package=$1
  if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    return 0
  fi
  if [ "${as_root[0]:-}" = none ] || ! command -v apt-get >/dev/null 2>&1; then
    echo "note: package '$package' is missing and cannot be installed (no root, no sudo, or no apt-get)"
    return 1
  fi
  echo "Installing $package"
  export DEBIAN_FRONTEND=noninteractive
  if [ "$apt_updated" -eq 0 ]; then
    "${as_root[@]}" apt-get update -q >/dev/null || true
    apt_updated=1
  fi
  if ! "${as_root[@]}" apt-get install -y -q --no-install-recommends "$package" >/dev/null; then
    echo "note: apt-get could not install '$package'"
    return 1
  fi
}

install_package time || { echo "GNU time (/usr/bin/time) is needed for the memory figures" >&2; exit 1; }
have_mmv=0
have_rename=0
if install_package mmv && command -v mmv >/dev/null; then have_mmv=1; fi
if install_package rename && command -v file-rename >/dev/null; then have_rename=1; fi

echo "Building quillon-cli (Release)"
"$root/scripts/setup.sh"
(cd "$root" && cmake --preset release >/dev/null &&
  cmake --build --preset release --target quillon-cli -j"$(nproc)" >/dev/null)
cli="$root/build/release/src/quillon-cli"
[ -x "$cli" ] || { echo "no Release quillon-cli at $cli" >&2; exit 1; }

loop="$root/build/release/bench/rename_loop"
mkdir -p "$(dirname "$loop")"
cc -O2 -Wall -Wextra -o "$loop" "$root/bench/rename_loop.c"

# --- scratch space on tmpfs ----------------------------------------------------

mounted=""
scratch=""
cleanup() {
  if [ -n "$mounted" ]; then
    umount "$mounted" 2>/dev/null || "${as_root[@]}" umount "$mounted" 2>/dev/null || true
    rmdir "$mounted" 2>/dev/null || true
  elif [ -n "$scratch" ]; then
    rm -rf "$scratch"
  fi
}
trap cleanup EXIT

if [ "$(stat -f -c %T /dev/shm 2>/dev/null)" = tmpfs ] && [ -w /dev/shm ]; then
  scratch=$(mktemp -d /dev/shm/quillon-compare.XXXXXX)
else
  candidate=$(mktemp -d /tmp/quillon-compare.XXXXXX)
  if [ "${as_root[0]:-}" != none ] &&
    "${as_root[@]}" mount -t tmpfs -o size=512m,mode=1777 tmpfs "$candidate" 2>/dev/null; then
    mounted=$candidate
    scratch=$candidate
  else
    scratch=$candidate
    echo "WARNING: no tmpfs available; timing on $(stat -f -c %T /tmp) under /tmp," \
      "figures include that file system's costs"
  fi
fi
fs_type=$(stat -f -c %T "$scratch")

# The folder every run starts from: file00000.txt ... as empty regular files.
width=${#files}
[ "$width" -lt 5 ] && width=5
template="$scratch/template"
mkdir "$template"
awk -v n="$files" -v w="$width" 'BEGIN { for (i = 0; i < n; i++) printf "file%0*d.txt\n", w, i }' \
  >"$scratch/before.txt"
(cd "$template" && xargs touch <"$scratch/before.txt")
sed 's/\.txt$/.dat/' "$scratch/before.txt" | sort >"$scratch/expected.txt"

cat >"$scratch/job.json" <<'EOF'
{
  "selection": {"SelectionMode": "All", "MaxSelectLimit": 0},
  "criteria": {"ExtText": "dat"},
  "action": {"ActionName": "Rename"}
}
EOF
mkdir "$scratch/cwd" # quillon-cli's current folder, so its data folder stays out of the way

# --- one run -------------------------------------------------------------------

# The folder must hold exactly the expected names, all regular files.
verify() {
  local dir=$1 label=$2
  if ! find "$dir" -mindepth 1 -printf '%P\n' | sort | cmp -s - "$scratch/expected.txt"; then
    echo "FAIL: $label left a wrong folder; first differences (< found, > expected):" >&2
    find "$dir" -mindepth 1 -printf '%P\n' | sort | diff - "$scratch/expected.txt" | head -10 >&2
    exit 1
  fi
  local regular
  regular=$(find "$dir" -mindepth 1 -type f | wc -l)
  if [ "$regular" -ne "$files" ]; then
    echo "FAIL: $label left $regular regular files, not $files" >&2
    exit 1
  fi
}

# run_tool LABEL: runs tool_LABEL on a fresh copy; sets last_us (wall, µs) and last_kb (RSS).
run_tool() {
  local label=$1 dir="$scratch/run"
  rm -rf "$dir" "$scratch/journal.json"
  cp -a "$template" "$dir"
  sync -f "$dir" 2>/dev/null || true
  local start end status=0
  start=${EPOCHREALTIME/./}
  "tool_$label" "$dir" >/dev/null 2>"$scratch/stderr" || status=$?
  end=${EPOCHREALTIME/./}
  if [ "$status" -ne 0 ]; then
    echo "FAIL: $label exited with $status:" >&2
    head -20 "$scratch/stderr" >&2
    exit 1
  fi
  verify "$dir" "$label"
  last_us=$((end - start))
  last_kb=$(tail -n 1 "$scratch/rss")
}

measure="/usr/bin/time -f %M -o"

tool_loop() { $measure "$scratch/rss" "$loop" "$1" txt dat; }

tool_quillon() {
  (cd "$scratch/cwd" &&
    $measure "$scratch/rss" "$cli" run "$scratch/job.json" --folder "$1" --journal "$scratch/journal.json")
}

tool_mmv() { (cd "$1" && $measure "$scratch/rss" mmv '*.txt' '#1.dat'); }

tool_rename() {
  (cd "$1" && find . -maxdepth 1 -type f -name '*.txt' -print0 |
    $measure "$scratch/rss" file-rename -0 's/\.txt$/.dat/')
}

# --- measure -------------------------------------------------------------------

labels=(loop quillon)
[ "$have_mmv" -eq 1 ] && labels+=(mmv)
[ "$have_rename" -eq 1 ] && labels+=(rename)
declare -A name=([loop]="bare renameat2 loop" [quillon]="quillon-cli run"
  [mmv]="mmv" [rename]="perl rename")
declare -A best_us best_kb all_runs

echo "Renaming $files files *.txt -> *.dat on $fs_type ($scratch), best of $runs runs each"
for label in "${labels[@]}"; do
  best_us[$label]=""
  best_kb[$label]=0
  all_runs[$label]=""
  for ((r = 1; r <= runs; r++)); do
    run_tool "$label"
    if [ -z "${best_us[$label]}" ] || [ "$last_us" -lt "${best_us[$label]}" ]; then
      best_us[$label]=$last_us
    fi
    [ "$last_kb" -gt "${best_kb[$label]}" ] && best_kb[$label]=$last_kb
    all_runs[$label]+="$(awk -v u="$last_us" 'BEGIN { printf "%.3f ", u / 1e6 }')"
  done
done

# --- report --------------------------------------------------------------------

echo
# µ and × take two bytes each: their columns are one byte wider for printf.
printf '%-20s %10s %11s %10s %10s   %s\n' tool "best (s)" "µs/file" "× loop" "peak RSS" "all runs (s)"
printf '%-20s %10s %10s %9s %10s   %s\n' "--------------------" "--------" "-------" "------" "--------" "------------"
for label in "${labels[@]}"; do
  awk -v n="${name[$label]}" -v u="${best_us[$label]}" -v base="${best_us[loop]}" \
    -v f="$files" -v kb="${best_kb[$label]}" -v all="${all_runs[$label]}" 'BEGIN {
      printf "%-20s %10.3f %10.2f %8.2fx %7.1f MB   %s\n", n, u / 1e6, u / f, u / base, kb / 1024, all
    }'
done
[ "$have_mmv" -eq 1 ] || echo "mmv: skipped (could not be installed)"
[ "$have_rename" -eq 1 ] || echo "perl rename: skipped (could not be installed)"
echo "(peak RSS: the largest of the runs, GNU time %M; for perl rename, the perl process only)"

echo
echo "quillon-cli targets:"
missed=0
check() { # check TEXT OK(0/1)
  if [ "$2" -eq 1 ]; then echo "  met     $1"; else echo "  MISSED  $1"; missed=1; fi
}
q=${best_us[quillon]}
check "within ${target_ratio}x the bare loop" \
  "$(awk -v q="$q" -v b="${best_us[loop]}" -v t="$target_ratio" 'BEGIN { print (q <= t * b) ? 1 : 0 }')"
for other in mmv rename; do
  if [[ " ${labels[*]} " == *" $other "* ]]; then
    check "faster than ${name[$other]}" "$([ "$q" -lt "${best_us[$other]}" ] && echo 1 || echo 0)"
  else
    echo "  n/a     faster than ${name[$other]} (not measured)"
  fi
done
check "under $target_rss_mb MB resident" \
  "$([ "${best_kb[quillon]}" -lt $((target_rss_mb * 1024)) ] && echo 1 || echo 0)"

if [ "$strict" -eq 1 ] && [ "$missed" -eq 1 ]; then exit 1; fi
exit 0
