#include "display/FigureAxes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tavrelion::display {

double TickStep(double span) {
    const double rough = span / 6;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            return factor * power;
        }
    }
    return 10 * power;
}

std::string TickText(double value, double step) {
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, std::fabs(value) < step / 1e6 ? 0.0 : value);
    return text;
}

std::vector<double> Ticks(const FigureAxis& axis) {
    std::vector<double> ticks;
    for (double v = std::ceil(axis.low / axis.step - 1e-9) * axis.step;
         v <= axis.high + axis.step * 1e-9; v += axis.step) {
        ticks.push_back(v);
    }
    return ticks;
}

}  // namespace tavrelion::display
