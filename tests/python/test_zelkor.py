"""The Python module against zelkor-batch on the same files and options."""
import gc
import os
import subprocess
import sys
import types
from pathlib import Path

import numpy as np
import pytest

import zelkor

BATCH = os.environ["ZELKOR_BATCH"]
EXAMPLES = Path(os.environ["ZELKOR_EXAMPLES"])
TRANSMIT = EXAMPLES / "transmit-sample.txt"
POINTS = EXAMPLES / "winagile-sample.pnt"


def batch(*words):
    done = subprocess.run([BATCH, *map(str, words)], capture_output=True, text=True, check=True)
    return done.stdout.splitlines()


STATS = ("min", "max", "mean", "dispersion", "sigma")


def same_report(stats, rows):
    """The statistics printed in the format of a batch report's rows."""
    texts = [row.split(" = ")[1].split()[0] for row in rows]
    texts = [texts[0], texts[1], texts[2], texts[4], texts[5]]
    form = lambda t: "%E" if "E" in t else f"%.{len(t.split('.')[1])}f"
    return [form(t) % stats[k] for t, k in zip(texts, STATS)] == texts


@pytest.mark.parametrize("path, quantity, unit", [(TRANSMIT, "KinEnerg", "keV"), (TRANSMIT, "AngX", "mrad"),
                                                  (TRANSMIT, "PosYZ", "um"), (POINTS, "dZdX", "mrad")])
def test_stats_and_quantity_equal_batch(path, quantity, unit):
    s = zelkor.load(path)
    stats = s.stats(quantity, unit)
    assert same_report(stats, batch("stats", path, "--quantity", quantity, "--unit", unit))
    values = s.quantity(quantity, unit)
    assert values.shape == (s.count,)
    assert (values.min(), values.max()) == (stats["min"], stats["max"])


def test_sigma_filter_and_filtered_histogram_equal_batch():
    s = zelkor.load(TRANSMIT)
    rejected = s.sigma_filter("PosY", 1, unit="um")
    assert f"Number of particles rejected: {rejected} of 36" in batch(
        "stats", TRANSMIT, "--quantity", "PosY", "--unit", "um", "--filter", 1)
    assert int(s.accepted.sum()) == 36 - rejected
    edges, counts = s.histogram("PosY", "um", display="filtered")
    rows = batch("histogram", TRANSMIT, "--quantity", "PosY", "--unit", "um", "--filter", 1,
                 "--display", "filtered", "--default")[1:]
    assert len(edges) == len(counts) + 1 == len(rows) + 1
    for k, row in enumerate(rows):
        assert row == f"{k + 1}\t<{edges[k]:.3E}, {edges[k + 1]:.3E})\t{counts[k]}"
    # A whole-spectrum histogram accepts every ion again, as the page does.
    _, whole = s.histogram("PosY", "um", width=0.01)
    assert whole.sum() == 36 and s.accepted.all()


def test_another_quantity_on_the_page_drops_its_committed_filter():
    s = zelkor.load(TRANSMIT)
    s.relativistic(4, 4.0026)
    assert s.sigma_filter("KinEnerg", 1) > 0
    _, counts = s.histogram("KinEnerg", display="filtered")
    assert counts.sum() < 36
    # EnergA is on the energy page too: the KinEnerg filter no longer applies.
    _, counts = s.histogram("EnergA", display="filtered")
    assert counts.sum() == 36


def test_sigma_matrix_and_relativistic_equal_batch():
    s = zelkor.load(TRANSMIT)
    rows = batch("sigma-matrix", TRANSMIT)
    assert ["\t".join("%.7E" % v for v in row) for row in s.sigma_matrix()] == rows
    y = s.beam_parameters()["Y"]
    assert y["beta"] * y["gamma"] - y["alpha"] ** 2 == pytest.approx(1.0)
    with pytest.raises(ValueError, match="Missing value A"):
        s.stats("Mom")
    s.relativistic(4, 4.0026)
    rows = batch("stats", TRANSMIT, "--quantity", "Mom", "--unit", "MeV/c", "--A", 4, "--amu", 4.0026)
    assert same_report(s.stats("Mom", "MeV/c"), rows)
    with pytest.raises(ValueError, match="Value A"):
        s.relativistic(0, 4.0)
    with pytest.raises(ValueError, match="only for TRANSMIT.TXT"):
        zelkor.load(POINTS).relativistic(4, 4.0)


