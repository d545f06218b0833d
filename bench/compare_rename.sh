#!/usr/bin/env bash
# Times quillon-cli against the floor (what the same work costs with nothing around it)
# and against its peers, in paired rounds: each round runs every tool once, each on a
# fresh copy of the same folder, in an order that turns from round to round. Ratios are
# the median of the rounds' own ratios, so that a slow moment of the machine counts
# against both sides of a pair.
#
#   rename   FILES empty files *.txt -> *.dat (also at 1,000 and 10,000 with --sizes)
#              bare loop     bench/rename_loop.c: list the folder, renameat2 each file
#              in name order the same loop in the names' order, the order a job keeps
#                            (shown beside the floor; the targets are against the floor)
#              quillon-cli   run JOB --journal J; the same with --json
#              mmv           mmv '*.txt' '#1.dat'
#              perl rename   file-rename -0 's/\.txt$/.dat/' (names on standard input)
#   undo     quillon-cli undo of that job, against the bare loop renaming back
#   copy     2,000 files of 100 KB into an empty folder: quillon-cli run (Copy)
#              against cp -a
#   preview  32,767 files, all eight criteria: quillon-cli preview (and --json) against
#              bench/list_and_compute (list in natural order, split, run the engine)
#   memory   peak resident memory of run, run --json and undo over those 32,767 files
#
# Every run is checked: a rename must leave exactly the renamed files, a copy every file
# with its content, and the preview must compute the floor's names.
#
# Usage: bench/compare_rename.sh [--runs N] [--files COUNT] [--sizes] [--dir DIR] [--strict]
#   --runs N       paired rounds (default 5)
#   --files COUNT  files of the rename (default 30000)
#   --sizes        also rename 1,000 and 10,000 files (rename and mmv only)
#   --dir DIR      measure on the file system of DIR (default: tmpfs at /dev/shm)
#   --strict       exit 1 when quillon-cli misses one of its targets
# shellcheck disable=SC2317 # cleanup and tool_* are called through trap and "tool_$label"
set -euo pipefail

runs=5
files=30000
sizes=0
dir_arg=""
strict=0
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=${2:?--runs needs a number}; shift 2 ;;
    --files) files=${2:?--files needs a number}; shift 2 ;;
    --sizes) sizes=1; shift ;;
    --dir) dir_arg=${2:?--dir needs a folder}; shift 2 ;;
    --strict) strict=1; shift ;;
    -h | --help) sed -n '2,/^# shellcheck/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    *) echo "unknown argument: $1 (see --help)" >&2; exit 2 ;;
  esac
done
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "--runs must be a positive number" >&2; exit 2; }
[[ "$files" =~ ^[1-9][0-9]*$ ]] || { echo "--files must be a positive number" >&2; exit 2; }

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

echo "Building quillon-cli and the floors (Release)"
"$root/scripts/setup.sh"
# quillon-cli as measured: with the C++ runtime and ICU linked in (the release preset's
# setting, named here as well since the start-up figures depend on it).
(cd "$root" && cmake --preset release -DQUILLON_STATIC_CLI=ON >/dev/null &&
  cmake --build --preset release --target quillon-cli list_and_compute -j"$(nproc)" >/dev/null)
cli="$root/build/release/src/quillon-cli"
compute="$root/build/release/bench/list_and_compute"
if [ ! -x "$cli" ] || [ ! -x "$compute" ]; then
  echo "no Release build under $root/build/release" >&2
  exit 1
fi
loop="$root/build/release/bench/rename_loop"
cc -O2 -Wall -Wextra -o "$loop" "$root/bench/rename_loop.c"

# --- scratch space -------------------------------------------------------------

scratch=""
cleanup() { [ -n "$scratch" ] && rm -rf "$scratch"; }
trap cleanup EXIT
if [ -n "$dir_arg" ]; then
  scratch=$(mktemp -d "$dir_arg/quillon-compare.XXXXXX")
elif [ "$(stat -f -c %T /dev/shm 2>/dev/null)" = tmpfs ] && [ -w /dev/shm ]; then
  scratch=$(mktemp -d /dev/shm/quillon-compare.XXXXXX)
else
  scratch=$(mktemp -d /tmp/quillon-compare.XXXXXX)
  echo "WARNING: no tmpfs at /dev/shm; measuring on $(stat -f -c %T /tmp) under /tmp"
