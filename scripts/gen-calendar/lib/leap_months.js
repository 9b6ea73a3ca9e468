// The leap-month table, −849..2100.
'use strict';

const src = require('./sources');

const kFirstYear = -849, kLastYear = 2100;

function encode(leapMonth) {
  return leapMonth >= 10 ? 48 + leapMonth - 9 : leapMonth;
}

function leapMonthTable() {
  const bytes = [];
  for (let y = kFirstYear; y <= kLastYear; y++) {
    const m = y >= 1900 ? src.solarlunarLeapMonth(y) : src.lunarJavascriptLeapMonth(y);
    bytes.push(encode(m));
  }
  return { firstYear: kFirstYear, bytes };
}

module.exports = { leapMonthTable };
