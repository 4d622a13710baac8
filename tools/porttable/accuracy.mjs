#!/usr/bin/env node
// Accuracy report: the engine's high and low waters for a whole year against
// those of an independent predictor, @neaps/tide-predictor, fed the same
// constants, at every port whose source station is the gauge at the port.
// Writes docs/accuracy.md. Usage (from the repository root, after building the
// native tree and `npm ci --prefix tools/porttable`):
//   node tools/porttable/accuracy.mjs [--cli build/native/cli/marilo-cli] [--year 2026]
//        [--out docs/accuracy.md] [--ports 91,176]

import { execFileSync } from "node:child_process";
import { readFileSync, writeFileSync } from "node:fs";
import { fileURLToPath } from "node:url";
import { dirname, join } from "node:path";
import { createTidePredictor } from "@neaps/tide-predictor";
import { buildTable, CONSTITUENTS, DATABASE_VERSION, mod360, textToDegrees } from "./lib/build.mjs";
import { findExtremes } from "./lib/engine-astronomy.mjs";

const root = join(dirname(fileURLToPath(import.meta.url)), "..", "..");
const arg = (name, dflt) => {
  const i = process.argv.indexOf(name);
  return i > 0 ? process.argv[i + 1] : dflt;
};
const CLI = arg("--cli", join(root, "build", "native", "cli", "marilo-cli"));
const YEAR = +arg("--year", "2026");
const OUT = arg("--out", join(root, "docs", "accuracy.md"));
const ONLY = arg("--ports", "") ? new Set(arg("--ports", "").split(",").map(Number)) : null;
const SPOT_DATE = arg("--spot-date", `${YEAR}-12-07`);
const SPOT_PORTS = ["晴海", "大阪", "那覇", "釧路", "石垣"];
const MATCH_WINDOW_MIN = 180;
const NEAPS_PROMINENCE_CM = 1;   // the predictor's default 0.01 m, in the cm the records use

const PREDICTOR_VERSION = JSON.parse(readFileSync(join(dirname(fileURLToPath(import.meta.url)),
  "node_modules", "@neaps", "tide-predictor", "package.json"), "utf8")).version;

// Names under which @neaps/tide-predictor knows the 40 constituents.
const NEAPS_NAME = {
  Sa: "SA", Ssa: "SSA", Mm: "MM", MSf: "MSF", Mf: "MF", rho1: "RHO1", pi1: "PI1", psi1: "PSI1", phi1: "PHI1",
  mu2: "MU2", nu2: "NU2", lambda2: "LAMBDA2",
};

// The engine's zone meridian (engine/tide_day.cpp): JST for groups 0..47,
// the nearest standard meridian abroad.
const zoneMeridianOf = (group, lon) => (group >= 0 && group <= 47 ? 135 : 15 * Math.floor((lon + 7.5) / 15));

// Greenwich phases back from a record: G = kappa - species * lambda.
function recordConstituents(row, { flipM3 = false, noM1 = false } = {}) {
  const lambda = textToDegrees(row.longitudeText);
  const out = [];
  CONSTITUENTS.forEach((c, i) => {
    if (!(row.amplitude[i] > 0)) return;
    if (noM1 && c.name === "M1") return;
    let G = mod360(row.phaseLag[i] - c.species * lambda);
    if (flipM3 && c.name === "M3") G = mod360(G + 180);
    out.push({ name: NEAPS_NAME[c.name] ?? c.name, amplitude: row.amplitude[i], phase: G });
  });
  return out;
}

