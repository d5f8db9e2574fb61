#!/usr/bin/env bash
# Measures Tessaly's start-up against the bare-Qt floor, interleaved, on a private X server with
# its own session bus; then times the command line against two other converters and its standard
# input over millions of values; then runs the core benchmark. RUNS sets the measured runs of each
# program; TESSALY names another build of the program to measure, such as the packaged one, and
# OLDER a commit whose program (bench/older.sh) runs interleaved with it throughout.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages "${build_packages[@]}" "${test_packages[@]}" dbus-daemon units qalc
cmake --preset default >/dev/null
cmake --build --preset default --target tessaly startup_floor startup_harness core_benchmark \
    command_timer
tessaly=$(realpath "${TESSALY:-build/default/bin/tessaly}")
timer=build/default/bench/command_timer
older=()
if [ -n "${OLDER:-}" ]; then
    older_program=$(bash bench/older.sh "$OLDER")
    older=("older=$older_program")
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== start-up ($(nproc) cores, $(uname -m), a private X server)"
# On a display and a session bus of their own, so that no program run auto-launches a bus and
# pays for it.
bash cmake/headless.sh --bus -- build/default/bench/startup_harness --runs "${RUNS:-30}" \
    --warmup 3 --disclaimer tessaly=$tessaly floor=build/default/bench/startup_floor "${older[@]}"

# The command line's floor, built with the package's flags: Debian's hardening and those that
# debian/rules adds.
eval "$(sed -n 's/^export \(DEB_[A-Z_]*\) = \(.*\)$/export \1="\2"/p' debian/rules)"
export DEB_BUILD_MAINT_OPTIONS
# shellcheck disable=SC2046 # the flags are lists of words
g++ -std=c++20 $(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS) \
    bench/cli_floor.cpp -o "$work/cli_floor" $(dpkg-buildflags --get LDFLAGS)

echo
echo "== the command line against its floor and two other converters"
"$timer" --runs "${RUNS:-30}" --warmup 3 \
    "floor=$work/cli_floor --accept-disclaimer 'Pounds to Kilograms' 2.5" \
    "tessaly=$tessaly --accept-disclaimer 'Pounds to Kilograms' 2.5" \
    "version=$tessaly --version" \
    "list=$tessaly --list" \
    "units=units -t '2.5 lb' kg" \
    "qalc=qalc -t '2.5 lb to kg'"

echo
echo "== a question against the same conversion by its PAIR"
"$timer" --runs "${RUNS:-30}" --warmup 3 \
    "pair=$tessaly --accept-disclaimer 'Pounds to Kilograms' 2.5" \
    "question=$tessaly --accept-disclaimer 2.5 lb to kg" \
    "negative=$tessaly --accept-disclaimer -40 °F in °C"

echo
echo "== standard input: 1 and 10 million varied values, results to a file"
# Whole numbers, fractions, negatives and exponents from about 1e-7 to 1e12.
awk 'BEGIN { srand(1); for (i = 0; i < 10000000; i++) {
    x = (rand() - 0.3) * 10 ^ int(rand() * 20 - 7)
    if (i % 3 == 0) printf "%d\n", x; else if (i % 3 == 1) printf "%.9g\n", x; else printf "%.3e\n", x } }' \
    >"$work/10M"
head -n 1000000 "$work/10M" >"$work/1M"
# By its PAIR and by the units' words, and the older program's where there is one.
for size in 1M 10M; do
    "$timer" --runs 3 --warmup 1 --stdin "$work/$size" --stdout "$work/out" \
        "$size=$tessaly --accept-disclaimer 'Pounds to Kilograms'" \
        "words=$tessaly --accept-disclaimer 'lb to kg'" \
        ${OLDER:+"older=$older_program --accept-disclaimer 'Pounds to Kilograms'"}
done
echo
echo "== core"
build/default/bench/core_benchmark --benchmark_min_time=0.2
