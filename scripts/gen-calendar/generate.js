// Generates the stored calendar tables (engine/calendar/tables/*.cpp) and the lunar
// month fixture of the tests (tests/engine/data/lunar_months.csv). Dev-time
// only: the product and CI use the committed output. See README.md.
'use strict';

const fs = require('fs');
const path = require('path');
const src = require('./lib/sources');
const enc = require('./lib/encode');
const cpp = require('./lib/cpp');
const { iso, dateOf } = require('./lib/days');
const { equationOfTime } = require('./lib/equation_of_time');
const { leapMonthTable } = require('./lib/leap_months');

const root = path.resolve(__dirname, '../..');
const tables = path.join(root, 'engine/calendar/tables');
const kFirst = 1900, kLast = 2050;

// "1, 2, 3, 7" → "1..3, 7".
function ranges(years) {
  const ys = [...new Set(years)].sort((a, b) => a - b), out = [];
  for (let i = 0; i < ys.length; i++) {
    let j = i;
    while (j + 1 < ys.length && ys[j + 1] === ys[j] + 1) j++;
    out.push(i === j ? `${ys[i]}` : `${ys[i]}..${ys[j]}`);
    i = j;
  }
  return out.join(', ');
}

function range(a, b) {
  return Array.from({ length: b - a + 1 }, (_, i) => a + i);
}

// Lunar months: solarlunar from 1900; the last months of lunar 1899 (solar
// January 1900) from lunar-javascript.
const months = [
  ...src.lunarJavascriptMonths(1899, 1899).filter((l) => l.month >= 11),
  ...src.solarlunarMonths(kLast + 1),
];

// Cross-check every month of 1900–2050 against lunar-javascript.
function crossCheck() {
  const key = (l) => `${l.year}-${l.leap ? 'leap ' : ''}${l.month}`;
  const other = new Map(src.lunarJavascriptMonths(kFirst, kLast).map((l) => [key(l), l]));
  const found = [];
  for (const l of months.filter((x) => x.year >= kFirst && x.year <= kLast)) {
    const o = other.get(key(l));
    if (!o || o.start !== l.start || o.length !== l.length) {
      found.push(`${key(l)}: solarlunar ${iso(dateOf(l.start))} (${l.length} days), ` +
        (o ? `lunar-javascript ${iso(dateOf(o.start))} (${o.length} days)` : 'lunar-javascript has no such month'));
    }
    other.delete(key(l));
  }
  for (const [k, o] of other) found.push(`${k}: only lunar-javascript has it, ${iso(dateOf(o.start))} (${o.length} days)`);
  return found;
}

const exceptions = { solar: [], lunar: [] };
const solarToLunar = range(kFirst, kLast).map((y) =>
  range(1, 12).map((m) => enc.solarToLunarWord(months, y, m, exceptions.solar)));
const lunarToSolar = range(kFirst, kLast).map((y) =>
  range(1, 12).map((m) => enc.lunarToSolarWord(months, y, m, exceptions.lunar)));

const solarTerms = range(kFirst, kLast).map((y) => {
  const jd = src.termJulianDays(y);
  return range(1, 12).map((m) => {
    const jie = enc.minuteOf(jd[2 * m - 1]), qi = enc.minuteOf(jd[2 * m]);
    if (jie.m !== m || qi.m !== m || jie.y !== y || qi.y !== y) throw new Error(`terms of ${y}-${m} leave the month`);
    return enc.termWord(jie, qi);
  });
});

const leap = leapMonthTable();
const eot = equationOfTime();

cpp.wordTable(path.join(tables, 'solar_to_lunar.cpp'),
  'Solar month to lunar month, 1900–2050.', 'kSolarToLunar', solarToLunar, kFirst);
cpp.wordTable(path.join(tables, 'lunar_to_solar.cpp'),
  'Lunar month to solar dates, 1900–2050.', 'kLunarToSolar', lunarToSolar, kFirst);
cpp.wordTable(path.join(tables, 'solar_terms.cpp'),
  'Moments of the 节 and 中气 of every month, 1900–2050, standard time of 120° E.', 'kSolarTerms',
  solarTerms, kFirst);
cpp.leapTable(path.join(tables, 'leap_months.cpp'), leap.bytes, leap.firstYear);
cpp.doubleTable(path.join(tables, 'equation_of_time.cpp'),
  'Equation of time in minutes by day of year (0 = 1 January).', 'kEquationOfTime', eot);

// The fixture: every lunar month that begins between 1900-01-31 and 2050-12-31.
const fixture = ['# year,month,leap,first solar day,length'];
for (const l of months.filter((x) => x.year >= kFirst)) {
  const first = dateOf(l.start);
  if (first.y > kLast) break;
  fixture.push(`${l.year},${l.month},${l.leap ? 1 : 0},${iso(first)},${l.length}`);
}
fs.writeFileSync(path.join(root, 'tests/engine/data/lunar_months.csv'), fixture.join('\n') + '\n');

const disagreements = crossCheck();
console.log(`months where solarlunar and lunar-javascript disagree (${disagreements.length}):`);
for (const d of disagreements) console.log('  ' + d);
console.log('solar months spanning three lunar months:', JSON.stringify(exceptions.solar));
console.log('lunar months spanning three solar months:', JSON.stringify(exceptions.lunar));
console.log('years with a leap month:', leap.bytes.filter((b) => b !== 0).length);
console.log(`reconstructed years that differ from the guide (${leap.reworked.length}):`, leap.reworked.join(', '));
console.log(`reconstructed years left incoherent (${new Set(leap.incoherent).size}):`, ranges(leap.incoherent) || 'none');
console.log('published years (1645-1899, 2051-2100) incoherent:', leap.fixedIncoherent.join(', ') || 'none');