function engineExtremes(row) {
  const p = row.port;
  const id = 50001 + 100 * p.group + p.gindex;
  const text = execFileSync(CLI, ["--tsv", "--port", String(id), "--date", `${YEAR}-01-01`, "--days", "365"],
    { maxBuffer: 64 << 20 }).toString("utf8");
  const lines = text.trim().split("\n");
  const head = lines.shift().split("\t");
  const col = (n) => head.indexOf(n);
  const zm = zoneMeridianOf(p.group, row.lon);
  const out = [];
  const fullAfter = [];   // [last slot ms, end of day ms] of days whose five slots all lie before 24:00
  for (const l of lines) {
    const f = l.split("\t");
    const [y, m, d] = f[col("date")].split("-").map(Number);
    const before = out.length;
    for (let s = 1; s <= 5; s++) {
      const t = f[col(`t${s}`)];
      if (!t) continue;
      const [hh, mm] = t.split(":").map(Number);
      if (hh >= 24) continue;   // the next day's row reports it
      const ms = Date.UTC(y, m - 1, d) + (hh * 60 + mm) * 60000 - (zm / 15) * 3600000;
      out.push({ ms, level: +f[col(`level${s}`)], kind: +f[col(`kind${s}`)] });
    }
    if (out.length - before === 5)
      fullAfter.push([out[out.length - 1].ms, Date.UTC(y, m - 1, d + 1) - (zm / 15) * 3600000]);
  }
  classify(out);
  return { extremes: out, zm, fullAfter };
}

// High or low: the engine's kind (0 high, 1 low), or for kind 2 (not
// classified) by the neighbours' levels.
function classify(xs) {
  xs.forEach((x, i) => {
    const prev = xs[i - 1]?.level, next = xs[i + 1]?.level;
    const ref = prev ?? next;
    const ref2 = next ?? prev;
    x.high = x.level > Math.min(ref, ref2);
    if (prev !== undefined && next !== undefined) x.high = x.level > (prev + next) / 2;
    if (x.kind === 0 || x.kind === 1) {
      x.high = x.kind === 0;
      // A kind that its neighbours contradict (higher than both yet "low", or
      // lower than both yet "high"): the level decides, and it is counted.
      if (prev !== undefined && next !== undefined) {
        if (x.level > prev && x.level > next && !x.high) { x.high = true; x.mislabelled = true; }
        else if (x.level < prev && x.level < next && x.high) { x.high = false; x.mislabelled = true; }
      }
    }
    x.prominence = Math.min(...[prev, next].filter((v) => v !== undefined).map((v) => Math.abs(x.level - v)));
  });
}

// The station's own constituents, all of them (not only the 40), M3 turned.
function stationConstituents(row) {
  return row.station.harmonic_constituents.map((c) => ({
    name: String(c.name).toUpperCase(), amplitude: c.amplitude * 100,
    phase: String(c.name).toUpperCase() === "M3" ? mod360(c.phase + 180) : c.phase,
  }));
}

// Constituents of the station that the 40 of the record leave out.
function droppedOf(row) {
  const kept = new Set(row.slots.filter(Boolean).map((s) => String(s.source).toUpperCase()));
  return row.station.harmonic_constituents.filter((c) => !kept.has(String(c.name).toUpperCase()))
    .map((c) => ({ name: c.name, cm: c.amplitude * 100 })).sort((a, b) => b.cm - a.cm);
}

function neapsExtremes(row, zm, opts) {
  const startMs = Date.UTC(YEAR, 0, 1) - (zm / 15) * 3600000;
  const endMs = Date.UTC(YEAR + 1, 0, 1) - (zm / 15) * 3600000;
  const z0 = parseFloat(row.meanLevelText);
  const cons = opts?.full ? stationConstituents(row) : recordConstituents(row, opts);
  const pred = createTidePredictor(cons, { offset: z0, prominenceThreshold: NEAPS_PROMINENCE_CM });
  const xs = pred.getExtremesPrediction({ start: new Date(startMs), end: new Date(endMs) })
    .map((e) => ({ ms: e.time.getTime(), level: e.level, high: e.high }));
  xs.forEach((x, i) => {
    const nb = [xs[i - 1], xs[i + 1]].filter(Boolean).map((o) => Math.abs(x.level - o.level));
    x.prominence = nb.length ? Math.min(...nb) : Infinity;
    // A high next to a high, or a low next to a low: the predictor's filter
    // removed the other member of a stand pair and kept this one.
    x.lone = [xs[i - 1], xs[i + 1]].some((o) => o && o.high === x.high);
  });
  return xs;
}

