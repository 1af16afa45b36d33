#pragma once

#include <cstdint>

namespace tavrelion::store {

// Whole-number quantities (wavelengths, counts, indices, slots) are signed 16-bit integers.
using Int16 = std::int16_t;

// A whole number narrowed to 16 bits; one that does not fit raises error 6.
Int16 CheckedInt16(long long value);

// A fractional number rounded half to even into 16 bits; NaN, infinities and values that do
// not fit raise error 6.
Int16 RoundToInt16(double value);

// Int(): the largest whole number not above value (floor), 16 bits, error 6 when it does not fit.
Int16 FloorToInt16(double value);

// Round half to even into a wide integer (for values checked by the caller); error 6 when not
// finite or beyond 32 bits.
long RoundHalfEven(double value);

}  // namespace tavrelion::store
