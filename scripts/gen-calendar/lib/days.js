// Day numbers for the generator: integer Julian day numbers (JDN, the Julian
// day at noon) of Gregorian dates, through the JavaScript Date in UTC.
'use strict';

const kUnixEpochJdn = 2440588;  // 1970-01-01

// Date.UTC maps the years 0..99 to 1900..1999; the generator only works on
// 1899..2101, so the plain call is safe there.
function jdn(y, m, d) {
  return Math.round(Date.UTC(y, m - 1, d) / 86400000) + kUnixEpochJdn;
}

function dateOf(jdnValue) {
  const t = new Date((jdnValue - kUnixEpochJdn) * 86400000);
  return { y: t.getUTCFullYear(), m: t.getUTCMonth() + 1, d: t.getUTCDate() };
}

function monthLength(y, m) {
  return new Date(Date.UTC(y, m, 0)).getUTCDate();
}

function iso({ y, m, d }) {
  const p = (n) => String(n).padStart(2, '0');
  return `${y}-${p(m)}-${p(d)}`;
}

module.exports = { jdn, dateOf, monthLength, iso };
