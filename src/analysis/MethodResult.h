#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tavrelion::analysis {

// One method's estimate of one spectrum, taken from that method's own result: the fractions
// (Varselec's percentages converted to fractions) and, where the method gives one, its
// back-calculated spectrum and how well it matches the measured one.
struct MethodResult {
    // "Fasman", "Chen", "Bolotina", "Chang", "Yang", "SELCON2", "SELCON3", "K2D", "CONTIN",
    // "Varselec".
    std::string method;
    double helix = 0;
    double sheet = 0;
    double turn = 0;
    double other = 0;
    double total = 0;
    // Normalised RMS deviation (Mao, Wachter & Wallace 1982); none where the method gives no
    // back-calculated spectrum.
    std::optional<double> nrmsd;
    // "good", "fair", "poor", "not graded", or empty where the method grades nothing.
    std::string quality;
    // The back-calculated spectrum on the wavelengths the method used (nm, highest first) with
    // the measured values it was compared with; empty where the method gives none.
    std::vector<double> wavelengths;
    std::vector<double> measured;
    std::vector<double> calculated;
};

}  // namespace tavrelion::analysis
