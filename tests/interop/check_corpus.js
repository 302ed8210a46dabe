// Real logs written by other programs (files/, listed in files/SOURCES) are imported by loxar-cli and
// each log line is compared with what an independent reader finds in the source file: adif-parser-ts
// for ADIF, the small readers below for EDI and Cabrillo.
// Usage: node check_corpus.js LOXAR_CLI
'use strict';
const {spawnSync} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const {AdifParser} = require('adif-parser-ts');

const cli = process.argv[2];
const root = path.join(__dirname, 'files');
const home = fs.mkdtempSync(path.join(os.tmpdir(), 'loxar-corpus-'));
const cp1250 = new TextDecoder('windows-1250');
const SHOWN = 5; // mismatches printed per file and field; the rest are counted

// Amateur bands from the IARU band plans and the ADIF band list: edges in MHz (inclusive), the text a
// log line shows, the ADIF band name.
const BANDS = [
  [0.1357, 0.1378, '135 kHz', '2190m'], [1.8, 2.0, '1,8 MHz', '160m'], [3.5, 4.0, '3,5 MHz', '80m'],
  [5.06, 5.45, '5,5 MHz', '60m'], [7.0, 7.3, '7 MHz', '40m'], [10.1, 10.15, '10 MHz', '30m'],
  [14.0, 14.35, '14 MHz', '20m'], [18.068, 18.168, '18 MHz', '17m'], [21.0, 21.45, '21 MHz', '15m'],
  [24.89, 24.99, '24 MHz', '12m'], [28.0, 29.7, '28 MHz', '10m'], [50, 54, '50 MHz', '6m'],
  [70, 71, '70 MHz', '4m'], [144, 148, '145 MHz', '2m'], [220, 225, '220 MHz', '1.25m'],
  [420, 450, '435 MHz', '70cm'], [902, 928, '900 MHz', '33cm'], [1240, 1300, '1,3 GHz', '23cm'],
  [2300, 2450, '2,3 GHz', '13cm'], [3300, 3500, '3,4 GHz', '9cm'], [5650, 5925, '5,7 GHz', '6cm'],
  [10000, 10500, '10 GHz', '3cm'], [24000, 24250, '24 GHz', '1.25cm'], [47000, 47200, '47 GHz', '6mm'],
  [75500, 81000, '76 GHz', '4mm'], [119980, 123000, '122 GHz', '2.5mm'], [134000, 149000, '134 GHz', '2mm'],
  [241000, 250000, '248 GHz', '1mm'],
];

// The band holding a frequency; band designators ("1.2G", "1,3 GHz") may fall just outside its edges.
function bandOfMhz(mhz, designator = false) {
  if (!(mhz > 0)) return null;
  const exact = BANDS.find(([lo, hi]) => mhz >= lo && mhz <= hi);
  if (exact || !designator) return exact ? exact[2] : null;
  const near = BANDS.map((b) => [Math.max(b[0] - mhz, mhz - b[1]), b[2]]).sort((a, b) => a[0] - b[0])[0];
  return near[0] <= mhz * 0.1 ? near[1] : null;
}

function bandOfName(name) {
  const b = BANDS.find((x) => x[3] === String(name || '').trim().toLowerCase());
  return b ? b[2] : null;
}

// "144 MHz", "145", "432MHz", "1,3 GHz", "1296 MHz", "2m", "70cm", ...
function bandOfText(text) {
  const t = String(text || '').trim().toLowerCase().replace(/\s+/g, '').replace(',', '.');
  const m = /^(\d+(?:\.\d+)?)(ghz|mhz|khz|g|m)?$/.exec(t);
  if (!m) return bandOfName(t);
  const scale = {ghz: 1000, g: 1000, khz: 0.001}[m[2]] || 1;
  return bandOfMhz(parseFloat(m[1]) * scale, true);
}

const MODES = {CW: 'CW', CWR: 'CW', SSB: 'SSB', USB: 'SSB', LSB: 'SSB', PH: 'SSB', FM: 'FM', AM: 'AM',
               RTTY: 'RTT', RY: 'RTT', SSTV: 'SST', ATV: 'ATV'};
const modeOf = (m) => (m ? MODES[m.trim().toUpperCase()] || 'DIG' : null);
const EDI_MODES = {1: 'SSB', 2: 'CW', 5: 'AM', 6: 'FM', 7: 'RTT', 8: 'SST', 9: 'ATV'};

