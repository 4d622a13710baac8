#!/usr/bin/env node
// Compares the engine's sunrise, sunset, civil twilight, moonrise and moonset
// (marilo-cli --sun --tsv) with those of the npm package astronomy-engine, an
// independent ephemeris (VSOP87 and a full lunar theory, topocentric), at the
// ports' table positions and in their zone time. Usage, from the repository
// root after a native build and `npm ci --prefix tools/ephemeris`:
//
//   node tools/ephemeris/compare.mjs            # the full run, a few minutes; prints the report
//   node tools/ephemeris/compare.mjs --write    # ... and writes it into docs/accuracy.md
//   node tools/ephemeris/compare.mjs --quick    # four ports, one year: a few seconds (tools/test.sh)
//   node tools/ephemeris/compare.mjs --ports 51210,50213 [--years 2026-2027]   # chosen ports and years
//   [--cli build/native/cli/marilo-cli]
//   node tools/ephemeris/compare.mjs --times LAT,LON,MERIDIAN YYYY-MM-DD [DAYS]
//                                               # the reference's times at a place (the tests' literals)
//
// Exits 1 when fewer than 99% of the sun events are within 1 minute or of the
// moon events within 2 minutes, or when the dates without an event differ.

import { execFileSync } from "node:child_process";
import { readFileSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import * as Astronomy from "astronomy-engine";

const root = join(dirname(fileURLToPath(import.meta.url)), "..", "..");
const args = process.argv.slice(2);
const arg = (name, fallback) => (args.includes(name) ? args[args.indexOf(name) + 1] : fallback);
const quick = args.includes("--quick");
const write = args.includes("--write");
const cli = arg("--cli", join(root, "build", "native", "cli", "marilo-cli"));
const here = dirname(fileURLToPath(import.meta.url));
const version = JSON.parse(readFileSync(join(here, "node_modules", "astronomy-engine", "package.json"), "utf8")).version;

// The ports' positions as the table holds them ("dd.mm" texts), read from the
// generated source, and their zone: Japan Standard Time for every Japanese
// port (groups 0..47), the meridian nearest the longitude for those abroad.
const degMin = (text) => { const x = parseFloat(text), w = Math.trunc(x); return w + (x - w) * 1.6666666666666665; };
function readPorts() {
  const src = readFileSync(join(root, "engine", "port_table_data.cpp"), "utf8");
  const re = /\/\/ (\d+): group (\d+) index (\d+), ([^:]+):[^\n]*\n[^\n]*\n[^\n]*\n\s*"[^"]*", "([\d.]+)", "([\d.]+)"/g;
  const ports = [];
  for (const m of src.matchAll(re)) {
    const group = +m[2], lat = degMin(m[5]), lon = degMin(m[6]);
    ports.push({ row: +m[1], group, id: 50001 + 100 * group + +m[3], name: m[4], lat, lon,
      zone: group <= 47 ? 135 : 15 * Math.floor((lon + 7.5) / 15) });
  }
  if (ports.length !== 358) throw new Error(`read ${ports.length} ports from port_table_data.cpp, not 358`);
  return ports;
}

const EVENTS = [
  // name, column, body, direction, altitude of the centre (null: the upper limb with refraction)
  ["civil_dawn", Astronomy.Body.Sun, +1, -6],
  ["sunrise", Astronomy.Body.Sun, +1, null],
  ["sunset", Astronomy.Body.Sun, -1, null],
  ["civil_dusk", Astronomy.Body.Sun, -1, -6],
  ["moonrise", Astronomy.Body.Moon, +1, null],
  ["moonset", Astronomy.Body.Moon, -1, null],
].map(([name, body, direction, altitude]) => ({ name, body, direction, altitude, moon: body === Astronomy.Body.Moon }));

// The reference: the first event of the date from 0:00 zone time, in minutes
// after 0:00 (exact), or null when the date has none.
function reference(port, y, m, d) {
  const observer = new Astronomy.Observer(port.lat, port.lon, 0);
  const start = Astronomy.MakeTime(new Date(Date.UTC(y, m - 1, d) - (port.zone / 15) * 3600e3));
  return EVENTS.map((e) => {
    const t = e.altitude === null
      ? Astronomy.SearchRiseSet(e.body, observer, e.direction, start, 1)
      : Astronomy.SearchAltitude(e.body, observer, e.direction, start, 1, e.altitude);
    return t === null ? null : (t.ut - start.ut) * 1440;
  });
}
const hhmm = (m) => (m === null ? "-" : `${String(Math.floor(m / 60)).padStart(2, "0")}:${String(m % 60).padStart(2, "0")}`);
// Rounded as the engine rounds: to the nearest minute, the last half minute of the date kept on it.
const shown = (exact) => (exact === null ? null : Math.min(1439, Math.floor(exact + 0.5)));

