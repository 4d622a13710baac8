// Builds the 358 port records of spec Part 1.1 from the pinned
// @neaps/tide-database and tools/porttable/ports.tsv. Pure: no file is
// written here (generate.mjs writes, accuracy.mjs reads the same records).

import { readFileSync } from "node:fs";
import { fileURLToPath } from "node:url";
import { dirname, join } from "node:path";
import { createRequire } from "node:module";
import { stations } from "@neaps/tide-database";

const here = dirname(fileURLToPath(import.meta.url));
const require = createRequire(import.meta.url);

export const DATABASE_VERSION = JSON.parse(
  readFileSync(require.resolve("@neaps/tide-database/package.json"), "utf8")).version;

// The 40 constituents of Part 1.1, in record order, with species and the
// names under which the database's sources carry them (TICON-4 uses upper
// case; NOAA writes RHO, LAM2 and 2MK3, the last at the speed of MO3 and with
// the same equilibrium argument 3h - 4s - 90).
export const CONSTITUENTS = [
  ["Sa", 0, ["SA"]], ["Ssa", 0, ["SSA"]], ["Mm", 0, ["MM"]], ["MSf", 0, ["MSF"]], ["Mf", 0, ["MF"]],
  ["Q1", 1, ["Q1"]], ["rho1", 1, ["RHO1", "RHO"]], ["O1", 1, ["O1"]], ["MP1", 1, ["MP1"]],
  ["M1", 1, ["M1"]], ["pi1", 1, ["PI1"]], ["P1", 1, ["P1"]], ["S1", 1, ["S1"]], ["K1", 1, ["K1"]],
  ["psi1", 1, ["PSI1"]], ["phi1", 1, ["PHI1"]], ["J1", 1, ["J1"]], ["SO1", 1, ["SO1"]],
  ["OO1", 1, ["OO1"]], ["2N2", 2, ["2N2"]], ["mu2", 2, ["MU2"]], ["N2", 2, ["N2"]],
  ["nu2", 2, ["NU2"]], ["OP2", 2, ["OP2"]], ["M2", 2, ["M2"]], ["lambda2", 2, ["LAMBDA2", "LAM2", "LDA2"]],
  ["L2", 2, ["L2"]], ["T2", 2, ["T2"]], ["S2", 2, ["S2"]], ["R2", 2, ["R2"]], ["K2", 2, ["K2"]],
  ["2SM2", 2, ["2SM2"]], ["MO3", 3, ["MO3", "2MK3"]], ["M3", 3, ["M3"]], ["MK3", 3, ["MK3"]],
  ["SK3", 3, ["SK3"]], ["M4", 4, ["M4"]], ["MS4", 4, ["MS4"]], ["M6", 6, ["M6"]], ["2MS6", 6, ["2MS6"]],
].map(([name, species, aliases]) => ({ name, species, aliases }));

// Rows that Part 1.1 gives whole (constants and texts), kept digit for digit.
export const FIXED_ROWS = {
  1: {
    amplitude: [10.8, 0.8, 0.6, 0.6, 1.6, 1.5, 0.3, 6.7, 0.3, 0.2, 0.2, 2.3, 0.1, 7, 0.5, 0.3, 0.2, 0.3, 0.4, 0.2,
      0.3, 0.6, 0.1, 0.2, 2.6, 0.1, 0.1, 0.2, 2.1, 0.1, 0.9, 0.1, 0.1, 0.4, 0.2, 0.1, 0.3, 0.2, 0, 0],
    phaseLag: [158.5, 215.2, 100.2, 22.1, 194.8, 329.8, 330.2, 351, 114, 26.4, 324.7, 10.8, 165.7, 18.1, 68.3,
      335.6, 30.5, 210.5, 80.5, 121.3, 101.2, 148.7, 141.6, 276.1, 115.2, 25.6, 58.6, 170.5, 147.2, 92.1, 131.2,
      280.2, 310.9, 194, 38.5, 147, 267.2, 291.5, 92.6, 209.8],
    latitudeText: "45.25", longitudeText: "141.41", meanLevelText: "18",
  },
  149: {
    amplitude: [12, 0, 0, 0, 0, 2.92, 0, 16.36, 0, 0, 0, 7.5, 0, 22.5, 0, 0, 0, 0, 0, 0,
      0.96, 6.13, 1.2, 0, 40.73, 0, 1.07, 0, 17.96, 0, 4.9, 0, 0, 0, 0, 0, 0.22, 0.05, 0, 0],
    phaseLag: [170, 0, 0, 0, 0, 149.35, 0, 158.12, 0, 0, 0, 179.87, 0, 179.87, 0, 0, 0, 0, 0, 0,
      155.26, 157.78, 157.78, 0, 166.1, 0, 171.86, 0, 193.5, 0, 193.5, 0, 0, 0, 0, 0, 172.47, 207.44, 0, 0],
    latitudeText: "35.08", longitudeText: "138.42", meanLevelText: "97",
  },
};
// Rows whose texts Part 1.1 gives and whose constants come from the nearest station.
export const FIXED_TEXTS = {
  0: { latitudeText: "50.43", longitudeText: "156.12", meanLevelText: "119" },
  357: { latitudeText: "6.59", longitudeText: "158.13", meanLevelText: "70" },
};

