#!/usr/bin/env bash
# Runs one case of cases.tsv against one program and says what differs.
# Usage: run_case.sh TABLE NAME PROGRAM...   (PROGRAM and its words run as $T)
# TESSALY_VERSION is the version that @VERSION@ stands for.
set -uo pipefail
table=$1 name=$2
shift 2
row=$(grep -m 1 "^$name	" "$table") || { echo "no case $name in $table"; exit 1; }
# Split by hand: read would run empty fields together.
fields=()
while [[ $row == *$'\t'* ]]; do
    fields+=("${row%%$'\t'*}")
    row=${row#*$'\t'}
done
fields+=("$row")
status=${fields[2]} command=${fields[3]} out=${fields[4]//@VERSION@/$TESSALY_VERSION}
err=${fields[5]:-}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
printf '%b' "$out" >"$scratch/expected"

export T="$*" W="$scratch/work"
mkdir "$W"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM sh -c "$command" \
    >"$scratch/out" 2>"$scratch/err" </dev/null
got=$?
failed=0
if [ "$got" != "$status" ]; then
    echo "status $got, wanted $status"
    failed=1
fi
if ! cmp -s "$scratch/out" "$scratch/expected"; then
    echo "output differs (wanted, then got):"
    od -c "$scratch/expected" | head -n 8
    od -c "$scratch/out" | head -n 8
    failed=1
fi
if [ -z "$err" ] && [ -s "$scratch/err" ]; then
    echo "standard error should be empty"
    failed=1
elif [ -n "$err" ] && ! grep -qF -- "$(printf '%b' "$err" | head -n 1)" "$scratch/err"; then
    echo "standard error lacks: $(printf '%b' "$err")"
    failed=1
elif [ -n "$err" ] && [ "$(printf '%b' "$err" | wc -l)" -gt 0 ] \
    && ! grep -qF -- "$(printf '%b' "$err" | tail -n 1)" "$scratch/err"; then
    echo "standard error lacks: $(printf '%b' "$err" | tail -n 1)"
    failed=1
fi
if [ "$failed" != 0 ]; then
    echo "command: $command"
    echo "standard error:"
    head -c 1000 "$scratch/err"
fi
exit "$failed"