fi
# findmnt tells ext4 from ext2/ext3, which share stat's magic number. Where mounts are
# stacked on one point it lists each; the last is the one on top, the one in use.
fs_type=$(findmnt -n -o FSTYPE -T "$scratch" 2>/dev/null | tail -n 1)
[ -n "$fs_type" ] || fs_type=$(stat -f -c %T "$scratch")
mkdir "$scratch/cwd" # quillon-cli's current folder, so its data folder stays out of the way

# --- measuring -----------------------------------------------------------------

# timed OUT_VAR CMD...: runs CMD with its output thrown away, fails the script when it
# fails, and sets OUT_VAR to its wall time in µs and last_kb to its peak RSS.
timed() {
  local var=$1 status=0 start end
  shift
  start=${EPOCHREALTIME/./}
  /usr/bin/time -f %M -o "$scratch/rss" "$@" >/dev/null 2>"$scratch/stderr" || status=$?
  end=${EPOCHREALTIME/./}
  if [ "$status" -ne 0 ]; then
    echo "FAIL: $* exited with $status:" >&2
    head -20 "$scratch/stderr" >&2
    exit 1
  fi
  printf -v "$var" '%s' $((end - start))
  last_kb=$(tail -n 1 "$scratch/rss")
}

# The median of the numbers given.
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.4f", a / b }'; }

declare -A times ratios peak
# record SECTION LABEL US FLOOR_US
record() {
  times[$1:$2]+="$3 "
  ratios[$1:$2]+="$(ratio "$3" "$4") "
  local kb=${peak[$1:$2]:-0}
  [ "$last_kb" -gt "$kb" ] && peak[$1:$2]=$last_kb || peak[$1:$2]=$kb
}
# shellcheck disable=SC2086 # the lists are words
med_ratio() { median ${ratios[$1:$2]}; }
# shellcheck disable=SC2086
med_time() { median ${times[$1:$2]}; }