// Mutual nearest neighbours of the same type within the window.
function match(a, b) {
  const nearest = (x, list) => {
    let best = -1, bd = Infinity;
    let lo = 0, hi = list.length;
    while (lo < hi) { const mid = (lo + hi) >> 1; if (list[mid].ms < x.ms) lo = mid + 1; else hi = mid; }
    for (let j = Math.max(0, lo - 4); j < Math.min(list.length, lo + 4); j++) {
      const y = list[j];
      if (y.high !== x.high) continue;
      const d = Math.abs(y.ms - x.ms);
      if (d < bd) { bd = d; best = j; }
    }
    return bd <= MATCH_WINDOW_MIN * 60000 ? best : -1;
  };
  const pairs = [];
  const usedB = new Set();
  a.forEach((x, i) => {
    const j = nearest(x, b);
    if (j >= 0 && nearest(b[j], a) === i) { pairs.push([x, b[j]]); usedB.add(j); }
  });
  const matchedA = new Set(pairs.map((p) => p[0]));
  return { pairs, onlyA: a.filter((x) => !matchedA.has(x)), onlyB: b.filter((_, j) => !usedB.has(j)) };
}

function quantile(values, q) {
  if (!values.length) return NaN;
  const s = [...values].sort((x, y) => x - y);
  const pos = (s.length - 1) * q, lo = Math.floor(pos), hi = Math.ceil(pos);
  return s[lo] + (s[hi] - s[lo]) * (pos - lo);
}
const f1 = (x) => (Number.isFinite(x) ? x.toFixed(1) : "–");
const f2 = (x) => (Number.isFinite(x) ? x.toFixed(2) : "–");

function stats(pairs) {
  const dt = pairs.map(([e, n]) => (e.ms - n.ms) / 60000);
  const dh = pairs.map(([e, n]) => e.level - n.level);
  const adt = dt.map(Math.abs), adh = dh.map(Math.abs);
  return {
    n: pairs.length, dtMedian: quantile(dt, 0.5), adtMedian: quantile(adt, 0.5), adt95: quantile(adt, 0.95),
    adtMax: adt.reduce((a, b) => Math.max(a, b), 0), dhMedian: quantile(dh, 0.5), adhMedian: quantile(adh, 0.5), adh95: quantile(adh, 0.95),
    adhMax: adh.reduce((a, b) => Math.max(a, b), 0), dt, dh,
  };
}

