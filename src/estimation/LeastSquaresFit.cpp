#include "estimation/LeastSquaresFit.h"

#include <algorithm>

#include "estimation/GaussJordan.h"
#include "spectrumio/SpectrumGrid.h"
#include "store/NumberText.h"

namespace tavrelion::estimation {
namespace {

// The normal equations of one set over the wavelengths it shares with the spectrum.
void BuildNormalEquations(const store::SpectrumStore& store, const ReferenceSet& set,
                          const std::vector<MatchedRow>& rows, NormalMatrix& a, NormalVector& b) {
    const int n = set.ComponentCount;
    for (const MatchedRow& match : rows) {
        const double y = store.SpectrumValue(match.point);
        for (int p = 1; p <= n; ++p) {
            const double xp = set.RefBasis(match.row, p);
            b[p] += xp * y;
            for (int q = p; q <= n; ++q) {
                a[p][q] += xp * set.RefBasis(match.row, q);
            }
        }
    }
    for (int p = 1; p <= n; ++p) {
        for (int q = p + 1; q <= n; ++q) {
            a[q][p] = a[p][q];
        }
    }
}

void StoreCoefficients(int setNumber, const ReferenceSet& set, const NormalVector* c,
                       FitResults& results) {
    const auto value = [&](int index) -> std::optional<double> {
        if (c == nullptr || index > set.ComponentCount) {
            return std::nullopt;
        }
        return (*c)[static_cast<std::size_t>(index)];
    };
    results.FitHelix(setNumber) = value(1);
    results.FitSheet(setNumber) = value(2);
    if (setNumber == Bolotina || setNumber == Chang) {
        results.FitTurn(setNumber) = value(3);
        results.FitCoil(setNumber) = value(4);
    } else {
        results.FitCoil(setNumber) = value(3);
    }
}

}  // namespace

int GridPointsWithData(const store::SpectrumStore& store) {
    // A load that failed part-way may leave counts beyond the grid.
    const int gridPoints = std::min<int>(store.PointCount, store::MaxPoints);
    if (!(store.WavelengthStep > 0.0)) {
        return std::min<int>(gridPoints, store.RawPointCount);
    }
    int backed = 0;
    for (int i = 1; i <= gridPoints; ++i) {
        if (spectrumio::RawIndexOfGridPoint(i, store.WavelengthStep) > store.RawPointCount) {
            break;
        }
        backed = i;
    }
    return backed;
}

std::vector<MatchedRow> MatchedRows(const store::SpectrumStore& store, const ReferenceSet& set) {
    std::vector<MatchedRow> rows;
    const int points = GridPointsWithData(store);
    for (int i = 1; i <= points; ++i) {
        for (int row = 1; row <= set.RowCount; ++row) {
            if (set.RefWavelength(row) == store.SpectrumWavelength(i)) {
                rows.push_back({i, row});
            }
        }
    }
    return rows;
}

void LeastSquaresFit(const store::SpectrumStore& store, const ReferenceSets& sets,
                     FitResults& results, platform::MessageService& messages) {
    if (store.RawPointCount > store::MaxPoints) {
        messages.showMessage(
            "Number of points >" + store::GeneralForm(store::MaxPoints) + " no fit possible",
            platform::MessageIcon::Critical);
        return;
    }
    for (int setNumber = 1; setNumber <= ReferenceSetCount; ++setNumber) {
        const ReferenceSet& set = sets(setNumber);
        results.FitSetName(setNumber) = ReferenceSetName(setNumber);
        NormalMatrix a{};
        NormalVector b{};
        // A set that could not be read whole has no usable columns.
        const bool usable = set.ComponentCount >= 1 && set.ComponentCount <= MaxComponents;
        if (usable) {
            BuildNormalEquations(store, set, MatchedRows(store, set), a, b);
        }
        if (usable && GaussJordanSolve(a, b, set.ComponentCount)) {
            StoreCoefficients(setNumber, set, &b, results);
        } else {
            messages.showMessage("No solution determinant is nil", platform::MessageIcon::Critical);
            StoreCoefficients(setNumber, set, nullptr, results);
        }
    }
}

}  // namespace tavrelion::estimation
