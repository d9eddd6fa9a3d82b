#pragma once
#include <array>

#include "datawin/run_data.h"

namespace dw {

enum Quantity { Velocity, Energy, Momentum };
enum Component { XComponent, YComponent, Scalar };
enum Series { RedPuck, BlackPuck, TotalOnly, RedAndBlack, RedBlackTotal };
enum Which { Red, Black, Total };

// The plotted value of sample i. `pushed` adds the 1-D push's (i - 1) g to
// the red velocity, as the "Red puck" series draws it.
double sampleValue(const RunData& run, Quantity q, Component c, Which w, int i, bool pushed);

struct GraphExtremes {
    std::array<std::array<double, 3>, 3> max{}, min{};   // [quantity][red, black, total]
    std::array<double, 3> maxRB{}, maxAll{}, minRB{}, minAll{};
};
// Over every sample 1 .. P, each extreme starting at 0.
GraphExtremes computeGraphExtremes(const RunData& run, Component c, int P);
// `into` widened to hold `other` too: kept runs drawn on the same axes.
void widenExtremes(GraphExtremes& into, const GraphExtremes& other);

// The plot's frame for a series on a W x H picture.
struct GraphAxes {
    double top = 0.0, bottom = 0.0, range = 5.0;
    int X0 = 40, Y0 = 0;
    double sx = 1.0, sy = 1.0;
    int yz = 0;   // the zero line
    int step = 1, n = 1;   // value ticks
    int x(int i) const;   // of sample i
    int y(double v) const;   // of a value
};
// The least distance between two value labels on a tall range, in pixels.
inline constexpr double kLabelSpacing = 15.0;
GraphAxes graphAxes(const GraphExtremes& e, Quantity q, Series s, int W, int H, int P);

}   // namespace dw
