#include "display/Colours.h"

#include <algorithm>
#include <cmath>

namespace tavrelion::display {
namespace {

constexpr double ReadableContrast = 3.0;

double Channel(Colour colour, int shift) {
    return static_cast<double>((colour >> shift) & 0xFF) / 255.0;
}

// sRGB channel to linear light.
double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(Colour colour) {
    return 0.2126 * Linear(Channel(colour, 0)) + 0.7152 * Linear(Channel(colour, 8)) +
           0.0722 * Linear(Channel(colour, 16));
}

Colour Scaled(Colour colour, double factor) {
    Colour result = 0;
    for (int shift : {0, 8, 16}) {
        const auto channel =
            static_cast<Colour>(std::lround(Channel(colour, shift) * factor * 255));
        result |= std::min<Colour>(channel, 255) << shift;
    }
    return result;
}

}  // namespace

double ContrastRatio(Colour first, Colour second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Colour ContrastingTextColour(Colour text, Colour back) {
    if (ContrastRatio(text, back) >= ReadableContrast) {
        return text;
    }
    return ContrastRatio(Black, back) >= ContrastRatio(White, back) ? Black : White;
}

Colour ReadableOnWhite(Colour colour) {
    double factor = 1.0;
    Colour darker = colour;
    while (ContrastRatio(darker, White) < ReadableContrast && factor > 0.0) {
        factor -= 0.05;
        darker = Scaled(colour, std::max(factor, 0.0));
    }
    return darker;
}

}  // namespace tavrelion::display
