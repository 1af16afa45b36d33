#include "contin/ContinProgram.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <fstream>

#include "common/DataLimits.h"
#include "common/FitQuality.h"
#include "common/ReferenceSet.h"
#include "contin/ContinInputFile.h"
#include "contin/ContinReport.h"
#include "contin/LocalAnalysis.h"

namespace tavrelion::engines::contin {
namespace {

// Below this (deg.cm2/dmol) everywhere the file holds no CD signal worth analysing.
constexpr double WeakestSignal = 100.0;

bool WriteReport(const std::filesystem::path& folder, const std::string& text,
                 std::ostream& errors) {
    std::ofstream file(folder / OutputFileName, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        errors << "CONTIN: cannot write " << (folder / OutputFileName).string() << "\n";
        return false;
    }
    return true;
}

// A failure to read an input: said in the report and on the console, exit code 1.
int Refuse(const std::filesystem::path& folder, const std::string& reason, const ContinInput* input,
           std::ostream& errors) {
    errors << "CONTIN: " << reason << "\n";
    WriteReport(folder, NoEstimateReport(reason, input), errors);
    return 1;
}

std::string Range(int high, int low) {
    return std::to_string(high) + "-" + std::to_string(low) + " nm";
}

// Why the wavelengths from high down to low cannot carry an estimate; empty when they can.
std::string CoverageProblem(const ContinInput& input, int high, int low) {
    if (input.count == 0 || high < low) {
        return "CONTIN.IN holds no values in the wavelengths of the reference spectra "
               "(240-175 nm).";
    }
    if (low > LowestWavelengthNeeded || high < HighestWavelengthNeeded) {
        return "The spectrum covers " + Range(high, low) +
               " of the reference wavelengths; the analysis needs at least " +
               Range(HighestWavelengthNeeded, LowestWavelengthNeeded) +
               ". Below 200 nm the spectra of helix and sheet differ most, and without those "
               "wavelengths the two cannot be told apart reliably. Measure the spectrum down to "
               "190 nm or lower (short path length, low-absorbing buffer).";
    }
    const auto strongest =
        std::max_element(input.ellipticity.begin(), input.ellipticity.end(),
                         [](double a, double b) { return std::fabs(a) < std::fabs(b); });
    if (std::fabs(*strongest) < WeakestSignal) {
        return "The spectrum is flat: no value reaches 100 deg.cm2/dmol, so it carries no "
               "secondary-structure signal to analyse.";
    }
    return {};
}

int Analyse(const std::filesystem::path& folder, const ContinInput& input,
            const ReferenceSet& references, const std::string& leftOut, std::ostream& errors) {
    const int high = std::min(input.highestWavelength, references.highestWavelength);
    const int low = std::max(input.lowestWavelength, references.lowestWavelength);
    Eigen::VectorXd spectrum(std::max(0, high - low + 1));
    for (int w = high; w >= low; --w) {
        const auto value = static_cast<std::size_t>(input.highestWavelength - w);
        spectrum(high - w) = input.ellipticity[value] / EllipticityPerDeltaEpsilon;
    }
    const std::string problem = CoverageProblem(input, high, low);
    if (!problem.empty()) {
        std::string report = NoEstimateReport(problem, &input);
        const std::string flag =
            spectrum.size() > 1 ? SpectrumFlag(references, high, spectrum) : std::string();
        if (!flag.empty())
            report += "\r\n" + flag + "\r\n";
        return WriteReport(folder, report, errors) ? 0 : 1;
    }
    const ContinEstimate estimate = AnalyseSpectrum(references, high, low, spectrum);
    const ReportSubject subject{&references, leftOut};
    const std::string report = EstimateReport(input, subject, estimate);
    if (PrintsNonFinite(report)) {
        return Refuse(folder, NonFiniteResult, &input, errors);
    }
    return WriteReport(folder, report, errors) ? 0 : 1;
}

}  // namespace

int RunContinProgram(const ProgramFolders& folders, const ProgramOptions& options,
                     std::ostream& errors) {
    const std::filesystem::path& folder = folders.work;
    const ContinInputReading reading = ReadContinInputFile(folder / InputFileName);
    if (!reading.ok) {
        return Refuse(folder, reading.error, nullptr, errors);
    }
    ReferenceSet references;
    try {
        references = LoadReferenceSet(folders.referenceFile());
    } catch (const std::exception& error) {
        return Refuse(folder,
                      std::string("the reference data could not be read (") + error.what() + "); " +
                          folders.referenceFile().filename().string() +
                          " must lie in the program folder.",
                      &reading.input, errors);
    }
    if (!options.leaveOut.empty()) {
        const auto found =
            std::find(references.codes.begin(), references.codes.end(), options.leaveOut);
        if (found == references.codes.end()) {
            return Refuse(folder,
                          "the protein " + options.leaveOut + " to leave out is not in " +
                              references.name + ".",
                          &reading.input, errors);
        }
        references = references.without(static_cast<int>(found - references.codes.begin()));
    }
    try {
        return Analyse(folder, reading.input, references, options.leaveOut, errors);
    } catch (const std::exception& error) {
        return Refuse(folder, std::string("the analysis failed: ") + error.what(), &reading.input,
                      errors);
    }
}

}  // namespace tavrelion::engines::contin