// --- run ---------------------------------------------------------------------
const { rows } = buildTable();
const selected = rows.filter((r) => r.atPort && r.fixed !== "all" && (!ONLY || ONLY.has(r.port.index)));
const results = [];
const all = { pairs: [], onlyE: [], onlyN: [], pairsFlip: [], decomp: [] };
for (const row of selected) {
  const { extremes: eng, zm, fullAfter } = engineExtremes(row);
  const nea = neapsExtremes(row, zm);
  const m = match(eng, nea);
  const nf = neapsExtremes(row, zm, { flipM3: true });
  const mf = match(eng, nf);
  // Same harmonic function as the engine (JS transcription of its astronomy and level sum),
  // extremes found to the second: separates the engine's 20-minute scan from
  // its astronomy.
  const z0 = parseFloat(row.meanLevelText);
  const lambda = textToDegrees(row.longitudeText);
  const ref = findExtremes(YEAR, row.amplitude, row.phaseLag, lambda, zm, z0);
  const mr = match(eng, ref);
  const refNoM1 = findExtremes(YEAR, row.amplitude.map((a, i) => (i === 9 ? 0 : a)), row.phaseLag, lambda, zm, z0);
  const man = match(refNoM1, neapsExtremes(row, zm, { flipM3: true, noM1: true }));
  all.pairsAstroNoM1 = (all.pairsAstroNoM1 ?? []).concat(man.pairs);
  if (process.env.DEBUG_ONLY) for (const x of m.onlyB)
    process.stderr.write(`onlyP ${row.port.name} ${new Date(x.ms + zm / 15 * 3600000).toISOString()} ${x.level.toFixed(2)} ${x.high} prom ${x.prominence.toFixed(2)}\n`);
  if (process.env.DEBUG_SCAN) for (const [a, b] of mr.pairs) if (Math.abs(a.level - b.level) > 1)
    process.stderr.write(`scan ${row.port.name} ${new Date(a.ms).toISOString()} ${a.level} ${new Date(b.ms).toISOString()} ${b.level.toFixed(2)}\n`);
  const full = neapsExtremes(row, zm, { full: true });
  const mfull = match(eng, full);
  const ma = match(ref, nf);
  const r = {
    row, zm, nEng: eng.length, nNeaps: nea.length, ...m, s: stats(m.pairs), sFlip: stats(mf.pairs),
    sScan: stats(mr.pairs), sAstro: stats(ma.pairs), m2: row.amplitude[24], m4: row.amplitude[36], ms4: row.amplitude[37],
    eng, nea, neaFlip: nf,
  };
  r.dropped = droppedOf(row);
  r.mislabelled = eng.filter((x) => x.mislabelled);
  r.sFull = stats(mfull.pairs);
  r.lostToSlots = m.onlyB.filter((x) => fullAfter.some(([a, b]) => x.ms > a && x.ms < b)).length;
  r.neapsLone = m.onlyB.filter((x) => x.lone).length;
  r.engineFlat = m.onlyA.filter((x) => x.prominence < NEAPS_PROMINENCE_CM).length;
  if (Math.abs(r.s.dtMedian) > 30)
    process.stderr.write(`warning: ${row.port.name}: median time difference ${f1(r.s.dtMedian)} min; ` +
      "does the engine still use the zone meridian assumed here (zoneMeridianOf)?\n");
  results.push(r);
  all.pairs.push(...m.pairs); all.onlyE.push(...m.onlyA); all.onlyN.push(...m.onlyB); all.pairsFlip.push(...mf.pairs);
  all.pairsFull = (all.pairsFull ?? []).concat(mfull.pairs);
  all.pairsScan = (all.pairsScan ?? []).concat(mr.pairs); all.pairsAstro = (all.pairsAstro ?? []).concat(ma.pairs);
  process.stderr.write(`${row.port.index} ${row.port.name}: ${m.pairs.length} matched, ${m.onlyA.length}/${m.onlyB.length} unmatched\n`);
}

// --- report ------------------------------------------------------------------
const S = stats(all.pairs), SF = stats(all.pairsFlip), SS = stats(all.pairsScan), SA = stats(all.pairsAstro);
const SU = stats(all.pairsFull), SN = stats(all.pairsAstroNoM1);
const out = [];
out.push("# Accuracy of the port table and the engine");
out.push("");
out.push(`Produced by \`tools/porttable/accuracy.mjs\` (do not edit by hand): the engine's high and low waters`);
out.push(`(\`marilo-cli --tsv --port ID --date ${YEAR}-01-01 --days 365\`) against those of \`@neaps/tide-predictor\``);
out.push(`${PREDICTOR_VERSION}, fed the same constants, for the ${selected.length} ports whose source station is the gauge at the`);
out.push(`port (docs/ports.md, column *at* = port; rows 1 and 149 keep their original constants and are left out).`);
out.push(`Constants from \`@neaps/tide-database\` ${DATABASE_VERSION}.`);
out.push("");
out.push("Sunrise, sunset, twilight, moonrise and moonset have [their own section](#sunrise-sunset-twilight-moonrise-and-moonset)");
out.push("at the end, written by `tools/ephemeris/compare.mjs --write` and kept as it is when this report is rewritten.");
out.push("");
out.push("## Method");
out.push("");
out.push("- The predictor gets each record's nonzero constituents with the amplitude in cm and the Greenwich phase");
out.push("  G = κ − species × λ recovered from the record (λ read from the longitude text as the engine reads it), and");
out.push("  Z0 (`meanLevelText`) as its offset, so both sides give levels above chart datum in cm. Its extremes come");
out.push(`  from root finding of h′(t), with its default prominence floor of 1 cm (0.01 m).`);
out.push("- The engine's times are zone time (JST for groups 0..47, UTC+10 for Saipan, UTC+8 for Cebu), converted");
out.push("  to UTC; turning points at 24:00 or later in a day's row are dropped, as the next day's row reports them.");
out.push("  High or low is the engine's kind; a kind-2 (unclassified) turning point is classified by its neighbours.");
out.push(`- Extremes are paired when each is the other's nearest of the same type within ${MATCH_WINDOW_MIN} minutes; the rest are`);
out.push("  \"found by one side only\". Time difference = engine − predictor in minutes (the engine truncates to the");
out.push("  minute, so about −0.5 min is expected on average); height difference = engine − predictor in cm.");
out.push("- *Scan* and *astronomy* split the difference: a JavaScript transcription of the engine's astronomy and level sum");
out.push("  (`lib/engine-astronomy.mjs`, the engine's harmonic function) whose extremes are found to the second is");
out.push("  compared with the engine (the effect of the 20-minute scan and its quadratic refinement) and with the");
out.push("  predictor (the effect of the simplified astronomy and nodal corrections).");
out.push("");
out.push("## Overall");
out.push("");
const line = (label, s) =>
  `| ${label} | ${s.n} | ${f1(s.dtMedian)} | ${f1(s.adtMedian)} | ${f1(s.adt95)} | ${f1(s.adtMax)} | ${f2(s.dhMedian)} | ${f2(s.adhMedian)} | ${f2(s.adh95)} | ${f2(s.adhMax)} |`;
