// An independent JavaScript transcription of spec Part 1.2 (mean longitudes,
// nodal base factors, equilibrium arguments) and of the Part 1.3 level sum.
// Used only by the convention checks (check-conventions.mjs): it lets the
// generator's phase conversion be tested constituent by constituent against
// @neaps/tide-predictor without the C++ engine. The accuracy report itself
// always runs the real engine (marilo-cli).

export const CONSTITUENTS = [
  ["Sa", 0.0410686, 0], ["Ssa", 0.0821373, 0], ["Mm", 0.5443747, 0], ["MSf", 1.0158958, 0],
  ["Mf", 1.0980331, 0], ["Q1", 13.3986609, 1], ["rho1", 13.4715145, 1], ["O1", 13.9430356, 1],
  ["MP1", 14.0251729, 1], ["M1", 14.4920521, 1], ["pi1", 14.9178647, 1], ["P1", 14.9589314, 1],
  ["S1", 15.0, 1], ["K1", 15.0410686, 1], ["psi1", 15.0821353, 1], ["phi1", 15.1232059, 1],
  ["J1", 15.5854433, 1], ["SO1", 16.0569644, 1], ["OO1", 16.1391017, 1], ["2N2", 27.8953548, 2],
  ["mu2", 27.9682084, 2], ["N2", 28.4397295, 2], ["nu2", 28.5125831, 2], ["OP2", 28.9019669, 2],
  ["M2", 28.9841042, 2], ["lambda2", 29.4556253, 2], ["L2", 29.5284789, 2], ["T2", 29.9589333, 2],
  ["S2", 30.0, 2], ["R2", 30.0410667, 2], ["K2", 30.0821373, 2], ["2SM2", 31.0158958, 2],
  ["MO3", 42.9271398, 3], ["M3", 43.4761563, 3], ["MK3", 44.0251729, 3], ["SK3", 45.0410686, 3],
  ["M4", 57.9682084, 4], ["MS4", 58.9841042, 4], ["M6", 86.9523127, 6], ["2MS6", 87.9682084, 6],
].map(([name, speed, species]) => ({ name, speed, species }));

const RAD = 0.0174532925199433;
export const mod360 = (x) => x - 360 * Math.floor(x * 0.002777777777777778);

const isLeap = (y) => (y % 4 === 0 && y % 100 !== 0) || y % 400 === 0;
function dayOfYear(y, m, d) {
  const ml = [31, isLeap(y) ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31];
  let n = d - 1;
  for (let i = 0; i < m - 1; i++) n += ml[i];
  return n;
}

