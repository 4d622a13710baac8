#!/usr/bin/env bash
# Makes a fresh Wine prefix in DIR, as `wineboot --init` would, from a
# template made once.
#   wine-prefix.sh DIR
# wineboot writes some 700 MB of system files into every prefix, and the
# Windows tests use a dozen prefixes: as separate copies they filled the
# disk of a CI machine. The template (MARILO_WINE_TEMPLATE, default
# build/wine-template) is made on first use and again when Wine's version
# changes; a prefix made from it has its own registry and its own copy of
# everything small, while its system folders, which no test writes, are hard
# links to the template's files (a plain copy where the two sit on different
# file systems). A prefix so made takes about 25 MB and a fraction of a second to make.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dest="${1:?usage: wine-prefix.sh DIR}"
template="${MARILO_WINE_TEMPLATE:-$root/build/wine-template}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=$(command -v wine64 || command -v wine) || { echo "wine-prefix.sh: wine is not installed" >&2; exit 2; }
server=$(command -v wineserver || echo /usr/lib/wine/wineserver)
version=$("$wine" --version 2>/dev/null || echo unknown)

# The folders of DLLs and manifests that make up most of a prefix.
shared=(system32 syswow64 winsxs)

make_template() {
  rm -rf "$template"
  mkdir -p "$template/prefix"
  WINEPREFIX="$template/prefix" "$wine" wineboot --init >/dev/null 2>&1 || true
  WINEPREFIX="$template/prefix" "$server" -w 2>/dev/null || true
  [ -f "$template/prefix/system.reg" ] || { echo "wine-prefix.sh: wineboot made no prefix in $template" >&2; exit 1; }
  echo "$version" > "$template/wine-version"
}

# One maker at a time: the tests that run side by side share the template.
mkdir -p "$(dirname "$template")"
exec 9>"$template.lock"
flock 9
if [ ! -f "$template/wine-version" ] || [ "$(cat "$template/wine-version")" != "$version" ]; then
  make_template
fi
flock -u 9

src="$template/prefix"
mkdir -p "$dest/drive_c/windows"
is_shared() { local s; for s in "${shared[@]}"; do [ "$1" = "$s" ] && return 0; done; return 1; }
copy_except() {  # FROM TO SKIP: every entry of FROM but SKIP, copied into TO
  local entry
  for entry in "$1"/* "$1"/.[!.]*; do
    [ -e "$entry" ] || [ -L "$entry" ] || continue
    [ "$(basename "$entry")" = "$3" ] && continue
    cp -a "$entry" "$2/"
  done
}
copy_except "$src" "$dest" drive_c
copy_except "$src/drive_c" "$dest/drive_c" windows
for entry in "$src/drive_c/windows"/*; do
  name=$(basename "$entry")
  if is_shared "$name"; then
    cp -al "$entry" "$dest/drive_c/windows/" 2>/dev/null || cp -a "$entry" "$dest/drive_c/windows/"
  else
    cp -a "$entry" "$dest/drive_c/windows/"
  fi
done
