#include "LinearBound.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <string>

namespace tavrelion::tools {
namespace {

constexpr int Ranges[] = {175, 185, 190, 200};
// Ridge constants in (delta epsilon per residue)^2, the unit of the published spectra.
constexpr double RidgeConstants[] = {1e-3, 3e-3, 1e-2, 3e-2, 0.1, 0.3, 1, 3, 10, 30, 100};

std::string Fixed(double value) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    return std::string(buffer, result.ptr);
}

// Leave-one-out RMSD of helix and sheet over the proteins, spectra cut at `lowest`.
Eigen::Vector2d RidgeLeaveOneOut(const ReferenceData& data, int lowest, double ridge,
                                 bool constantTerm) {
    const Eigen::Index rows = data.highestWavelength - lowest + 1;
    const Eigen::Index n = data.spectra.cols();
    const Eigen::MatrixXd spectra = data.spectra.topRows(rows);
    const Eigen::MatrixXd known = data.fractions.topRows(2);
    Eigen::Vector2d squares = Eigen::Vector2d::Zero();
    for (Eigen::Index out = 0; out < n; ++out) {
        Eigen::MatrixXd a(rows, n - 1), f(2, n - 1);
        for (Eigen::Index j = 0, c = 0; j < n; ++j) {
            if (j != out) {
                a.col(c) = spectra.col(j);
                f.col(c++) = known.col(j);
            }
        }
        Eigen::VectorXd spectrumMean = Eigen::VectorXd::Zero(rows);
        Eigen::Vector2d fractionMean = Eigen::Vector2d::Zero();
        if (constantTerm) {
            spectrumMean = a.rowwise().mean();
            fractionMean = f.rowwise().mean();
            a.colwise() -= spectrumMean;
            f.colwise() -= fractionMean;
        }
        Eigen::MatrixXd gram = a * a.transpose();
        gram.diagonal().array() += ridge;
        const Eigen::MatrixXd p = gram.ldlt().solve(a * f.transpose()).transpose();
        const Eigen::Vector2d estimate =
            p * (spectra.col(out) - spectrumMean) + fractionMean - known.col(out);
        squares += estimate.cwiseAbs2();
    }
    return (squares / static_cast<double>(n)).cwiseSqrt();
}

// The smallest sheet RMSD over the ridge constants, with its helix RMSD.
Eigen::Vector2d BestOverRidge(const ReferenceData& data, int lowest, bool constantTerm) {
    Eigen::Vector2d best = Eigen::Vector2d::Constant(INFINITY);
    for (const double ridge : RidgeConstants) {
        const Eigen::Vector2d rmsd = RidgeLeaveOneOut(data, lowest, ridge, constantTerm);
        if (rmsd(1) < best(1)) {
            best = rmsd;
        }
    }
    return best;
}

}  // namespace

void PrintLinearBound(const ReferenceData& sp175) {
    std::cout
        << "\n| Range | Linear in the spectrum (the fit) helix / sheet | With a constant term "
           "helix / sheet |\n|---|---|---|\n";
    for (const int lowest : Ranges) {
        const Eigen::Vector2d linear = BestOverRidge(sp175, lowest, false);
        const Eigen::Vector2d affine = BestOverRidge(sp175, lowest, true);
        std::cout << "| 240-" << lowest << " | " << Fixed(linear(0)) << " / " << Fixed(linear(1))
                  << " | " << Fixed(affine(0)) << " / " << Fixed(affine(1)) << " |\n";
    }
}

}  // namespace tavrelion::tools
