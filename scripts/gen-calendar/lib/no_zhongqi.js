// Leap months by the rule of the historical calendars, on the engine's own
// series (the lunations of LunarDayOf and the 中气 of TermDayOfYear): in a
// 岁 of 13 lunations, from the month holding one 冬至 to the month holding
// the next, the first month without a 中气 is the leap month and repeats
// the number of the month before. Month numbers count from the month that
// holds 雨水 (1), as the 寅 month of the calendars after 104 BC.
'use strict';

const series = require('./series');

// Julian-day-like day numbers of the engine (DayNumber) of the first day of
// every lunation from the year `first` to `last`.
function lunationStarts(first, last) {
  const starts = [];
  for (let y = first; y <= last; y++) {
    for (let m = 1; m <= 12; m++) {
      for (let d = 1; d <= series.monthLength(y, m); d++) {
        if (series.calendarOf(y, m, d) < 0) continue;
        if (series.lunarDayOf(y, m, d) === 1) starts.push({ day: series.dayNumber(y, m, d), y, m });
      }
    }
  }
  return starts;
}

// Day numbers of the 中气 (even terms) of the years, with their term numbers.
function zhongqiDays(first, last, termDayOfYear) {
  const days = [];
  for (let y = first; y <= last; y++) {
    for (let i = 2; i <= 24; i += 2) {
      days.push({ day: series.dayNumber(y, 1, 0) + Math.floor(termDayOfYear(y, i)), term: i });
    }
  }
  return days;
}

// The lunations from `first` to `last` with their 寅 month numbers and leap
// flags: [{ day, y, m, number, leap }].
function numberedLunations(first, last, termDayOfYear) {
  const starts = lunationStarts(first, last);
  const qi = zhongqiDays(first - 1, last + 1, termDayOfYear);
  let q = 0;
  const months = [];
  for (let i = 0; i + 1 < starts.length; i++) {
    while (q < qi.length && qi[q].day < starts[i].day) q++;
    const held = [];
    for (let k = q; k < qi.length && qi[k].day < starts[i + 1].day; k++) held.push(qi[k].term);
    months.push({ ...starts[i], terms: held });
  }
  // 雨水 (term 4) → 1 … 冬至 (24) → 11, 大寒 (2) → 12.
  const numberOf = (term) => ((term / 2 - 2 + 12) % 12) + 1;
  const winter = months.map((mo, i) => (mo.terms.includes(24) ? i : -1)).filter((i) => i >= 0);
  for (const mo of months) mo.number = mo.terms.length ? numberOf(mo.terms[0]) : 0;
  for (let w = 0; w + 1 < winter.length; w++) {
    if (winter[w + 1] - winter[w] !== 13) continue;
    for (let i = winter[w] + 1; i < winter[w + 1]; i++) {
      if (months[i].terms.length === 0) {
        months[i].leap = true;
        break;
      }
    }
  }
  for (let i = 0; i < months.length; i++) {
    const mo = months[i];
    if (mo.leap) mo.number = months[i - 1].number;
    else if (!mo.number) mo.number = i > 0 ? (months[i - 1].number % 12) + 1 : 1;  // a month without 中气 in a 12-month 岁
  }
  return months;
}

module.exports = { numberedLunations };
