// The equation of time (true minus mean solar time, minutes) by day of year,
// index 0 = 1 January … 365 = 31 December of a leap year.
'use strict';

// Fixed values of the program at five days, which the table must hold exactly.
const kFixed = { 0: -3.4, 41: -14.32, 100: -1.5, 307: 16.4, 365: -2.8 };

// Spencer's Fourier series (1971), day angle γ counted from 1 January.
function spencer(index) {
  const g = (2 * Math.PI * index) / 365;
  return 229.18 * (0.000075 + 0.001868 * Math.cos(g) - 0.032077 * Math.sin(g) -
                   0.014615 * Math.cos(2 * g) - 0.040849 * Math.sin(2 * g));
}

function equationOfTime() {
  const values = [];
  for (let i = 0; i < 366; i++) values.push(i in kFixed ? kFixed[i] : Math.round(spencer(i) * 100) / 100);
  return values;
}

module.exports = { equationOfTime, kFixed };
