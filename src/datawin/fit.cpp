#include "datawin/fit.h"

#include <algorithm>
#include <cmath>

namespace dw {

namespace {
int paramsOf(FitModel m)
{
    return m == FitModel::Quadratic ? 3 : m == FitModel::Linear ? 2 : 1;
}

// The model's functions of x, the parameters' order.
std::array<double, 3> basis(FitModel m, double x)
{
    switch (m) {
    case FitModel::Linear: return {x, 1.0, 0.0};
    case FitModel::Quadratic: return {x * x, x, 1.0};
    case FitModel::Proportional: return {x, 0.0, 0.0};
    default: return {1.0 / x, 0.0, 0.0};
    }
}

// Inverts the n x n matrix in place (Gauss-Jordan, partial pivoting); false when singular.
bool invert(std::array<std::array<double, 3>, 3>& a, int n)
{
    std::array<std::array<double, 3>, 3> inv{};
    for (int i = 0; i < n; ++i)
        inv[i][i] = 1.0;
    for (int c = 0; c < n; ++c) {
        int pivot = c;
        for (int r = c + 1; r < n; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c]))
                pivot = r;
        if (!(std::fabs(a[pivot][c]) > 1e-300))
            return false;
        std::swap(a[c], a[pivot]);
        std::swap(inv[c], inv[pivot]);
        const double d = a[c][c];
        for (int k = 0; k < n; ++k) {
            a[c][k] /= d;
            inv[c][k] /= d;
        }
        for (int r = 0; r < n; ++r) {
            if (r == c)
                continue;
            const double f = a[r][c];
            for (int k = 0; k < n; ++k) {
                a[r][k] -= f * a[c][k];
                inv[r][k] -= f * inv[c][k];
            }
        }
    }
    a = inv;
    return true;
}
}   // namespace

double Fit::at(double x) const
{
    const std::array<double, 3> f = basis(model, x);
    return p[0] * f[0] + p[1] * f[1] + p[2] * f[2];
}

Fit fitPoints(const std::vector<double>& x, const std::vector<double>& y, FitModel model, double from, double to)
{
    Fit fit;
    fit.model = model;
    const int n = paramsOf(model);
    fit.params = n;
    const double lo = std::min(from, to), hi = std::max(from, to);
    std::vector<size_t> used;
    for (size_t i = 0; i < std::min(x.size(), y.size()); ++i)
        if (x[i] >= lo && x[i] <= hi && std::isfinite(y[i]) && !(model == FitModel::Inverse && x[i] == 0.0))
            used.push_back(i);
    if (static_cast<int>(used.size()) <= n)
        return fit;   // no freedom left for an error
    std::array<std::array<double, 3>, 3> ata{};
    std::array<double, 3> aty{};
    for (size_t i : used) {
        const std::array<double, 3> f = basis(model, x[i]);
        for (int r = 0; r < n; ++r) {
            aty[r] += f[r] * y[i];
            for (int c = 0; c < n; ++c)
                ata[r][c] += f[r] * f[c];
        }
    }
    if (!invert(ata, n))
        return fit;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            fit.p[r] += ata[r][c] * aty[c];
    // A fit through the origin is measured against y = 0, not the mean:
    // against the mean it can fall below 0, which no class can read.
    const bool throughOrigin = model == FitModel::Proportional || model == FitModel::Inverse;
    double ssr = 0.0, mean = 0.0, sst = 0.0;
    for (size_t i : used)
        mean += throughOrigin ? 0.0 : y[i] / static_cast<double>(used.size());
    for (size_t i : used) {
        const double e = y[i] - fit.at(x[i]);
        ssr += e * e;
        sst += (y[i] - mean) * (y[i] - mean);
    }
    const double m = static_cast<double>(used.size());
    fit.aError = std::sqrt(ssr / (m - n) * ata[0][0]);
    fit.rms = std::sqrt(ssr / m);
    fit.r2 = sst > 0.0 ? std::clamp(1.0 - ssr / sst, 0.0, 1.0) : (ssr == 0.0 ? 1.0 : 0.0);
    fit.ok = true;
    return fit;
}

}   // namespace dw
