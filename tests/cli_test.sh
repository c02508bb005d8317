#!/usr/bin/env bash
# Runs orbel-cli as a whole process. Each "$ orbel-cli ..." line of
# tests/data/cli_transcript.txt is run again; its standard output, standard
# error (lines marked "! ") and a status other than 0 must give the transcript
# back byte for byte. ORBEL_UPDATE_GOLDEN=1 rewrites the transcript instead.
set -u
cli=$1
golden="$(dirname "$0")/data/cli_transcript.txt"
fail=0
check() { if ! eval "$2"; then echo "FAIL: $1"; fail=1; fi; }

actual=$(grep '^\$ orbel-cli' "$golden" | while IFS= read -r line; do
  printf '%s\n' "$line"
  eval "set -- ${line#\$ orbel-cli}"
  err=$(mktemp)
  "$cli" "$@" 2>"$err"; status=$?
  sed 's/^/! /' "$err"; rm -f "$err"
  [ $status -ne 0 ] && printf '[exit %d]\n' $status
done)
if [ "${ORBEL_UPDATE_GOLDEN:-}" = 1 ]; then
  printf '%s\n' "$actual" >"$golden"
else
  check "the transcript" 'diff -u "$golden" <(printf "%s\n" "$actual")'
fi

# What a transcript cannot hold: the present moment and a year of lines.
check "convert now" '"$cli" convert now | grep -qP "^lblCommonEraDate\t-?[0-9,]+-[0-9]{2}-[0-9]{2} CE [0-9]{2}:[0-9]{2} GMT [A-Z][a-z]+day$"'
check "table: one line per day over the whole range" '[ "$("$cli" table -3000-01-01 -3000-12-31 | wc -l)" -eq 365 ]'
check "events: lines sorted by GMT moment" '[ "$("$cli" events 2024-01-01 2024-12-31 | cut -f4)" = "$("$cli" events 2024-01-01 2024-12-31 | cut -f4 | sort -n)" ]'

# The range's first and last minutes, and "--" before a text that begins with a hyphen.
check "convert: the first minute of the range" '"$cli" --time 00:00 --zone gmt convert "-3000-01-01 CE" | grep -qxP "lblCommonEraDate\t-3000-01-01 CE 00:00 GMT \w+day"'
check "convert: the last minute of the range" '"$cli" --time 23:59 --zone gmt convert "3000-01-01 CE" | grep -qxP "lblCommonEraDate\t3000-01-01 CE 23:59 GMT \w+day"'
check "convert --: a text that begins with a hyphen" '"$cli" --time 00:00 --zone gmt convert -- "-3000-01-01 CE" | grep -qP "^lblCommonEraDate\t-3000-01-01 CE"'
err=$("$cli" convert -- "----- CE" 2>&1 >/dev/null); st=$?
check "convert --: the text is read as a date" '[ $st -eq 2 ] && [ "$err" = "$(printf "Invalid date or time entry\nInvalid CE date.  CE dates must be in ISO 8601 format: year-month-day")" ]'

for command in "move day" "search 0" "log" "month" "yeardata" "list newyears"; do
  check "$command: -- before a text that begins with a hyphen" '"$cli" $command -- "-2000-01-01 CE" >/dev/null'
done
data=$(dirname "$0")/data
# log: the entry Add to log writes into an empty log, lines ended LF.
"$cli" --country japan --include chs,cjdc,epoch,jc,lunation --expanded --chinese-terms log "2012-01-23 CE" >"${TMPDIR:-/tmp}/orbel_cli_log.$$"
check "log exits 0" '[ $? -eq 0 ]'
check "log: the golden entry" 'cmp -s "${TMPDIR:-/tmp}/orbel_cli_log.$$" "$data/cli_log.txt"'
rm -f "${TMPDIR:-/tmp}/orbel_cli_log.$$"
for bad in "log" "--include chl,moon log now" "log 2012-13-01CE" "log now extra"; do
  err=$("$cli" $bad 2>&1 >/dev/null); st=$?
  check "bad arguments '$bad' exit 2 with a message" '[ $st -eq 2 ] && [ -n "$err" ]'
done
# month: the page of the lunar month of a date (its text is checked against
# the golden files by tests/calendar_month_test.cpp).
out=$("$cli" month "2024-06-07 CE"); st=$?
check "month exits 0 and prints title, CE line and 30 days" '[ $st -eq 0 ] && [ "$(printf "%s\n" "$out" | wc -l)" -eq 32 ]'
check "month: three fields a day with the Pantheon Calendar" 'printf "%s\n" "$out" | sed -n 3p | grep -qxP " 1\tThu Jun 6\t4721-04-29 PAN"'
check "month --no-pan: two fields a day" '"$cli" --no-pan month "2024-06-07 CE" | sed -n 3p | grep -qxP " 1\tThu Jun 6"'
png=$(mktemp -d)/page.png
"$cli" --png "$png" month "2024-06-07 CE" >/dev/null 2>&1; st=$?
check "month --png writes a PNG file and no BMP" '[ $st -eq 0 ] && [ "$(head -c 8 "$png" | od -An -tx1 | tr -d " ")" = "89504e470d0a1a0a" ] && [ ! -e "${png%png}bmp" ]'
mkdir "${png%.png}-folder.png"
err=$("$cli" --png "${png%.png}-folder.png" month "2024-06-07 CE" 2>&1 >/dev/null); st=$?
check "month --png onto a folder: exit 2 naming the BMP kept" '[ $st -eq 2 ] && printf "%s\n" "$err" | grep -q "saved instead in the BMP file" && [ -s "${png%.png}-folder.bmp" ]'
rm -rf "$(dirname "$png")"
for bad in "month" "month a b" "--png" "month 2024-02-30CE"; do
  err=$("$cli" $bad 2>&1 >/dev/null); st=$?
  check "bad arguments '$bad' exit 2 with a message" '[ $st -eq 2 ] && [ -n "$err" ]'