// V0 + u and f of the 40 constituents at 0:00 UT of (y, m, d).
export function arguments40(y, m, d) {
  const D = dayOfYear(y, m, d) + Math.trunc((y + 3) / 4) - 500;
  const Y = y - 2000;
  const s = mod360(13.176396 * D + 129.38471 * Y + 211.728);
  const h = mod360(0.985647 * D - 0.23871 * Y + 279.974);
  const p = mod360(0.111404 * D + 40.66229 * Y + 83.298);
  const N = mod360(125.071 - (0.052954 * D + 19.32812 * Y));
  const c1 = Math.cos(N * RAD), c2 = Math.cos(mod360(2 * N) * RAD), c3 = Math.cos(mod360(3 * N) * RAD);
  const s1 = Math.sin(N * RAD), s2 = Math.sin(mod360(2 * N) * RAD), s3 = Math.sin(mod360(3 * N) * RAD);
  const fMm = 1 - 0.13 * c1 + 0.0013 * c2, uMm = 0;
  const fMf = 1.0429 + 0.4135 * c1 - 0.004 * c2, uMf = -23.74 * s1 + 2.68 * s2 - 0.38 * s3;
  const fO1 = 1.0089 + 0.1871 * c1 - 0.0147 * c2 + 0.0014 * c3, uO1 = 10.8 * s1 - 1.34 * s2 + 0.19 * s3;
  const fK1 = 1.006 + 0.115 * c1 - 0.0088 * c2 + 0.0006 * c3, uK1 = -8.86 * s1 + 0.68 * s2 - 0.07 * s3;
  const fJ1 = 1.0129 + 0.1676 * c1 - 0.017 * c2 + 0.0016 * c3, uJ1 = -12.94 * s1 + 1.34 * s2 - 0.19 * s3;
  const fOO1 = 1.1027 + 0.6504 * c1 + 0.0317 * c2 - 0.0014 * c3, uOO1 = -36.68 * s1 + 4.02 * s2 - 0.57 * s3;
  const fM2 = 1.0004 - 0.0373 * c1 + 0.0002 * c2, uM2 = -2.14 * s1;
  const fK2 = 1.0241 + 0.2863 * c1 + 0.0083 * c2 - 0.0015 * c3, uK2 = -17.74 * s1 + 0.68 * s2 - 0.04 * s3;
  const p2 = 2 * p * RAD, Nr = N * RAD;
  const aL = 1 - 0.2505 * Math.cos(p2) - 0.1102 * Math.cos(p2 - Nr) - 0.0156 * Math.cos(p2 - 2 * Nr) - 0.037 * c1;
  const bL = -0.2505 * Math.sin(p2) - 0.1102 * Math.sin(p2 - Nr) - 0.0156 * Math.sin(p2 - 2 * Nr) - 0.037 * s1;
  const uL2 = Math.atan2(bL, aL) * 57.29577951308232, fL2 = Math.hypot(aL, bL);
  const pr = p * RAD;
  const aM = 2 * Math.cos(pr) + 0.4 * Math.cos(pr - Nr), bM = Math.sin(pr) + 0.2 * Math.sin(pr - Nr);
  const uM1 = Math.atan2(bM, aM) * 57.29577951308232, fM1 = Math.hypot(aM, bM);
  const V0 = [h, 2 * h, s - p, 2 * s - 2 * h, 2 * s, -3 * s + h + p + 270, -3 * s + 3 * h - p + 270,
    -2 * s + h + 270, -2 * s + 3 * h - 270, -s + h + 90, 192 - 2 * h, 270 - h, 180, h + 90, 2 * h + 168,
    3 * h + 90, s + h - p + 90, 2 * s - h - 270, 2 * s + h + 90, 2 * h + 2 * p - 4 * s, 4 * h - 4 * s,
    2 * h - 3 * s + p, 4 * h - 3 * s - p, 180 - 2 * s, 2 * h - 2 * s, p - s + 180, 2 * h - s - p + 180,
    282 - h, 0, h + 258, 2 * h, 2 * s - 2 * h, 3 * h - 4 * s + 270, 3 * h - 3 * s + 180, 3 * h - 2 * s + 90,
    h + 90, 4 * h - 4 * s, 2 * h - 2 * s, 6 * h - 6 * s, 4 * h - 4 * s];
  const U = [0, 0, uMm, -uM2, uMf, uO1, uO1, uO1, uM2, uM1, 0, 0, 0, uK1, 0, 0, uJ1, -uO1, uOO1, uM2, uM2,
    uM2, uM2, uO1, uM2, uM2, uL2, 0, 0, 0, uK2, -uM2, uM2 + uO1, 1.5 * uM2, uM2 + uK1, uK1, 2 * uM2, uM2,
    3 * uM2, 2 * uM2];
  const F = [1, 1, fMm, fM2, fMf, fO1, fO1, fO1, fM2, fM1, 1, 1, 1, fK1, 1, 1, fJ1, fO1, fOO1, fM2, fM2,
    fM2, fM2, fO1, fM2, fM2, fL2, 1, 1, 1, fK2, fM2, fM2 * fO1, Math.pow(fM2, 1.5), fM2 * fK1, fK1,
    fM2 * fM2, fM2, fM2 * fM2 * fM2, fM2 * fM2];
  return { V0, U, F, arg: V0.map((v, i) => mod360(v + U[i])) };
}

// The engine's level function for one date (Part 1.3 steps 8 and 9): t in
// hours after 0:00 zone time, arguments taken at 0:00 UT of the date.
export function dayFunction(y, m, d, amplitude, phaseLag, lambda, zoneMeridian, meanLevel) {
  const { arg, F } = arguments40(y, m, d);
  const terms = CONSTITUENTS.map((c, i) => ({
    A: F[i] * amplitude[i],
    w: c.speed,
    phi: mod360(arg[i] + c.species * lambda + zoneMeridian * (-0.06666666666666667) * c.speed) - phaseLag[i],
  })).filter((k) => k.A !== 0);
  const level = (t) => terms.reduce((L, k) => L + k.A * Math.cos((k.phi + k.w * t) * RAD), meanLevel);
  const slope = (t) => terms.reduce((L, k) => L - k.A * k.w * RAD * Math.sin((k.phi + k.w * t) * RAD), 0);
  return { level, slope };
}

// Every high and low water of a year of the engine's function, found to the
// second (sign changes of the slope on a 10-minute grid, then bisection).
// Times in UTC milliseconds.
export function findExtremes(year, amplitude, phaseLag, lambda, zoneMeridian, meanLevel) {
  const out = [];
  const offset = (zoneMeridian / 15) * 3600000;
  for (let day = Date.UTC(year, 0, 1); day < Date.UTC(year + 1, 0, 1); day += 86400000) {
    const dt = new Date(day);
    const f = dayFunction(dt.getUTCFullYear(), dt.getUTCMonth() + 1, dt.getUTCDate(), amplitude, phaseLag,
      lambda, zoneMeridian, meanLevel);
    const step = 1 / 6;
    let a = 0, sa = f.slope(0);
    for (let k = 1; k <= 144; k++) {
      const b = k * step, sb = f.slope(b);
      if ((sa > 0 && sb <= 0) || (sa < 0 && sb >= 0)) {
        let lo = a, hi = b, slo = sa;
        for (let it = 0; it < 40; it++) {
          const mid = (lo + hi) / 2, sm = f.slope(mid);
          if ((slo > 0 && sm > 0) || (slo < 0 && sm < 0)) { lo = mid; slo = sm; } else hi = mid;
        }
        const t = (lo + hi) / 2;
        if (t < 24) out.push({ ms: day + t * 3600000 - offset, level: f.level(t), high: sa > 0 });
      }
      a = b; sa = sb;
    }
  }
  return out;
}
