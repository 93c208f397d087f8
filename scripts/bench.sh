#!/usr/bin/env bash
# Builds the benchmarks in release mode and prints the figures: the rule build, a keystroke
# to the pane, a page change, a 1 MB paste read back, reading rules, and start-up time and
# peak memory of the program against a minimal Qt window (each a whole process, 30 runs).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" >/dev/null
build="$root/build-bench"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTYLOMAT_BUILD_BENCH=ON \
        -DSTYLOMAT_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)" --target bench_stylomat bench_reader start_stylomat \
    start_bare start_label >/dev/null
export QT_QPA_PLATFORM=offscreen

for bench in bench_stylomat bench_reader; do
    "$build/bench/$bench" -minimumvalue 200 2>/dev/null | grep -E '^(RESULT|FAIL)|msecs|usecs' -A1 |
        grep -v '^--'
done

python3 - "$build/bench" <<'PY'
import os, statistics, subprocess, sys, time
folder = sys.argv[1]
# Median over 30 runs of: time until the window reports its first paint, peak RSS.
def run(name, runs=30):
    times, peaks = [], []
    for _ in range(runs):
        start = time.perf_counter()
        proc = subprocess.Popen([os.path.join(folder, name)], stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL)
        line = proc.stdout.readline()
        shown = time.perf_counter() - start
        _, status, usage = os.wait4(proc.pid, 0)
        if line != b"shown\n" or status != 0:
            sys.exit(f"{name} did not show its window")
        times.append(shown)
        peaks.append(usage.ru_maxrss)
    return statistics.median(times) * 1000, statistics.median(peaks) / 1024
app_t, app_m = run("start_stylomat")
for name, label in (("start_bare", "bare Qt window"), ("start_label", "Qt window with one label")):
    t, m = run(name)
    print(f"start-up to first paint: Stylomat {app_t:.1f} ms, {label} {t:.1f} ms, ratio {app_t / t:.2f}; "
          f"peak memory: Stylomat {app_m:.1f} MiB, {label} {m:.1f} MiB, ratio {app_m / m:.2f}")
PY
