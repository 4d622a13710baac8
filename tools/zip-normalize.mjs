// Rewrites a zip so that it depends on its contents alone: the entries in
// name order, every entry with the same given time, and no extra fields (the
// archiver adds the builder's user and group ids and the file times there).
// The compressed data is copied as it is.
//   node tools/zip-normalize.mjs FILE.zip EPOCH_SECONDS
// Run by CPack after it has made the zip (cmake/PackageFinish.cmake).
import { readFileSync, writeFileSync, renameSync } from "node:fs";

const [file, epochText] = process.argv.slice(2);
if (!file || !/^\d+$/.test(epochText ?? "")) {
  console.error("usage: zip-normalize.mjs FILE.zip EPOCH_SECONDS");
  process.exit(2);
}
const fail = (msg) => { console.error(`zip-normalize: ${file}: ${msg}`); process.exit(1); };

const zip = readFileSync(file);
// The end of central directory record: the last signature within the final
// 64 KiB (the comment's maximum length).
let eocd = -1;
for (let i = zip.length - 22; i >= Math.max(0, zip.length - 22 - 0xffff); i--) {
  if (zip.readUInt32LE(i) === 0x06054b50) { eocd = i; break; }
}
if (eocd < 0) fail("not a zip file");
const count = zip.readUInt16LE(eocd + 10);
const cdOffset = zip.readUInt32LE(eocd + 16);
if (count === 0xffff || cdOffset === 0xffffffff) fail("zip64 archives are not handled");

const entries = [];
let p = cdOffset;
for (let n = 0; n < count; n++) {
  if (zip.readUInt32LE(p) !== 0x02014b50) fail("broken central directory");
  const e = {
    madeBy: zip.readUInt16LE(p + 4),
    needed: zip.readUInt16LE(p + 6),
    flags: zip.readUInt16LE(p + 8) & 0x0800,  // keep only "name is UTF-8"
    method: zip.readUInt16LE(p + 10),
    crc: zip.readUInt32LE(p + 16),
    csize: zip.readUInt32LE(p + 20),
    usize: zip.readUInt32LE(p + 24),
    internalAttr: zip.readUInt16LE(p + 36),
    externalAttr: zip.readUInt32LE(p + 38),
    local: zip.readUInt32LE(p + 42),
  };
  const nameLen = zip.readUInt16LE(p + 28);
  const extraLen = zip.readUInt16LE(p + 30);
  const commentLen = zip.readUInt16LE(p + 32);
  e.name = zip.subarray(p + 46, p + 46 + nameLen);
  if (e.csize === 0xffffffff || e.usize === 0xffffffff || e.local === 0xffffffff) fail("zip64 entries are not handled");
  if (zip.readUInt32LE(e.local) !== 0x04034b50) fail(`broken local header of ${e.name}`);
  const start = e.local + 30 + zip.readUInt16LE(e.local + 26) + zip.readUInt16LE(e.local + 28);
  e.data = zip.subarray(start, start + e.csize);
  entries.push(e);
  p += 46 + nameLen + extraLen + commentLen;
}
entries.sort((a, b) => Buffer.compare(a.name, b.name));

// MS-DOS time and date of the epoch, in UTC (a zip entry has no zone).
const t = new Date(Number(epochText) * 1000);
if (t.getUTCFullYear() < 1980) fail("times before 1980 do not fit a zip");
const dosTime = (t.getUTCHours() << 11) | (t.getUTCMinutes() << 5) | (t.getUTCSeconds() >> 1);
const dosDate = ((t.getUTCFullYear() - 1980) << 9) | ((t.getUTCMonth() + 1) << 5) | t.getUTCDate();

// The fields a local header (from its byte 4) and a central directory entry
// (from its byte 6) share, in the same order.
const writeShared = (buf, at, e) => {
  buf.writeUInt16LE(e.needed, at);
  buf.writeUInt16LE(e.flags, at + 2);
  buf.writeUInt16LE(e.method, at + 4);
  buf.writeUInt16LE(dosTime, at + 6);
  buf.writeUInt16LE(dosDate, at + 8);
  buf.writeUInt32LE(e.crc, at + 10);
  buf.writeUInt32LE(e.csize, at + 14);
  buf.writeUInt32LE(e.usize, at + 18);
  buf.writeUInt16LE(e.name.length, at + 22);
};
const parts = [];
const central = [];
let offset = 0;
for (const e of entries) {
  const h = Buffer.alloc(30);  // no extra field
  h.writeUInt32LE(0x04034b50, 0);
  writeShared(h, 4, e);
  parts.push(h, e.name, e.data);
  const c = Buffer.alloc(46);  // no extra field, no comment, disk 0
  c.writeUInt32LE(0x02014b50, 0);
  c.writeUInt16LE(e.madeBy, 4);
  writeShared(c, 6, e);
  c.writeUInt16LE(e.internalAttr, 36);
  c.writeUInt32LE(e.externalAttr, 38);
  c.writeUInt32LE(offset, 42);
  central.push(c, e.name);
  offset += h.length + e.name.length + e.data.length;
}
const cdSize = central.reduce((s, b) => s + b.length, 0);
const end = Buffer.alloc(22);
end.writeUInt32LE(0x06054b50, 0);
end.writeUInt16LE(entries.length, 8);
end.writeUInt16LE(entries.length, 10);
end.writeUInt32LE(cdSize, 12);
end.writeUInt32LE(offset, 16);
writeFileSync(`${file}.tmp`, Buffer.concat([...parts, ...central, end]));
renameSync(`${file}.tmp`, file);
