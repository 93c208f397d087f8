#!/usr/bin/env bash
# Builds the benchmarks in release mode and prints the figures: the main window with a 1 KB
# and a 1 MB value side by side (a keystroke, undo and redo, a page change, a 1 MB paste
# read back, memory), reading rules, checking values, and start-up time and peak memory of
# the program against a window with one label and one with the same kinds of widgets
# (each a whole process, 30 runs).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" >/dev/null
build="$root/build-bench"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTYLOMAT_BUILD_BENCH=ON \
        -DSTYLOMAT_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)" --target stylomat bench_stylomat bench_reader \
    bench_grammar start_label start_kinds >/dev/null
export QT_QPA_PLATFORM=offscreen

"$build/bin/bench_stylomat" 2>/dev/null
for bench in bench_reader bench_grammar; do
    "$build/bin/$bench" -minimumvalue 200 2>/dev/null | grep -E '^(RESULT|FAIL)|msecs|usecs' -A1 |
        grep -v '^--'
done

python3 - "$build" <<'PY'
import os, statistics, subprocess, sys, time
build = sys.argv[1]
# Median over 30 runs of each whole process, the program as built first: the time until Qt
# reports the first paint of the window, and the peak resident memory.
environment = dict(os.environ, QT_LOGGING_RULES="qt.widgets.painting=true")
def run(path, runs=30):
    times, peaks = [], []
    for _ in range(runs):
        start = time.perf_counter()
        proc = subprocess.Popen([path], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                env=environment)
        for line in proc.stderr:
            if b"Painting and flushing" in line:
                break
        else:
            sys.exit(f"{path} painted no window")
        times.append(time.perf_counter() - start)
        proc.kill()
        _, _, usage = os.wait4(proc.pid, 0)
        peaks.append(usage.ru_maxrss)
    return statistics.median(times) * 1000, statistics.median(peaks) / 1024
app_t, app_m = run(os.path.join(build, "bin", "stylomat"))
for name, label in (("start_label", "one label"), ("start_kinds", "the same kinds of widgets")):
    t, m = run(os.path.join(build, "bin", name))
    print(f"start-up to first paint: Stylomat {app_t:.1f} ms, a window with {label} {t:.1f} ms, "
          f"ratio {app_t / t:.2f}; peak memory {app_m:.1f} MiB against {m:.1f} MiB, "
          f"ratio {app_m / m:.2f}")
PY
