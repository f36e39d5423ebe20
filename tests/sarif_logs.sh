#!/bin/sh
# Usage: sarif_logs.sh SARIF_MULTITOOL FOLDER
# Validates every SARIF log under FOLDER (those the golden cases wrote) with the
# SARIF Multitool, in one call since it starts slowly. It ends with 0 even when
# it finds errors, so its report is read: no error, and every log scanned.
set -eu
logs=$(find "$2" -name '*.sarif' | sort)
count=$(printf '%s\n' "$logs" | grep -c .) || { echo "no SARIF log under $2"; exit 1; }
report=$("$1" validate $logs 2>&1) || { printf '%s\n' "$report"; exit 1; }
printf '%s\n' "$report" | grep -v ': warning '
printf '%s\n' "$report" | grep -qx "Done. $count files scanned." && ! printf '%s\n' "$report" | grep -q ': error '
