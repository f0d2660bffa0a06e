"""The reference Gaussian fit of the fixed histogram in gaussian_fit_test.cpp,
computed independently with scipy's MINPACK least squares (Debian's
python3-scipy): python3 tests/stats/fit_reference.py. The test takes its
numbers to within about a millionth of their errors, where two minimisers
with tight tolerances agree."""
import numpy as np
from scipy.optimize import curve_fit

counts = np.array([0, 1, 0, 3, 5, 12, 20, 35, 51, 62, 70, 58, 49, 33, 21, 10, 6, 2, 1, 0, 1], dtype=float)
start, width = -5.25, 0.5
edges = [start]
for _ in counts:
    edges.append(edges[-1] + width)  # accumulated, as the program does
edges = np.array(edges)
centres = (edges[:-1] + edges[1:]) * 0.5
held = counts > 0  # empty intervals take no part
x, y = centres[held], counts[held]


def gauss(x, a, m, s):
    return a * np.exp(-0.5 * ((x - m) / s) ** 2)


p, cov = curve_fit(gauss, x, y, p0=(60, 0, 1.5), sigma=np.sqrt(y), absolute_sigma=True, xtol=1e-14, ftol=1e-14,
                   gtol=1e-14, maxfev=100000)
chi2 = float((((gauss(x, *p) - y) ** 2) / y).sum())
errors = np.sqrt(np.diag(cov))
for name, value, error in zip(("amplitude", "mean", "sigma"), p, errors):
    print(f"{name} = {value:.12g} +- {error:.12g}")
print(f"chi2 = {chi2:.12g}, ndf = {held.sum() - 3}")
