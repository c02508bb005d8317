#!/usr/bin/env bash
# Runs orbel-cli as a whole process: outputs, formats and exit statuses.
set -u
cli=$1
fail=0
check() { if ! eval "$2"; then echo "FAIL: $1"; fail=1; fi; }

"$cli" >/dev/null 2>&1; check "no arguments exits 2" '[ $? -eq 2 ]'
"$cli" frobnicate >/dev/null 2>&1; check "unknown command exits 2" '[ $? -eq 2 ]'

# events: January 2024 has a last quarter (4th), dark moon (11th), first
# quarter (18th) and full moon (25th), and the terms Xiao han (6th) and Da han (20th).
out=$("$cli" events 2024-01-01 2024-01-31)
check "events exits 0" '[ $? -eq 0 ]'
check "six events in January 2024" '[ "$(printf "%s\n" "$out" | wc -l)" -eq 6 ]'
check "kinds and numbers in order" '[ "$(printf "%s\n" "$out" | cut -f1,2 | tr "\t\n" ":," )" = "phase:3,term:1,phase:0,phase:1,term:2,phase:2," ]'
check "dark moon of 2024-01-11 11:57 GMT" 'printf "%s\n" "$out" | grep -qP "^phase\t0\t2460320\.99\d{4}\t2460320\.99[78]\d{3}$"'
check "lines sorted by GMT moment" '[ "$(printf "%s\n" "$out" | cut -f4)" = "$(printf "%s\n" "$out" | cut -f4 | sort -n)" ]'
check "TO day included, day after excluded" '[ "$("$cli" events 2024-01-11 2024-01-11 | cut -f1,2)" = "$(printf "phase\t0")" ]'
check "negative years" '"$cli" events -3000-01-01 -3000-01-31 | grep -q "^phase"'
check "last day of the range" '"$cli" events 2999-12-01 3000-01-01 | grep -q "^term	0"'

for bad in "2024-02-30 2024-03-01" "3000-01-02 3000-01-03" "-3001-12-31 -3000-01-05" "2024-1 2024-02-01" "2024-03-01 2024-02-01" "2024-01-01"; do
  err=$("$cli" events $bad 2>&1 >/dev/null); st=$?
  check "bad arguments '$bad' exit 2 with a message" '[ $st -eq 2 ] && [ -n "$err" ]'
done
exit $fail