# order N ITEMS...: the items turned by N places, so no tool always runs first.
order() {
  local n=$1
  shift
  local items=("$@") k
  for ((k = 0; k < ${#items[@]}; k++)); do echo "${items[$(((k + n) % ${#items[@]}))]}"; done
}

report() { # report SECTION FLOOR_LABEL LABEL...
  local section=$1 floor=$2
  shift 2
  printf '  %-24s %10s %9s %10s\n' tool "median (s)" "× floor" "peak RSS"
  for label in "$floor" "$@"; do
    [ -n "${times[$section:$label]:-}" ] || continue
    awk -v n="$label" -v t="$(med_time "$section" "$label")" -v r="$(med_ratio "$section" "$label")" \
      -v kb="${peak[$section:$label]}" \
      'BEGIN { printf "  %-24s %10.4f %8.2fx %7.1f MB\n", n, t / 1e6, r, kb / 1024 }'
  done
}

targets=()
missed=0
# target TEXT VALUE OP LIMIT: notes whether VALUE OP LIMIT holds (OP is <= or <).
target() {
  local ok
  ok=$(awk -v v="$2" -v l="$4" -v op="$3" 'BEGIN { print (op == "<" ? v < l : v <= l) ? 1 : 0 }')
  if [ "$ok" -eq 1 ]; then
    targets+=("  met     $1 ($2)")
  else
    targets+=("  MISSED  $1 ($2)")
    missed=1
  fi
}

# --- rename and undo -------------------------------------------------------------

# make_folder DIR COUNT: COUNT empty files file00000.txt ...
make_folder() {
  local width=${#2}
  [ "$width" -lt 5 ] && width=5
  mkdir "$1"
  awk -v n="$2" -v w="$width" 'BEGIN { for (i = 0; i < n; i++) printf "file%0*d.txt\n", w, i }' |
    (cd "$1" && xargs touch)
}

# fresh_copy FROM TO: TO as a new copy of FROM, on the disk as far as sync can tell.
fresh_copy() {
  rm -rf "$2"
  cp -a "$1" "$2"
  sync -f "$2" 2>/dev/null || true
}

# The folder must hold exactly the names of `expected`, all regular files.
verify_names() {
  local dir=$1 expected=$2 label=$3
  if ! find "$dir" -mindepth 1 -type f -printf '%P\n' | sort | cmp -s - "$expected" ||
    [ "$(find "$dir" -mindepth 1 | wc -l)" -ne "$(wc -l <"$expected")" ]; then
    echo "FAIL: $label left a wrong folder; first differences (< found, > expected):" >&2
    find "$dir" -mindepth 1 -printf '%P\n' | sort | diff - "$expected" | head -10 >&2
    exit 1
  fi
}

cat >"$scratch/rename.json" <<'EOF'
{
  "selection": {"SelectionMode": "All", "MaxSelectLimit": 0},
  "criteria": {"ExtText": "dat"},
  "action": {"ActionName": "Rename"}
}
EOF

in_cwd=(env -C "$scratch/cwd")
tool_loop() { timed "$1" "$loop" "$2" txt dat; }
tool_sorted() { timed "$1" "$loop" "$2" txt dat sorted; }
tool_quillon() { timed "$1" "${in_cwd[@]}" "$cli" run "$scratch/rename.json" --folder "$2" --journal "$scratch/journal.json"; }
tool_json() { timed "$1" "${in_cwd[@]}" "$cli" run "$scratch/rename.json" --folder "$2" --journal "$scratch/journal.json" --json; }
tool_mmv() { timed "$1" env -C "$2" mmv '*.txt' '#1.dat'; }
tool_rename() {
  (cd "$2" && find . -maxdepth 1 -type f -name '*.txt' -printf '%P\0') >"$scratch/names0"
  # shellcheck disable=SC2016 # expanded by that sh
  timed "$1" env -C "$2" sh -c 'exec file-rename -0 "s/\.txt\$/.dat/" <"$0"' "$scratch/names0"
}

declare -A label_name=([loop]="bare renameat2 loop" [sorted]="bare loop, name order" [quillon]="quillon-cli run" [json]="quillon-cli run --json"
  [mmv]="mmv" [rename]="perl rename" [undo]="quillon-cli undo" [back]="bare loop, back")

# rename_section COUNT TOOLS...: paired rounds of the rename with these tools; when
# quillon is one of them, each of its runs is then undone, paired with the loop renaming
# a fresh renamed copy back.
rename_section() {
  local count=$1 section="rename$1"
  shift
  local tools=("$@") template="$scratch/template$count" renamed="$scratch/renamed$count"
  make_folder "$template" "$count"
  (cd "$template" && find . -mindepth 1 -printf '%P\n' | sort) >"$scratch/before$count"
  sed 's/\.txt$/.dat/' "$scratch/before$count" >"$scratch/after$count"
  cp -a "$template" "$renamed"
  "$loop" "$renamed" txt dat
  echo "Renaming $count files on $fs_type: ${tools[*]}, $runs paired rounds"
  local r tool floor us run="$scratch/run"
  for ((r = 0; r < runs; r++)); do
    declare -A round=()
    for tool in $(order "$r" "${tools[@]}"); do
      fresh_copy "$template" "$run"
      "tool_$tool" us "$run"
      verify_names "$run" "$scratch/after$count" "$tool"
      round[$tool]=$us
      round_kb[$tool]=$last_kb
      if [ "$tool" = quillon ]; then
        timed us "${in_cwd[@]}" "$cli" undo --journal "$scratch/journal.json"
        verify_names "$run" "$scratch/before$count" "undo"
        round[undo]=$us
        round_kb[undo]=$last_kb
        fresh_copy "$renamed" "$run"
        timed us "$loop" "$run" dat txt
        verify_names "$run" "$scratch/before$count" "loop back"
        round[back]=$us
        round_kb[back]=$last_kb
      fi
    done
    floor=${round[loop]}
    for tool in "${!round[@]}"; do
      last_kb=${round_kb[$tool]}
      [ "$tool" = undo ] || [ "$tool" = back ] && continue
      record "$section" "${label_name[$tool]}" "${round[$tool]}" "$floor"
    done
    if [ -n "${round[undo]:-}" ]; then
      for tool in back undo; do
        last_kb=${round_kb[$tool]}
        record "undo$count" "${label_name[$tool]}" "${round[$tool]}" "${round[back]}"
      done
    fi
    unset round
  done
  rm -rf "$template" "$renamed" "$run"
}
declare -A round_kb

peers=()
[ "$have_mmv" -eq 1 ] && peers+=(mmv)
[ "$have_rename" -eq 1 ] && peers+=(rename)
rename_section "$files" loop sorted quillon json "${peers[@]}"
if [ "$sizes" -eq 1 ]; then
  for count in 1000 10000; do
    rename_section "$count" loop sorted quillon "${peers[@]}"
  done
fi

# --- copy ----------------------------------------------------------------------------

echo "Copying 2,000 files of 100 KB on $fs_type: quillon-cli, cp -a; $runs paired rounds"
src="$scratch/copy-src"
mkdir "$src"
head -c 100000 /dev/urandom >"$scratch/blob"
for ((k = 0; k < 2000; k++)); do cp "$scratch/blob" "$(printf '%s/f%04d.bin' "$src" "$k")"; done
cat >"$scratch/copy.json" <<EOF
{"selection": {"SelectionMode": "All", "MaxSelectLimit": 0},
 "action": {"ActionName": "Copy", "DestFolder": "$scratch/copy-dst"}}
EOF
verify_copy() {
  diff -r "$src" "$scratch/copy-dst" >/dev/null || { echo "FAIL: $1 copied wrongly" >&2; exit 1; }
}
for ((r = 0; r < runs; r++)); do
  declare -A round=()
  for tool in $(order "$r" cp quillon); do
    rm -rf "$scratch/copy-dst"
    mkdir "$scratch/copy-dst"
    sync -f "$scratch" 2>/dev/null || true
    if [ "$tool" = cp ]; then
      timed us cp -a "$src/." "$scratch/copy-dst/"
    else
      timed us "${in_cwd[@]}" "$cli" run "$scratch/copy.json" --folder "$src" --journal "$scratch/journal.json"
    fi
    verify_copy "$tool"
    round[$tool]=$us
    round_kb[$tool]=$last_kb
  done
  for tool in cp quillon; do
    last_kb=${round_kb[$tool]}
    record copy "$([ "$tool" = cp ] && echo "cp -a" || echo "quillon-cli run (Copy)")" "${round[$tool]}" "${round[cp]}"
  done
  unset round
done
rm -rf "$src" "$scratch/copy-dst"

# --- preview, and memory at the selection's limit ------------------------------------

echo "Previewing 32,767 files with all criteria on $fs_type; $runs paired rounds"
big="$scratch/big"
mkdir "$big"
awk 'BEGIN { split("Paris Rome Oslo Lima", p, " ")
             for (i = 0; i < 32767; i++) printf "IMG %05d holiday-beach %s.%s\n", i, p[i % 4 + 1], (i % 3 == 0 ? "jpg" : "png") }' |
  (cd "$big" && tr '\n' '\0' | xargs -0 touch)
# The record of bench/all_criteria.h, as a job file.
cat >"$scratch/all.json" <<'EOF'
{
  "selection": {"SelectionMode": "All", "MaxSelectLimit": 0},
  "criteria": {
    "CaseScope": "FirstLetterOfWords", "CaseChange": "Upper Case",
    "ExtText": "jpeg",
    "SpaceOn": true, "SpaceWith": "_",
    "HandleThis": "-", "HandleMode": 2, "HandleWith": "_",
    "InsertPlace": "InsertAfterNumChars", "InsertText": "x", "InsertAfterNum": 3,
    "ReplacePlace": "ReplaceAString", "ReplaceString": "IMG", "ReplaceWith": "Photo",
    "RemovePlace": "RemoveCharBeforeNumChars", "RemoveNumChars": 2, "RemoveBeforeNum": 1,
    "AutoKind": "Number", "AutoPlace": "AutoBeforeNumChars", "AutoBeforeNum": 0,
    "AutoStartNumber": 1, "AutoZeroFill": 2,
    "Priority": ["Remove", "Insert", "Replace"]
  },
  "action": {"ActionName": "Rename"}
}
EOF
"$compute" "$big" --print >"$scratch/floor-names"
"${in_cwd[@]}" "$cli" preview "$scratch/all.json" --folder "$big" | sed -n "1,32767p" >"$scratch/cli-names"
cmp -s "$scratch/floor-names" "$scratch/cli-names" ||
  { echo "FAIL: quillon-cli preview computed other names than the floor" >&2; exit 1; }
for ((r = 0; r < runs; r++)); do
  declare -A round=()
  for tool in $(order "$r" floor preview json); do
    case $tool in
      floor) timed us "${in_cwd[@]}" "$compute" "$big" ;;
      preview) timed us "${in_cwd[@]}" "$cli" preview "$scratch/all.json" --folder "$big" ;;
      json) timed us "${in_cwd[@]}" "$cli" preview "$scratch/all.json" --folder "$big" --json ;;
    esac
    round[$tool]=$us
    round_kb[$tool]=$last_kb
  done
  declare -A pname=([floor]="list and compute" [preview]="quillon-cli preview" [json]="quillon-cli preview --json")
  for tool in floor preview json; do
    last_kb=${round_kb[$tool]}
    record preview "${pname[$tool]}" "${round[$tool]}" "${round[floor]}"
  done
  unset round
