// The two published calendars the tables are taken from: the lunar months of
// `solarlunar` (primary) and of `lunar-javascript` (cross-check, years before
// 1900, solar-term moments).
'use strict';

const solarlunar = require('solarlunar').default;
const { LunarYear } = require('lunar-javascript');
const { jdn } = require('./days');

// A lunar month: { year, month, leap, start (JDN of its first day), length }.

// solarlunar's months from lunar 1900-01 (1900-01-31) to the end of lunar lastYear.
function solarlunarMonths(lastYear) {
  const months = [];
  let start = jdn(1900, 1, 31);
  for (let y = 1900; y <= lastYear; y++) {
    const leap = solarlunar.leapMonth(y);
    for (let m = 1; m <= 12; m++) {
      const length = solarlunar.monthDays(y, m);
      months.push({ year: y, month: m, leap: false, start, length });
      start += length;
      if (leap === m) {
        const leapLength = solarlunar.leapDays(y);
        months.push({ year: y, month: m, leap: true, start, length: leapLength });
        start += leapLength;
      }
    }
  }
  return months;
}

function solarlunarLeapMonth(year) {
  return solarlunar.leapMonth(year);
}

// lunar-javascript's months of the lunar years first..last.
function lunarJavascriptMonths(first, last) {
  const months = [];
  for (let y = first; y <= last; y++) {
    for (const m of LunarYear.fromYear(y).getMonths()) {
      if (m.getYear() !== y) continue;
      months.push({
        year: y,
        month: Math.abs(m.getMonth()),
        leap: m.getMonth() < 0,
        start: m.getFirstJulianDay(),
        length: m.getDayCount(),
      });
    }
  }
  return months;
}

function lunarJavascriptLeapMonth(year) {
  return LunarYear.fromYear(year).getLeapMonth();
}

// Julian days (standard time of 120° E) of the terms 1 小寒 … 24 冬至 of a
// Gregorian year, index 1..24.
function termJulianDays(year) {
  const all = LunarYear.fromYear(year).getJieQiJulianDays();
  // The list starts with the 大雪 and the 冬至 of the year before.
  const terms = [null];
  for (let i = 1; i <= 24; i++) terms.push(all[i + 1]);
  return terms;
}

module.exports = {
  solarlunarMonths,
  solarlunarLeapMonth,
  lunarJavascriptMonths,
  lunarJavascriptLeapMonth,
  termJulianDays,
};
