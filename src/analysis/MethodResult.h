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
    // False where the method has no turn class (three-column sets, K2D): `other` is then the
    // rest, turn and other together, and `turn` stays 0.
    bool turnGiven = true;
    double total = 0;
    // Normalised RMS deviation (Mao, Wachter & Wallace 1982); none where the method gives no
    // back-calculated spectrum.
    std::optional<double> nrmsd;
    // "good", "fair", "poor", "not graded", or empty where the method grades nothing.
    std::string quality;
    // A least-squares row: its back-calculated spectrum comes from a calibration basis, whose
    // columns are not class spectra, so it shows no fit to judge the estimate by.
    bool calibrationBasis = false;
    // The back-calculated spectrum on the wavelengths the method used (nm, highest first) with
    // the measured values it was compared with, in mean residue ellipticity (deg.cm2/dmol; the
    // analysis programs' delta epsilon per residue times 3300, the factor of the exchange
    // files); empty where the method gives none.
    std::vector<double> wavelengths;
    std::vector<double> measured;
    std::vector<double> calculated;
    // The analysis program's " Input check: ..." line, as it wrote it, where it found the
    // spectrum unfit for the method (zero, flat, wrongly scaled, unlike any protein); else empty.
    std::string inputCheck;
};

}  // namespace tavrelion::analysis