done

# Peak memory of the whole job at the limit, run then undo, plain and with --json.
declare -A mem_run mem_undo
for variant in plain json; do
  flag=()
  [ "$variant" = json ] && flag=(--json)
  rm -rf "$scratch/mem" && cp -a "$big" "$scratch/mem"
  timed us "${in_cwd[@]}" "$cli" run "$scratch/all.json" --folder "$scratch/mem" --journal "$scratch/journal.json" "${flag[@]}"
  mem_run[$variant]=$last_kb
  timed us "${in_cwd[@]}" "$cli" undo --journal "$scratch/journal.json" "${flag[@]}"
  mem_undo[$variant]=$last_kb
  [ "$(find "$scratch/mem" -type f | wc -l)" -eq 32767 ] || { echo "FAIL: memory run lost files" >&2; exit 1; }
done
rm -rf "$big" "$scratch/mem"

# --- report ------------------------------------------------------------------------

echo
echo "On $fs_type ($(nproc) cores); medians of $runs paired rounds; × floor is the median of the rounds' ratios"
echo
echo "Rename of $files files (floor: the bare loop)"
report "rename$files" "bare renameat2 loop" "bare loop, name order" "quillon-cli run" "quillon-cli run --json" mmv "perl rename"
if [ "$sizes" -eq 1 ]; then
  for count in 1000 10000; do
    echo "Rename of $count files"
    report "rename$count" "bare renameat2 loop" "bare loop, name order" "quillon-cli run" mmv "perl rename"
  done
