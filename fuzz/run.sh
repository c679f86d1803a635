#!/usr/bin/env bash
# Builds the libFuzzer harnesses (preset `fuzz`) and runs them, one at a time.
#   fuzz/run.sh replay            every seed and the real resources, once each
#   fuzz/run.sh time SECONDS      fuzz each harness for SECONDS
#   fuzz/run.sh runs COUNT [NAME] fuzz each harness (or only NAME) for COUNT executions
# New inputs go to build/fuzz/corpus/<name>/, crashes to build/fuzz/crashes/.
# A crash stops the script with a non-zero code; add the crashing file to
# fuzz/corpus/<name>/ together with its fix.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-replay}
limit=${2:-}
only=${3:-}
build=build/fuzz

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# Each harness: its real resource, its dictionary and its longest input.
declare -A resource=([bmp]=resources/panda.bmp [cursor]=resources/mycsr.cur
                     [icon]=resources/mainicon.ico [fill]=)
declare -A dict=([bmp]=fuzz/bmp.dict [cursor]=fuzz/icon.dict [icon]=fuzz/icon.dict [fill]=)
declare -A max_len=([bmp]=121200 [cursor]=400 [icon]=900 [fill]=1024)

for name in bmp cursor icon fill; do
  [[ -n "$only" && "$name" != "$only" ]] && continue
  exe=$build/fuzz/fuzz_$name
  seeds=(fuzz/corpus/$name/*)
  [[ -n "${resource[$name]}" ]] && seeds+=("${resource[$name]}")
  case "$mode" in
    replay)
      "$exe" "${seeds[@]}" 2>"$build/replay-$name.log" \
        || { cat "$build/replay-$name.log" >&2; exit 1; }
      echo "fuzz_$name: ${#seeds[@]} inputs replayed, no failure"
      ;;
    time | runs)
      work=$build/corpus/$name
      mkdir -p "$work" "$build/crashes"
      cp -n "${seeds[@]}" "$work/" 2>/dev/null || true
      opts=(-max_len="${max_len[$name]}" -print_final_stats=1
            -artifact_prefix="$build/crashes/$name-")
      [[ -n "${dict[$name]}" ]] && opts+=(-dict="${dict[$name]}")
      if [[ $mode == time ]]; then opts+=(-max_total_time="$limit"); else opts+=(-runs="$limit"); fi
      log=$build/fuzz-$name.log
      if ! "$exe" "${opts[@]}" "$work" >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        echo "fuzz_$name: FAILED, see $log and $build/crashes/" >&2
        exit 1
      fi
      runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$')
      cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
      echo "fuzz_$name: $runs executions, $cov, no crash"
      ;;
    *)
      echo "usage: $0 replay | time SECONDS | runs COUNT [NAME]" >&2
      exit 2
      ;;
  esac
done
