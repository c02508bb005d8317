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

# What a transcript cannot hold: the present moment, a year of lines, long
# outputs and files.
check "convert now" '"$cli" convert now | grep -qP "^lblCommonEraDate\t-?[0-9,]+-[0-9]{2}-[0-9]{2} CE [0-9]{2}:[0-9]{2} GMT [A-Z][a-z]+day$"'
check "today: one line, the lunar date first and the next term's date last" '[ "$("$cli" --country japan today | grep -cP "^\d+-\d{2}-\d+\*?-\d{2} CHL .+; next .+ \d{4}-\d{2}-\d{2}$")" -eq 1 ]'
check "table: one line per day over the whole range" '[ "$("$cli" table -3000-01-01 -3000-12-31 | wc -l)" -eq 365 ]'
check "move: a lunar month back in a cycle before the first" '"$cli" move --back "CHL month" "-2900-06-01 CE" | grep -qP "^lblChineseLunarDate\t-3-37-03-12 CHL"'
check "events: lines sorted by GMT moment" '[ "$("$cli" events 2024-01-01 2024-12-31 | cut -f4)" = "$("$cli" events 2024-01-01 2024-12-31 | cut -f4 | sort -n)" ]'

# The calendar as observed: China only; the new year of 1916 on the Beijing
# meridian; the data window keeps the dark moon's own day and names the first.
check "--observed table: 1916-02-03 is the new year" '[ "$("$cli" --observed table 1916-02-03 1916-02-03 | cut -f3)" = "77-53-01-01 CHL" ]'
err=$("$cli" --country japan --observed convert "1916-02-03 CE" 2>&1 >/dev/null); st=$?
check "--observed with Japan: exit 2 with a message" '[ $st -eq 2 ] && printf "%s\n" "$err" | grep -q "^orbel-cli: --observed needs the country china"'
check "--observed yeardata: observed months, astronomical dark moons" '"$cli" --observed yeardata "1896-02-13 CE" | tr -d "\r" | grep -q "^ 1896-02-14 CE 00:.*M01 (1 zq), month begins 1896-02-13 CE$"'

for command in "move day" "search 0" "log" "month" "yeardata" "list newyears"; do
  check "$command: -- before a text that begins with a hyphen" '"$cli" $command -- "-2000-01-01 CE" >/dev/null'
done
# month --png: a PNG file and no BMP; onto a folder the BMP is kept instead.
png=$(mktemp -d)/page.png
"$cli" --png "$png" month "2024-06-07 CE" >/dev/null 2>&1; st=$?
check "month --png writes a PNG file and no BMP" '[ $st -eq 0 ] && [ "$(head -c 8 "$png" | od -An -tx1 | tr -d " ")" = "89504e470d0a1a0a" ] && [ ! -e "${png%png}bmp" ]'
mkdir "${png%.png}-folder.png"
err=$("$cli" --png "${png%.png}-folder.png" month "2024-06-07 CE" 2>&1 >/dev/null); st=$?
check "month --png onto a folder: exit 2 naming the BMP kept" '[ $st -eq 2 ] && printf "%s\n" "$err" | grep -q "saved instead in the BMP file" && [ -s "${png%.png}-folder.bmp" ]'
rm -rf "$(dirname "$png")"

# --names: the lunar date in the chosen words in every command; yeardata's own
# --names flag stays; an unknown choice lists the choices.
check "convert --names" '"$cli" --names hans convert "2024-02-10 CE" | grep -qP "^lblLunarDateWords\t甲辰年 正月初一 甲辰日$"'
check "convert in English prints no words" '! "$cli" convert "2024-02-10 CE" | grep -q Words'
check "month --names" '[ "$("$cli" --country japan --names ja month "2023-03-22 CE" | cut -f1 | sed -n "1p;3p;31p" | paste -sd" ")" = "癸卯年 旧暦閏2月 1日 29日" ]'
check "yeardata --names" '"$cli" --names hant --major yeardata --names "2024-02-10 CE" | grep -q "M01 (1 zq) 正月" && "$cli" --names hant --major --names yeardata "2024-02-10 CE" | grep -q " ST 1 Z11 冬至"'
check "log and list --names" '"$cli" --country vietnam --names vi log "1985-01-21 CE" | grep -qx "Mùng 1 tháng Giêng năm Ất Sửu, ngày Canh Thân" && "$cli" --country korea --names ko --years 1 list newyears "2024-02-10 CE" | grep -qx "계묘년 음력 11월 20일 갑자일"'
err=$("$cli" --names xx convert now 2>&1); st=$?
check "--names xx: exit 2 listing the choices" '[ $st -eq 2 ] && printf "%s\n" "$err" | grep -q "choose one of en hans hant vi ja ko"'
exit $fail