def test_views_share_the_set_and_keep_it_alive(tmp_path):
    s = zelkor.load(TRANSMIT)
    energy, accepted = s.energy, s.accepted
    assert not energy.flags.writeable and accepted.dtype == np.uint8
    accepted[:] = 0
    accepted[[0, 5]] = 1
    assert s.stats("KinEnerg")["max"] == energy.max()  # stats ignore the flags
    out = tmp_path / "two.txt"
    s.save(out)
    assert zelkor.load(out).count == 2
    first = energy[0]
    del s, accepted
    gc.collect()
    assert energy[0] == first and energy.base is not None


def test_to_pandas_has_every_column():
    pytest.importorskip("pandas")
    frame = zelkor.load(POINTS).to_pandas()
    assert list(frame.columns) == ["energy", "x", "y", "z", "cos_x", "cos_y", "cos_z", "momentum", "accepted"]
    assert len(frame) == 32


def test_transform_and_conversion_equal_batch(tmp_path):
    s = zelkor.load(TRANSMIT)
    matrix = np.array([[1, 0.5, 0, 0], [0, 1, 0, 0], [0, 0, 2, 0], [0, 0, 0.1, 1]])
    moved = s.transform(matrix)
    assert moved.count == s.count and moved.y[0] != s.y[0]
    assert np.array_equal(moved.energy, s.energy)
    words = " ".join(str(v) for v in matrix.ravel())
    batch("transform", TRANSMIT, "--matrix", words, "-o", tmp_path / "batch.txt")
    moved.save(tmp_path / "module.txt")
    # The transformed records, saved, read back as the program's transformed file.
    mine, theirs = zelkor.load(tmp_path / "module.txt"), zelkor.load(tmp_path / "batch.txt")
    for column in ("energy", "x", "y", "z", "cos_x", "cos_y", "cos_z"):
        assert np.array_equal(getattr(mine, column), getattr(theirs, column))
    batch("convert", TRANSMIT, "--to", "trim", "--set-x", 5, "-o", tmp_path / "batch.dat")
    s.save(tmp_path / "module.dat", kind="trim", set_x=5)
    assert (tmp_path / "module.dat").read_bytes() == (tmp_path / "batch.dat").read_bytes()
    # A point set keeps the slopes themselves and positions in Angstrom, whose
    # way back to metres may move a printed tie by one in the last digit.
    points = zelkor.load(POINTS).transform(matrix)
    batch("transform", POINTS, "--matrix", words, "-o", tmp_path / "batch.pnt")
    points.save(tmp_path / "module.pnt")
    mine, theirs = zelkor.load(tmp_path / "module.pnt"), zelkor.load(tmp_path / "batch.pnt")
    for column in ("cos_y", "cos_z", "momentum"):
        assert np.array_equal(getattr(mine, column), getattr(theirs, column))
    assert np.allclose(mine.y, theirs.y, rtol=1e-10, atol=0) and np.allclose(mine.z, theirs.z, rtol=1e-10, atol=0)
    with pytest.raises(ValueError, match="Value hh22 must be real number"):
        s.transform(np.diag([1, float("nan"), 1, 1]))


def test_refusals_and_a_cut_last_line(tmp_path):
    with pytest.raises(OSError, match="^Cannot open a file!$"):
        zelkor.load(tmp_path / "missing.txt")
    with pytest.raises(ValueError, match="^Bad file opened!$"):
        zelkor.load(EXAMPLES / "trim-sample.dat", kind="transmit")
    with pytest.raises(ValueError, match="extension"):
        zelkor.load(tmp_path / "ions.csv")
    cut = tmp_path / "cut.txt"
    cut.write_bytes(TRANSMIT.read_bytes()[:-30])
    s = zelkor.load(cut)
    assert "could not be read and was skipped" in s.warnings
    assert zelkor.load(TRANSMIT).warnings == ""
    with pytest.raises(OSError, match="^Cannot open a file!$"):
        s.save(tmp_path / "no-such-folder" / "out.txt")
    with pytest.raises(ValueError, match="only for TRANSMIT.TXT"):
        zelkor.load(POINTS).stats("KinEnerg")


