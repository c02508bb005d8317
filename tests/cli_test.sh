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
# table: the days around the lunar new year of 2012 (2012-01-23, JDN 2455950).
out=$("$cli" table 2012-01-22 2012-01-23)
check "table exits 0" '[ $? -eq 0 ]'
check "table: last day of the old year" '[ "$(printf "%s\n" "$out" | head -1)" = "$(printf "2455949\t2012-01-22 CE\t79-28-12-29 CHL\t79-29-03-02 CHS")" ]'
check "table: new year's day" '[ "$(printf "%s\n" "$out" | tail -1)" = "$(printf "2455950\t2012-01-23 CE\t79-29-01-01 CHL\t79-29-03-03 CHS")" ]'
check "table: leap eleventh month of 2033" '"$cli" table 2033-12-22 2033-12-22 | grep -qP "\t79-50-11\*-01 CHL\t"'
check "table: the other epoch lowers the cycle" '"$cli" --epoch -2636 table 2012-01-23 2012-01-23 | grep -qP "\t78-29-01-01 CHL\t78-29-"'
check "table: Li chun 2003 is term 4" '"$cli" table 2003-02-04 2003-02-04 | grep -qP "\t79-20-04-01 CHS$"'
check "table: one line per day over the whole range" '[ "$("$cli" table -3000-01-01 -3000-12-31 | wc -l)" -eq 365 ]'
check "table: negative years written plainly" '"$cli" table -3000-01-01 -3000-01-01 | grep -qP "^625333\t-3000-01-01 CE\t"'
check "table: last day of the range" '"$cli" table 3000-01-01 3000-01-01 | grep -qP "^2816788\t3000-01-01 CE\t"'
# The dark moon of 2020-12-14 16:17 GMT (00:17 at 120 E) begins the eleventh
# month on 2020-12-15 in China and a day earlier at 105 E; --longitude
# overrides --country.
check "table: China starts the month on the day of the dark moon" '"$cli" --country china table 2020-12-15 2020-12-15 | grep -qP "\t79-37-11-01 CHL"'
check "table: Vietnam a day earlier" '"$cli" --country vietnam table 2020-12-14 2020-12-14 | grep -qP "\t79-37-11-01 CHL"'
check "table: longitude after country" '"$cli" --longitude 105 --country china table 2020-12-14 2020-12-14 | grep -qP "\t79-37-11-01 CHL"'
for bad in "table 2024-02-30 2024-03-01" "table -3001-12-31 -3000-01-05" "table 3000-01-01 3000-01-02" "table 2024-03-01 2024-02-01" "table 2024-01-01" "--country mars table 2024-01-01 2024-01-02" "--longitude 99 table 2024-01-01 2024-01-02" "--longitude 146 table 2024-01-01 2024-01-02" "--epoch 0 table 2024-01-01 2024-01-02" "--method exact table 2024-01-01 2024-01-02" "--method"; do
  err=$("$cli" $bad 2>&1 >/dev/null); st=$?
  check "bad arguments '$bad' exit 2 with a message" '[ $st -eq 2 ] && [ -n "$err" ]'
