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
check "events: lines sorted by GMT moment" '[ "$("$cli" events 2024-01-01 2024-12-31 | cut -f4)" = "$("$cli" events 2024-01-01 2024-12-31 | cut -f4 | sort -n)" ]'

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
exit $fail
