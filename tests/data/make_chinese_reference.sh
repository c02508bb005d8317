#!/usr/bin/env bash
# Writes chinese_reference_1901_2100.txt, the independent reference for the
# Chinese lunar calendar test: the published calendar of China (modern rules,
# 120 degrees East) for the lunar years 1901 to 2100, taken from the widely
# used tabulated "lunarInfo" table (lunar years 1900-2100) as carried by the
# npm package solarlunar 3.1.0 (ISC licence). Run once by hand, with node and
# npm; the tests read only the committed output and never need npm.
#
# Output: one line per lunar year:
#   YEAR  FIRST-DAY (CE, Y-MM-DD)  LEAP-MONTH (0 = none)  LENGTHS
# where LENGTHS lists the days of each month in order, the leap month right
# after the ordinary month of the same number.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm install --silent --no-audit --no-fund solarlunar@3.1.0 >/dev/null)
cat > "$work/dump.cjs" <<'JS'
const sl = require('solarlunar').default;
const pad = (n) => String(n).padStart(2, '0');
const lines = ['# lunar-year first-day(CE) leap-month month-lengths (source: lunarInfo table via npm solarlunar 3.1.0)'];
for (let y = 1901; y <= 2100; ++y) {
  const first = sl.lunar2solar(y, 1, 1);
  const leap = sl.leapMonth(y);
  const lengths = [];
  for (let m = 1; m <= 12; ++m) {
    lengths.push(sl.monthDays(y, m));
    if (m === leap) lengths.push(sl.leapDays(y));
  }
  lines.push(`${y} ${first.cYear}-${pad(first.cMonth)}-${pad(first.cDay)} ${leap} ${lengths.join(' ')}`);
}
console.log(lines.join('\n'));
JS
(cd "$work" && node dump.cjs) > "$here/chinese_reference_1901_2100.txt"
