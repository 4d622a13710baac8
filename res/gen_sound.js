#!/usr/bin/env node
// Composes the alert sound (wave resource 203) and writes it as a RIFF/WAVE
// file: PCM, 2 channels, 11,025 samples per second, 16 bits, 6.2 seconds.
//   node gen_sound.js OUT.wav
//
// A soft chime: a rising E major arpeggio struck on a small bell (a few
// partials that die away at their own rates), each note placed a little to
// one side, then the top two notes once more, quieter, as an answer. Every
// partial stays well below half the sampling rate, so nothing folds back.
'use strict';
const fs = require('fs');

const RATE = 11025;
const SECONDS = 6.2;
const FRAMES = Math.round(RATE * SECONDS);

// [start s, frequency Hz, loudness, pan -1 left .. 1 right]
const notes = [
  [0.00, 659.26, 1.00, -0.35],   // E5
  [0.28, 830.61, 0.90, 0.35],    // G#5
  [0.56, 987.77, 0.85, -0.15],   // B5
  [0.84, 1318.51, 0.80, 0.15],   // E6
  [2.40, 987.77, 0.45, 0.30],    // B5, the answer
  [2.70, 1318.51, 0.40, -0.30],  // E6
];
// Bell partials: [ratio to the note, level, decay time s]
const partials = [
  [1.0, 1.0, 1.6],
  [2.0, 0.35, 0.9],
  [3.0, 0.12, 0.5],
  [0.5, 0.10, 2.2],  // a soft hum under the strike
];

const left = new Float64Array(FRAMES);
const right = new Float64Array(FRAMES);
for (const [start, f, loud, pan] of notes) {
  const first = Math.round(start * RATE);
  const gl = loud * Math.cos((pan + 1) * Math.PI / 4);
  const gr = loud * Math.sin((pan + 1) * Math.PI / 4);
  for (let i = first; i < FRAMES; i++) {
    const t = (i - first) / RATE;
    const attack = Math.min(1, t / 0.004);  // a 4 ms strike, no click
    let v = 0;
    for (const [ratio, level, decay] of partials) {
      const pf = f * ratio;
      if (pf > RATE * 0.45) continue;
      v += level * Math.exp(-t / decay) * Math.sin(2 * Math.PI * pf * t);
    }
    left[i] += v * attack * gl;
    right[i] += v * attack * gr;
  }
}
// The last half second fades to silence.
const fade = Math.round(0.5 * RATE);
for (let i = FRAMES - fade; i < FRAMES; i++) {
  const g = (FRAMES - i) / fade;
  left[i] *= g;
  right[i] *= g;
}
let peak = 0;
for (let i = 0; i < FRAMES; i++) peak = Math.max(peak, Math.abs(left[i]), Math.abs(right[i]));
const scale = (0.6 * 32767) / peak;

const data = Buffer.alloc(FRAMES * 4);
for (let i = 0; i < FRAMES; i++) {
  data.writeInt16LE(Math.round(left[i] * scale), i * 4);
  data.writeInt16LE(Math.round(right[i] * scale), i * 4 + 2);
}
const header = Buffer.alloc(44);
header.write('RIFF', 0, 'ascii');
header.writeUInt32LE(36 + data.length, 4);
header.write('WAVE', 8, 'ascii');
header.write('fmt ', 12, 'ascii');
header.writeUInt32LE(16, 16);
header.writeUInt16LE(1, 20);         // PCM
header.writeUInt16LE(2, 22);         // channels
header.writeUInt32LE(RATE, 24);
header.writeUInt32LE(RATE * 4, 28);  // bytes per second
header.writeUInt16LE(4, 32);         // bytes per frame
header.writeUInt16LE(16, 34);        // bits per sample
header.write('data', 36, 'ascii');
header.writeUInt32LE(data.length, 40);

const out = process.argv[2];
if (!out) {
  console.error('usage: node gen_sound.js OUT.wav');
  process.exit(2);
}
fs.writeFileSync(out, Buffer.concat([header, data]));
