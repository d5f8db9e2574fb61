#!/usr/bin/env bash
# Builds the program of another commit, as a user builds it (Release, no tests), in a worktree of
# its own under build/older/COMMIT, and prints the program's path: the benchmarks then run it
# interleaved with today's, so that a change shows as a ratio within one run.
# Usage: bench/older.sh COMMIT
set -euo pipefail
cd "$(dirname "$0")/.."
commit=$(git rev-parse --short "${1:?usage: bench/older.sh COMMIT}^{commit}")
tree=$PWD/build/older/$commit
if [ ! -d "$tree/source" ]; then
    mkdir -p "$tree"
    git worktree add --detach "$tree/source" "$commit" >&2
fi
cmake -S "$tree/source" -B "$tree/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -Wno-dev >&2
cmake --build "$tree/build" --target tessaly >&2
realpath "$tree/build/bin/tessaly"