def test_generated_files_equal_batch_byte_for_byte(tmp_path):
    fields = dict(description="beam", particles=200, atomic_number=2, amu=4.0026, angle=0, energy=5000,
                  delta_e=1, n_sigma=3, y_total=1, z_total=1, y_rms=0.3, z_rms=0.3, dydx_total=2,
                  dzdx_total=2, dydx_rms=0.6, dzdx_rms=0.6, eps_y=0.5, eps_z=0.5, sign_y="PLUS",
                  sign_z="MINUS", d_y=0, d_z=0, ddx_y=0, ddx_z=0, uniform="z")
    options = [w for k, v in fields.items() for w in ("--" + k.replace("_", "-"), v)]
    # The only test that draws: the interpreter's sequence starts here, and the
    # second call continues it as the batch tool's second generation does.
    for repeat in (1, 2):
        assert zelkor.generate(tmp_path / f"module{repeat}.dat", **fields) == 200
        batch("generate", *options, "--repeat", repeat, "-o", tmp_path / f"batch{repeat}.dat")
        assert (tmp_path / f"module{repeat}.dat").read_bytes() == (tmp_path / f"batch{repeat}.dat").read_bytes()
    with pytest.raises(ValueError, match="Missing value"):
        zelkor.generate(tmp_path / "x.dat", **{**fields, "particles": ""})
    with pytest.raises(TypeError, match="colour"):
        zelkor.generate(tmp_path / "x.dat", colour="red")


MORE = ("mean_error", "sigma_error", "median", "fwhm", "skewness", "kurtosis")


def test_more_statistics_equal_batch():
    s = zelkor.load(TRANSMIT)
    stats = s.stats("KinEnerg", "keV", width=50)
    rows = batch("stats", TRANSMIT, "--quantity", "KinEnerg", "--unit", "keV", "--more", "--width", 50)[7:]
    assert [f"{stats[k]:E}" for k in MORE] == [row.split(" = ")[1].split()[0] for row in rows]
    assert stats["count"] == 36
    assert s.stats("KinEnerg")["median"] == np.median(s.energy)
    one = zelkor.load(POINTS)
    assert one.stats("dYdX", "mrad")["sigma_error"] is not None
    with pytest.raises(ValueError, match="Value Range of interval is too low"):
        s.stats("KinEnerg", width=1e-3)


def test_histogram_fit_equals_batch():
    s = zelkor.load(TRANSMIT)
    try:
        edges, counts, fit = s.histogram("PosY", "um", fit=True)
    except RuntimeError as e:
        assert str(e) == "The Gaussian fit is not available in this build"
        pytest.skip("built without GSL")
    lines = batch("histogram", TRANSMIT, "--quantity", "PosY", "--unit", "um", "--default", "--fit")[-4:]
    pairs = [line.split(" = ")[1].split(" +- ") for line in lines[:3]]
    for (value, error), name in zip(pairs, ("amplitude", "mean", "sigma")):
        assert (f"{fit[name]:E}", f"{fit[name + '_error']:E}") == (value, error.split()[0])
    assert lines[3] == f"chi2 / ndf = {fit['chi2']:E} / {fit['ndf']}"
    assert fit["ndf"] == int((counts > 0).sum()) - 3
    with pytest.raises(ValueError, match="does not converge|Too few intervals"):
        s.histogram("KinEnerg", fit=True)


def test_summary_equals_batch(tmp_path, monkeypatch):
    monkeypatch.setitem(sys.modules, "pandas", None)  # rows as dicts, pandas installed or not
    paths = [TRANSMIT, POINTS, tmp_path / "missing.txt"]
    rows = zelkor.summary(paths)
    done = subprocess.run([BATCH, "summary", *map(str, paths), "--format", "csv"], capture_output=True, text=True)
    assert done.returncode == 1
    header, *lines = done.stdout.splitlines()
    names = header.split(",")
    for row, line in zip(rows, lines, strict=True):
        for name, cell in zip(names, line.split(","), strict=True):
            value = row[name]
            if value is None:
                assert cell in ("", "undefined"), name
            else:
                assert (value if isinstance(value, str) else float(cell)) == value, name
    assert rows[1]["energy_mean"] is None and rows[2]["message"] == "Cannot open a file!"


def test_summary_is_a_dataframe_where_pandas_imports(monkeypatch):
    made = {}
    pandas = types.ModuleType("pandas")
    pandas.DataFrame = lambda data, columns: made.update(data=data, columns=columns) or "frame"
    monkeypatch.setitem(sys.modules, "pandas", pandas)
    assert zelkor.summary([POINTS]) == "frame"
    assert made["columns"][:3] == ["file", "kind", "count"] and made["data"][0]["count"] == 32