function engine(port, year, days) {
  const out = execFileSync(cli, ["--port", String(port.id), "--date", `${year}-01-01`, "--time", "00:00",
    "--days", String(days), "--sun", "--tsv"], { encoding: "utf8", maxBuffer: 1 << 28 });
  const [header, ...lines] = out.replace(/\n$/, "").split("\n");
  const cols = header.split("\t");
  const at = EVENTS.map((e) => cols.indexOf(e.name));
  return lines.map((l) => {
    const f = l.split("\t");
    return { date: f[0], times: at.map((i) => (f[i] === "" ? null : +f[i].slice(0, 2) * 60 + +f[i].slice(3, 5))) };
  });
}

const daysIn = (year) => ((year % 4 === 0 && year % 100 !== 0) || year % 400 === 0 ? 366 : 365);

function run(ports, years) {
  const stats = EVENTS.map(() => ({ both: 0, same: 0, within: 0, diffs: [], engineOnly: [], referenceOnly: [] }));
  let portDays = 0;
  for (const port of ports) {
    for (const year of years) {
      const rows = engine(port, year, daysIn(year));
      for (const row of rows) {
        const [y, m, d] = row.date.split("-").map(Number);
        const ref = reference(port, y, m, d);
        portDays++;
        EVENTS.forEach((e, k) => {
          const s = stats[k], mine = row.times[k], exact = ref[k];
          if (mine === null && exact === null) return;
          const where = `${port.name} (${port.id}) ${row.date}`;
          // Minutes from 1970 in zone time, to pair an event that the two sides put on neighbouring dates.
          const day = Date.UTC(y, m - 1, d) / 60000;
          if (exact === null) { s.engineOnly.push({ port: port.id, at: day + mine, text: `${where} engine ${hhmm(mine)}` }); return; }
          if (mine === null) { s.referenceOnly.push({ port: port.id, at: day + exact, text: `${where} reference ${exact.toFixed(2)} min` }); return; }
          s.both++;
          if (mine === shown(exact)) s.same++;
          if (Math.abs(mine - shown(exact)) <= (e.moon ? 2 : 1)) s.within++;
          s.diffs.push(mine - exact);
        });
      }
    }
  }
  // An event within seconds of midnight may fall on one date for the engine
  // and on the next for the reference: the same event, told apart by seconds.
  for (const s of stats) {
    s.atMidnight = [];
    s.engineOnly = s.engineOnly.filter((a) => {
      const i = s.referenceOnly.findIndex((b) => b.port === a.port && Math.abs(b.at - a.at) <= 2);
      if (i < 0) return true;
      s.atMidnight.push(`${a.text} / ${s.referenceOnly[i].text}`);
      s.referenceOnly.splice(i, 1);
      return false;
    });
  }
  return { stats, portDays };
}

const pct = (a, q) => a[Math.min(a.length - 1, Math.floor(a.length * q))];
function summary(label, ports, years, result) {
  const lines = [];
  const range = years.length > 1 ? `${years[0]}–${years[years.length - 1]}` : `${years[0]}`;
  lines.push(`**${label}**: ${ports.length === 358 ? "all 358 ports" : ports.map((p) => p.name).join(", ")}, ${range}, ${result.portDays} port-days.`);
  lines.push("");
  lines.push("| event | dates with the event | same minute as the reference | within 1 min (sun) or 2 min (moon) | Δ median | \\|Δ\\| p99 | \\|Δ\\| max | at midnight, on neighbouring dates | dates with it on one side only |");
  lines.push("|---|---|---|---|---|---|---|---|---|");
  let ok = true;
  EVENTS.forEach((e, k) => {
    const s = result.stats[k];
    const abs = s.diffs.map(Math.abs).sort((a, b) => a - b);
    const sorted = [...s.diffs].sort((a, b) => a - b);
    const share = s.both ? (100 * s.within) / s.both : 100;
    const oneSide = s.engineOnly.length + s.referenceOnly.length;
    if (share < 99 || oneSide > 0) ok = false;
    lines.push(`| ${e.name} | ${s.both} | ${((100 * s.same) / Math.max(1, s.both)).toFixed(2)}% | ${share.toFixed(2)}% (${s.both - s.within} outside) | ${pct(sorted, 0.5).toFixed(2)} | ` +
      `${pct(abs, 0.99).toFixed(2)} | ${abs[abs.length - 1].toFixed(2)} | ${s.atMidnight.length} | ${oneSide} |`);
  });
  lines.push("");
  const list = (what, items) => {
    if (items.length) lines.push(`${what}: ` + items.slice(0, 20).join("; ") + (items.length > 20 ? "; …" : "") + ".", "");
  };
  list("At midnight, on neighbouring dates (engine / reference)",
    result.stats.flatMap((s, k) => s.atMidnight.map((x) => `${EVENTS[k].name} ${x}`)));
  list("Dates with an event on one side only",
    result.stats.flatMap((s, k) => [...s.engineOnly, ...s.referenceOnly].map((x) => `${EVENTS[k].name}: ${x.text}`)));
  return { lines, ok };
}