function locatorOf(text) {
  const g = String(text || '').trim().toUpperCase().slice(0, 6);
  return /^[A-R]{2}[0-9]{2}([A-X]{2})?$/.test(g) ? g : 'AA00AA';
}

// The QSO as a log line should show it; null fields are not compared.
function qso(o) {
  return {call: o.call.trim().toUpperCase().slice(0, 20), date: o.date, time: o.time, band: o.band || '---',
          mode: o.mode || null, sentReport: o.sentReport || null, report: o.report || null,
          exchange: o.exchange || null, locator: o.locator === undefined ? null : locatorOf(o.locator)};
}

// ADIF lengths count bytes, so the text goes to the parser one byte per character. Only the records
// are read: some writers put tags without a length into the header.
function readAdif(bytes) {
  const text = bytes.toString('latin1');
  const eoh = text.search(/<eoh>/i);
  return AdifParser.parseAdi(eoh < 0 ? text : text.slice(eoh + 5).trimStart()).records.map((r) => {
    const f = {qso_date: '', time_on: ''};
    for (const [k, v] of Object.entries(r)) f[k.toLowerCase()] = Buffer.from(v, 'latin1').toString('utf8').trim();
    return f;
  }).filter((f) => f.call).map((f) => qso({
    call: f.call,
    date: `${f.qso_date.slice(0, 4)}-${f.qso_date.slice(4, 6)}-${f.qso_date.slice(6, 8)}`,
    time: `${f.time_on.slice(0, 2)}:${f.time_on.slice(2, 4)}`,
    band: bandOfMhz(parseFloat(f.freq)) || bandOfName(f.band),
    mode: modeOf(f.submode && /^[UL]SB$/i.test(f.submode) ? 'SSB' : f.mode),
    sentReport: f.rst_sent, report: f.rst_rcvd, exchange: f.srx || f.srx_string, locator: f.gridsquare,
  }));
}

