#include "stats/fit/fit_gaussian.hpp"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <cmath>
#include <memory>
#include <vector>

namespace zelkor {
namespace {

constexpr std::size_t kParameters = 3;
constexpr std::size_t kMaxIterations = 200;
constexpr double kStepTolerance = 1e-12;
constexpr double kGradientTolerance = 1e-12;

// The fit runs in units of the starting Gaussian (t = (x - mean0) / sigma0,
// counts / amplitude0), so that the three parameters are of order one
// whatever the quantity's unit; the result is scaled back.
struct Scaled {
    std::vector<double> t;
    std::vector<double> y;
};

// p = (a, m, s): model a exp(-(t - m)^2 / (2 s^2)), residual model - y.
int Residuals(const gsl_vector* p, void* data, gsl_vector* f) {
    const auto& d = *static_cast<const Scaled*>(data);
    const double a = gsl_vector_get(p, 0), m = gsl_vector_get(p, 1), s = gsl_vector_get(p, 2);
    for (std::size_t i = 0; i < d.t.size(); ++i) {
        const double u = (d.t[i] - m) / s;
        gsl_vector_set(f, i, a * std::exp(-0.5 * u * u) - d.y[i]);
    }
    return GSL_SUCCESS;
}

int Jacobian(const gsl_vector* p, void* data, gsl_matrix* J) {
    const auto& d = *static_cast<const Scaled*>(data);
    const double a = gsl_vector_get(p, 0), m = gsl_vector_get(p, 1), s = gsl_vector_get(p, 2);
    for (std::size_t i = 0; i < d.t.size(); ++i) {
        const double u = (d.t[i] - m) / s;
        const double e = std::exp(-0.5 * u * u);
        gsl_matrix_set(J, i, 0, e);
        gsl_matrix_set(J, i, 1, a * e * u / s);
        gsl_matrix_set(J, i, 2, a * e * u * u / s);
    }
    return GSL_SUCCESS;
}

struct WorkspaceFree {
    void operator()(gsl_multifit_nlinear_workspace* w) const { gsl_multifit_nlinear_free(w); }
};
struct MatrixFree {
    void operator()(gsl_matrix* m) const { gsl_matrix_free(m); }
};

// GSL's default handler aborts the process; the fit reports its status instead.
void QuietGsl() {
    static const bool once = [] {
        gsl_set_error_handler_off();
        return true;
    }();
    (void)once;
}

bool Finite(const GaussianFit& fit) {
    for (const FitParameter* p : {&fit.amplitude, &fit.mean, &fit.sigma})
        if (!std::isfinite(p->value) || !std::isfinite(p->error)) return false;
    return std::isfinite(fit.chiSquare) && fit.sigma.value > 0.0;
}

// Minimises sum (model - count)^2 / count from the scaled start (1, 0, 1).
GaussianFit Solve(const std::vector<FitPoint>& points, const GaussianStart& start) {
    GaussianFit fit;
    fit.intervalsWithIons = static_cast<int>(points.size());
    fit.degreesOfFreedom = fit.intervalsWithIons - static_cast<int>(kParameters);
    Scaled data;
    std::vector<double> weights;
    for (const FitPoint& p : points) {
        data.t.push_back((p.x - start.mean) / start.sigma);
        data.y.push_back(p.count / start.amplitude);
        weights.push_back(start.amplitude * start.amplitude / p.count);
    }
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = &Residuals;
    fdf.df = &Jacobian;
    fdf.n = points.size();
    fdf.p = kParameters;
    fdf.params = &data;
    const gsl_multifit_nlinear_parameters parameters = gsl_multifit_nlinear_default_parameters();
    const std::unique_ptr<gsl_multifit_nlinear_workspace, WorkspaceFree> w(
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &parameters, fdf.n, fdf.p));
    const std::unique_ptr<gsl_matrix, MatrixFree> covariance(gsl_matrix_alloc(kParameters, kParameters));
    double initial[kParameters] = {1.0, 0.0, 1.0};
    gsl_vector_view x0 = gsl_vector_view_array(initial, kParameters);
    gsl_vector_view wts = gsl_vector_view_array(weights.data(), weights.size());
    fit.status = FitStatus::NotConverged;
    if (!w || !covariance || gsl_multifit_nlinear_winit(&x0.vector, &wts.vector, &fdf, w.get()) != GSL_SUCCESS)
        return fit;
    int info = 0;
    const int status = gsl_multifit_nlinear_driver(kMaxIterations, kStepTolerance, kGradientTolerance, 0.0, nullptr,
                                                   nullptr, &info, w.get());
    fit.iterations = static_cast<int>(gsl_multifit_nlinear_niter(w.get()));
    if (status != GSL_SUCCESS ||
        gsl_multifit_nlinear_covar(gsl_multifit_nlinear_jac(w.get()), 0.0, covariance.get()) != GSL_SUCCESS)
        return fit;
    const gsl_vector* p = gsl_multifit_nlinear_position(w.get());
    const auto error = [&](std::size_t i) { return std::sqrt(gsl_matrix_get(covariance.get(), i, i)); };
    fit.amplitude = {start.amplitude * gsl_vector_get(p, 0), start.amplitude * error(0)};
    fit.mean = {start.mean + start.sigma * gsl_vector_get(p, 1), start.sigma * error(1)};
    fit.sigma = {start.sigma * std::fabs(gsl_vector_get(p, 2)), start.sigma * error(2)};
    gsl_blas_ddot(gsl_multifit_nlinear_residual(w.get()), gsl_multifit_nlinear_residual(w.get()), &fit.chiSquare);
    if (Finite(fit)) fit.status = FitStatus::Converged;
    return fit;
}

}  // namespace

bool GaussianFitAvailable() { return true; }

GaussianFit FitGaussian(const Histogram& histogram) {
    QuietGsl();
    const std::vector<FitPoint> points = FitPoints(histogram);
    if (points.size() < static_cast<std::size_t>(kMinFitIntervals)) {
        GaussianFit fit;
        fit.status = FitStatus::TooFewIntervals;
        fit.intervalsWithIons = static_cast<int>(points.size());
        return fit;
    }
    const GaussianStart start = MomentStart(points, histogram.width);
    if (!(start.sigma > 0.0) || !std::isfinite(start.amplitude) || !std::isfinite(start.mean)) {
        GaussianFit fit;
        fit.status = FitStatus::NotConverged;
        fit.intervalsWithIons = static_cast<int>(points.size());
        return fit;
    }
    return Solve(points, start);
}

}  // namespace zelkor
