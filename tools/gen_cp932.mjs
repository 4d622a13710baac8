#!/usr/bin/env node
// Writes platform/cp932_table.cpp, the tables behind the cp932 codec
// (platform/cp932.h), from the C library's WINDOWS-31J character map (Debian
// package `locales`: /usr/share/i18n/charmaps/WINDOWS-31J.gz), which follows
// Microsoft's code page 932:
//   - 0x5C and 0x7E are U+005C and U+007E (not yen sign and overline), and
//     0x815F, 0x8160, 0x8161, 0x817C are U+FF3C, U+FF5E, U+2225, U+FF0D;
//   - the NEC special characters (row 13, 0x8740-0x879C), the NEC-selected
//     IBM extensions (0xED40-0xEEFC) and the IBM extensions (0xFA40-0xFC4B)
//     all decode. Where several codes share a character, encoding takes the
//     one the map does not mark irreversible, as Windows does: JIS X 0208 over
//     NEC row 13 (U+2252 -> 0x81E0), NEC row 13 over the IBM extensions
//     (U+2160 -> 0x8754), the IBM extensions over the NEC-selected ones
//     (U+2170 -> 0xFA40, U+7E8A -> 0xFA5C);
//   - the user-defined area 0xF040-0xF9FC is U+E000-U+E757 in order.
// Single bytes 0x80, 0xA0 and 0xFD-0xFF are not characters here (Windows
// maps them to U+0080 and U+F8F0-U+F8F3 by a best-fit rule); they decode to
// U+FFFD like every other invalid byte.
//
// Usage (from the repository root): node tools/gen_cp932.mjs [--check]
// --check writes nothing and exits 1 when the committed file differs.

import { readFileSync, writeFileSync, existsSync } from "node:fs";
import { gunzipSync } from "node:zlib";
import { fileURLToPath } from "node:url";
import { dirname, join } from "node:path";

const root = join(dirname(fileURLToPath(import.meta.url)), "..");
const target = join(root, "platform", "cp932_table.cpp");
const charmapPath = process.env.MARILO_CP932_CHARMAP ?? "/usr/share/i18n/charmaps/WINDOWS-31J.gz";
const check = process.argv.includes("--check");

function fail(message) {
  console.error(`gen_cp932: ${message}`);
  process.exit(2);
}

if (!existsSync(charmapPath)) fail(`${charmapPath} is missing (Debian package locales)`);
const charmap = gunzipSync(readFileSync(charmapPath)).toString("latin1");

const REPLACEMENT = 0xfffd;
const LEADS = [];
for (let b = 0x81; b <= 0x9f; ++b) LEADS.push(b);
for (let b = 0xe0; b <= 0xfc; ++b) LEADS.push(b);
const TRAILS = [];
for (let b = 0x40; b <= 0xfc; ++b) if (b !== 0x7f) TRAILS.push(b);
const isLead = (b) => LEADS.includes(b);
const pairIndex = (lead, trail) => LEADS.indexOf(lead) * TRAILS.length + TRAILS.indexOf(trail);

const single = new Array(256).fill(REPLACEMENT);
const double = new Array(LEADS.length * TRAILS.length).fill(REPLACEMENT);
const irreversible = new Set();  // codes that decode but are never written

// Lines of the map: [%IRREVERSIBLE%]<Uxxxx> /xHH[/xHH] NAME, between CHARMAP and END CHARMAP.
const body = charmap.slice(charmap.indexOf("\nCHARMAP\n"), charmap.indexOf("\nEND CHARMAP\n"));
let entries = 0;
for (const line of body.split("\n")) {
  const m = /^(%IRREVERSIBLE%)?<U([0-9A-F]{4})>\s+\/x([0-9a-f]{2})(?:\/x([0-9a-f]{2}))?\s/.exec(line);
  if (!m) {
    if (line.startsWith("<U") || line.startsWith("%IRR")) fail(`cannot read the line "${line}"`);
    continue;
  }
  const unicode = parseInt(m[2], 16);
  const first = parseInt(m[3], 16);
  if (m[4] === undefined) {
    if (isLead(first)) fail(`single byte 0x${m[3]} is a lead byte`);
    single[first] = unicode;
    if (m[1]) fail(`single byte 0x${m[3]} marked irreversible`);
  } else {
    const trail = parseInt(m[4], 16);
    if (!isLead(first) || !TRAILS.includes(trail)) fail(`0x${m[3]}${m[4]} is not a double-byte code`);
    double[pairIndex(first, trail)] = unicode;
    if (m[1]) irreversible.add((first << 8) | trail);
  }
  ++entries;
}

