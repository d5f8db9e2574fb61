#!/usr/bin/env bash
# Makes small wrong changes to the conversion table in a scratch copy, one rule at a time: the
# last digit of its factor, the order of its operations, its display form. Rebuilds the core
# tests against each and fails unless they fail for every one: each rule meets every kind of
# change that applies to it, about 200 in all, in about a minute on two cores.
# Usage: mutants.sh SOURCE_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
table=core/conversion_table.cpp
flags=(-std=c++20 -O1 -ffp-contract=off -I"$work/src" -I"$source_dir/tests")
cxx=${CXX:-g++}

mkdir -p "$work/src" "$work/objects"
cp -r "$source_dir/core" "$source_dir/runtime" "$work/src/"
# Everything but the table is built once.
sources=$(cd "$source_dir" && ls core/*.cpp runtime/*.cpp tests/core/*_test.cpp tests/runtime/*_test.cpp \
    | grep -vx "$table")
export cxx work source_dir
printf '%s\n' $sources | xargs -P 2 -I{} sh -c \
    '$cxx "$@" -c "$source_dir/{}" -o "$work/objects/$(echo {} | tr / _).o"' sh "${flags[@]}"

# The rows of the table, one line each, in rule order.
mapfile -t rows < <(grep -n '^    {"' "$source_dir/$table" | cut -d: -f1)
[ "${#rows[@]}" -eq 92 ] || { echo "FAIL: found ${#rows[@]} rules, not 92" >&2; exit 1; }

# The kinds of change that apply to a row, and the row changed by one of them.
kinds() {
    local row=$1
    echo digit display
    if grep -qE 'TimesDividedBy|TimesTimes|MinusTimesPlus, +[1-9][0-9]*, +[0-9.]+ / ' <<<"$row"; then
        echo order
    fi
}
mutate() {
    local kind=$1
    awk -v kind="$kind" -F', *' '
        function lower(digits,   last) {
            last = substr(digits, length(digits)) + 0
            return substr(digits, 1, length(digits) - 1) (last > 0 ? last - 1 : 1)
        }
        {
            sub(/^ +/, "", $1)
            if (kind == "digit") { if ($4 == "0") $6 = lower($6); else $4 = lower($4) }
            if (kind == "display") { if ($7 ~ /Plain/) sub(/Plain/, "Round10", $7); else sub(/Round10/, "Plain", $7) }
            if (kind == "order") {
                if ($3 == "TimesDividedBy") { $3 = "Times"; $4 = $4 " / " $5; $5 = "0" }
                else if ($3 == "TimesTimes") { $3 = "Times"; $4 = $4 " * " $5; $5 = "0" }
                else { $6 = $6 " - " $4 " * (" $5 ")"; $4 = "0" }
            }
            printf "    %s", $1
            for (i = 2; i <= NF; i++) printf ", %s", $i
            print ""
        }'
}

for rule in $(seq 1 92); do
    line=${rows[$((rule - 1))]}
    row=$(sed -n "${line}p" "$source_dir/$table")
    for kind in $(kinds "$row"); do
        dir="$work/mutant-$rule-$kind"
        mkdir -p "$dir"
        changed=$(mutate "$kind" <<<"$row")
        if [ "$changed" = "$row" ]; then
            echo "FAIL: rule $rule: the $kind change changed nothing" >&2
            exit 1
        fi
        awk -v line="$line" -v changed="$changed" 'NR == line { print changed; next } { print }' \
            "$source_dir/$table" >"$dir/conversion_table.cpp"
        echo "$rule $kind"
    done
done >"$work/plan"

# Builds and runs one mutant; prints its rule and kind when the tests did NOT fail.
run_one() {
    local rule=$1 kind=$2 dir="$work/mutant-$1-$2"
    if ! $cxx -std=c++20 -O1 -ffp-contract=off -I"$work/src" -c "$dir/conversion_table.cpp" \
        -o "$dir/table.o" 2>"$dir/build.log"; then
        echo "$rule $kind (does not build: $(head -n 1 "$dir/build.log"))"
    elif ! $cxx "$dir/table.o" "$work"/objects/*.o -lgtest_main -lgtest -pthread \
        -o "$dir/tests" 2>"$dir/build.log"; then
        echo "$rule $kind (does not link: $(head -n 1 "$dir/build.log"))"
    elif "$dir/tests" --gtest_brief=1 >"$dir/run.log" 2>&1; then
        echo "$rule $kind"
    fi
}
export -f run_one
uncaught=$(xargs -P 2 -L 1 bash -c 'run_one "$@"' run_one <"$work/plan")

for kind in digit order display; do
    echo "$kind: $(awk -v kind="$kind" '$2 == kind { printf "%s ", $1 }' "$work/plan")"
done
made=$(wc -l <"$work/plan")
if [ -n "$uncaught" ]; then
    echo "FAIL: the tests passed with these changes (rule, kind):" >&2
    echo "$uncaught" >&2
    echo "mutants: $made made, $((made - $(wc -l <<<"$uncaught"))) caught" >&2
    exit 1
fi
echo "mutants: $made made, $made caught"
