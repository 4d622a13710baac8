// Reads marilo-cli's iCalendar output with a standard parser (ical.js) and
// compares it with the same days' --tsv listing:
//  - every line ends with CRLF and is at most 75 octets;
//  - a timed event at each high (kind 0) and low (kind 1) water the listing
//    gives before 24:00, at the same minute (the port's zone time read as
//    UTC plus the zone's offset, given here, not taken from the program),
//    summarised "満潮 Ncm" / "干潮 Ncm" with the level rounded, and nothing else;
//  - one all-day event per day naming that day's tide name;
//  - UIDs unique, and a second run gives the same file byte for byte.
// Usage: node check.mjs path/to/marilo-cli
import { execFileSync } from 'node:child_process';
import ICAL from 'ical.js';

const cli = process.argv[2];
let failures = 0;
const fail = (msg) => { console.log(`FAIL: ${msg}`); failures++; };

// 52214 田子の浦 (UTC+9), 58003 ポナペ (UTC+11), 50104 花咲 (east of 142.5° E, still UTC+9).
const cases = [
  { port: '52214', offset: 9 * 60, date: '2024-03-01', days: 31 },
  { port: '58003', offset: 11 * 60, date: '2024-12-20', days: 15 },
  { port: '50104', offset: 9 * 60, date: '2024-02-25', days: 10 },
];

const pad = (n) => String(n).padStart(2, '0');
const utcKey = (date, hhmm, offset) => {
  const [y, m, d] = date.split('-').map(Number);
  const [h, mi] = hhmm.split(':').map(Number);
  const t = new Date(Date.UTC(y, m - 1, d, h, mi) - offset * 60000);
  return `${t.getUTCFullYear()}-${pad(t.getUTCMonth() + 1)}-${pad(t.getUTCDate())}T${pad(t.getUTCHours())}:${pad(t.getUTCMinutes())}`;
};

for (const c of cases) {
  const args = ['--port', c.port, '--date', c.date, '--days', String(c.days)];
  const ics = execFileSync(cli, [...args, '--ics']);
  const again = execFileSync(cli, [...args, '--ics']);
  const tsv = execFileSync(cli, [...args, '--tsv']).toString('utf8');
  const what = `port ${c.port} from ${c.date}`;
  if (!ics.equals(again)) fail(`${what}: a second run differs`);

  // Raw form: CRLF everywhere, no line longer than 75 octets.
  const raw = ics.toString('latin1');
  if (!raw.endsWith('\r\n')) fail(`${what}: does not end with CRLF`);
  raw.slice(0, -2).split('\r\n').forEach((line, i) => {
    if (line.includes('\n')) fail(`${what}: bare LF in line ${i + 1}`);
    if (line.length > 75) fail(`${what}: line ${i + 1} has ${line.length} octets`);
  });

  const vcal = new ICAL.Component(ICAL.parse(ics.toString('utf8')));
  const events = vcal.getAllSubcomponents('vevent');
  const uids = events.map((e) => e.getFirstPropertyValue('uid'));
  if (new Set(uids).size !== uids.length) fail(`${what}: UIDs repeat`);

  const timed = new Map();  // UTC minute -> summary
  const allDay = new Map();  // date -> summary
  for (const e of events) {
    const start = e.getFirstPropertyValue('dtstart');
    const summary = e.getFirstPropertyValue('summary');
    if (start.isDate) {
      const key = `${start.year}-${pad(start.month)}-${pad(start.day)}`;
      if (allDay.has(key)) fail(`${what}: two all-day events on ${key}`);
      allDay.set(key, summary);
    } else {
      if (start.zone !== ICAL.Timezone.utcTimezone) fail(`${what}: ${summary} is not in UTC`);
      const key = `${start.year}-${pad(start.month)}-${pad(start.day)}T${pad(start.hour)}:${pad(start.minute)}`;
      if (timed.has(key)) fail(`${what}: two events at ${key}`);
      timed.set(key, summary);
    }
  }

  const rows = tsv.trim().split('\n');
  const head = rows.shift().split('\t');
  const col = (name) => head.indexOf(name);
  let expectedTimed = 0;
  for (const row of rows) {
    const f = row.split('\t');
    const date = f[col('date')];
    const tide = f[col('tide')];
    const day = allDay.get(date);
    if (day === undefined) fail(`${what}: no all-day event on ${date}`);
    else if (!day.startsWith(tide)) fail(`${what}: ${date} is "${day}", not ${tide}`);
    for (let s = 1; s <= 5; s++) {
      const t = f[col(`t${s}`)];
      const kind = f[col(`kind${s}`)];
      if (!t || (kind !== '0' && kind !== '1') || t >= '24:00') continue;
      expectedTimed++;
      const key = utcKey(date, t, c.offset);
      const summary = timed.get(key);
      const level = Number(f[col(`level${s}`)]);
      const m = /^(満潮|干潮) (-?\d+)cm$/.exec(summary ?? '');
      if (!m) { fail(`${what}: no event at ${date} ${t} (UTC ${key}), found "${summary}"`); continue; }
      if (m[1] !== (kind === '0' ? '満潮' : '干潮')) fail(`${what}: ${date} ${t} is "${summary}"`);
      if (Math.abs(Number(m[2]) - level) > 0.55) fail(`${what}: ${date} ${t} reads ${m[2]}cm, the listing ${level}`);
    }
  }
  if (timed.size !== expectedTimed) fail(`${what}: ${timed.size} timed events, the listing has ${expectedTimed} waters`);
  if (allDay.size !== rows.length) fail(`${what}: ${allDay.size} all-day events for ${rows.length} days`);
  console.log(`${what}: ${events.length} events (${expectedTimed} waters, ${rows.length} days)`);
}
process.exit(failures ? 1 : 0);
