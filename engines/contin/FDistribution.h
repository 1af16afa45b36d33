#pragma once

namespace tavrelion::engines::contin {

// The regularised incomplete beta function I_x(a, b), by its continued fraction (modified Lentz
// evaluation; Abramowitz & Stegun 26.5.8). a, b > 0; x is clamped to [0, 1].
double RegularisedIncompleteBeta(double a, double b, double x);

// The cumulative F distribution: the probability that an F-distributed variable with (numerator,
// denominator) degrees of freedom stays below f. Degrees of freedom need not be whole numbers.
double FDistributionProbability(double f, double numeratorFreedom, double denominatorFreedom);

}  // namespace tavrelion::engines::contin
