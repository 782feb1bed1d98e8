#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a set time each.
#   tools/run-fuzz.sh BUILD_DIR SECONDS [TARGET...]
# Each target starts from the seeds in fuzz/corpus/<target> and keeps what it
# finds in BUILD_DIR/corpus/<target>; a crash leaves its input in
# BUILD_DIR/artifacts and makes the script fail.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
seconds="$2"
shift 2
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(tovel_reader bmp_header ini_reader paths)

mkdir -p "$build/artifacts"
status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  echo "== fuzz_$target for $seconds s"
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
      "$corpus" "$root/fuzz/corpus/$target" > "$build/fuzz_$target.log" 2>&1; then
    echo "fuzz_$target FAILED; see $build/fuzz_$target.log and $build/artifacts"
    tail -40 "$build/fuzz_$target.log"
    status=1
  fi
  grep -E "^#[0-9]+.*DONE|^stat::number_of_executed_units|^stat::peak_rss_mb" "$build/fuzz_$target.log" || true
done
exit $status
