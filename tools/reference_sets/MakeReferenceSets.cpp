// Derives the five basis sets of DATA.CD from published reference spectra and reports how well
// each one estimates the structure of proteins it was not derived from.
//
//   make_reference_sets REFDATA_FOLDER DATA.CD
//
// REFDATA_FOLDER holds SP175/ and IDP175/ (A.txt, F.txt, lbl2.txt each). A holds the spectra in
// deg.cm2/dmol (delta epsilon x 3300) over the block's wavelengths, F the proteins' fractions in
// the block's structure classes. The leave-one-out table, printed as Markdown, fits every SP175
// protein with the program's own least-squares routine on a basis derived without it; a second
// table gives what no basis can beat, since the fit is linear in the spectrum.

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

#include "BasisDerivation.h"
#include "LinearBound.h"
#include "ReferenceData.h"

namespace tavrelion::tools {
namespace {

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
        tavrelion::tools::PrintLinearBound(sp175);
    } catch (const std::exception& error) {
        std::cerr << "make_reference_sets: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