done
# move: converts, then presses Move; --count N is a repeated move of N steps.
check "move --each: a block and an empty line per step" '"$cli" move --count 3 --keep30 --each "CHL month" "2023-03-21 CE" | diff -q - "$data/cli_move_each.txt" >/dev/null'
check "move: step by index, back" '"$cli" move --back 3 "2000-03-31 CE" | grep -qxP "lblCommonEraDate\t2000-02-29 CE 12:00 GMT Tuesday"'
check "move: only the last step printed" '[ "$("$cli" move --count 2 day "2000-03-31 CE" | grep -c "^lblCommonEraDate")" -eq 1 ]'
err=$("$cli" move --back "CE year" "-3000-05-01 CE" 2>&1 >/dev/null); st=$?
check "move: a limit is a message and status 2" '[ $st -eq 2 ] && [ "$err" = "$(printf "Out of range\nEarliest admissible date reached.")" ]'
for bad in "move day" "move fortnight 2000-01-01CE" "move 16 2000-01-01CE" "--count 0 move day 2000-01-01CE" "move day 2000-13-01CE"; do
  err=$("$cli" $bad 2>&1 >/dev/null); st=$?
  check "bad arguments '$bad' exit 2 with a message" '[ $st -eq 2 ] && [ -n "$err" ]'
done
# search: converts, then presses Search; targets 19 and 20 fill the multiple search window.
check "search: the next leap month after 2033-01-01" '"$cli" search "Intercalary month" "2033-01-01 CE" | diff -q - "$data/cli_search_intercalary.txt" >/dev/null'
check "search: target by index, previous" '"$cli" search --previous 3 "2012-01-23 CE" | grep -qxP "lblChineseLunarDate\t79-28-01-01 CHL 12:00 CCT"'
check "search: element-animal year" '"$cli" search --element wood --animal rat "Element-animal year" "2012-01-23 CE" | grep -qxP "lblElementAnimalOfYear\twood-rat year"'
check "search: multiple element-animal day" '"$cli" search --previous --day-element metal --day-animal monkey --year-animal rat 20 "2000-01-01 CE" | grep -qxP "lblCommonEraDate\t1997-01-18 CE 04:00 GMT Saturday"'
err=$("$cli" search --within 10 --month-element metal --month-animal tiger --year-element wood 20 "2000-01-01 CE" 2>&1 >/dev/null); st=$?
check "search: nothing found is a message and status 2" '[ $st -eq 2 ] && [ "$err" = "$(printf "Not found\nThere is no such day within 10 years.")" ]'
err=$("$cli" search 15 "2000-01-01 CE" 2>&1 >/dev/null); st=$?
check "search: no choice is a message and status 2" '[ $st -eq 2 ] && [ "$err" = "$(printf "Error\nYou must specify an element, an animal or both.")" ]'
for bad in "search 22 2000-01-01CE" "search Eclipse 2000-01-01CE" "search 0" "--within 5 search 20 2000-01-01CE" "--animal dragonfly search 15 2000-01-01CE"; do
  err=$("$cli" $bad 2>&1 >/dev/null); st=$?
  check "bad arguments '$bad' exit 2 with a message" '[ $st -eq 2 ] && [ -n "$err" ]'
done
# yeardata and list: the data window's texts with LF line ends.
out=$("$cli" --major --names yeardata "2020-05-23 CE")
check "yeardata exits 0" '[ $? -eq 0 ]'
check "yeardata: heading with terms" '[ "$(printf "%s\n" "$out" | sed -n 2p)" = "and solar terms for 3 solar years beginning 79-36 (2019 CE)," ]'
check "yeardata: LF line ends" '! printf "%s" "$out" | grep -q $'"'"'\r'"'"''
check "yeardata: term names" 'printf "%s\n" "$out" | grep -q "ST 7 Z2 Chun fen (Spring equinox)$"'
check "list monthstarts --leap-only: 11 leap months in 30 years" '[ "$("$cli" --years 30 --leap-only list monthstarts "2020-06-01 CE" | grep -c "\*-01 ")" -eq 11 ]'
check "list newyears --julian" '"$cli" --julian --years 1 list newyears "2020-06-01 CE" | grep -q "^2020-01-01 JC = "'
err=$("$cli" list anniversaries "2021-13-01 CE" 2>&1 >/dev/null); st=$?
check "list: an entry error exits 2" '[ $st -eq 2 ] && [ -n "$err" ]'
for bad in "list" "list birthdays now" "list monthstarts" "yeardata" "--years x list newyears now" "--ics /tmp/x.ics list monthstarts now"; do
  err=$("$cli" $bad 2>&1 >/dev/null); st=$?
  check "bad arguments '$bad' exit 2 with a message" '[ $st -eq 2 ] && [ -n "$err" ]'
done
exit $fail
