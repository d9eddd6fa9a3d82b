#pragma once
// Ticks a class can read: steps of 1, 2 or 5 times a power of ten, far
// enough apart that their labels never run into each other.

#include <vector>

namespace dw {

// The smallest such step, no less than `least`, whose labels stand at least
// `room` pixels apart at `pixelsPerUnit`.
double tickStep(double pixelsPerUnit, double room, double least = 0.0);

// The multiples of `step` from lo to hi.
std::vector<double> ticksBetween(double lo, double hi, double step);

// The decimals a label of a multiple of `step` needs.
int tickDecimals(double step);

}   // namespace dw