export const AT_PORT_NAME_KM = 5;   // a gauge whose name matches the port, this close, is at the port
export const AT_PORT_ANY_KM = 1;    // any gauge this close is at the port
export const FAR_KM = 30;           // flagged in the provenance table

// The engine's reading of a "dd.mm" text (Part 1.1: atof, then degMinToDegrees).
export function degMinToDegrees(x) {
  const whole = Math.trunc(x);
  return whole + (x - whole) * 1.6666666666666665;
}
export const textToDegrees = (text) => degMinToDegrees(parseFloat(text));

// Decimal degrees to the "dd.mm" text, rounded to the nearest minute.
export function degreesToText(deg) {
  let d = Math.floor(deg);
  let m = Math.round((deg - d) * 60);
  if (m === 60) { d += 1; m = 0; }
  return `${d}.${String(m).padStart(2, "0")}`;
}

export const mod360 = (x) => x - 360 * Math.floor(x / 360);
const round2 = (x) => Math.round(x * 100) / 100;

export function distanceKm(lat1, lon1, lat2, lon2) {
  const r = Math.PI / 180;
  const a = Math.sin((lat2 - lat1) * r / 2) ** 2 +
    Math.cos(lat1 * r) * Math.cos(lat2 * r) * Math.sin((lon2 - lon1) * r / 2) ** 2;
  return 2 * 6371.0088 * Math.asin(Math.min(1, Math.sqrt(a)));
}

// Accepted tide stations with their own harmonic constants and a licence that
// allows redistribution in a commercial product.
export function candidateStations() {
  return stations
    .filter((s) => s.kind === "tide" && s.type === "reference" && s.license?.commercial_use === true &&
      Array.isArray(s.harmonic_constituents) && s.harmonic_constituents.length > 0)
    .sort((a, b) => (a.id < b.id ? -1 : a.id > b.id ? 1 : 0));
}

const letters = (s) => String(s ?? "").toLowerCase().replace(/[^a-z]/g, "");

function nameMatches(key, station) {
  const names = [station.name, station.source?.id?.split("-")[0], ...(station.aliases ?? [])].map(letters);
  return names.some((n) => n.length >= 3 && (n.startsWith(key) || key.startsWith(n)));
}

export function readPorts() {
  const text = readFileSync(join(here, "..", "ports.tsv"), "utf8");
  const lines = text.split("\n").filter((l) => l && !l.startsWith("#"));
  const header = lines.shift().split("\t");
  return lines.map((l) => {
    const f = l.split("\t");
    const o = Object.fromEntries(header.map((h, i) => [h, f[i] ?? ""]));
    return { ...o, index: +o.index, group: +o.group, gindex: +o.gindex, lat: +o.lat, lon: +o.lon };
  });
}

// The 40-slot constants of a station: amplitude in cm (2 decimals) and the
// Greenwich phase G in degrees, or null for a slot the station lacks.
export function stationSlots(station) {
  const byName = new Map();
  for (const c of station.harmonic_constituents) byName.set(String(c.name).toUpperCase(), c);
  return CONSTITUENTS.map((k) => {
    for (const a of k.aliases) {
      const c = byName.get(a);
      if (c) return { amplitudeCm: round2(c.amplitude * 100), phaseG: c.phase, source: c.name };
    }
    return null;
  });
}

