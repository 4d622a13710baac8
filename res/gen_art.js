#!/usr/bin/env node
// Draws the program's icons from geometry and writes them as .ico files:
//   app.ico          the application (resource 128): a wave under a moon
//   moon00..15.ico   the moon's phase in the tray (173..188), new moon first
//   gmoon00..15.ico  the moon's phase in the tide graph (157..172), on its black plate
//   now5.ico         the present moment in the graph at its smallest size (189), 5 x 5
//   now7.ico         the present moment at the larger sizes (190), 7 x 7
//   turn7.ico        a high or low water in the graph (191), 7 x 7
//   alert.ico        the alert mark (202)
// The tray's pictures (application, moon, alert) hold an image for every
// small-icon size from 100% to 300% scaling (16, 20, 24, 28, 32, 40, 48),
// so that none is enlarged from a smaller one; the graph's moons are 16 x 16.
// All are 32 bits per pixel with an AND mask, supersampled 4 x 4 for smooth
// edges; the graph's marks are one image each, drawn pixel for pixel.
//   node gen_art.js OUTDIR
'use strict';
const fs = require('fs');
const path = require('path');

const SS = 4;

// shade(x, y) on the unit square [0,1)^2 gives [r, g, b, a] (0..255, a 0..1)
function render(size, shade) {
  const px = new Float64Array(size * size * 4);
  for (let y = 0; y < size; y++) {
    for (let x = 0; x < size; x++) {
      let r = 0, g = 0, b = 0, a = 0;
      for (let sy = 0; sy < SS; sy++) {
        for (let sx = 0; sx < SS; sx++) {
          const c = shade((x + (sx + 0.5) / SS) / size, (y + (sy + 0.5) / SS) / size);
          if (!c) continue;
          r += c[0] * c[3]; g += c[1] * c[3]; b += c[2] * c[3]; a += c[3];
        }
      }
      const i = (y * size + x) * 4;
      if (a > 0) { px[i] = r / a; px[i + 1] = g / a; px[i + 2] = b / a; }
      px[i + 3] = a / (SS * SS);
    }
  }
  return px;
}

function icoImage(size, px) {
  const header = Buffer.alloc(40);
  header.writeUInt32LE(40, 0);
  header.writeInt32LE(size, 4);
  header.writeInt32LE(size * 2, 8);
  header.writeUInt16LE(1, 12);
  header.writeUInt16LE(32, 14);
  const colour = Buffer.alloc(size * size * 4);
  const maskStride = Math.ceil(size / 32) * 4;
  const mask = Buffer.alloc(maskStride * size);
  for (let y = 0; y < size; y++) {
    const row = size - 1 - y;  // bottom-up
    for (let x = 0; x < size; x++) {
      const i = (y * size + x) * 4;
      const alpha = Math.round(px[i + 3] * 255);
      const o = (row * size + x) * 4;
      colour[o] = Math.round(px[i + 2]);
      colour[o + 1] = Math.round(px[i + 1]);
      colour[o + 2] = Math.round(px[i]);
      colour[o + 3] = alpha;
      if (alpha < 128) mask[row * maskStride + (x >> 3)] |= 0x80 >> (x & 7);
    }
  }
  return Buffer.concat([header, colour, mask]);
}

const TRAY_SIZES = [16, 20, 24, 28, 32, 40, 48];

function ico(shade, sizes = TRAY_SIZES) {
  return icoOf(sizes, sizes.map((s) => render(s, shade)));
}

// An image drawn pixel for pixel: '#' in the colour, anything else clear.
function pixels(rows, colour) {
  const size = rows.length;
  const px = new Float64Array(size * size * 4);
  rows.forEach((row, y) => [...row].forEach((c, x) => {
    if (c !== '#') return;
    const i = (y * size + x) * 4;
    px.set([...colour, 1], i);
  }));
  return px;
}

function icoOf(sizes, renders) {
  const images = sizes.map((s, k) => icoImage(s, renders[k]));
  const dir = Buffer.alloc(6 + 16 * sizes.length);
  dir.writeUInt16LE(0, 0);
  dir.writeUInt16LE(1, 2);
  dir.writeUInt16LE(sizes.length, 4);
  let offset = dir.length;
  sizes.forEach((s, k) => {
    const e = 6 + 16 * k;
    dir.writeUInt8(s, e);
    dir.writeUInt8(s, e + 1);
    dir.writeUInt16LE(1, e + 4);
    dir.writeUInt16LE(32, e + 6);
    dir.writeUInt32LE(images[k].length, e + 8);
    dir.writeUInt32LE(offset, e + 12);
    offset += images[k].length;
  });
  return Buffer.concat([dir, ...images]);
}