done
# convert: the Date box and Convert of the main window, one value label a line.
out=$("$cli" convert "2012-01-23 CE")
check "convert exits 0" '[ $? -eq 0 ]'
check "convert prints fifteen labels in order" '[ "$(printf "%s\n" "$out" | cut -f1 | tr "\n" " ")" = "lblAstronomicalJulianDate lblChronologicalJulianDateLondon lblCommonEraDate lblJulianCalendarDate lblChronologicalJulianDateBeijing lblChineseSolarDate lblChineseLunarDate lblPantheonCalendarGMT lblPantheonCalendarCCT lblElementAnimalOfDay lblElementAnimalOfMonth lblElementAnimalOfYear lblDeltaT lblPhaseOfMoon lblAgeOfMoon " ]'
check "convert: CE label" 'printf "%s\n" "$out" | grep -qxP "lblCommonEraDate\t2012-01-23 CE 12:00 GMT Monday"'
check "convert: lunar new year" 'printf "%s\n" "$out" | grep -qxP "lblChineseLunarDate\t79-29-01-01 CHL 20:00 CCT"'
check "convert: AJD label" 'printf "%s\n" "$out" | grep -qxP "lblAstronomicalJulianDate\t2,455,950.0000 AJD"'
check "convert --tips: a tip line after each label" '[ "$("$cli" convert --tips "2012-01-23 CE" | wc -l)" -eq 30 ]'
check "convert --tips: CE long form" '"$cli" convert --tips "2012-01-23 CE" | grep -qxP "lblCommonEraDate.tip\tThe 23rd day of January in the year 2012 in the Common Era Calendar \(London\)."'
check "convert --time --zone local" '"$cli" convert --time 9.30 --zone local "2012-01-23 CE" | grep -qxP "lblCommonEraDate\t2012-01-23 CE 01:30 GMT Monday"'
check "convert --minus" '"$cli" convert --minus 10 "2012-01-23 CE" | grep -qxP "lblCommonEraDate\t2012-01-13 CE 12:00 GMT Friday"'
check "convert --epoch after the command" '"$cli" convert "2012-01-23 CE" --epoch -2636 | grep -qP "^lblChineseLunarDate\t78-29-01-01 CHL"'
check "convert --country japan" '"$cli" --country japan convert "2012-01-23 CE" | grep -qP "^lblChineseSolarDate\t.* 21:00 JST$"'
check "convert: Pantheon labels" 'printf "%s\n" "$out" | grep -qxP "lblPantheonCalendarCCT\t4709-01-01 PAN 20:00 CCT Sun Day"'
check "convert: Moon four hours after the dark moon" 'printf "%s\n" "$out" | grep -qP "^lblAgeOfMoon\t\[149\] 0 days, 4 hrs, "'
check "convert: the overseas Chinese year" '"$cli" convert "4709-1-1 CHL" | grep -qxP "lblCommonEraDate\t2012-01-23 CE 04:00 GMT Monday"'
check "convert --element --animal for a ? position" '"$cli" convert --element water --animal dragon "79-?-1-1 CHL" | grep -qxP "lblChineseLunarDate\t79-29-01-01 CHL 12:00 CCT"'
check "convert: the first minute of the range" '"$cli" --time 00:00 --zone gmt convert "-3000-01-01 CE" | grep -qxP "lblCommonEraDate\t-3000-01-01 CE 00:00 GMT \w+day"'
check "convert: the last minute of the range" '"$cli" --time 23:59 --zone gmt convert "3000-01-01 CE" | grep -qxP "lblCommonEraDate\t3000-01-01 CE 23:59 GMT \w+day"'
check "convert --: a text that begins with a hyphen" '"$cli" --time 00:00 --zone gmt convert -- "-3000-01-01 CE" | grep -qP "^lblCommonEraDate\t-3000-01-01 CE"'
err=$("$cli" convert -- "----- CE" 2>&1 >/dev/null); st=$?
check "convert --: the text is read as a date" '[ $st -eq 2 ] && [ "$err" = "$(printf "Invalid date or time entry\nInvalid CE date.  CE dates must be in ISO 8601 format: year-month-day")" ]'
err=$("$cli" convert "79-29-2-30 CHL" 2>&1 >/dev/null); st=$?
check "convert: day beyond the month" '[ $st -eq 2 ] && [ "$err" = "$(printf "Invalid date or time entry\nInvalid CHL date.  Day number exceeds number of days in the month.")" ]'
check "convert: day count" '"$cli" convert "2,111,111 AJD" | grep -qxP "lblChronologicalJulianDateLondon\t2,111,111.5000 CJDL"'
check "convert --yes: calendar in force" '"$cli" convert --calendar JC --yes "2012-01-10" | grep -qxP "lblCommonEraDate\t2012-01-23 CE 12:00 GMT Monday"'
check "convert now" '"$cli" convert now | grep -qP "^lblCommonEraDate\t-?[0-9,]+-[0-9]{2}-[0-9]{2} CE [0-9]{2}:[0-9]{2} GMT [A-Z][a-z]+day$"'
err=$("$cli" convert --calendar JC "2012-01-10" 2>&1 >/dev/null); st=$?
check "convert without --yes: No is error 2" '[ $st -eq 2 ] && [ "$err" = "$(printf "Invalid date or time entry\nCalendar must be specified (one of CHL, CHS, CE, JC, PAN, CJDL, CJDC, AJD).")" ]'
err=$("$cli" convert "2001/12/31 CE" 2>&1 >/dev/null); st=$?
want=$'Invalid date or time entry\nDate separator must be a dash, \'-\'.'
check "convert entry error: title and text on stderr" '[ $st -eq 2 ] && [ "$err" = "$want" ]'
err=$("$cli" convert "3000-01-02 CE" 2>&1 >/dev/null); st=$?
check "convert out of range" '[ $st -eq 2 ] && [ "$err" = "$(printf "Date out of range\nDate is later than 3000-01-01 CE.")" ]'
out=$("$cli" convert "2001-02-30 CE" 2>/dev/null); st=$?
check "convert error prints no labels" '[ $st -eq 2 ] && [ -z "$out" ]'
for bad in "convert" "convert a b" "--zone utc convert 2012-01-23CE" "--element iron convert 2012-01-23CE" "--calendar XX convert 2012-01-23CE" "--time"; do
  err=$("$cli" $bad 2>&1 >/dev/null); st=$?
  check "bad arguments '$bad' exit 2 with a message" '[ $st -eq 2 ] && [ -n "$err" ]'
done
# log: the entry Add to log writes into an empty log, lines ended LF.
data=$(dirname "$0")/data
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
