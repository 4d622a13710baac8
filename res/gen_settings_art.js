#!/usr/bin/env node
// Draws the picture beside the clock preview of the settings dialog and
// writes it as a 24-bit bitmap:
//   clock_page.bmp   15 x 16: a corner of the taskbar's notification area,
//                    the background the clock icon is seen against
//   node gen_settings_art.js OUTDIR
'use strict';
const fs = require('fs');
const path = require('path');

const W = 15, H = 16;

// [r, g, b] of the pixel at column x, row y (y downward).
function tray(x, y) {
  if (y === 0) return [255, 255, 255];            // the taskbar's top highlight
  if (y === 1) return [212, 208, 200];
  if (x === 0 || y === 2) return [128, 128, 128]; // the sunken edge of the area
  if (x === 1 || y === 3) return [64, 64, 64];
  const t = (y - 4) / (H - 5);                    // the area's face, shaded downward
  return [Math.round(236 - 24 * t), Math.round(233 - 25 * t), Math.round(216 - 16 * t)];
}

function bmp(shade) {
  const stride = Math.ceil((W * 3) / 4) * 4;
  const pixels = Buffer.alloc(stride * H);
  for (let y = 0; y < H; y++) {
    const row = (H - 1 - y) * stride;  // bottom-up
    for (let x = 0; x < W; x++) {
      const [r, g, b] = shade(x, y);
      pixels[row + 3 * x] = b;
      pixels[row + 3 * x + 1] = g;
      pixels[row + 3 * x + 2] = r;
    }
  }
  const file = Buffer.alloc(14), info = Buffer.alloc(40);
  file.write('BM', 0, 'latin1');
  file.writeUInt32LE(14 + 40 + pixels.length, 2);
  file.writeUInt32LE(14 + 40, 10);
  info.writeUInt32LE(40, 0);
  info.writeInt32LE(W, 4);
  info.writeInt32LE(H, 8);
  info.writeUInt16LE(1, 12);
  info.writeUInt16LE(24, 14);
  info.writeUInt32LE(pixels.length, 20);
  return Buffer.concat([file, info, pixels]);
}

const out = process.argv[2] || '.';
fs.mkdirSync(out, { recursive: true });
fs.writeFileSync(path.join(out, 'clock_page.bmp'), bmp(tray));
