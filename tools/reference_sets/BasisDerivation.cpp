#include "BasisDerivation.h"

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "platform/MessageService.h"

namespace tavrelion::tools {
namespace {

using estimation::ReferenceSet;

// The fractions in the block's classes: coil gathers turn and disorder in three-class blocks.
Eigen::MatrixXd ClassFractions(const Eigen::MatrixXd& fractions, int components) {
    Eigen::MatrixXd classes(components, fractions.cols());
    classes.row(0) = fractions.row(0);
    classes.row(1) = fractions.row(1);
    if (components == 4) {
        classes.row(2) = fractions.row(2);
        classes.row(3) = fractions.row(3);
    } else {
        classes.row(2) = fractions.row(2) + fractions.row(3);
    }
    return classes;
}

double RoundToTenth(double value) {
    return std::round(value * 10.0) / 10.0;
}

// The classic basis: B solves A ~= B F in the least-squares sense, B = A F' (F F')^-1, so each
// column is the spectrum of one structure class (Chang, Wu & Yang 1978, Anal Biochem 91:13).
Eigen::MatrixXd PureClassBasis(const Eigen::MatrixXd& spectra, const Eigen::MatrixXd& fractions) {
    const Eigen::MatrixXd gram = fractions * fractions.transpose();
    return gram.ldlt().solve(fractions * spectra.transpose()).transpose();
}

// The calibration basis: with the regression P = F A+ over the first r singular vectors of A
// (Hennessey & Johnson 1981, Biochemistry 20:1085), B = P' (P P')^-1 is the basis on which an
// ordinary least-squares fit returns exactly P y, since (B'B)^-1 B' = P. Its columns are not
// spectra of pure structure classes.
Eigen::MatrixXd CalibrationBasis(const Eigen::MatrixXd& spectra, const Eigen::MatrixXd& fractions,
                                 int rank) {
    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(spectra, Eigen::ComputeThinU | Eigen::ComputeThinV);
    const Eigen::MatrixXd pseudoInverse =
        svd.matrixV().leftCols(rank) * svd.singularValues().head(rank).cwiseInverse().asDiagonal() *
        svd.matrixU().leftCols(rank).transpose();
    const Eigen::MatrixXd regression = fractions * pseudoInverse;
    return regression.transpose() * (regression * regression.transpose()).inverse();
}

class SilentMessages : public platform::MessageService {
  public:
    void showMessage(const std::string&, platform::MessageIcon) override {}
    bool askYesNo(const std::string&, bool) override { return false; }
    std::optional<std::string> askText(const std::string&, const std::string&) override {
        return "1";
    }
};

}  // namespace

Eigen::MatrixXd DeriveBasis(const ReferenceData& data, const BlockDesign& design,
                            const std::string& leftOut) {
    const int rows = data.highestWavelength - design.lowestWavelength + 1;
    std::vector<Eigen::Index> kept;
    for (std::size_t p = 0; p < data.proteins.size(); ++p) {
        if (data.proteins[p] != leftOut) {
            kept.push_back(static_cast<Eigen::Index>(p));
        }
    }
    Eigen::MatrixXd spectra(rows, static_cast<Eigen::Index>(kept.size()));
    Eigen::MatrixXd fractions(design.components, static_cast<Eigen::Index>(kept.size()));
    const Eigen::MatrixXd classes = ClassFractions(data.fractions, design.components);
    for (std::size_t k = 0; k < kept.size(); ++k) {
        const auto column = static_cast<Eigen::Index>(k);
        spectra.col(column) = data.spectra.col(kept[k]).head(rows) * DeltaEpsilonToEllipticity;
        fractions.col(column) = classes.col(kept[k]);
    }
    const Eigen::MatrixXd basis = design.calibrationRank > 0
                                      ? CalibrationBasis(spectra, fractions, design.calibrationRank)
                                      : PureClassBasis(spectra, fractions);
    return basis.unaryExpr(&RoundToTenth);
}

void FillReferenceSet(const Eigen::MatrixXd& basis, ReferenceSet& set, int highestWavelength) {
    set.ComponentCount = static_cast<store::Int16>(basis.cols());
    set.RowCount = static_cast<store::Int16>(basis.rows());
    for (int row = 1; row <= set.RowCount; ++row) {
        set.RefWavelength(row) = static_cast<store::Int16>(highestWavelength - row + 1);
        for (int column = 1; column <= set.ComponentCount; ++column) {
            set.RefBasis(row, column) = basis(row - 1, column - 1);
        }
    }
}

estimation::FitResults FitProtein(const ReferenceData& data, Eigen::Index protein, int lowest,
                                  const estimation::ReferenceSets& sets) {
    auto store = std::make_unique<store::SpectrumStore>();
    const int rows = data.highestWavelength - lowest + 1;
    store->PointCount = store->RawPointCount = static_cast<store::Int16>(rows);
    store->WavelengthStep = 1;
    for (int i = 1; i <= rows; ++i) {
        const int row = rows - i;  // ascending wavelengths
        store->SpectrumWavelength(i) = static_cast<store::Int16>(data.wavelengthOfRow(row));
        store->SpectrumValue(i) = data.spectra(row, protein) * DeltaEpsilonToEllipticity;
    }
    estimation::FitResults results;
    SilentMessages messages;
    estimation::LeastSquaresFit(*store, sets, results, messages);
    return results;
}

}  // namespace tavrelion::tools
