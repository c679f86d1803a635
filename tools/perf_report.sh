#!/usr/bin/env bash
# The performance report: builds the `bench` preset, runs every benchmark and
# prints one table of the figures, their ratios and the goals (Markdown, for
# the README), with the machine and the date.
#   tools/perf_report.sh
# Needs valgrind (instruction counts), Xvfb and xauth (xvfb-run) and
# python3; libopencv-dev adds the OpenCV comparison. The raw results are kept
# in build/bench/report/.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/bench
out=$build/report
mkdir -p "$out"
cmake --preset bench >/dev/null
cmake --build --preset bench

repeat=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true)
json() { echo --benchmark_out="$out/$1.json" --benchmark_out_format=json; }

echo "== fill, click and scramble without the screen (ours and OpenCV's)" >&2
# Repetitions of ours and OpenCV's interleaved, so that both meet the same
# load on a shared machine.
"$build/bench/picture/picture_bench" --benchmark_repetitions=9 \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
  $(json picture) >&2

echo "== instructions per filled pixel (callgrind)" >&2
for mode in body click6; do
  valgrind --tool=callgrind --callgrind-out-file="$out/callgrind.$mode" \
    --toggle-collect='veldamo::picture::Canvas::FloodFill*' \
    "$build/bench/picture/fill_count" "$mode" 2000 >"$out/fill_count.$mode.txt" 2>/dev/null
  cat "$out/fill_count.$mode.txt" >&2
done

echo "== the 37-click scramble with its repaints in the window, under Xvfb" >&2
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
  env QT_QPA_PLATFORM=xcb "$build/bench/scramble/scramble_bench" "${repeat[@]}" \
  $(json scramble) >&2

echo "== start-up and peak memory against the minimal Qt program" >&2
"$build/bench/startup/startup_bench" $(json startup) >&2

python3 - "$out" <<'PY'
import json, pathlib, platform, re, subprocess, sys, datetime

out = pathlib.Path(sys.argv[1])

def runs(name):
    return json.loads((out / f"{name}.json").read_text())["benchmarks"]

def median_us(name, bench):
    """Median real time of a benchmark in microseconds, or None."""
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}
    for b in runs(name):
        if b.get("run_name") == bench and b.get("aggregate_name") == "median" and not b.get("error_occurred"):
            return b["real_time"] * scale[b["time_unit"]]
    return None

def counters(name, bench):
    """The counters of the first run whose name starts with `bench`."""
    for b in runs(name):
        if b.get("name", "").startswith(bench) and not b.get("error_occurred"):
            return b
    return None

def instructions_per_pixel(mode):
    text = (out / f"callgrind.{mode}").read_text()
    ir = int(re.search(r"^(?:totals|summary):\s+(\d+)", text, re.M).group(1))
    pixels = int(re.search(r"(\d+) pixels painted", (out / f"fill_count.{mode}.txt").read_text()).group(1))
    return ir / pixels

rows = []
def row(what, ours, theirs, ratio, goal, met):
    rows.append((what, ours, theirs, ratio, goal, "yes" if met else ("**no**" if met is not None else "n/a")))

def us(v):
    return "n/a" if v is None else (f"{v:.1f} µs" if v < 1000 else f"{v / 1000:.2f} ms")

for bench, cv, what, goal in [
    ("BM_FillBody", "BM_OpenCvFillBody", "Fill of the largest region (body)", 0.25),
    ("BM_Click/6", "BM_OpenCvClick/6", "Click on the body (7 fills)", 0.15),
    ("BM_Click/3", "BM_OpenCvClick/3", "Click on the head (7 fills)", 0.15),
]:
    a, b = median_us("picture", bench), median_us("picture", cv)
    ratio = a / b if a and b else None
    row(what, us(a), f"OpenCV {us(b)}" if b else "OpenCV not installed",
        f"{ratio:.3f}×" if ratio else "n/a", f"≤ {goal}×", ratio <= goal if ratio else None)

for mode, what in [("body", "Instructions per filled pixel, body fill"),
                   ("click6", "Instructions per filled pixel, body click")]:
    ipp = instructions_per_pixel(mode)
    row(what, f"{ipp:.2f}", "", "", "≤ 10", ipp <= 10)

scramble = median_us("scramble", "BM_Scramble37WithRepaints")
row("37-click scramble with its repaints, Xvfb", us(scramble), "", "", "< 5 ms",
    scramble < 5000 if scramble else None)
for p in ("offscreen", "xcb"):
    c = counters("startup", f"BM_StartupSideBySide/{p}")
    where = "Xvfb" if p == "xcb" else "offscreen"
    if c is None:
        row(f"Start-up to first paint, {where}", "n/a", "", "", "≤ 1.15×", None)
        row(f"Peak memory, {where}", "n/a", "", "", "≤ 1.1×", None)
        continue
    # The one-label window shows what drawing any text at all costs.
    label = "text_ms" in c
    row(f"Start-up to first paint, {where}", f"{c['veldamo_ms']:.1f} ms",
        f"empty Qt window {c['minimal_ms']:.1f} ms"
        + (f"; one-label window {c['text_ms']:.1f} ms" if label else ""),
        f"{c['time_ratio']:.3f}×" + (f" ({c['time_ratio_text']:.3f}× one label)" if label else ""),
        "≤ 1.15×", c["time_ratio"] <= 1.15)
    row(f"Peak memory, {where}", f"{c['veldamo_peak_kb'] / 1024:.1f} MiB",
        f"empty Qt window {c['minimal_peak_kb'] / 1024:.1f} MiB"
        + (f"; one-label window {c['text_peak_kb'] / 1024:.1f} MiB" if label else ""),
        f"{c['memory_ratio']:.3f}×" + (f" ({c['memory_ratio_text']:.3f}× one label)" if label else ""),
        "≤ 1.1×", c["memory_ratio"] <= 1.1)

cpu = next((l.split(":", 1)[1].strip() for l in open("/proc/cpuinfo") if l.startswith("model name")), platform.processor())
cores = sum(1 for l in open("/proc/cpuinfo") if l.startswith("processor"))
commit = subprocess.run(["git", "rev-parse", "--short", "HEAD"], capture_output=True, text=True).stdout.strip()
print(f"\nMachine: {cpu}, {cores} cores, {platform.system()} {platform.release()}; "
      f"{datetime.date.today().isoformat()}, commit {commit}. Times are medians.\n")
print("| Measure | VELDAMO | Reference | Ratio | Goal | Met |")
print("|---|---|---|---|---|---|")
for r in rows:
    print("| " + " | ".join(r) + " |")
PY
