#!/usr/bin/env bash
# Shows that a commit gives the same release files wherever and whenever it
# is built: two fresh clones in different folders, built one after the other
# with different umasks, time zones and locales by tools/release.sh, must give
# byte-identical Marilo.exe, setup and zip.
#   tools/check-reproducible.sh [COMMIT]     (default HEAD; exit 1 on a difference)
# Uncommitted changes are not part of the check. The clones live under
# build/reproducible/ (so that ccache, where set up, serves the second build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$root" rev-parse "${1:-HEAD}")
top="$root/build/reproducible"
rm -rf "$top"
mkdir -p "$top"

build() {  # build NAME SUBFOLDER UMASK TZ LOCALE
  local src="$top/$1/$2"
  mkdir -p "$(dirname "$src")"
  git clone -q --no-local --no-checkout "$root" "$src"
  git -C "$src" -c advice.detachedHead=false checkout -q "$commit"
  echo "== clone $1: $src (umask $3, TZ=$4, LC_ALL=$5)"
  (cd "$src" && umask "$3" && TZ="$4" LC_ALL="$5" tools/release.sh --out "$top/$1/dist" >/dev/null)
  cp "$src/build/release/bin/Marilo.exe" "$top/$1/dist/"
}
start=$(date +%s)
build a marilo 022 UTC C.UTF-8
build b some/other/folder/marilo-copy 002 Asia/Tokyo C
echo "== built twice in $(( $(date +%s) - start )) s"

cd "$top"
version=$(git -C "a/marilo" show HEAD:CMakeLists.txt | sed -n 's/^project(Marilo VERSION \([0-9.]*\).*/\1/p')
status=0
for f in Marilo.exe "Marilo-$version-win64.zip" "Marilo-$version-win64-setup.exe"; do
  sa=$(sha256sum <"a/dist/$f" | cut -d' ' -f1)
  sb=$(sha256sum <"b/dist/$f" | cut -d' ' -f1)
  if [ "$sa" = "$sb" ]; then
    echo "same       $sa  $f"
  else
    echo "DIFFERENT  $sa / $sb  $f"
    cmp -l "a/dist/$f" "b/dist/$f" | head -5 || true
    status=1
  fi
done
if [ "$status" != 0 ]; then
  echo "The builds differ; diffoscope $top/a/dist/FILE $top/b/dist/FILE shows where." >&2
else
  rm -rf "$top"
fi
exit "$status"
