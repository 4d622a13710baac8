#!/usr/bin/env bash
# Checks that the portable libraries keep no state of their own: no object in
# a writable data section (.data, .bss, and their thread-local kin) except the
# caches a function keeps for itself (function-local statics, _ZZ..., and
# their guard variables, _ZGVZ...) and the compiler's personality reference.
# Tables behind relocations (.data.rel.ro) are read-only once loaded.
#   tools/check-writable.sh LIB.a...   prints each offending object, exits 1
set -uo pipefail
[ $# -gt 0 ] || { echo "usage: $0 LIB.a..." >&2; exit 2; }

status=0
for lib in "$@"; do
  if ! table=$(objdump -t "$lib"); then
    echo "$lib: cannot be read" >&2
    status=1
    continue
  fi
  # objdump -t: "VALUE FLAGS SECTION<tab>SIZE NAME"; O flags an object.
  while IFS= read -r name; do
    echo "$lib: writable object $(c++filt <<<"$name")"
    status=1
  done < <(awk -F'\t' 'NF >= 2 && $1 ~ / O / {
      n = split($1, f, " "); section = f[n]
      if (section !~ /^\.t?(data|bss)(\.|$)/ || section ~ /^\.data\.rel\.ro(\.|$)/) next
      m = split($2, g, " "); name = g[m]
      if (name ~ /^_Z(GV)?Z/ || name == "DW.ref.__gxx_personality_v0") next
      print name
    }' <<<"$table" | sort -u)
done
exit $status