out.push("| comparison | pairs | Δt median | \\|Δt\\| median | \\|Δt\\| p95 | \\|Δt\\| max | Δh median | \\|Δh\\| median | \\|Δh\\| p95 | \\|Δh\\| max |");
out.push("|---|---|---|---|---|---|---|---|---|---|");
out.push(line("engine vs predictor", S));
out.push(line("engine vs predictor, predictor's M3 turned by 180°", SF));
out.push(line("scan: engine vs its own function, exact", SS));
out.push(line("astronomy: engine's function vs predictor (M3 turned)", SA));
out.push(line("astronomy without M1 on either side (M3 turned)", SN));
out.push(line("engine vs predictor fed all the station's constituents (M3 turned)", SU));
out.push("");
out.push("(Δt in minutes, Δh in cm.)");
out.push("");
const promE = all.onlyE.map((x) => x.prominence), promN = all.onlyN.map((x) => x.prominence);
const lost = results.reduce((a, r) => a + r.lostToSlots, 0), flat = results.reduce((a, r) => a + r.engineFlat, 0);
out.push(`Found by one side only: the engine ${all.onlyE.length}, the predictor ${all.onlyN.length}, of ` +
  `${results.reduce((a, r) => a + r.nEng, 0)} and ${results.reduce((a, r) => a + r.nNeaps, 0)} extremes. ` +
  `Median prominence (smaller level step to a neighbour) of those: engine-only ${f2(quantile(promE, 0.5))} cm, ` +
  `predictor-only ${f2(quantile(promN, 0.5))} cm. Of the engine-only extremes, ${flat} rise or fall less than ` +
  `${NEAPS_PROMINENCE_CM} cm to a neighbour (the predictor drops such stands by its prominence floor); of the predictor-only ` +
  `extremes, ${lost} fall on days whose five slots were already full before 24:00 (the engine keeps five turning ` +
  `points a day and drops the rest), and ${results.reduce((a, r) => a + r.neapsLone, 0)} stand next to one of ` +
  "their own type in the predictor's list (two lows in a row): at a stand of less than 1 cm both sides see a pair of " +
  "turning points; the engine drops the pair, the predictor's filter removes one member and keeps the other.");
out.push("");
// What the numbers say, with this run's figures.
const m3 = results.map((r) => r.row.amplitude[33]), m1 = results.map((r) => r.row.amplitude[9]);
const worst = [...results].sort((a, b) => b.s.adt95 - a.s.adt95).slice(0, 8);
const mis = results.flatMap((r) => r.mislabelled.map((x) => ({ r, x })));
const misDays = new Set(mis.map(({ r, x }) => `${r.row.port.index}/${new Date(x.ms + r.zm / 15 * 3600000).toISOString().slice(0, 10)}`));
out.push(`Kinds: ${mis.length} of the engine's turning points, on ${misDays.size} port-days, carry a kind that their ` +
  "neighbours contradict (a \"high water\" lower than both neighbours, or the reverse); they are paired by their level. " +
  "See point 7 below.");