// Record values of a port from a station: kappa = mod360(G + species * lambda).
export function convert(slots, lambda) {
  const amplitude = [], phaseLag = [];
  slots.forEach((s, i) => {
    if (!s) { amplitude.push(0); phaseLag.push(0); return; }
    let k = round2(mod360(s.phaseG + CONSTITUENTS[i].species * lambda));
    if (k >= 360) k -= 360;
    amplitude.push(s.amplitudeCm);
    phaseLag.push(k);
  });
  return { amplitude, phaseLag };
}

// Z0 = H(M2) + H(S2) + H(K1) + H(O1) in cm, truncated, as text.
export function meanLevelOf(amplitude) {
  const z = amplitude[24] + amplitude[28] + amplitude[13] + amplitude[7];
  return String(Math.trunc(Math.round(z * 1e6) / 1e6));
}

export function buildTable() {
  const ports = readPorts();
  if (ports.length !== 358) throw new Error(`ports.tsv has ${ports.length} rows, not 358`);
  const cands = candidateStations();
  const byId = new Map(cands.map((s) => [s.id, s]));
  const used = new Map();
  const rows = ports.map((p, i) => {
    if (p.index !== i) throw new Error(`ports.tsv row ${i} has index ${p.index}`);
    const ranked = cands.map((s) => ({ s, d: distanceKm(p.lat, p.lon, s.latitude, s.longitude) }))
      .sort((a, b) => a.d - b.d || (a.s.id < b.s.id ? -1 : 1));
    let pick, atPort = false, rule;
    if (p.station) {
      const s = byId.get(p.station);
      if (!s) throw new Error(`port ${i}: forced station ${p.station} is not an accepted candidate`);
      pick = ranked.find((r) => r.s === s);
      atPort = true; rule = "gauge at the port (named in ports.tsv)";
    } else {
      const here = ranked.filter((r) => (r.d <= AT_PORT_NAME_KM && nameMatches(p.key, r.s)) || r.d <= AT_PORT_ANY_KM);
      if (here.length) { pick = here[0]; atPort = true; rule = "gauge at the port"; }
      else { pick = ranked[0]; rule = "nearest station"; }
    }
    const st = pick.s;
    const row = { port: p, station: st, atPort, rule, nearestKm: ranked[0].d };
    if (FIXED_ROWS[i]) {
      Object.assign(row, FIXED_ROWS[i], { fixed: "all", coordSource: "spec Part 1.1 (row kept as given)" });
      row.rule = "constants of spec Part 1.1 (kept); station listed for comparison only";
    } else {
      let latitudeText, longitudeText, coordSource;
      if (FIXED_TEXTS[i]) {
        ({ latitudeText, longitudeText } = FIXED_TEXTS[i]);
        coordSource = "spec Part 1.1 (texts kept as given)";
      } else if (atPort) {
        latitudeText = degreesToText(st.latitude); longitudeText = degreesToText(st.longitude);
        coordSource = `station position (${st.id})`;
      } else {
        latitudeText = degreesToText(p.lat); longitudeText = degreesToText(p.lon);
        coordSource = "author's knowledge of the harbour position (approximate)";
      }
      const lambda = textToDegrees(longitudeText);
      const slots = stationSlots(st);
      const { amplitude, phaseLag } = convert(slots, lambda);
      const meanLevelText = FIXED_TEXTS[i]?.meanLevelText ?? meanLevelOf(amplitude);
      Object.assign(row, { amplitude, phaseLag, latitudeText, longitudeText, meanLevelText, coordSource,
        fixed: FIXED_TEXTS[i] ? "texts" : "", slots });
    }
    // Distance from the coordinates the table holds to the station.
    row.lat = textToDegrees(row.latitudeText);
    row.lon = textToDegrees(row.longitudeText);
    row.distanceKm = distanceKm(row.lat, row.lon, st.latitude, st.longitude);
    row.far = row.distanceKm > FAR_KM;
    if (!row.fixed || row.fixed === "texts") used.set(st.id, st);
    return row;
  });
  return { rows, usedStations: [...used.values()].sort((a, b) => (a.id < b.id ? -1 : 1)) };
}
