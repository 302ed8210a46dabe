// ADIF files laid out as other programs write them (lower-case tags, ADIF 3 fields, application
// fields, a header with ADIF_VER, UTF-8 names, no header at all) are imported by loxar-cli into the
// QSOs adif-parser-ts reads from the same files.
// Usage: node check_import.js LOXAR_CLI
'use strict';
const {execFileSync} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const {AdifParser} = require('adif-parser-ts');

const cli = process.argv[2];
const home = fs.mkdtempSync(path.join(os.tmpdir(), 'loxar-import-'));
const cp1250 = new TextDecoder('windows-1250');
let failures = 0;

function fail(what) {
  failures++;
  console.error('FAIL ' + what);
}

// One field as ADIF writes it: the length counts the bytes of the UTF-8 value.
function f(name, value) {
  return `<${name}:${Buffer.byteLength(value, 'utf8')}>${value}`;
}

// Each sample: the file text, and per QSO the name as the log keeps it (cp1250, other letters plain).
const samples = [
  {
    name: 'ADIF 3 header, lower-case tags, application fields',
    text: 'Log exported for a contest\r\n' + f('ADIF_VER', '3.1.4') + ' ' + f('PROGRAMID', 'Sampler') + ' ' +
          f('PROGRAMVERSION', '2.0') + ' ' + f('CREATED_TIMESTAMP', '20240217 130000') + '\r\n<EOH>\r\n\r\n' +
          [f('call', 'dl1abc'), f('qso_date', '20240217'), f('time_on', '120005'), f('time_off', '120100'),
           f('band', '20m'), f('freq', '14.025300'), f('mode', 'CW'), f('rst_sent', '599'), f('rst_rcvd', '579'),
           f('stx', '1'), f('srx', '15'), f('gridsquare', 'JO62qm'), f('my_gridsquare', 'JN97aa'),
           f('name', 'Kovács Ödön'), f('APP_N1MM_EXCHANGE1', 'BP'), f('app_sampler_note', 'a <b> c'),
           f('contest_id', 'HA-DX'), f('station_callsign', 'HA1ABC'), '<eor>'].join(' ') + '\r\n' +
          [f('call', 'LA9XX'), f('qso_date', '20240217'), f('time_on', '1200'), f('band', '2m'),
           f('freq', '144.300'), f('mode', 'SSB'), f('submode', 'USB'), f('name', 'Jørgen'),
           f('comment', 'worked\r\nagain'), '<eor>'].join('\r\n') + '\r\n',
    names: ['Kovács Ödön', 'Jorgen'],
  },
  {
    name: 'no header, one record per line',
    text: [f('CALL', 'W1AW') + f('QSO_DATE', '20240218') + f('TIME_ON', '0001') + f('FREQ', '7.025') +
               f('MODE', 'CW') + f('NAME', 'GEORGE') + '<EOR>',
           f('CALL', 'OK1KZ') + f('QSO_DATE', '20240218') + f('TIME_ON', '0002') + f('BAND', '70cm') +
               f('MODE', 'FM') + '<EOR>'].join('\n') + '\n',
    names: ['GEORGE', ''],
  },
];

// The band text a log line shows for the frequency or band adif-parser-ts reads.
function band(record) {
  const mhz = parseFloat(record.freq);
  if (mhz >= 144 && mhz < 148 || record.band === '2m') return '145 MHz';
  if (mhz >= 14 && mhz < 15) return '14 MHz ';
  if (mhz >= 7 && mhz < 8) return '7 MHz  ';
  if ((record.band || '').toLowerCase() === '70cm') return '435 MHz';
  return '---    ';
}

samples.forEach((sample, n) => {
  const file = path.join(home, `sample${n}.adi`);
  fs.writeFileSync(file, sample.text, 'utf8');
  // One byte per character, as the lengths count bytes; the values are UTF-8 again afterwards.
  const parsed = AdifParser.parseAdi(fs.readFileSync(file, 'latin1'));
  const records = parsed.records.map((r) => {
    const out = {};
    for (const [k, v] of Object.entries(r)) out[k.toLowerCase()] = Buffer.from(v, 'latin1').toString('utf8');
    return out;
  });
  const output = execFileSync(cli, ['import', file, '--contest', 'IARU', '--home', home],
                              {stdio: ['ignore', 'pipe', 'inherit']});
  const lines = cp1250.decode(output).split('\r\n').slice(2).filter((l) => l && l !== 'End');
  if (lines.length !== records.length) {
    return fail(`${sample.name}: ${lines.length} lines, adif-parser-ts read ${records.length} records`);
  }
  records.forEach((r, i) => {
    const l = lines[i];
    const want = {
      date: `${r.qso_date.slice(0, 4)}-${r.qso_date.slice(4, 6)}-${r.qso_date.slice(6, 8)}`,
      time: `${r.time_on.slice(0, 2)}:${r.time_on.slice(2, 4)}`,
      call: r.call.toUpperCase(),
      band: band(r),
      name: sample.names[i],
    };
    const got = {date: l.slice(0, 10), time: l.slice(11, 16), call: l.slice(20, 40).trim(), band: l.slice(107, 114),
                 name: l.slice(92, 106).trim()};
    for (const k of Object.keys(want)) {
      if (got[k] !== want[k]) fail(`${sample.name} QSO ${i + 1} ${k}: ${JSON.stringify(got[k])}, expected ${JSON.stringify(want[k])}`);
    }
    if (l.length !== 115 || l[114] !== '=') fail(`${sample.name} QSO ${i + 1}: not a general line: ${l}`);
  });
});

fs.rmSync(home, {recursive: true, force: true});
if (failures > 0) process.exit(1);
console.log('ADIF imports agree with adif-parser-ts: ' + samples.length + ' samples');
