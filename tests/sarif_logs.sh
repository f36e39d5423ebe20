#!/bin/sh
# Usage: sarif_logs.sh SARIF_MULTITOOL FOLDER
# Validates every SARIF log under FOLDER (those the golden cases wrote) with the
# SARIF Multitool's native program, by the SARIF rules and GitHub's ingestion
# rules, in one call since it starts slowly. It ends with 0 even when it finds
# errors, so its report is read: every log scanned, no error, and no warning but
# SARIF2005 (no informationUri: the project has no home page) and SARIF2017 (a
# result about a whole file has no region).
set -eu
logs=$(find "$2" -name '*.sarif' | sort)
count=$(printf '%s\n' "$logs" | grep -c .) || { echo "no SARIF log under $2"; exit 1; }
report=$("$1" validate --rule-kind "Sarif;Ghas" $logs 2>&1) || { printf '%s\n' "$report"; exit 1; }
findings=$(printf '%s\n' "$report" | grep -E ': (error|warning) ' | grep -v -E ': warning (SARIF2005|SARIF2017):' || true)
[ -z "$findings" ] || { printf '%s\n' "$findings"; exit 1; }
printf '%s\n' "$report" | grep -qx "Done. $count files scanned."
