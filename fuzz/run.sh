#!/usr/bin/env bash
# Builds every libFuzzer harness with clang and runs each for a bounded time on a seed corpus
# made from the example data and the test fixtures. A crash, leak, undefined behaviour or hang
# (a unit running longer than 10 s) fails the run.
# Usage: fuzz/run.sh [fuzz_NAME...]   (no names: every harness; FUZZ_SECONDS per harness, 30)
# FUZZ_SEED fixes the mutation sequence (default 1, so that a run on the same corpus tries the
# same inputs on every machine and a failure can be repeated); FUZZ_SEED=0 draws a new seed on
# each run, for exploring.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-30}"
seed="${FUZZ_SEED:-1}"
cmake --preset fuzz >/dev/null
# Only the harnesses (and what they link): the rest of the tree is not needed here.
targets=$(for f in fuzz/fuzz_*.cpp; do basename "$f" .cpp; done)
cmake --build --preset fuzz -j2 --target $targets
work=build/fuzz/corpus
status=0
for bin in build/fuzz/fuzz/fuzz_*; do
  [ -x "$bin" ] || continue
  name=$(basename "$bin")
  if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qx "$name"; then continue; fi
  corpus="$work/$name"
  rm -rf "$corpus"
  mkdir -p "$corpus"
  # Seeds: the files listed for this harness in fuzz/seeds/NAME.txt (glob patterns).
  if [ -f "fuzz/seeds/$name.txt" ]; then
    while read -r pattern; do
      [ -n "$pattern" ] || continue
      for f in $pattern; do [ -f "$f" ] && cp "$f" "$corpus/" || true; done
    done < "fuzz/seeds/$name.txt"
  fi
  echo "-- $name ($(ls "$corpus" | wc -l) seeds, ${seconds} s, seed $seed)"
  if ! "$bin" "$corpus" -max_total_time="$seconds" -seed="$seed" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -print_final_stats=0 -artifact_prefix="build/fuzz/$name-" \
        > "build/fuzz/$name.log" 2>&1; then
    echo "FAILED: $name"; tail -40 "build/fuzz/$name.log"; status=1
  else
    grep -E '^Done [0-9]+ runs' "build/fuzz/$name.log" | tail -1 || true
  fi
done
exit $status
