#!/usr/bin/env bash
# The command line of tessaly.exe and of its console twin tessaly.com under Wine, run as a shell
# runs them: arguments (non-ASCII ones too), standard input in a pipe, redirections, and a
# German locale, with the statuses the help documents.
# Usage: windows_command_line_test.sh WINE_RUN PREFIX TESSALY_EXE TESSALY_COM
set -uo pipefail
run=$1 prefix=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# check PROGRAM COMMAND STATUS OUT [ERR-PART]: COMMAND is run by sh with $T the program.
check() {
    local program=$1 command=$2 status=$3 out=$4 err=${5:-}
    T="bash $run $prefix $program" sh -c "$command" >"$scratch/out" 2>"$scratch/err" </dev/null
    local got=$?
    if [ "$got" != "$status" ] || [ "$(cat "$scratch/out")" != "$out" ] \
        || { [ -z "$err" ] && [ -s "$scratch/err" ]; } \
        || { [ -n "$err" ] && ! grep -qF -- "$err" "$scratch/err"; }; then
        echo "FAILED: $(basename "$program"): $command"
        echo "  status $got, wanted $status"
        echo "  out: $(head -c 300 "$scratch/out" | od -c | head -n 4)"
        echo "  wanted: $out"
        echo "  err: $(head -c 400 "$scratch/err")"
        failures=$((failures + 1))
    fi
}

for program in "$3" "$4"; do
    check "$program" '$T --version' 0 "tessaly 1.00"
    check "$program" '$T --list Temperature | sed -n 1p' 0 "Celsius to Fahrenheit"
    check "$program" '$T --accept-disclaimer "Pounds to Kilograms" 2.5' 0 "1.133980925"
    check "$program" '$T --accept-disclaimer "Celsius to Kelvin" -40 abc 1e999' 1 \
        "$(printf '233\n\nInfinity')" 'tessaly: not a number: "abc"'
    check "$program" 'printf "0\r\nx\r\n100" | $T --accept-disclaimer "Celsius to Fahrenheit"' 1 \
        "$(printf '32\n\n212')" 'tessaly: line 2: not a number: "x"'
    check "$program" '$T "Pounds to Kilograms" 2.5' 2 "" \
        "tessaly: Please Read and Check the Disclaimer"
    check "$program" '$T --accept-disclaimer "Feet to Meters" 1' 1 "" \
        'did you mean "Foots to Meters"'
    check "$program" '$T --frobnicate' 2 "" "tessaly: Unknown option 'frobnicate'."
    check "$program" '$T --accept-disclaimer "Kelvin to Celsius" 1 >/dev/full' 1 "" \
        "tessaly: cannot write the output: No space left on device"
    # Arguments come as UTF-16 from Windows and reach the command line as the same UTF-8.
    check "$program" '$T --accept-disclaimer "Kelvin to Celsius" "1½" "−5"' 1 \
        "$(printf '\n')" 'tessaly: not a number: "1½"'
    check "$program" 'LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 $T --accept-disclaimer "Kelvin to Celsius" 1,5 300.5' 1 \
        "$(printf '\n27.5')" 'tessaly: not a number: "1,5"'
    check "$program" 'yes 1 | { $T --accept-disclaimer "Pounds to Kilograms"; s=$?; [ $s = 1 ] || echo "status $s" >&2; } | head -n 1' \
        0 "0.45359237"
done

if [ "$failures" -gt 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "all passed"
