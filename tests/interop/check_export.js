// Reads the ADIF export loxar-cli writes of each log in ./logs with adif-parser-ts and compares
// every record with the log line it came from, cut out here by the columns of its layout.
// Usage: node check_export.js LOXAR_CLI
'use strict';
const {execFileSync} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const {AdifParser} = require('adif-parser-ts');

const cli = process.argv[2];
const here = __dirname;
const home = fs.mkdtempSync(path.join(os.tmpdir(), 'loxar-export-'));
let failures = 0;

function fail(what) {
  failures++;
  console.error('FAIL ' + what);
}

// 1-based columns, trimmed.
const col = (l, from, len) => l.substr(from - 1, len).trim();
const num = (t) => (/^\d+$/.test(t.trim()) ? String(parseInt(t, 10)) : t.trim());
const bands = {'3,5 MHz': '80m', '7 MHz': '40m', '14 MHz': '20m', '28 MHz': '10m', '50 MHz': '6m',
  '145 MHz': '2m', '435 MHz': '70cm'};
const when = (l) => ({
  qso_date: col(l, 1, 4) + col(l, 6, 2) + col(l, 9, 2),
  time_on: col(l, 12, 2) + col(l, 15, 2) + col(l, 18, 2),
});

// What each record must hold, from the log line and the log's header (own call, locator, name, QTH).
const layouts = {
  general: (l, own, type) => {
    const r = {...when(l), station_callsign: own.call, my_name: own.name, my_city: own.qth,
      my_gridsquare: own.locator, call: col(l, 21, 20), band: bands[col(l, 108, 7)] || '',
      mode: col(l, 69, 3), rst_sent: num(col(l, 60, 3)), rst_rcvd: num(col(l, 42, 3))};
    if (col(l, 93, 14)) r.name = col(l, 93, 14);
    if (type === 5) Object.assign(r, {stx_string: col(l, 64, 2), srx_string: col(l, 46, 4)});
    if (type === 2) Object.assign(r, {stx_string: num(col(l, 64, 4)), srx_string: num(col(l, 46, 4))});
    if (type === 6 && col(l, 51, 6) !== 'AA00AA') r.gridsquare = col(l, 51, 4);
    // CQ-WW-VHF: a line without a report ("000" or blanks) gives no RST field at all.
    if (type === 6) {
      for (const f of ['rst_sent', 'rst_rcvd']) if (r[f] === '0' || r[f] === '') r[f] = undefined;
    }
    return r;
  },
  qrp: (l, own) => {
    const r = {...when(l), band: bands[col(l, 108, 7)] || '', mode: col(l, 83, 3),
      station_callsign: own.call, rst_sent: num(col(l, 79, 3)), my_name: col(l, 93, 10),
      my_city: col(l, 116, 16), call: col(l, 21, 16), rst_rcvd: num(col(l, 38, 3))};
    if (col(l, 42, 14)) r.name = col(l, 42, 14);
    if (col(l, 57, 20)) r.qth = col(l, 57, 20);
    return r;
  },
  nmark: (l, own) => {
    const r = {...when(l), band: bands[col(l, 108, 7)] || '', mode: col(l, 79, 3),
      station_callsign: own.call, rst_sent: num(col(l, 75, 3)), my_name: col(l, 93, 10),
      my_city: col(l, 116, 16), call: col(l, 21, 12), rst_rcvd: num(col(l, 34, 3))};
    if (col(l, 38, 14)) r.name = col(l, 38, 14);
    if (col(l, 53, 20)) r.qth = col(l, 53, 20);
    return r;
  },
  skm: (l, own) => ({...when(l), band: bands[col(l, 108, 7)] || '', mode: col(l, 71, 3),
    station_callsign: own.call, rst_sent: num(col(l, 53, 3)), my_name: col(l, 93, 10),
    stx_string: col(l, 57, 13), call: col(l, 21, 13), rst_rcvd: num(col(l, 35, 3)),
    srx_string: col(l, 39, 13)}),
  swl: (l, own) => {
    const serial = col(l, 56, 8);
    const r = {...when(l), station_callsign: own.call, my_name: own.name, my_city: own.qth,
      my_gridsquare: own.locator, call: col(l, 34, 17),
      comment: [col(l, 65, 17), col(l, 83, 3), col(l, 87, 8)].join(' '),
      band: bands[col(l, 21, 7)] || '', mode: col(l, 30, 3), rst_rcvd: num(col(l, 52, 3))};
    r[/^\d+$/.test(serial) ? 'srx' : 'srx_string'] = num(serial);
    return r;
  },
};
const logs = [
  {log: 'general', layout: 'general'}, {log: 'cqww', layout: 'general'},
  {log: 'ylom', layout: 'general'}, {log: 'qrp', layout: 'qrp'}, {log: 'nmark', layout: 'nmark'},
  {log: 'skm', layout: 'skm'}, {log: 'swl', layout: 'swl'},
];

function check({log, layout}) {
  const file = path.join(here, 'logs', log + '.log');
  const lines = fs.readFileSync(file, 'latin1').split('\r\n');
  const header = lines[1].split(',');
  const own = {call: header[0], locator: header[1], name: header[2], qth: header[8]};
  const type = parseInt(header[5], 10);
  const qsos = lines.slice(2, lines.indexOf('End'));
  const text = execFileSync(cli, ['export', file, '--home', home],
                            {stdio: ['ignore', 'pipe', 'ignore']}).toString('latin1');
  if (!text.endsWith('\r\n') || text.split('\r\n').some((l) => /[\r\n]/.test(l))) {
    fail(log + ': a line without CR LF');
  }
  let parsed;
  try {
    parsed = AdifParser.parseAdi(text);
  } catch (e) {
    return fail(log + ': adif-parser-ts refused the export: ' + e.message);
  }
  if (parsed.records.length !== qsos.length) {
    return fail(`${log}: ${parsed.records.length} records for ${qsos.length} QSOs`);
  }
  qsos.forEach((line, i) => {
    const want = layouts[layout](line, own, type);
    const got = parsed.records[i];
    for (const name of Object.keys(want)) {
      if (got[name] !== want[name]) {
        fail(`${log} record ${i + 1} field ${name}: ${JSON.stringify(got[name])}, expected ${JSON.stringify(want[name])}`);
      }
    }
  });
}

try {
  logs.forEach(check);
} finally {
  fs.rmSync(home, {recursive: true, force: true});
}
if (failures) {
  console.error(failures + ' failure(s)');
  process.exit(1);
}
console.log('ADIF export read back by adif-parser-ts: ' + logs.map((l) => l.log).join(', '));