// What the codec and its callers take for granted.
let eudc = 0xe000;  // the user-defined area, 10 lead bytes of 188 codes each
for (let lead = 0xf0; lead <= 0xf9; ++lead)
  for (const trail of TRAILS)
    if (double[pairIndex(lead, trail)] !== eudc++) fail(`0x${lead.toString(16)}${trail.toString(16)} is not user-defined`);
for (let b = 0; b < 0x80; ++b) if (single[b] !== b) fail(`0x${b.toString(16)} is not ASCII`);
for (let b = 0xa1; b <= 0xdf; ++b)
  if (single[b] !== 0xff61 + b - 0xa1) fail(`0x${b.toString(16)} is not half-width katakana`);
for (const u of double) if (u < 0x80) fail("an ASCII character in a double-byte code");
for (const u of [...single, ...double]) if (u >= 0xd800 && u <= 0xdfff) fail("a surrogate in the map");

// Encoding: every reversible code, ordered by its character; one code per character.
const codes = [];
for (let b = 0; b < 256; ++b) if (single[b] !== REPLACEMENT) codes.push({ code: b, unicode: single[b] });
for (const lead of LEADS)
  for (const trail of TRAILS) {
    const unicode = double[pairIndex(lead, trail)];
    const code = (lead << 8) | trail;
    if (unicode !== REPLACEMENT && !irreversible.has(code)) codes.push({ code, unicode });
  }
codes.sort((a, b) => a.unicode - b.unicode);
for (let k = 1; k < codes.length; ++k)
  if (codes[k].unicode === codes[k - 1].unicode) fail(`U+${codes[k].unicode.toString(16)} has two reversible codes`);
// Every decoded character can be written back.
const decoded = new Set([...single, ...double].filter((u) => u !== REPLACEMENT));
if (decoded.size !== codes.length) fail(`${decoded.size} characters but ${codes.length} codes to write them`);

const hex = (v) => "0x" + v.toString(16).toUpperCase().padStart(4, "0");
function rows(values, perLine, indent = "    ") {
  const out = [];
  for (let k = 0; k < values.length; k += perLine) out.push(indent + values.slice(k, k + perLine).map(hex).join(", ") + ",");
  return out;
}

function cpp() {
  const out = [];
  out.push("// Generated by tools/gen_cp932.mjs from the WINDOWS-31J character map: do not edit.");
  out.push(`// ${entries} codes, ${codes.length} characters.`);
  out.push('#include "platform/cp932_table.h"');
  out.push("");
  out.push("namespace marilo::cp932 {");
  out.push("");
  out.push("// UTF-16 of each single byte; U+FFFD for lead bytes and bytes that are no character.");
  out.push("const char16_t kSingleByte[256] = {");
  out.push(...rows(single, 16));
  out.push("};");
  out.push("");
  out.push("// UTF-16 of each double-byte code, by lead byte (0x81-0x9F, 0xE0-0xFC) and trail byte");
  out.push("// (0x40-0x7E, 0x80-0xFC); U+FFFD for codes that are no character.");
  out.push("const char16_t kDoubleByte[kLeadCount * kTrailCount] = {");
  for (const lead of LEADS) {
    out.push(`    // 0x${lead.toString(16).toUpperCase()}`);
    const start = pairIndex(lead, TRAILS[0]);
    out.push(...rows(double.slice(start, start + TRAILS.length), 16));
  }
  out.push("};");
  out.push("");
  out.push("// The code written for each character (single bytes below 0x100), ordered by character.");
  out.push(`const uint16_t kCodesByChar[kCodeCount] = {`);
  out.push(...rows(codes.map((c) => c.code), 16));
  out.push("};");
  out.push("");
  out.push("}  // namespace marilo::cp932");
  return out.join("\n") + "\n";
}

const text = cpp();
const header = readFileSync(join(root, "platform", "cp932_table.h"), "utf8");
const declared = /kCodeCount = (\d+);/.exec(header);
if (!declared || Number(declared[1]) !== codes.length)
  fail(`platform/cp932_table.h must declare kCodeCount = ${codes.length};`);

if (check) {
  const same = existsSync(target) && readFileSync(target, "utf8") === text;
  if (!same) {
    console.error("gen_cp932: platform/cp932_table.cpp differs from what tools/gen_cp932.mjs writes");
    process.exit(1);
  }
  console.log("gen_cp932: platform/cp932_table.cpp is up to date");
} else {
  writeFileSync(target, text);
  console.log(`gen_cp932: wrote platform/cp932_table.cpp (${codes.length} characters)`);
}
