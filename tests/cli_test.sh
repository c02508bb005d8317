#!/usr/bin/env bash
# Runs orbel-cli as a whole process and checks its output and exit statuses.
set -u
cli=$1
fail=0
check() { if ! eval "$2"; then echo "FAIL: $1"; fail=1; fi; }
"$cli" >/dev/null 2>&1; check "no arguments exits 2" '[ $? -eq 2 ]'
exit $fail
