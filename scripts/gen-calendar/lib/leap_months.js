// The leap-month table, −849..2100 (see README.md, "Leap months").
'use strict';

const src = require('./sources');
const series = require('./series');
const { numberedLunations } = require('./no_zhongqi');

const kFirstYear = -849, kLastYear = 2100;
const kHistoricalFrom = 1645;  // lunar-javascript follows the historical calendar from here
const kReform = -103;          // 104 BC: from here on the leap month follows the month it repeats

function encode(leapMonth) {
  return leapMonth >= 10 ? 48 + leapMonth - 9 : leapMonth;
}

// The days of a solar year in order, the dropped days of 1582 left out.
function* daysOf(y) {
  for (let m = 1; m <= 12; m++) {
    for (let d = 1; d <= series.monthLength(y, m); d++) {
      if (series.calendarOf(y, m, d) >= 0) yield [y, m, d];
    }
  }
}

// One day to the next is coherent when the lunar day goes up by one in the
// same month, or a new month begins at day 1 after 29 or 30 days and it is
// the month that follows: the leap month right after its own month exactly
// when the table has it, else the next number.
function follows(table, p, c) {
  if (c.day === p.day + 1) return c.year === p.year && c.month === p.month && c.leap === p.leap;
  if (c.day !== 1 || p.day < 29) return false;
  if (!p.leap && table.get(p.year) === p.month) return c.year === p.year && c.month === p.month && c.leap;
  const year = p.month === 12 ? p.year + 1 : p.year, month = p.month === 12 ? 1 : p.month + 1;
  return c.year === year && c.month === month && !c.leap;
}

// Whether the computed lunar dates of solar year y (and the step into it)
// are coherent with the table.
function yearCoherent(table, y) {
  let prev = y > kFirstYear ? series.solarToLunar(table, y - 1, 12, 31) : null;
  for (const [yy, m, d] of daysOf(y)) {
    const cur = series.solarToLunar(table, yy, m, d);
    if (prev && !follows(table, prev, cur)) return false;
    prev = cur;
  }
  return true;
}

// Candidate values of a reconstructed year. Which years have a leap month
// follows the guide, so that the count of leap years keeps the month numbers
// on their lunations; only the month may move. Before the reform the guide's
// leap month stands at the end of the year, as month 12.
function candidates(y, guide) {
  if (!guide) return [0];
  const first = y < kReform ? 12 : guide;
  const order = [first];
  if (y >= kReform) order.push((guide % 12) + 1);  // the same month in a calendar that began a month earlier
  for (let v = 1; v <= 12; v++) if (!order.includes(v)) order.push(v);
  return order;
}

// The leap month of every year before kHistoricalFrom by the no-中气 rule, in
// the month numbers of the engine (index y − kFirstYear).
function reconstructedLeapMonths() {
  const guides = new Array(kHistoricalFrom - kFirstYear).fill(0);
  for (const mo of numberedLunations(kFirstYear - 1, kHistoricalFrom, series.termDayOfYear)) {
    if (!mo.leap) continue;
    const number = ((mo.number - 1 + series.eraShift(mo.y)) % 12) + 1;
    const year = mo.y + series.lunarYearShift(mo.m, number);
    const i = year - kFirstYear;
    if (i >= 0 && i < guides.length) guides[i] = number;
  }
  // The month names of the engine's series are calibrated on a count of
  // leap years two lower than this astronomical reconstruction gives before
  // 721 BC; the two years it counts first after the telling year −848 are
  // taken as common years.
  for (let dropped = 0, i = -847 - kFirstYear; dropped < 2; i++) {
    if (guides[i]) guides[i] = 0, dropped++;
  }
  return guides;
}

function leapMonthTable() {
  const table = new series.LeapTable(kFirstYear, kLastYear - kFirstYear + 1);
  const published = (y) => (y >= 1900 ? src.solarlunarLeapMonth(y) : src.lunarJavascriptLeapMonth(y));
  for (let y = kHistoricalFrom; y <= kLastYear; y++) table.set(y, published(y));

  // Reconstructed years, in order: each takes the first candidate that keeps
  // its solar year coherent; when none does, the year before tries its next
  // candidate once.
  const guides = reconstructedLeapMonths(), tried = guides.map(() => 0);
  const reworked = [], incoherent = [];
  let y = kFirstYear, backtracked = -Infinity;
  while (y < kHistoricalFrom) {
    const i = y - kFirstYear, list = candidates(y, guides[i]);
    let accepted = false;
    while (tried[i] < list.length && !accepted) {
      table.set(y, list[tried[i]++]);
      accepted = yearCoherent(table, y);
    }
    if (accepted) { y++; continue; }
    if (y > kFirstYear && backtracked < y) {
      backtracked = y;
      tried[i] = 0;
      y--;
      continue;
    }
    tried[i] = 0;
    table.set(y, list[0]);
    incoherent.push(y);
    y++;
  }
  for (let yy = kFirstYear; yy < kHistoricalFrom; yy++) {
    const guide = candidates(yy, guides[yy - kFirstYear])[0];
    if (table.get(yy) !== guide) reworked.push(`${yy}: ${guide} → ${table.get(yy)}`);
  }
  const fixedIncoherent = [];
  for (let yy = kHistoricalFrom; yy <= kLastYear; yy++) {
    if ((yy < 1900 || yy > 2050) && !yearCoherent(table, yy)) fixedIncoherent.push(yy);
  }
  const bytes = table.values.map(encode);
  return { firstYear: kFirstYear, bytes, reworked, incoherent, fixedIncoherent };
}

module.exports = { leapMonthTable };
