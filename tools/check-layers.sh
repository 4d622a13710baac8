#!/usr/bin/env bash
# Checks that the top-level folders stack: each folder's code includes only
# folders below it in the list, and no include climbs with "../" (every
# include names its folder from the top, as the include views expect).
#   tools/check-layers.sh        prints each offending include, exits 1
set -uo pipefail
cd "$(dirname "$0")/.."

# From the bottom up; a folder may include itself and those before it.
layers=(base calendar engine res platform alerts app render settings_ui cli program)

status=0
for ((i = 0; i < ${#layers[@]}; i++)); do
  folder=${layers[i]}
  allowed=" ${layers[*]:0:i+1} "
  while IFS= read -r line; do
    file=${line%%:*}
    target=$(sed -E 's/.*#include "([^"]*)".*/\1/' <<<"$line")
    case "$target" in
      ../*|*/../*) echo "$line: climbs with ../"; status=1; continue ;;
      */*) top=${target%%/*} ;;
      *) continue ;;  # a header beside the source
    esac
    if [[ "$allowed" != *" $top "* ]]; then
      echo "$file: includes $target, from $top/, above $folder/"
      status=1
    fi
  done < <(grep -rnE '^\s*#\s*include\s+"' --include='*.h' --include='*.cpp' --include='*.rc' "$folder" 2>/dev/null)
done
# Tests and benchmarks may include anything, but never by climbing.
if grep -rnE '^\s*#\s*include\s+"(\.\./|[^"]*/\.\./)' --include='*.h' --include='*.cpp' tests bench; then
  status=1
fi
[ "$status" -eq 0 ] && echo "layers: every include runs down (${layers[*]})"
exit "$status"