if (args.includes("--times")) {
  const [lat, lon, zone] = arg("--times").split(",").map(Number);
  const from = args[args.indexOf("--times") + 2];
  const days = +(args[args.indexOf("--times") + 3] ?? 1);
  console.log(["date", ...EVENTS.map((e) => e.name)].join("\t"));
  for (let k = 0; k < days; k++) {
    const day = new Date(Date.parse(from + "T00:00:00Z") + k * 86400e3);
    const ref = reference({ lat, lon, zone }, day.getUTCFullYear(), day.getUTCMonth() + 1, day.getUTCDate());
    console.log([day.toISOString().slice(0, 10), ...ref.map((x) => `${hhmm(shown(x))} (${x === null ? "-" : x.toFixed(2)})`)].join("\t"));
  }
  process.exit(0);
}

if (write && (quick || args.includes("--ports"))) {
  console.error("--write takes the full run only: docs/accuracy.md reports every port and eighty years");
  process.exit(2);
}

const ports = readPorts();
const byId = (id) => ports.find((p) => p.id === id);
// Far north (片岡湾 50.7° N, 稚内), the default port, the far south-west (石垣), and abroad
// (サイパン UTC+10, ポナペ UTC+11).
const spread = [50001, 50101, 52214, 54702, 58001, 58003].map(byId);
const yearsFrom = (text) => { const [a, b = a] = text.split("-").map(Number); return Array.from({ length: b - a + 1 }, (_, i) => a + i); };
const runs = args.includes("--ports")
  ? [["Selected ports", arg("--ports").split(",").map(Number).map(byId), yearsFrom(arg("--years", "2026"))]]
  : quick
  ? [["Quick check", [50001, 52214, 54702, 58003].map(byId), [2026]]]
  : [["Every port", ports, [2026]], ["Eighty years", spread, yearsFrom("1980-2059")]];

const report = [];
let allOk = true;
for (const [label, list, years] of runs) {
  const t0 = Date.now();
  const { lines, ok } = summary(label, list, years, run(list, years));
  allOk &&= ok;
  report.push(...lines);
  console.error(`${label}: ${((Date.now() - t0) / 1000).toFixed(0)} s${quick ? "" : "\n" + lines.join("\n")}`);
}

const section = [
  "<!-- sun-moon: written by tools/ephemeris/compare.mjs --write; tools/porttable/accuracy.mjs keeps it -->",
  "## Sunrise, sunset, twilight, moonrise and moonset",
  "",
  `Produced by \`tools/ephemeris/compare.mjs\`: the times \`marilo-cli --sun --tsv\` prints against those of the`,
  `npm package \`astronomy-engine\` ${version} (a test-time tool only), at each port's position as the table holds it,`,
  "at sea level, in the port's zone time.",
  "",
  "- The reference: `SearchAltitude` with −6° for civil dawn and dusk (the Sun's centre, topocentric, no",
  "  refraction) and `SearchRiseSet` for sunrise, sunset, moonrise and moonset (upper limb, 34′ of",
  "  refraction, topocentric, so the Moon's parallax is in), each the first event from 0:00 zone time",
  "  within the date, rounded as the engine rounds (to the nearest minute; the last half minute of a date stays on it).",
  "- The engine: the Sun of Meeus' low-accuracy solar theory, the Moon of the main ELP-2000/82 terms",
  "  (Meeus, ch. 47), four nutation terms, hourly samples of the altitude refined to a tenth of a second.",
  "- Δ = the engine's shown minute − the reference's exact time, in minutes: rounding alone makes",
  "  |Δ| up to 0.5, so a p99 near 0.5 means the two agree to a few seconds; an event in the last",
  "  half minute of a date, shown as 23:59, makes up to 1.",
  "- *At midnight, on neighbouring dates*: an event within seconds of midnight that one side puts at",
  "  the end of a date and the other at the start of the next (23:59 on one, 0:00 on the other). It is",
  "  the same event, listed below each table; any other date with an event on one side only fails the check.",
  "- The check (also `--quick`, four ports over a year, in `tools/test.sh`): at least 99% of the sun",
  "  events within 1 minute and of the moon events within 2 minutes, and no date with an event on one side only.",
  "",
  ...report,
  "<!-- sun-moon: end -->",
].join("\n");

console.log(quick ? report.join("\n") : section);
if (write) {
  const path = join(root, "docs", "accuracy.md");
  const doc = readFileSync(path, "utf8");
  const begin = doc.indexOf("<!-- sun-moon:");
  const end = doc.indexOf("<!-- sun-moon: end -->");
  const next = begin >= 0 && end > begin
    ? doc.slice(0, begin) + section + doc.slice(end + "<!-- sun-moon: end -->".length)
    : doc.replace(/\n*$/, "\n\n") + section + "\n";
  writeFileSync(path, next);
  console.error(`wrote ${path}`);
}
if (!allOk) {
  console.error("FAIL: fewer than 99% within the tolerance, or dates with an event on one side only");
  process.exit(1);
}
