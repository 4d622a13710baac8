#!/usr/bin/env bash
# End to end under Wine: Japanese text on a system without the face the
# drawing code names. --save-graph on a fresh prefix without font
# substitutes draws the graph exactly as on the bench, where ＭＳ ゴシック is
# mapped to IPAGothic by name: title, digits and Japanese alike, no boxes.
#   e2e-fonts.sh BUILD_DIR        (the Windows tree: BUILD_DIR/bin holds the executables)
set -uo pipefail
source "$(dirname "$0")/e2e-common.sh"
e2e_bench e2e-fonts

plain="$work/plain"
rm -rf "$plain"
mkdir -p "$plain"
"${bench[@]}" prepare --fresh

# The graph of 2024-01-11 at noon, with the settings of a first start.
save_graph() {  # PREFIX PNG
  MARILO_NOW=2024-01-11T12:00 "$root/tools/with-display.sh" \
    "$root/tools/wine-run.sh" --prefix "$1" "$MARILO_BIN/Marilo.exe" --save-graph "Z:${2//\//\\}" \
    > "$2.out" 2>&1
}
save_graph "$plain/prefix" "$plain/graph.png"
check "--save-graph without font substitutes ends with 0 ($?)" $?
save_graph "$work/prefix" "$work/graph.png"
check "--save-graph on the bench ends with 0 ($?)" $?
"$root/tools/wine-run.sh" --prefix "$plain/prefix" reg query \
  'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' 2>/dev/null | tr -d '\r' |
  grep -q 'IPA'; [ $? != 0 ]; check "the plain prefix maps no face to the IPA fonts" $?

# The title band (the day's date, 木 and 大潮) holds ink.
ink=$(convert "$plain/graph.png" -crop 193x14+0+0 +repage txt:- | grep -vc '#FFFFFF\|#000000\|^#')
[ "$ink" -gt 0 ]; check "the title band holds text ($ink pixels)" $?
diff=$(compare -metric AE "$plain/graph.png" "$work/graph.png" null: 2>&1)
[ "$diff" = 0 ]; check "the graph is the bench's, drawn with IPAGothic, pixel for pixel ($diff differ)" $?

server=$(command -v wineserver || echo /usr/lib/wine/wineserver)
WINEPREFIX="$plain/prefix" "$server" -k 2>/dev/null || true
"${bench[@]}" stop >/dev/null 2>&1 || true
e2e_summary
