#!/usr/bin/env node
// Measures the notification icons in a picture of the taskbar (a binary PPM,
// as `convert shot.png -crop ... ppm:-` writes it), for the end-to-end tests:
//   node tray-pixels.mjs repeats FILE.ppm   "icons N tallest H rows R columns C"
//     R and C: the percentage of neighbouring rows (columns) that cross a
//     figure (two changes of colour or more) and are identical. A picture
//     drawn at its size repeats few; one enlarged by 1.5 repeats every other.
//   node tray-pixels.mjs dark FILE.ppm      the number of dark pixels (every channel below 64)
//                                           in the rightmost icon
// The taskbar's colour is taken from the middle of the bottom row; an icon
// is a run of columns holding anything else.
import { readFileSync } from 'node:fs';

function readPpm(path) {
  const data = readFileSync(path);
  const fields = [];
  let i = 0;
  while (fields.length < 4) {
    while (/\s/.test(String.fromCharCode(data[i]))) i++;
    let j = i;
    while (!/\s/.test(String.fromCharCode(data[j]))) j++;
    fields.push(data.subarray(i, j).toString());
    i = j;
  }
  i++;
  const w = Number(fields[1]), h = Number(fields[2]);
  const at = (x, y) => { const o = i + 3 * (y * w + x); return (data[o] << 16) | (data[o + 1] << 8) | data[o + 2]; };
  return { w, h, at };
}

const changes = (line) => line.reduce((n, c, k) => n + (k > 0 && c !== line[k - 1] ? 1 : 0), 0);
const same = (a, b) => a.every((c, k) => c === b[k]);

function repeats(lines) {
  let count = 0, pairs = 0;
  for (let k = 1; k < lines.length; k++) {
    if (changes(lines[k]) < 2 || changes(lines[k - 1]) < 2) continue;
    pairs++;
    if (same(lines[k], lines[k - 1])) count++;
  }
  return [count, pairs];
}

const [cmd, file] = process.argv.slice(2);
const { w, h, at } = readPpm(file);
const bg = at(w >> 1, h - 1);
const range = (a, b) => Array.from({ length: b - a }, (_, k) => a + k);
const cols = range(0, w).filter((x) => range(0, h).some((y) => at(x, y) !== bg));
const icons = [];
for (const x of cols) {
  const run = icons[icons.length - 1];
  if (run && run[run.length - 1] === x - 1) run.push(x); else icons.push([x]);
}
if (cmd === 'dark') {
  let n = 0;
  for (const x of icons.length ? icons[icons.length - 1] : [])
    for (let y = 0; y < h; y++) {
      const c = at(x, y);
      if ((c >> 16) < 64 && ((c >> 8) & 0xff) < 64 && (c & 0xff) < 64) n++;
    }
  console.log(n);
} else if (cmd === 'repeats') {
  let tallest = 0, rs = 0, rn = 0, cs = 0, cn = 0;
  for (const run of icons) {
    const ys = range(0, h).filter((y) => run.some((x) => at(x, y) !== bg));
    const rows = range(ys[0], ys[ys.length - 1] + 1);
    tallest = Math.max(tallest, rows.length);
    const [a, b] = repeats(rows.map((y) => run.map((x) => at(x, y))));
    const [c, d] = repeats(run.map((x) => rows.map((y) => at(x, y))));
    rs += a; rn += b; cs += c; cn += d;
  }
  const pct = (n, d) => Math.floor((100 * n) / Math.max(d, 1));
  console.log(`icons ${icons.length} tallest ${tallest} rows ${pct(rs, rn)} columns ${pct(cs, cn)}`);
} else {
  console.error('usage: tray-pixels.mjs repeats|dark FILE.ppm');
  process.exit(2);
}