// The moon: a disc whose lit part is bounded by the limb and the terminator,
// the ellipse of half-width r*cos(phase angle). Waxing phases are lit on the
// right (as seen from Japan), waning ones on the left.
const LIT = [255, 236, 150];
const DARK = [52, 58, 82];
function moonShade(j) {
  const phase = (2 * Math.PI * j) / 16;  // 0 new, pi full
  return (u, v) => {
    const x = u - 0.5, y = v - 0.5, r = 0.45;
    const d2 = x * x + y * y;
    if (d2 > r * r) return null;
    const half = Math.sqrt(r * r - y * y);
    const lit = phase <= Math.PI ? x > half * Math.cos(phase) : x < -half * Math.cos(phase);
    return [...(lit ? LIT : DARK), 1];
  };
}

// The application: a pale moon above two waves on a deep-blue disc.
function appShade(u, v) {
  const x = u - 0.5, y = v - 0.5;
  if (x * x + y * y > 0.48 * 0.48) return null;
  const wave1 = 0.62 + 0.06 * Math.sin(u * 2 * Math.PI * 1.5);
  const wave2 = 0.76 + 0.05 * Math.sin(u * 2 * Math.PI * 1.5 + 1.5);
  if (v > wave2) return [20, 80, 170, 1];
  if (v > wave1) return [60, 150, 220, 1];
  const mx = u - 0.62, my = v - 0.32;
  if (mx * mx + my * my < 0.15 * 0.15) {
    const sx = u - 0.69, sy = v - 0.28;
    if (sx * sx + sy * sy < 0.13 * 0.13) return [16, 32, 72, 1];  // crescent
    return [255, 236, 150, 1];
  }
  return [16, 32, 72, 1];
}

// The alert: a red disc with a white exclamation mark.
function alertShade(u, v) {
  const x = u - 0.5, y = v - 0.5;
  if (x * x + y * y > 0.47 * 0.47) return null;
  const bar = Math.abs(x) < 0.075 && v > 0.18 && v < 0.62;
  const dx = u - 0.5, dy = v - 0.77;
  const dot = dx * dx + dy * dy < 0.085 * 0.085;
  return bar || dot ? [255, 255, 255, 1] : [210, 30, 30, 1];
}

// The graph's moon: the same phases, the dark part a little lighter so that
// it shows on the black plate.
function graphMoonShade(j) {
  const tray = moonShade(j);
  return (u, v) => {
    const c = tray(u, v);
    if (!c || c[0] !== DARK[0]) return c;
    return [84, 92, 120, 1];
  };
}

// The present moment: a yellow dot; a high or low water: an orange ring that
// leaves the curve through it visible.
const NOW = [255, 255, 0];
const TURN = [255, 160, 64];
const now5 = ['..#..', '.###.', '#####', '.###.', '..#..'];
const now7 = ['..###..', '.#####.', '#######', '#######', '#######', '.#####.', '..###..'];
const turn7 = ['..###..', '.#...#.', '#.....#', '#.....#', '#.....#', '.#...#.', '..###..'];

const out = process.argv[2] || '.';
fs.mkdirSync(out, { recursive: true });
fs.writeFileSync(path.join(out, 'app.ico'), ico(appShade));
fs.writeFileSync(path.join(out, 'alert.ico'), ico(alertShade));
for (let j = 0; j < 16; j++) {
  fs.writeFileSync(path.join(out, `moon${String(j).padStart(2, '0')}.ico`), ico(moonShade(j)));
  fs.writeFileSync(path.join(out, `gmoon${String(j).padStart(2, '0')}.ico`), ico(graphMoonShade(j), [16]));
}
fs.writeFileSync(path.join(out, 'now5.ico'), icoOf([5], [pixels(now5, NOW)]));
fs.writeFileSync(path.join(out, 'now7.ico'), icoOf([7], [pixels(now7, NOW)]));
fs.writeFileSync(path.join(out, 'turn7.ico'), icoOf([7], [pixels(turn7, TURN)]));
