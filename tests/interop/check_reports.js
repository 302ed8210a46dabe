// Reads the reports loxar-cli writes of the logs in ./logs with independent readers: the ADIF
// report with adif-parser-ts, every Cabrillo report by the structure its variant defines.
// Usage: node check_reports.js LOXAR_CLI
'use strict';
const {execFileSync} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const {AdifParser} = require('adif-parser-ts');

const cli = process.argv[2];
const here = __dirname;
const home = fs.mkdtempSync(path.join(os.tmpdir(), 'loxar-interop-'));
let failures = 0;

function fail(what) {
  failures++;
  console.error('FAIL ' + what);
}

// The report as bytes read one byte per character (the files are 8-bit text).
function report(format, log) {
  const out = execFileSync(cli, ['report', format, path.join(here, 'logs', log + '.log'), '--home', home],
                           {stdio: ['ignore', 'pipe', 'ignore']});
  return out.toString('latin1');
}

function checkAdif() {
  const text = report('YLOM', 'ylom');
  const expected = JSON.parse(fs.readFileSync(path.join(here, 'expected_ylom.json'), 'latin1'));
  let parsed;
  try {
    parsed = AdifParser.parseAdi(text);
  } catch (e) {
    return fail('YLOM: adif-parser-ts refused the report: ' + e.message);
  }
  if (parsed.header.text.trim() !== expected.header) fail('YLOM header: ' + JSON.stringify(parsed.header.text));
  if (parsed.records.length !== expected.records.length) {
    return fail('YLOM: ' + parsed.records.length + ' records, expected ' + expected.records.length);
  }
  expected.records.forEach((want, i) => {
    const got = parsed.records[i];
    const names = new Set([...Object.keys(want), ...Object.keys(got)]);
    for (const name of names) {
      if (got[name] !== want[name]) {
        fail(`YLOM record ${i + 1} field ${name}: ${JSON.stringify(got[name])}, expected ${JSON.stringify(want[name])}`);
      }
    }
  });
}

// Whitespace-separated parts of a QSO line by variant, with and without the mode field.
const variants = [
  {format: 'HA-DX', log: 'general', parts: 11},
  {format: 'EXCHANGE', log: 'general', parts: 11},
  {format: 'RH-OB', log: 'general', parts: 11},
  {format: 'RDXC-ALL', log: 'general', parts: 11},
  {format: 'RDXC-TWO', log: 'general', parts: 11},
  {format: 'REF', log: 'general', parts: 11},
  {format: 'HSKC', log: 'general', parts: 11},
  {format: 'CQ-WW-VHF', log: 'cqww', parts: 9, version: '2.0'},
  {format: 'HA-QRP', log: 'qrp', parts: 14, optional: 1},
  {format: 'DX', log: 'qrp', parts: 14, optional: 1},
  {format: 'SKMC', log: 'skm', parts: 11},
  {format: 'NMARK', log: 'nmark', parts: 12},
  {format: 'SWL', log: 'swl', parts: 11},
];

function checkCabrillo(v) {
  const text = report(v.format, v.log);
  const name = v.format;
  if (!text.endsWith('\r\n')) fail(name + ': the last line has no CR LF');
  const lines = text.split('\r\n');
  lines.pop();
  if (lines.some((l) => l.includes('\n') || l.includes('\r'))) fail(name + ': a bare line break');
  if (lines[0] !== 'START-OF-LOG: ' + (v.version || '3.0')) fail(name + ': first line ' + JSON.stringify(lines[0]));
  if (lines[lines.length - 1] !== 'END-OF-LOG:') fail(name + ': last line ' + JSON.stringify(lines[lines.length - 1]));
  const qsos = lines.filter((l) => l.startsWith('QSO:'));
  const logLines = fs.readFileSync(path.join(here, 'logs', v.log + '.log'), 'latin1').split('\r\n').length - 4;
  if (qsos.length !== logLines) fail(`${name}: ${qsos.length} QSO lines for ${logLines} QSOs`);
  for (const l of lines) {
    if (!/^[A-Z][A-Z-]*:( .*)?$/.test(l)) fail(`${name}: not a keyword line: ${JSON.stringify(l)}`);
  }
  for (const q of qsos) {
    const parts = q.trim().split(/\s+/);
    // Variants whose mode adds nothing for some modes move the rest left by one part.
    const modeless = !/^(CW|PH|FM|RY|--)$/.test(parts[2]);
    const want = v.parts - (modeless ? 1 : 0);
    if (parts.length < want || parts.length > want + (v.optional || 0)) {
      fail(`${name}: ${parts.length} parts, expected ${want}: ${JSON.stringify(q)}`);
    }
    const at = modeless ? 2 : 3;
    if (!/^\d{4}-\d{2}-\d{2}$/.test(parts[at])) fail(`${name}: no date: ${JSON.stringify(q)}`);
    if (!/^\d{4}$/.test(parts[at + 1])) fail(`${name}: no time: ${JSON.stringify(q)}`);
  }
}

try {
  checkAdif();
  variants.forEach(checkCabrillo);
} finally {
  fs.rmSync(home, {recursive: true, force: true});
}
if (failures) {
  console.error(failures + ' failure(s)');
  process.exit(1);
}
console.log('reports read back: YLOM by adif-parser-ts, ' + variants.length + ' Cabrillo variants');
