#pragma once

#include "display/DrawingSurface.h"

namespace tavrelion::display {

// Contrast of two colours as the Web Content Accessibility Guidelines define it:
// (L1 + 0.05) / (L2 + 0.05) with L the relative luminance of the lighter (L1) and the darker (L2)
// colour, from 1 (the same) to 21 (black on white). Text and lines read well from about 3 on.
double ContrastRatio(Colour first, Colour second);

// The text colour to keep when the background becomes back: text itself while it stands out,
// otherwise black or white, whichever contrasts more with back.
Colour ContrastingTextColour(Colour text, Colour back);

// A colour that reads on white paper: the colour itself when it does, otherwise the same hue
// darkened until it does.
Colour ReadableOnWhite(Colour colour);

}  // namespace tavrelion::display
