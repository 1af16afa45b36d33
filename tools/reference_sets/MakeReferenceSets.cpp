// Derives the five basis sets of DATA.CD from published reference spectra and reports how well
// each one estimates the structure of proteins it was not derived from.
//
//   make_reference_sets REFDATA_FOLDER DATA.CD
//
// REFDATA_FOLDER holds SP175/ and IDP175/ (A.txt, F.txt, lbl2.txt each). A holds the spectra in
// deg.cm2/dmol (delta epsilon x 3300) over the block's wavelengths, F the proteins' fractions in
// the block's structure classes. The leave-one-out table, printed as Markdown, fits every SP175
// protein with the program's own least-squares routine on a basis derived without it.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ReferenceData.h"
#include "estimation/LeastSquaresFit.h"
#include "estimation/ReferenceSets.h"

namespace tavrelion::tools {
namespace {

using estimation::ReferenceSet;

constexpr double DeltaEpsilonToEllipticity = 3300.0;

struct BlockDesign {
    int setNumber;
    int calibrationRank;              // 0: A ~= B F; r > 0: B reproduces a rank-r SVD regression
    bool disorderedProteinsIncluded;  // IDP175 instead of SP175
    int components;                   // 3: helix, sheet, coil; 4: helix, sheet, turn, coil
    int lowestWavelength;             // the block runs from 240 nm down to here
};

// In the order of the blocks in DATA.CD. The ordinary least-squares fit uses only the wavelengths
// a set shares with the spectrum; a calibration basis cut short is no longer a calibration, so
// every block stops at a wavelength that nearly every laboratory spectrum reaches, and a spectrum
// that goes further meets the same estimator whatever its lowest wavelength. Rank 7 gave the
// smallest leave-one-out errors (ranks 3 to 12 tried).
constexpr BlockDesign Designs[] = {
    {estimation::Bolotina, 7, true, 4, 200}, {estimation::Chen, 7, false, 3, 205},
    {estimation::Chang, 7, false, 4, 200},   {estimation::Yang, 7, false, 3, 200},
    {estimation::Fasman, 7, true, 3, 200},
};

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

// The basis (rows 240 nm down to the block's lowest wavelength, one column per class), in
// deg.cm2/dmol rounded to 0.1 as written into DATA.CD, derived without the named protein.
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

std::string Fixed(double value, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

std::string DataFileText(const ReferenceData& sp175, const ReferenceData& idp175) {
    std::string text;
    for (const BlockDesign& design : Designs) {
        const ReferenceData& data = design.disorderedProteinsIncluded ? idp175 : sp175;
        const Eigen::MatrixXd basis = DeriveBasis(data, design, "");
        text += std::to_string(basis.cols()) + "\r\n" + std::to_string(basis.rows()) + "\r\n";
        for (Eigen::Index row = 0; row < basis.rows(); ++row) {
            text += std::to_string(data.highestWavelength - row);
            for (Eigen::Index column = 0; column < basis.cols(); ++column) {
                text += ' ' + Fixed(basis(row, column) + 0.0, 1);  // + 0.0 turns -0 into 0
            }
            text += "\r\n";
        }
    }
    return text;
}

class SilentMessages : public platform::MessageService {
  public:
    void showMessage(const std::string&, platform::MessageIcon) override {}
    bool askYesNo(const std::string&, bool) override { return false; }
    std::optional<std::string> askText(const std::string&, const std::string&) override {
        return "1";
    }
};

// Fits one SP175 protein, measured from 240 nm down to the given wavelength as a TVR spectrum
// would hold it, on one set.
estimation::FitResults FitProtein(const ReferenceData& sp175, Eigen::Index protein, int lowest,
                                  const estimation::ReferenceSets& sets) {
    auto store = std::make_unique<store::SpectrumStore>();
    const int rows = sp175.highestWavelength - lowest + 1;
    store->PointCount = store->RawPointCount = static_cast<store::Int16>(rows);
    store->WavelengthStep = 1;
    for (int i = 1; i <= rows; ++i) {
        const int row = rows - i;  // ascending wavelengths
        store->SpectrumWavelength(i) = static_cast<store::Int16>(sp175.wavelengthOfRow(row));
        store->SpectrumValue(i) = sp175.spectra(row, protein) * DeltaEpsilonToEllipticity;
    }
    estimation::FitResults results;
    SilentMessages messages;
    estimation::LeastSquaresFit(*store, sets, results, messages);
    return results;
}

// The spectra labs measure mostly stop somewhere between 175 and 200 nm.
constexpr int MeasuredLowestWavelengths[] = {175, 185, 190, 200};

// Root-mean-square deviations of the fitted helix and sheet from the known fractions, one pair
// per measured range, each protein fitted on a basis derived without it.
// The totals (the sum of all fitted fractions) of the proteins, over all ranges, are gathered in
// totals: what a total outside a window says about a spectrum is read from them.
std::vector<std::pair<double, double>> LeaveOneOut(const ReferenceData& sp175,
                                                   const ReferenceData& data,
                                                   const BlockDesign& design,
                                                   std::vector<double>& totals) {
    std::vector<std::pair<double, double>> squares(std::size(MeasuredLowestWavelengths));
    for (Eigen::Index protein = 0; protein < sp175.spectra.cols(); ++protein) {
        const std::string& name = sp175.proteins[static_cast<std::size_t>(protein)];
        auto sets = std::make_unique<estimation::ReferenceSets>();
        FillReferenceSet(DeriveBasis(data, design, name), (*sets)(design.setNumber),
                         data.highestWavelength);
        for (std::size_t range = 0; range < squares.size(); ++range) {
            const estimation::FitResults fit =
                FitProtein(sp175, protein, MeasuredLowestWavelengths[range], *sets);
            const double helix = fit.FitHelix(design.setNumber).value_or(NAN);
            const double sheet = fit.FitSheet(design.setNumber).value_or(NAN);
            squares[range].first += std::pow(helix - sp175.fractions(0, protein), 2);
            squares[range].second += std::pow(sheet - sp175.fractions(1, protein), 2);
            totals.push_back(helix + sheet + fit.FitTurn(design.setNumber).value_or(0) +
                             fit.FitCoil(design.setNumber).value_or(NAN));
        }
    }
    const double count = static_cast<double>(sp175.spectra.cols());
    for (auto& [helix, sheet] : squares) {
        helix = std::sqrt(helix / count);
        sheet = std::sqrt(sheet / count);
    }
    return squares;
}

std::string BasisName(const BlockDesign& design) {
    return design.calibrationRank > 0
               ? "SVD calibration, rank " + std::to_string(design.calibrationRank)
               : std::string("class spectra");
}

void PrintLeaveOneOut(const ReferenceData& sp175, const ReferenceData& idp175) {
    std::cout << "| Set | Proteins | Range (nm) | Basis |";
    for (const int lowest : MeasuredLowestWavelengths) {
        std::cout << " 240-" << lowest << " helix / sheet |";
    }
    std::cout << " Total, 5th to 95th percentile |\n|---|---|---|---|";
    for (std::size_t i = 0; i <= std::size(MeasuredLowestWavelengths); ++i) {
        std::cout << "---|";
    }
    std::cout << '\n';
    for (const BlockDesign& design : Designs) {
        const ReferenceData& data = design.disorderedProteinsIncluded ? idp175 : sp175;
        std::cout << "| " << estimation::ReferenceSetName(design.setNumber) << " | "
                  << (design.disorderedProteinsIncluded ? "IDP175" : "SP175") << " | 240-"
                  << design.lowestWavelength << " | " << BasisName(design) << " |";
        std::vector<double> totals;
        for (const auto& [helix, sheet] : LeaveOneOut(sp175, data, design, totals)) {
            std::cout << ' ' << Fixed(helix, 3) << " / " << Fixed(sheet, 3) << " |";
        }
        std::sort(totals.begin(), totals.end());
        const auto percentile = [&](double p) {
            return totals[static_cast<std::size_t>(std::lround(p * double(totals.size() - 1)))];
        };
        std::cout << ' ' << Fixed(percentile(0.05), 2) << " to " << Fixed(percentile(0.95), 2)
                  << " |\n";
    }
}

}  // namespace
}  // namespace tavrelion::tools

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_reference_sets REFDATA_FOLDER DATA.CD\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        const auto sp175 = tavrelion::tools::ReadReferenceData(folder / "SP175");
        const auto idp175 = tavrelion::tools::ReadReferenceData(folder / "IDP175");
        std::ofstream(argv[2], std::ios::binary) << tavrelion::tools::DataFileText(sp175, idp175);
        tavrelion::tools::PrintLeaveOneOut(sp175, idp175);
    } catch (const std::exception& error) {
        std::cerr << "make_reference_sets: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