out.push("");
out.push("## What the differences show");
out.push("");
out.push(`1. **The conversion is right.** Over ${S.n} paired extremes the engine is ${f1(-S.dtMedian)} min early at the median ` +
  `(it truncates to the minute) and 95% of the time differences are within ${f1(S.adt95)} min; the heights differ by ` +
  `${f2(S.adhMedian)} cm at the median and ${f2(S.adh95)} cm at the 95th percentile. A fault in κ = G + species × λ or in ` +
  "the zone time would show as hours (1° of M2 is 2 minutes; a diurnal constituent off by λ is hours off) or as tens of cm.");
out.push(`2. **M3 is the largest single difference, and it is the predictor's.** \`@neaps/tide-predictor\` gives M3 the ` +
  "argument 3τ − 180°, 180° from the engine's 3h − 3s + 180° (the engine's astronomy, Schureman's convention). The TICON phases follow " +
  "the engine's convention: TICON's Wakkanai M3, converted by κ = G + 3λ, is 191.5° against 194° in the Wakkanai row of " +
  "the original table (Japanese published constants), 0.36 cm against 0.4 cm. With the predictor's M3 turned by 180° the median " +
  `height difference falls from ${f2(S.adhMedian)} to ${f2(SF.adhMedian)} cm and the 95th percentile of the time ` +
  `difference from ${f1(S.adt95)} to ${f1(SF.adt95)} min. (M3 amplitudes here: median ${f2(quantile(m3, 0.5))} cm, ` +
  `up to ${f2(Math.max(...m3))} cm.)`);
out.push("3. **The simplified astronomy agrees; M1 does not.** The engine's V0, u and f agree with the predictor's " +
  "within 1% of each constituent's amplitude (about 0.3°) for the main constituents over the year (linear mean " +
  "longitudes referred to 2000, nodal factors from truncated series); what remains is " +
  "M1: the predictor's M1 argument is the engine's plus the longitude of the lunar perigee p, exactly, with the " +
  "same nodal factor f (checked at half-year steps over 2024–2035), so the two M1 terms drift apart by 40.7° a year; " +
  "as if the predictor counted p twice, once in V (its M1 runs at 14.4966939°/h) and once in u, where the engine " +
  "runs M1 at 14.4920521°/h and carries p in u only; the table converts M1 like every other constituent " +
  `(median H(M1) ${f2(quantile(m1, 0.5))} cm, so up to about twice that in level). Also ` +
  "the nodal factors of φ1, OO1, J1, Mm and Mf (the engine's " +
  "truncated series differ by up to a few tenths of the constituent), and the engine's fixed solar perigee (T2, R2, " +
  `π1, ψ1: 1.4°). Engine's function against the predictor, predictor's M3 turned: |Δh| median ${f2(SA.adhMedian)} cm, ` +
  `p95 ${f2(SA.adh95)} cm; |Δt| median ${f1(SA.adtMedian)} min, p95 ${f1(SA.adt95)} min; and with M1 left out on ` +
  `both sides: |Δh| median ${f2(SN.adhMedian)} cm, p95 ${f2(SN.adh95)} cm; |Δt| median ${f1(SN.adtMedian)} min, ` +
  `p95 ${f1(SN.adt95)} min.`);
out.push(`4. **The 20-minute scan costs about half a minute.** Against the exact extremes of its own harmonic function the ` +
  `engine is within ${f1(SS.adtMedian)} min at the median and ${f1(SS.adt95)} min at the 95th percentile, and within ` +
  `${f2(SS.adh95)} cm (p95). The largest time differences (up to ${f1(SS.adtMax)} min) are flat stands: at neap tides a ` +
  "diurnal-dominated port (網走, 紋別, the Sea of Japan coast) can hold its level within millimetres for hours, and " +
  "any of the differences above moves the turning point far along the flat top. Their heights still agree.");
