#pragma once
// Least-squares fits for the graphs: a line, a parabola, a proportion or an
// inverse through the points of a chosen range, with the standard error of
// the first parameter, the RMS residual and r^2.

#include <array>
#include <vector>

namespace dw {

enum class FitModel {
    Linear,   // y = a x + b
    Quadratic,   // y = a x^2 + b x + c
    Proportional,   // y = a x
    Inverse,   // y = a / x
};

struct Fit {
    bool ok = false;   // enough points, and not all at one x
    FitModel model = FitModel::Linear;
    std::array<double, 3> p{};   // a, b, c as the model names them
    int params = 2;
    double aError = 0.0;   // the standard error of a: the slope of a line
    double rms = 0.0;   // root of the mean squared residual
    // 1 - residual / total sum of squares about the mean, or about 0 for a
    // fit through the origin: always from 0 to 1
    double r2 = 0.0;
    double at(double x) const;
};

// Points with x in [from, to] (either order); x = 0 is left out of an inverse.
Fit fitPoints(const std::vector<double>& x, const std::vector<double>& y, FitModel model, double from, double to);

}   // namespace dw
