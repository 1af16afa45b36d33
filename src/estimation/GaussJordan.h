#pragma once

#include <array>

namespace tavrelion::estimation {

// Matrices and vectors of the normal equations, indexed from 1 (element 0 unused).
using NormalMatrix = std::array<std::array<double, 5>, 5>;
using NormalVector = std::array<double, 5>;

// Solves a.c = b for n <= 4 unknowns by Gauss-Jordan elimination with full pivoting
// (Press et al., Numerical Recipes, 2nd ed., section 2.1): on return b holds c and a the inverse.
// The pivot of each step is the first element of largest magnitude in a row-by-row scan of the
// remaining rows and columns. When the running determinant becomes exactly 0 the elimination
// stops, the unscrambling still runs, and false is returned.
bool GaussJordanSolve(NormalMatrix& a, NormalVector& b, int n);

}  // namespace tavrelion::estimation