out.push(`5. **Found by one side only** (${all.onlyE.length} engine, ${all.onlyN.length} predictor, of about ` +
  `${results.reduce((a, r) => a + r.nEng, 0)}): mostly the same flat stands and small double waters. The engine reports ` +
  "every change of sign of its 20-minute differences except stands, two neighbours less than 1 cm apart in level, " +
  "which it drops together; the predictor drops turning points that rise or " +
  "fall less than 1 cm to a neighbour and, at ports that are not double-tide ports by its (M4 + MS4)/M2 > 0.25 test, one " +
  "closer than about 3.4 h to another of the same type. The other way round, days with six or more turning points (the " +
  "double low waters of Osaka Bay and the mixed tides of 室蘭 at neaps) lose the sixth to the engine's five slots. " +
  "Osaka Bay's shallow-water constituents outside the 40 (at 大阪: " +
  ((results.find((r) => r.row.port.name === "大阪")?.dropped ?? []).slice(0, 4).map((d) => `${d.name} ${f2(d.cm)} cm`).join(", ") || "–") +
  ", of TICON's 50) are dropped from the table, so the double tides there are rendered by M4, MS4, M6 and 2MS6 only.");
const dropTop = [...results].sort((a, b) => (b.dropped[0]?.cm ?? 0) - (a.dropped[0]?.cm ?? 0)).slice(0, 6);
out.push(`6. **What the 40 leave out.** Against the predictor fed all of each station's constituents (M3 turned), the ` +
  `engine is within ${f1(SU.adtMedian)} min (median) and ${f1(SU.adt95)} min (p95), ${f2(SU.adhMedian)} cm and ` +
  `${f2(SU.adh95)} cm: the cost of the table's fixed 40 constituents. The largest dropped constituents: ` +
  dropTop.map((r) => `${r.row.port.name} ${r.dropped[0].name} ${f2(r.dropped[0].cm)} cm`).join(", ") + ".");
const ex = mis.find(({ r }) => r.row.port.name === "神戸") ?? mis[0];
{
  let text = "7. **Kinds of turning points.** The engine gives each turning point its kind (high or low water) by the " +
    "way the level ran into it, and drops stands (two turning points less than 1 cm apart in level, as the " +
    "shallow-water constituents of the Inland Sea make), so a day that opens with one keeps the right kinds for the " +
    `rest of the day. Turning points whose kind disagrees with both neighbours' levels: ${misDays.size} ` +
    `port-days of ${results.length * 365}`;
  if (ex) {
    const day = new Date(ex.x.ms + ex.r.zm / 15 * 3600000).toISOString().slice(0, 10);
    text += `, e.g. ${ex.r.row.port.name} ${day} (\`marilo-cli --port ${ex.r.row.port.name} --date ${day}\`), ` +
      "where the interpolated levels of a millimetre stand cross";
  }
  out.push(text + ".");
}
out.push("");
out.push("Ports with the widest time differences (95th percentile of |Δt|):");
out.push("");
out.push(worst.map((r) => `${r.row.port.name} ${f1(r.s.adt95)} min (M2 ${r.m2.toFixed(1)} cm, K1 ${r.row.amplitude[13].toFixed(1)} cm)`).join("; ") +
  ". Small semidiurnal ranges beside large diurnal ones make flat turning points whose times are sensitive to " +
  "millimetres.");
