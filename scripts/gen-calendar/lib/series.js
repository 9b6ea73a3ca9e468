// The engine's computed lunar calendar, ported line by line from
// engine/calendar/CYiDate_days.cpp and engine/calendar/CYiDate_lunar.cpp, so that the generator
// can choose a leap-month table that the engine's lunation series numbers
// coherently. Keep it in step with the C++ code.
'use strict';

const floorDiv = (a, b) => Math.floor(a / b);
const mod = (a, b) => ((a % b) + b) % b;

function isLeapYear(y) {
  return y > 1582 ? y % 400 === 0 || (y % 4 === 0 && y % 100 !== 0) : mod(y, 4) === 0;
}
const kDays = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31];
const monthLength = (y, m) => (m === 2 && isLeapYear(y) ? 29 : kDays[m - 1]);

function calendarOf(y, m, d) {
  if (y === 1582 && m === 10 && d >= 5 && d <= 14) return -1;
  if (y !== 1582) return y > 1582 ? 1 : 0;
  return m > 10 || (m === 10 && d >= 15) ? 1 : 0;
}

function dayOfYear(y, m, d) {
  const kind = calendarOf(y, m, d);
  if (kind < 0) return 0;
  let n = d;
  for (let i = 1; i < m && i <= 12; i++) n += monthLength(y, i);
  if (kind === 1 && y === 1582) n -= 10;
  return n;
}

function dayNumber(y, m, d) {
  let n = floorDiv(y - 1, 4) + 365 * y + dayOfYear(y, m, d) - 367;
  if (y >= 1583) n += floorDiv(y - 1, 400) - floorDiv(y - 1, 100) + 2;
  return n;
}

function lunarDayOf(y, m, d) {
  const k = Math.floor(12.3685 * (y - 1900));
  const t = (y - 1899.5) / 100, t2 = t * t, t3 = t2 * t;
  const frac = (x) => x - Math.floor(x);
  const angle = (c, d0, e0, f0) => 6.283185307179586 * frac(c * k) + d0 - e0 * t2 - f0 * t3;
  const m0 = angle(0, 0.75933, 0.0002172, 1.55e-7);
  const sun = angle(0.08084821, 6.269645, 5.811947e-7, 6.0562925e-8);
  const moon = angle(0.07171366, 5.3411493, -0.00018728431, -2.1572271e-7);
  const lat = angle(0.085195854, 0.3716923, 0.000028846802, 4.171337e-8);
  const r = m0 + 0.53058868 * k - 0.000837 * t + 1.0 / 3 + 0.5;
  const n = dayNumber(y, m, d);
  let lunarDay = -1;
  for (let D = -1; D <= 13; D++) {
    const e = sun + 0.507984293 * D, g = moon + 6.73377553 * D, o = lat + 6.818486628 * D;
    const u = 28 * D + 29 * k + 693595 + (0.1734 - 0.000393 * t) * Math.sin(e) + 1.53058868 * D + r -
      0.4068 * Math.sin(g) + 0.0021 * Math.sin(2 * e) + 0.0161 * Math.sin(2 * g) +
      0.0104 * Math.sin(2 * o) - 0.0074 * Math.sin(e - g) - 0.0051 * Math.sin(e + g);
    const age = n - Math.floor(u);
    if (age < 0) break;
    if (age <= 29) lunarDay = age + 1;
  }
  return lunarDay;
}

// The leap-month table as numbers: leap(y) for y in firstYear.., and the
// running count of leap years.
class LeapTable {
  constructor(firstYear, size) {
    this.firstYear = firstYear;
    this.values = new Array(size).fill(0);
    this.counts = new Array(size).fill(0);
  }
  get(y) {
    const i = y - this.firstYear;
    return i >= 0 && i < this.values.length ? this.values[i] : 0;
  }
  set(y, v) {
    const i = y - this.firstYear;
    this.values[i] = v;
    for (let j = i; j < this.values.length; j++) this.counts[j] = (j > 0 ? this.counts[j - 1] : 0) + (this.values[j] ? 1 : 0);
  }
  // Count up to y (inclusive), for y inside the table.
  upTo(y) {
    const i = Math.min(y - this.firstYear, this.values.length - 1);
    return i < 0 ? 0 : this.counts[i];
  }
}

// Day of year (with its fraction) of solar term i, as TermDayOfYear.
function termDayOfYear(a, i) {
  const e = 0.0003 * a - 0.372781384 - 0.2617913325 * i;
  const h = 2.313908653 * a - 0.439822951 - 3.0443 * i;
  const s = a - 100;
  const j = (365.2423112 - 6.4e-14 * s * s - 3.047e-8 * s) * a + 15.218427 * i + 1721050.71301 +
    (1.945 * Math.sin(e) - 0.01206 * Math.sin(2 * e)) * (1.048994 - 0.00002583 * a) - 0.0018 * Math.sin(h);
  return j - dayNumber(a, 1, 0) - 1721425;
}

// How many months the month numbers of year y run ahead of the 寅 months,
// where the calendars of the time began the year earlier.
function eraShift(y) {
  return (y <= 240) - (y <= 237) + (y < 24) - (y < 9) + (y <= -255) + 2 * (y <= -256) + (y <= -722);
}

const kFirstLunation = dayNumber(-849, 1, 21);

function lunarMonthOf(table, y, m, d) {
  const c = lunarDayOf(y, m, d);
  const n = table.upTo(y);
  const x = (dayNumber(y, m, d) - kFirstLunation - c) * 0.033863192971301484;
  const lunations = Math.ceil(x - 0.5);
  const v = lunations - n - 3 + eraShift(y);
  let f = mod(v, 12) + 1;
  const leap = table.get(y), leapBefore = table.get(y - 1);
  if (f === leapBefore && m === 1 && d < c) return { month: -f, day: c };
  if (f === leap) return { month: m === 1 && leap !== 12 ? f + 1 : -f, day: c };
  if (f < leap || (m < f && leap !== 0)) f += 1;
  let r = mod(f - 1, 12) + 1;
  if (leapBefore === 12) {
    if (m < 3 && r === 12) r = -12;
    else if (m === 1 && r === 11) r = 12;
  }
  return { month: r, day: c };
}

// The lunar date of a solar day by the computed path (as SolarToLunar).
function solarToLunar(table, y, m, d) {
  const { month, day } = lunarMonthOf(table, y, m, d);
  const leap = month < 0;
  const lm = Math.abs(month);
  return { year: y + lunarYearShift(m, lm), month: lm, leap, day };
}

// The lunar year of a lunar month seen in solar month m: the year before for
// a month numbered well above the solar month, the year after for one well
// below (the first months of a year that began in the autumn or winter).
function lunarYearShift(m, lunarMonth) {
  if (lunarMonth - m >= 6) return -1;
  if (m - lunarMonth >= 6) return 1;
  return 0;
}

module.exports = {
  dayNumber, lunarDayOf, lunarMonthOf, solarToLunar, lunarYearShift, termDayOfYear, eraShift, monthLength,
  LeapTable, calendarOf,
};
