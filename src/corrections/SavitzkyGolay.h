#pragma once

#include <vector>

namespace tavrelion::corrections {

// Savitzky-Golay smoothing of values at evenly spaced points: each value is replaced by the value
// at that point of the polynomial of the given order fitted by least squares to the window of
// `points` values around it (Savitzky A, Golay MJE (1964) Anal. Chem. 36:1627-1639):
//
//     y'(i) = sum over j = -m..m of c(j) y(i + j),   points = 2m + 1,
//     c = the first row of (A^T A)^-1 A^T with A(j, k) = j^k, k = 0..order.
//
// The first and last m points have no full window around them; they take the value of the
// polynomial fitted to the first (last) full window at their own place (Gorry PA (1990) Anal.
// Chem. 62:570-573), so the spectrum keeps its length and a polynomial of the given order comes
// back unchanged everywhere. `points` must be odd and greater than `order`; with fewer values than
// `points` the window shrinks to the largest odd count that fits, and values too few for any
// window above the order are returned as they are.
std::vector<double> SmoothSavitzkyGolay(const std::vector<double>& values, int points, int order);

// The odd number of 1-nm grid points a window of the given width in nm covers: the width itself
// when it is odd, one more when it is even.
int WindowPoints(int widthNm);

}  // namespace tavrelion::corrections
