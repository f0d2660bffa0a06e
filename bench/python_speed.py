"""Side-by-side timings of the zelkor Python module on one large TRANSMIT.TXT.

usage: PYTHONPATH=build/src/python /usr/bin/python3 bench/python_speed.py FILE ZELKOR_BATCH

zelkor.load against `zelkor-batch info` (the whole process) and against
pandas.read_csv(sep=r"\\s+", skiprows=12, header=None), then quantity() and
stats() on the loaded set, histogram() of an angle in 1001 intervals, and
`zelkor-batch convert` to TRIM.DAT (the whole process) beside `cat` of the
same file. Each figure is the best of several runs, as wall
time and as CPU time (this process and its children), since on a shared
machine the wall time also counts the waits for a core.
"""
import os
import subprocess
import sys
import tempfile
import time

import zelkor


def cpu_seconds():
    children = os.times()  # only in clock ticks, enough for a whole process
    return time.process_time() + children.children_user + children.children_system


def best(action, runs):
    walls, cpus = [], []
    for _ in range(runs):
        wall, cpu = time.perf_counter(), cpu_seconds()
        action()
        walls.append(time.perf_counter() - wall)
        cpus.append(cpu_seconds() - cpu)
    return min(walls), min(cpus)


def main(path, batch):
    rows = []
    # Alternated, so that both see the same load of a shared machine.
    loads, infos = [], []
    for _ in range(7):
        loads.append(best(lambda: zelkor.load(path), 1))
        infos.append(best(lambda: subprocess.run([batch, "info", path], check=True, capture_output=True), 1))
    load, info = tuple(map(min, zip(*loads))), tuple(map(min, zip(*infos)))
    rows += [("zelkor.load", load), ("zelkor-batch info", info)]
    try:
        import pandas
        rows.append(("pandas.read_csv", best(lambda: pandas.read_csv(path, sep=r"\s+", skiprows=12, header=None), 3)))
    except ImportError:
        pass
    s = zelkor.load(path)
    for name, unit in (("KinEnerg", "keV"), ("PosY", "um"), ("AngX", "deg")):
        rows.append((f"quantity({name!r})", best(lambda: s.quantity(name, unit), 10)))
        rows.append((f"stats({name!r})", best(lambda: s.stats(name, unit), 10)))
    # 1001 intervals: the default width is a 101st of the range (and a millionth more).
    edges, _ = s.histogram("AngX", "deg")
    width = (edges[-1] - edges[0]) / (1 + 1e-6) / 1000.9
    edges, _ = s.histogram("AngX", "deg", width=width)
    assert len(edges) == 1002, len(edges)
    rows.append(("histogram('AngX') 1001", best(lambda: s.histogram("AngX", "deg", width=width), 10)))
    with tempfile.TemporaryDirectory(dir=os.path.dirname(os.path.abspath(path))) as folder:
        out = os.path.join(folder, "converted.dat")
        with open(os.devnull, "wb") as null:
            rows.append(("cat FILE", best(lambda: subprocess.run(["cat", path], check=True, stdout=null), 5)))
        convert = [batch, "convert", path, "--to", "trim", "-o", out]
        rows.append(("zelkor-batch convert", best(lambda: subprocess.run(convert, check=True, capture_output=True), 5)))
    print(f"{s.count} ions in {path}")
    print(f"{'':24s} {'wall ms':>9s} {'CPU ms':>9s}")
    for name, (wall, cpu) in rows:
        print(f"{name:24s} {wall * 1000:9.1f} {cpu * 1000:9.1f}")
    print(f"load / batch info: {load[0] / info[0]:.2f} wall, {load[1] / info[1]:.2f} CPU")
    if len(rows) > 2 and rows[2][0] == "pandas.read_csv":
        pandas_time = rows[2][1]
        print(f"pandas / load:     {pandas_time[0] / load[0]:.1f} wall, {pandas_time[1] / load[1]:.1f} CPU")


if __name__ == "__main__":
    main(*sys.argv[1:3])
