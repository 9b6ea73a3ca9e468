// The bit encodings of the stored tables (see engine/calendar/tables/calendar_tables.h).
'use strict';

const { jdn, dateOf, monthLength } = require('./days');

// The lunar month that holds the day `day` (JDN).
function monthHolding(months, day) {
  let lo = 0, hi = months.length - 1;
  while (lo < hi) {
    const mid = (lo + hi + 1) >> 1;
    if (months[mid].start <= day) lo = mid; else hi = mid - 1;
  }
  const m = months[lo];
  if (day < m.start || day >= m.start + m.length) throw new Error(`no lunar month holds JDN ${day}`);
  return m;
}

// Months to step back from the solar month (y, m) to the lunar month l.
function monthsBack(y, m, l) {
  const back = m - l.month + (l.year < y ? 12 : 0);
  if (back < 0 || back > 3) throw new Error(`lunar month ${l.year}-${l.month} is ${back} months from ${y}-${m}`);
  return back;
}

// Solar-to-lunar word of the solar month (y, m). `exceptions` collects the
// months whose days fall into three lunar months (the word covers two).
function solarToLunarWord(months, y, m, exceptions) {
  const first = jdn(y, m, 1), length = monthLength(y, m);
  const l1 = monthHolding(months, first);
  const upTo = ((first - l1.start) << 8) | (monthsBack(y, m, l1) << 13) | ((l1.leap ? 1 : 0) << 15);
  const next = months.find((l) => l.start > first && l.start < first + length);
  if (!next) return upTo | length;
  if (next.start + next.length < first + length) exceptions.push({ y, m, day: next.start + next.length - first + 1 });
  const lastOfEarlier = next.start - first;
  return upTo | lastOfEarlier | (monthsBack(y, m, next) << 5) | ((next.leap ? 1 : 0) << 7);
}

// One 16-bit half of a lunar-to-solar word: where the lunar month l lies.
function lunarHalf(l, exceptions) {
  const s = dateOf(l.start);
  const addMonths = s.m - l.month + (s.y > l.year ? 12 : 0);
  if (addMonths < 0 || addMonths > 3) throw new Error(`lunar ${l.year}-${l.month} starts ${addMonths} months on`);
  const inFirst = monthLength(s.y, s.m) - s.d + 1;  // its days in the first solar month
  let split = 0, monthsAfter = 0;
  if (l.length > inFirst) {
    split = inFirst;
    monthsAfter = addMonths + 1;
    const secondLength = monthLength(s.m === 12 ? s.y + 1 : s.y, s.m === 12 ? 1 : s.m + 1);
    if (l.length - inFirst > secondLength) exceptions.push({ year: l.year, month: l.month, leap: l.leap });
  }
  // A month that begins on the 31st of its own numbered month is written
  // with no offset: its first day is then read as the 31st.
  const add = s.d === 31 && addMonths === 0 ? 0 : s.d - 1;
  return add | (addMonths << 5) | ((l.length === 30 ? 1 : 0) << 7) | (split << 8) | (monthsAfter << 13);
}

function lunarToSolarWord(months, year, month, exceptions) {
  const ordinary = months.find((l) => l.year === year && l.month === month && !l.leap);
  const leap = months.find((l) => l.year === year && l.month === month && l.leap);
  let w = lunarHalf(ordinary, exceptions);
  if (leap) w |= ((lunarHalf(leap, exceptions) | 0x8000) << 16) >>> 0;
  return w >>> 0;
}

// Solar-term word: the 节 and the 中气 of a month as day | hour << 5 | minute << 10.
function termHalf({ d, hour, minute }) {
  return d | (hour << 5) | (minute << 10);
}

function termWord(jie, qi) {
  return (termHalf(jie) | (termHalf(qi) << 16)) >>> 0;
}

// A Julian day (120° E) rounded to the nearest minute, as a date and time.
function minuteOf(jd) {
  const minutes = Math.round((jd + 0.5) * 1440);
  const day = Math.floor(minutes / 1440), inDay = minutes - day * 1440;
  return { ...dateOf(day), hour: Math.floor(inDay / 60), minute: inDay % 60 };
}

module.exports = { monthHolding, solarToLunarWord, lunarToSolarWord, termWord, minuteOf };
