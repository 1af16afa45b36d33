#pragma once

#include <string>
#include <vector>

namespace tavrelion::display {

// An axis of a figure for print: the values at its two ends and the step between its ticks.
struct FigureAxis {
    double low = 0, high = 1, step = 1;
};

// A step of 1, 2 or 5 times a power of ten giving about five to ten ticks over the span.
double TickStep(double span);

// A tick's label with as many decimals as the step needs ("0.5", "200"); a value that is 0 up
// to rounding reads "0", never "-0".
std::string TickText(double value, double step);

// The multiples of the axis step that lie on the axis, from low to high.
std::vector<double> Ticks(const FigureAxis& axis);

}  // namespace tavrelion::display
