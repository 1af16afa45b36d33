#include "store/Int16.h"

#include <cmath>
#include <limits>

#include "store/BasicError.h"

namespace tavrelion::store {

Int16 CheckedInt16(long long value) {
    if (value < std::numeric_limits<Int16>::min() || value > std::numeric_limits<Int16>::max()) {
        throw BasicError(Overflow);
    }
    return static_cast<Int16>(value);
}

long RoundHalfEven(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 2147483647.0) {
        throw BasicError(Overflow);
    }
    return std::lrint(std::nearbyint(value));  // the default rounding mode is half to even
}

Int16 RoundToInt16(double value) {
    return CheckedInt16(RoundHalfEven(value));
}

Int16 FloorToInt16(double value) {
    if (!std::isfinite(value)) {
        throw BasicError(Overflow);
    }
    const double floored = std::floor(value);
    if (floored < std::numeric_limits<Int16>::min() ||
        floored > std::numeric_limits<Int16>::max()) {
        throw BasicError(Overflow);
    }
    return static_cast<Int16>(floored);
}

}  // namespace tavrelion::store
