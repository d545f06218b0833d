#!/bin/sh
# Fails when a file of src/ includes a header of another folder that the arrow list in
# ARCHITECTURE.md does not allow.
root=${1:?usage: check_includes.sh PROJECT_DIR}
arrows=$(sed -n 's/^- \([a-z]*\) -> \([a-z]*\)$/\1:\2/p' "$root/ARCHITECTURE.md")
[ -n "$arrows" ] || { echo "no arrows found in ARCHITECTURE.md"; exit 1; }
bad=0
for dir in "$root"/src/*/; do
  from=$(basename "$dir")
  for file in "$dir"*; do
    [ -f "$file" ] || continue
    for to in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\)\/.*/\1/p' "$file" | sort -u); do
      [ "$to" = "$from" ] && continue
      case " $(echo $arrows) " in
        *" $from:$to "*) ;;
        *) echo "wrong-way include: ${file#"$root"/} includes $to/"; bad=1 ;;
      esac
    done
  done
done
[ $bad -eq 0 ] && echo "every include follows the arrows"
exit $bad
