// A 100 000-record ADIF file imported by loxar-cli and parsed by adif-parser-ts, side by side in
// one run; the import must be at least 10 times faster. Usage: node import_vs_adif_parser.js LOXAR_CLI
'use strict';
const {spawnSync} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const {AdifParser} = require(path.join(__dirname, '..', 'tests', 'interop', 'node_modules', 'adif-parser-ts'));

const cli = process.argv[2];
const records = 100000;
const minSpeedup = 10;
const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'loxar-bench-import-'));

function f(name, value) {
  return `<${name}:${value.length}>${value}`;
}

function adif() {
  const parts = ['Bench log\r\n' + f('ADIF_VER', '3.1.4') + '<EOH>\r\n'];
  for (let i = 0; i < records; i++) {
    const minute = i % 1440;
    parts.push([f('CALL', 'DL' + (i % 10) + 'A' + String.fromCharCode(65 + (i % 26)) + 'C'), f('QSO_DATE', '20240217'),
                f('TIME_ON', String(Math.floor(minute / 60)).padStart(2, '0') + String(minute % 60).padStart(2, '0') + '00'),
                f('BAND', '20m'), f('FREQ', '14.025'), f('MODE', 'CW'), f('RST_SENT', '599'), f('RST_RCVD', '599'),
                f('STX', String(i + 1)), f('SRX', String((i * 7) % 1000)), f('NAME', 'OPERATOR'),
                f('STATION_CALLSIGN', 'HA1ABC'), '<EOR>'].join(' ') + '\r\n');
  }
  return parts.join('');
}

function ms(start) {
  return Number(process.hrtime.bigint() - start) / 1e6;
}

const file = path.join(dir, 'bench.adi');
fs.writeFileSync(file, adif(), 'latin1');

// Each side reads the file and converts all of it; the better of three runs counts.
function best(run) {
  let t = Infinity;
  for (let i = 0; i < 3; i++) {
    const start = process.hrtime.bigint();
    run();
    t = Math.min(t, ms(start));
  }
  return t;
}

const parserMs = best(() => {
  const parsed = AdifParser.parseAdi(fs.readFileSync(file, 'latin1'));
  if (parsed.records.length !== records) throw new Error('adif-parser-ts read ' + parsed.records.length);
});
// Like the parser, the import reads and converts; its lines go to standard output, caught in a
// file, so the figure holds no disk flush (the -o file is written with fsync for crash safety).
const out = path.join(dir, 'bench.import');
const importMs = best(() => {
  const fd = fs.openSync(out, 'w');
  const r = spawnSync(cli, ['import', file, '--contest', 'IARU', '--home', path.join(dir, 'home')],
                      {stdio: ['ignore', fd, 'inherit']});
  fs.closeSync(fd);
  if (r.status !== 0) throw new Error('loxar-cli import failed: ' + r.status);
});
// The log holds at most 99 999 QSOs: the rest is counted and left out.
const lines = fs.readFileSync(out, 'latin1').split('\r\n').length - 4;
fs.rmSync(dir, {recursive: true, force: true});

const speedup = parserMs / importMs;
const line = (name, value, note) => console.log(`${name.padEnd(55)} ${value.toFixed(3).padStart(10)} ms  ${note}`);
line(`adif-parser-ts: ${records} ADIF records`, parserMs, '');
line(`loxar-cli import: ${records} ADIF records (${lines} lines)`, importMs,
     `${speedup.toFixed(1)}x faster (limit ${minSpeedup}x)  ${speedup >= minSpeedup ? 'ok' : 'SLOW'}`);
process.exit(speedup >= minSpeedup ? 0 : 1);
