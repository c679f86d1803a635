#!/usr/bin/env bash
# Runs the program under valgrind's memcheck on the offscreen platform while
# a plugin plays it (a beginner and an advanced game won, presses around the
# picture, quit by the quit button). Fails on any memory error or leak that
# is not suppressed in veldamo.supp, or if the program does not end with 0.
#   tools/valgrind/run.sh [build-dir]     (default build/valgrind)
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build/valgrind}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DVELDAMO_BUILD_UI=ON -DVELDAMO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target veldamo veldamo_play

log=$build/memcheck.log
played=$build/memcheck-play.log
status=0
# The timeout ends a run whose player never got going.
QT_QPA_PLATFORM=offscreen \
QT_PLUGIN_PATH="$PWD/$build/tools/valgrind/plugins" \
QT_QPA_GENERIC_PLUGINS=veldamoplay \
  timeout 900 valgrind --tool=memcheck --leak-check=full \
    --show-leak-kinds=definite,possible --errors-for-leak-kinds=definite,possible \
    --track-origins=yes --num-callers=30 \
    --suppressions=tools/valgrind/veldamo.supp --gen-suppressions=all \
    --error-exitcode=99 --log-file="$log" \
    "$build/ui/veldamo" 2>"$played" || status=$?

grep -E "ERROR SUMMARY|definitely lost|possibly lost|suppressed:" "$log" || true
grep '^play:' "$played" || true
case $status in
  0) ;;
  99) echo "memcheck: errors or leaks, see $log" >&2; exit 1 ;;
  *) echo "memcheck: the program ended with $status, see $log and $played" >&2; exit 1 ;;
esac
if [[ $(grep -c '^play: won the' "$played") -ne 2 ]]; then
  echo "memcheck: the player did not win both games, see $played" >&2
  exit 1
fi
echo "memcheck: clean; two games won, the program ended with 0"