out.push("");
out.push("## Spot checks, " + SPOT_DATE);
out.push("");
for (const name of SPOT_PORTS) {
  const r = results.find((x) => x.row.port.name === name);
  if (!r) { out.push(`- ${name}: not in this run`); continue; }
  const off = r.zm / 15 * 3600000;
  const [y, m, d] = SPOT_DATE.split("-").map(Number);
  const t0 = Date.UTC(y, m - 1, d) - off, t1 = t0 + 86400000;
  const hhmm = (ms) => new Date(ms + off).toISOString().slice(11, 16);
  const e = r.eng.filter((x) => x.ms >= t0 && x.ms < t1), n = r.nea.filter((x) => x.ms >= t0 && x.ms < t1);
  out.push(`**${name}** (${r.row.port.index}, \`${r.row.station.id}\`, Z0 ${r.row.meanLevelText} cm, zone UTC+${r.zm / 15}):`);
  out.push("");
  out.push("| | engine | predictor + Z0 | Δt min | Δh cm | predictor, M3 turned | Δt min | Δh cm |");
  out.push("|---|---|---|---|---|---|---|---|");
  const nfd = r.neaFlip.filter((x) => x.ms >= t0 && x.ms < t1);
  const mm = match(e, n), mf = match(e, nfd);
  const flipOf = new Map(mf.pairs.map(([a, b]) => [a, b]));
  for (const [a, b] of mm.pairs) {
    const c = flipOf.get(a);
    out.push(`| ${a.high ? "high" : "low"} | ${hhmm(a.ms)} ${a.level.toFixed(1)} | ${hhmm(b.ms)} ${b.level.toFixed(1)} | ` +
      `${((a.ms - b.ms) / 60000).toFixed(1)} | ${(a.level - b.level).toFixed(1)} | ` +
      (c ? `${hhmm(c.ms)} ${c.level.toFixed(1)} | ${((a.ms - c.ms) / 60000).toFixed(1)} | ${(a.level - c.level).toFixed(1)} |` : "– | | |"));
  }
  for (const a of mm.onlyA) out.push(`| ${a.high ? "high" : "low"} | ${hhmm(a.ms)} ${a.level.toFixed(1)} | – | | | | | |`);
  for (const b of mm.onlyB) out.push(`| ${b.high ? "high" : "low"} | – | ${hhmm(b.ms)} ${b.level.toFixed(1)} | | | | | |`);
  out.push("");
}
out.push("## Per port");
out.push("");
out.push("Δ = engine − predictor (as fed, predictor's M3 not turned). Ports sorted by table index.");
out.push("");
out.push("| # | name | station | M2 cm | (M4+MS4)/M2 | pairs | Δt med | \\|Δt\\| med | \\|Δt\\| p95 | Δh med | \\|Δh\\| med | \\|Δh\\| p95 | engine only (< 1 cm) | predictor only (5 slots full) | largest dropped | all constituents: \\|Δt\\| p95, \\|Δh\\| p95 |");
out.push("|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|");
for (const r of results) {
  const s = r.s;
  out.push(`| ${r.row.port.index} | ${r.row.port.name} | ${r.row.station.name} | ${r.m2.toFixed(1)} | ${((r.m4 + r.ms4) / r.m2).toFixed(2)} | ${s.n} | ` +
    `${f1(s.dtMedian)} | ${f1(s.adtMedian)} | ${f1(s.adt95)} | ${f2(s.dhMedian)} | ${f2(s.adhMedian)} | ${f2(s.adh95)} | ${r.onlyA.length} (${r.engineFlat}) | ${r.onlyB.length} (${r.lostToSlots}) | ` +
    `${r.dropped[0] ? `${r.dropped[0].name} ${f2(r.dropped[0].cm)}` : "–"} | ${f1(r.sFull.adt95)}, ${f2(r.sFull.adh95)} |`);
}
out.push("");
// The sun and moon section belongs to tools/ephemeris/compare.mjs: carry it over.
const SUN_MOON = /<!-- sun-moon:[\s\S]*<!-- sun-moon: end -->\n?/;
const previous = (() => { try { return readFileSync(OUT, "utf8"); } catch { return ""; } })();
const kept = previous.match(SUN_MOON);
writeFileSync(OUT, out.join("\n") + (kept ? "\n" + kept[0] : ""));
console.log(`wrote ${OUT}`);
console.log(line("engine vs predictor", S));
console.log(line("M3 turned", SF));
console.log(line("scan", SS));
console.log(line("astronomy", SA));
console.log(`only engine ${all.onlyE.length}, only predictor ${all.onlyN.length}`);
