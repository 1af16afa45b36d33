#include "contin/FDistribution.h"

#include <algorithm>
#include <cmath>

namespace tavrelion::engines::contin {
namespace {

constexpr double Tiny = 1e-300;
constexpr double Tolerance = 1e-14;
constexpr int MaxTerms = 500;

double Guarded(double value) {
    return std::fabs(value) < Tiny ? Tiny : value;
}

// The continued fraction of I_x(a, b); converges quickly for x < (a + 1) / (a + b + 2).
double BetaContinuedFraction(double a, double b, double x) {
    double c = 1.0;
    double d = 1.0 / Guarded(1.0 - (a + b) * x / (a + 1.0));
    double result = d;
    for (int m = 1; m <= MaxTerms; ++m) {
        const double twoM = 2.0 * m;
        const double even = m * (b - m) * x / ((a + twoM - 1.0) * (a + twoM));
        d = 1.0 / Guarded(1.0 + even * d);
        c = Guarded(1.0 + even / c);
        result *= d * c;
        const double odd = -(a + m) * (a + b + m) * x / ((a + twoM) * (a + twoM + 1.0));
        d = 1.0 / Guarded(1.0 + odd * d);
        c = Guarded(1.0 + odd / c);
        const double step = d * c;
        result *= step;
        if (std::fabs(step - 1.0) < Tolerance) {
            break;
        }
    }
    return result;
}

}  // namespace

double RegularisedIncompleteBeta(double a, double b, double x) {
    x = std::clamp(x, 0.0, 1.0);
    if (x == 0.0 || x == 1.0) {
        return x;
    }
    const double logFront =
        std::lgamma(a + b) - std::lgamma(a) - std::lgamma(b) + a * std::log(x) + b * std::log1p(-x);
    const double front = std::exp(logFront);
    if (x < (a + 1.0) / (a + b + 2.0)) {
        return front * BetaContinuedFraction(a, b, x) / a;
    }
    // The symmetry I_x(a, b) = 1 - I_(1-x)(b, a) keeps the fraction in its fast region.
    return 1.0 - front * BetaContinuedFraction(b, a, 1.0 - x) / b;
}

double FDistributionProbability(double f, double numeratorFreedom, double denominatorFreedom) {
    if (!(f > 0.0) || !(numeratorFreedom > 0.0) || !(denominatorFreedom > 0.0)) {
        return 0.0;
    }
    if (std::isinf(f)) {
        return 1.0;
    }
    const double x = numeratorFreedom * f / (numeratorFreedom * f + denominatorFreedom);
    return RegularisedIncompleteBeta(numeratorFreedom / 2.0, denominatorFreedom / 2.0, x);
}

}  // namespace tavrelion::engines::contin
