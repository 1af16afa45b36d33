#include "estimation/GaussJordan.h"

#include <cmath>
#include <utility>

namespace tavrelion::estimation {
namespace {

struct Pivot {
    int row;
    int column;
};

Pivot FindPivot(const NormalMatrix& a, int k, int n) {
    Pivot pivot{k, k};
    for (int i = k; i <= n; ++i) {
        for (int j = k; j <= n; ++j) {
            if (std::fabs(a[i][j]) > std::fabs(a[pivot.row][pivot.column])) {
                pivot = {i, j};
            }
        }
    }
    return pivot;
}

void SwapColumns(NormalMatrix& a, int first, int second, int n) {
    for (int i = 1; i <= n; ++i) {
        std::swap(a[i][first], a[i][second]);
    }
}

// One elimination step on the pivot already brought to (k, k).
void Eliminate(NormalMatrix& a, NormalVector& b, int k, int n, double pivot) {
    NormalVector scratch{};
    for (int i = 1; i <= n; ++i) {
        scratch[i] = a[i][k];
        a[i][k] = 0.0;
    }
    scratch[k] = 0.0;
    a[k][k] = 1.0;
    for (int j = 1; j <= n; ++j) {
        a[k][j] /= pivot;
    }
    b[k] /= pivot;
    for (int i = 1; i <= n; ++i) {
        if (i == k) {
            continue;
        }
        for (int j = 1; j <= n; ++j) {
            a[i][j] -= scratch[i] * a[k][j];
        }
        b[i] -= scratch[i] * b[k];
    }
}

}  // namespace

bool GaussJordanSolve(NormalMatrix& a, NormalVector& b, int n) {
    std::array<Pivot, 5> pivots{};
    for (int k = 1; k <= n; ++k) {
        pivots[k] = {k, k};
    }
    double determinant = 1.0;
    bool solved = true;
    for (int k = 1; k <= n; ++k) {
        const Pivot pivot = FindPivot(a, k, n);
        pivots[k] = pivot;
        const double value = a[pivot.row][pivot.column];
        determinant *= (pivot.row != k ? -1.0 : 1.0) * (pivot.column != k ? -1.0 : 1.0) * value;
        if (determinant == 0.0) {
            solved = false;
            break;
        }
        if (pivot.row != k) {
            std::swap(a[k], a[pivot.row]);
            std::swap(b[k], b[pivot.row]);
        }
        if (pivot.column != k) {
            SwapColumns(a, k, pivot.column, n);
        }
        Eliminate(a, b, k, n, value);
    }
    // The column exchanges permuted the unknowns; the row exchanges permuted the inverse's columns.
    for (int k = n; k >= 1; --k) {
        if (pivots[k].column != k) {
            std::swap(a[k], a[pivots[k].column]);
            std::swap(b[k], b[pivots[k].column]);
        }
    }
    for (int k = n; k >= 1; --k) {
        if (pivots[k].row != k) {
            SwapColumns(a, k, pivots[k].row, n);
        }
    }
    return solved;
}

}  // namespace tavrelion::estimation
