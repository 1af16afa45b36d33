#pragma once

namespace tavrelion::spectrumio {

// The raw value an instrument file's 1-nm grid point i (from 1) takes at the file's step:
// (i - 1) / step + 1 rounded half to even; not finite when the step is 0.
double RawIndexOfGridPoint(int gridPoint, double step);

}  // namespace tavrelion::spectrumio
