// Prints, for every day from FROM to TO (YYYY-MM-DD, inclusive), one line:
//   <YYYY-MM-DD> <lunar year> <lunar month> <1 if leap, else 0> <lunar day> <cyclic year> <zodiac> <solar term or ->
// from the lunar-javascript package, as the reference for lunar_dump.
'use strict';

const { Solar } = require('lunar-javascript');

function parse(text) {
  const m = /^(\d{4})-(\d{2})-(\d{2})$/.exec(text || '');
  if (!m) {
    console.error('usage: node lunar_oracle.js FROM TO   (dates as YYYY-MM-DD)');
    process.exit(2);
  }
  return Date.UTC(Number(m[1]), Number(m[2]) - 1, Number(m[3]));
}

const from = parse(process.argv[2]);
const to = parse(process.argv[3]);
const pad = (n) => String(n).padStart(2, '0');
const out = [];
for (let t = from; t <= to; t += 86400000) {
  const d = new Date(t);
  const y = d.getUTCFullYear();
  const m = d.getUTCMonth() + 1;
  const day = d.getUTCDate();
  const lunar = Solar.fromYmd(y, m, day).getLunar();
  const month = lunar.getMonth();  // negative for a leap month
  out.push(
    `${y}-${pad(m)}-${pad(day)} ${lunar.getYear()} ${Math.abs(month)} ${month < 0 ? 1 : 0} ${lunar.getDay()} ` +
      `${lunar.getYearInGanZhi()} ${lunar.getYearShengXiao()} ${lunar.getJieQi() || '-'}`,
  );
  if (out.length >= 4096) {
    process.stdout.write(out.join('\n') + '\n');
    out.length = 0;
  }
}
if (out.length) process.stdout.write(out.join('\n') + '\n');