// REG1TEST: the band in the header, one record a line after [QSORecords]:
// date;time;call;mode;sent RST;sent nr;rcvd RST;rcvd nr;rcvd exchange;locator;...
function readEdi(bytes) {
  const lines = bytes.toString('latin1').split(/\r?\n/);
  const pband = lines.find((l) => /^pband=/i.test(l));
  const band = bandOfText(pband && pband.slice(6));
  const start = lines.findIndex((l) => /^\[qsorecords/i.test(l));
  const out = [];
  for (const line of lines.slice(start + 1)) {
    if (/^\[end/i.test(line)) break;
    const f = line.split(';');
    if (f.every((x) => !x.trim())) continue;
    const yy = parseInt(f[0].slice(0, 2), 10);
    out.push(qso({
      call: f[2], date: `${yy < 70 ? 2000 + yy : 1900 + yy}-${f[0].slice(2, 4)}-${f[0].slice(4, 6)}`,
      time: `${f[1].slice(0, 2)}:${f[1].slice(2, 4)}`, band, mode: EDI_MODES[f[3].trim()],
      sentReport: f[4], report: f[6], exchange: f[7], locator: f[9],
    }));
  }
  return out;
}

// Cabrillo QSO: lines. The HF layout is freq mode date time mycall sent... call rcvd... [transmitter],
// the received part starting with the report when it has one; the ARRL VHF layout is
// freq mode date time mycall mygrid call grid.
const RST = /^[1-5][1-9][1-9]?[A-Z]?$/;
const isGrid = (t) => /^[A-R]{2}[0-9]{2}([A-X]{2})?$/i.test(t || '');

function cabrilloBand(freq) {
  const g = /^(\d+(?:\.\d+)?)G$/i.exec(freq);
  if (g) return bandOfMhz(parseFloat(g[1]) * 1000, true);
  const v = parseFloat(freq);
  return v >= 1000 ? bandOfMhz(v / 1000) : bandOfMhz(v, true);
}

function readCabrillo(bytes) {
  const records = bytes.toString('latin1').split(/\r?\n/).filter((l) => /^QSO:/i.test(l))
      .map((l) => l.slice(4).trim().split(/\s+/));
  const vhf = records.length > 0 && records[0].length === 8 && isGrid(records[0][5]) && isGrid(records[0][7]);
  const qsos = records.map((t) => {
    const common = {date: t[2], time: `${t[3].slice(0, 2)}:${t[3].slice(2, 4)}`, band: cabrilloBand(t[0]),
                    mode: modeOf(t[1])};
    if (vhf) return qso({...common, call: t[6], locator: t[7]});
    const rest = t.slice(4, t.length % 2 ? -1 : undefined);
    const n = (rest.length - 2) / 2;
    const sent = rest.slice(1, 1 + n);
    const rcvd = rest.slice(2 + n);
    // Without a report (name and state, serial and state, ...) which word is the exchange is open.
    const hasReport = n >= 2 && RST.test(rcvd[0]);
    return qso({...common, call: rest[1 + n], sentReport: n >= 2 && RST.test(sent[0]) ? sent[0] : null,
                report: hasReport ? rcvd[0] : null, exchange: hasReport ? rcvd[1] : rcvd});
  });
  return {qsos, contest: vhf ? 'IARU' : 'EXCHANGE'};
}

// Reports and exchanges as the log keeps them: trimmed, leading zeros dropped, cut to the column.
function plain(s) {
  const t = String(s).trim().toUpperCase();
  return /^[+-]?\d+$/.test(t) ? String(parseInt(t, 10)) : t.replace(/^0+(?=.)/, '');
}
const FIELDS = {
  call: [(l) => l.slice(20, 40).trim(), (w) => w],
  date: [(l) => l.slice(0, 10), (w) => w],
  time: [(l) => `${l.slice(11, 13)}:${l.slice(14, 16)}`, (w) => w],
  band: [(l) => l.slice(107, 114).trim(), (w) => w],
  mode: [(l) => l.slice(68, 71).trim(), (w) => w],
  sentReport: [(l) => plain(l.slice(59, 62)), (w) => plain(w).slice(0, 3)],
  report: [(l) => plain(l.slice(41, 44)), (w) => plain(w).slice(0, 3)],
  exchange: [(l) => plain(l.slice(45, 49)), (w) => plain(w).slice(0, 4)],
  locator: [(l) => l.slice(50, 56), (w) => w.padEnd(6)],
};

function readSource(kind, bytes) {
  if (kind === 'adif') return {qsos: readAdif(bytes), contest: 'IARU'};
  if (kind === 'edi') return {qsos: readEdi(bytes), contest: 'IARU'};
  return readCabrillo(bytes);
}

function check(name) {
  const file = path.join(root, name);
  const {qsos, contest} = readSource(name.split('/')[0], fs.readFileSync(file));
  const run = spawnSync(cli, ['import', file, '--contest', contest, '--home', home]);
  if (run.status !== 0) {
    return [`${name}: refused (exit ${run.status}): ${run.stderr.toString('utf8').trim().split('\n')[0]}`];
  }
  const text = cp1250.decode(run.stdout).split('\r\n');
  const lines = text.slice(2, text.indexOf('End'));
  if (lines.length !== qsos.length) return [`${name}: ${lines.length} QSOs imported, the file has ${qsos.length}`];
  const problems = [];
  const counted = {};
  qsos.forEach((want, i) => {
    for (const [field, [fromLine, shown]] of Object.entries(FIELDS)) {
      if (want[field] === null) continue;
      const accepted = [].concat(want[field]).map(shown);
      const expected = accepted.join('" or "');
      const got = fromLine(lines[i]);
      if (accepted.includes(got)) continue;
      counted[field] = (counted[field] || 0) + 1;
      if (counted[field] <= SHOWN) {
        problems.push(`${name}: QSO ${i + 1} (${want.call}) ${field}: expected "${expected}", got "${got}"`);
      }
    }
  });
  for (const [field, n] of Object.entries(counted)) {
    if (n > SHOWN) problems.push(`${name}: ... ${n - SHOWN} more ${field} mismatches`);
  }
  return problems;
}

const names = ['adif', 'cabrillo', 'edi'].flatMap((kind) =>
  fs.readdirSync(path.join(root, kind)).sort().map((f) => `${kind}/${f}`));
let failed = 0;
for (const name of names) {
  const problems = check(name);
  if (problems.length) failed++;
  for (const p of problems) console.error('FAIL ' + p);
}
fs.rmSync(home, {recursive: true, force: true});
console.log(`${names.length - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
