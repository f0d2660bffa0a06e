"""Before and after, side by side, in one run.

usage: /usr/bin/python3 bench/side_by_side.py BEFORE_BUILD AFTER_BUILD FILE [BENCH[:FILTER] ...]

Runs each named benchmark program (default: the window, optics-page,
statistics and writer benchmarks) of the two build folders one after the
other, so that both see the same load of a shared machine, then
bench/python_speed.py over FILE with each build's Python module and
zelkor-batch, and prints every figure in two columns with their ratio.
ZELKOR_ROUNDS (default 3) rounds are run and each figure is the best of
them: on a machine shared with other work, the least disturbed run. Build
the "before" folder from the same bench/ sources, so that both run the same
benchmarks.
"""
import json
import os
import re
import subprocess
import sys

DEFAULT = [
    "bench_window",
    "bench_optics_pages:BM_DisplayPhaseSpace",
    "bench_stats:BM_FiveAllIonKernels|BM_CountIntervals1001$",
    "bench_write",
]


def google_benchmark(build, name, pattern):
    command = [os.path.join(build, "bench", name), "--benchmark_format=json"]
    if pattern:
        command.append(f"--benchmark_filter={pattern}")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    run = subprocess.run(command, capture_output=True, text=True, env=env)
    out = run.stdout
    if run.returncode != 0 and '"benchmarks"' not in out:
        sys.exit(f"{' '.join(command)} failed:\n{run.stderr}")
    figures = {}
    for b in json.loads(out)["benchmarks"]:
        figures[f"{name} {b['name']} ({b['time_unit']})"] = b["real_time"]
        for counter in ("MB_above_preview", "MB_above_set", "RSS_MB_after_preview"):
            if counter in b:
                figures[f"{name} {b['name']} {counter}"] = b[counter]
    return figures


def python_speed(build, path):
    here = os.path.dirname(os.path.abspath(__file__))
    env = dict(os.environ, PYTHONPATH=os.path.join(build, "src", "python"))
    batch = os.path.join(build, "src", "batch", "zelkor-batch")
    out = subprocess.run([sys.executable, os.path.join(here, "python_speed.py"), path, batch], check=True,
                         capture_output=True, text=True, env=env).stdout
    figures = {}
    for line in out.splitlines():
        match = re.match(r"^(.*?)\s+([0-9.]+)\s+([0-9.]+)$", line)
        if match:
            figures[f"python {match.group(1).strip()} (wall ms)"] = float(match.group(2))
    return figures


def keep_best(rows, column, figures):
    for key, value in figures.items():
        row = rows.setdefault(key, [None, None])
        row[column] = value if row[column] is None else min(row[column], value)


def main(before, after, path, benches):
    rows = {}
    for _ in range(int(os.environ.get("ZELKOR_ROUNDS", "3"))):
        for bench in benches or DEFAULT:
            name, _, pattern = bench.partition(":")
            for column, build in enumerate((before, after)):
                keep_best(rows, column, google_benchmark(build, name, pattern))
        for column, build in enumerate((before, after)):
            keep_best(rows, column, python_speed(build, path))
    width = max(len(key) for key in rows)
    print(f"{'':{width}s} {'before':>10s} {'after':>10s} {'after/before':>12s}")
    for key, (old, new) in rows.items():
        ratio = f"{new / old:12.2f}" if old and new is not None else f"{'':12s}"
        show = lambda v: f"{v:10.1f}" if v is not None else f"{'-':>10s}"
        print(f"{key:{width}s} {show(old)} {show(new)} {ratio}")


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:])
