#!/usr/bin/env bash
# Fails when a source folder includes a folder above it. The floors, lowest
# first; a folder may include its own floor's folders' headers only where
# listed, and anything on a lower floor.
set -euo pipefail
cd "$(dirname "$0")/.."

floor() {
  case "$1" in
    mifkit | mifkit.h) echo 0 ;;   # the public headers
    platform) echo 1 ;;
    core) echo 2 ;;
    lexer) echo 3 ;;
    database) echo 4 ;;
    grammar) echo 5 ;;
    query | generate | writer | hints) echo 6 ;;
    driver) echo 7 ;;
    json) echo 8 ;;
    tools | python) echo 9 ;;
    *) echo "" ;;
  esac
}

status=0
graph=""
for dir in include platform core lexer database grammar query generate writer hints driver json tools python; do
  [ -d "$dir" ] || continue
  from=$([ "$dir" = include ] && echo 0 || floor "$dir")
  while IFS=: read -r file target; do
    to_dir=${target%%/*}
    [ "$to_dir" = "$dir" ] && continue
    [ "$dir" = include ] && [ "$(floor "$to_dir")" = 0 ] && continue
    to=$(floor "$to_dir")
    [ -n "$to" ] || continue
    graph+="$dir -> $to_dir"$'\n'
    if [ "$to" -ge "$from" ]; then
      echo "$file includes $target, which is not below $dir/" >&2
      status=1
    fi
  done < <(grep -rHo --include='*.h' --include='*.cpp' --include='*.c' --include='*.l' --include='*.y' \
             '^#include "[^"]*"' "$dir" | sed 's/#include "\(.*\)"/\1/')
done
if [ "${1:-}" = "--graph" ]; then printf '%s' "$graph" | sort | uniq -c; fi
exit $status