fi
echo "Undo of that rename (floor: the bare loop renaming back)"
report "undo$files" "bare loop, back" "quillon-cli undo"
echo "Copy of 2,000 files of 100 KB (floor: cp -a)"
report copy "cp -a" "quillon-cli run (Copy)"
echo "Preview of 32,767 files, all criteria (floor: list and compute)"
report preview "list and compute" "quillon-cli preview" "quillon-cli preview --json"
echo "Peak memory over 32,767 files, all criteria"
printf '  run %.1f MB, run --json %.1f MB, undo %.1f MB, undo --json %.1f MB\n' \
  "$(awk -v k="${mem_run[plain]}" 'BEGIN { print k / 1024 }')" \
  "$(awk -v k="${mem_run[json]}" 'BEGIN { print k / 1024 }')" \
  "$(awk -v k="${mem_undo[plain]}" 'BEGIN { print k / 1024 }')" \
  "$(awk -v k="${mem_undo[json]}" 'BEGIN { print k / 1024 }')"

rename_limit=1.2
[ "$fs_type" = tmpfs ] || rename_limit=1.1
q=$(med_ratio "rename$files" "quillon-cli run")
target "rename within ${rename_limit}x the bare loop on $fs_type" "$q" "<=" "$rename_limit"
for count in "$files" $([ "$sizes" -eq 1 ] && echo 1000 10000); do
  for peer in mmv "perl rename"; do
    [ -n "${ratios[rename$count:$peer]:-}" ] || continue
    target "rename of $count faster than $peer (ratio to it)" \
      "$(ratio "$(med_time "rename$count" "quillon-cli run")" "$(med_time "rename$count" "$peer")")" "<" 1
  done
done
target "undo within 1.3x the bare loop" "$(med_ratio "undo$files" "quillon-cli undo")" "<=" 1.3
target "--json adds at most 15% to a run" \
  "$(ratio "$(med_ratio "rename$files" "quillon-cli run --json")" "$q")" "<=" 1.15
target "preview within 2x list and compute" "$(med_ratio preview "quillon-cli preview")" "<=" 2
target "preview --json within 3x list and compute" "$(med_ratio preview "quillon-cli preview --json")" "<=" 3
target "copy no slower than cp -a" "$(med_ratio copy "quillon-cli run (Copy)")" "<=" 1
target "run at most 40 MB" "$(awk -v k="${mem_run[plain]}" 'BEGIN { printf "%.1f", k / 1024 }')" "<=" 40
for what in "run --json:${mem_run[json]}" "undo:${mem_undo[plain]}" "undo --json:${mem_undo[json]}"; do
  target "${what%%:*} at most 60 MB" "$(awk -v k="${what#*:}" 'BEGIN { printf "%.1f", k / 1024 }')" "<=" 60
done
[ "$have_mmv" -eq 1 ] || echo "mmv: skipped (could not be installed)"
[ "$have_rename" -eq 1 ] || echo "perl rename: skipped (could not be installed)"

echo
echo "quillon-cli targets:"
printf '%s\n' "${targets[@]}"
if [ "$strict" -eq 1 ] && [ "$missed" -eq 1 ]; then exit 1; fi
exit 0
