#include "analysis/VarselecAverageFit.h"

#include <cmath>
#include <sstream>

#include "drivers/VarselecInput.h"
#include "estimation/FitQuality.h"
#include "store/NumberText.h"
#include "store/TextRoutines.h"

namespace tavrelion::analysis {
namespace {

constexpr const char* FittedSpectrumLead = " Spectrum fitted (delta epsilon per residue), ";
constexpr std::size_t CoefficientStart = 162;
constexpr int FirstProteinColumn = 63;
constexpr int ProteinStep = 3;
constexpr int BasisFirstWavelength = 178;
constexpr int ProteinCount = drivers::VarselecProteinCount;

bool Blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

std::string ProteinField(const std::string& line, long j) {
    return store::Mid(line, FirstProteinColumn + ProteinStep * j, 2);
}

}  // namespace

void VarselecAverageFit::header(const std::string& line) {
    if (line.rfind(FittedSpectrumLead, 0) == 0) {
        fittedSpectrum_ = line.substr(std::string(FittedSpectrumLead).size());
    }
}

void VarselecAverageFit::accept(const std::string& line) {
    ++accepted_;
    if (!complete_) {
        return;
    }
    complete_ = false;
    if (line.size() <= CoefficientStart) {
        return;
    }
    // One coefficient for each protein the line uses, and no protein without one.
    const auto values =
        store::BlankSeparatedNumbers(std::string_view(line).substr(CoefficientStart));
    const auto count = values ? static_cast<long>(values->size()) : 0L;
    if (count == 0 || count > ProteinCount || !Blank(ProteinField(line, count))) {
        return;
    }
    std::vector<std::size_t> proteins;
    for (long j = 0; j < count; ++j) {
        const std::string field = ProteinField(line, j);
        const long p =
            store::ReadsAsNumber(field) ? store::RoundHalfEven(store::NumberOf(field)) : 0;
        if (p < 1 || p > ProteinCount) {
            return;
        }
        proteins.push_back(static_cast<std::size_t>(p));
    }
    coefficientSums_.resize(ProteinCount + 1, 0.0);
    for (std::size_t j = 0; j < proteins.size(); ++j) {
        coefficientSums_[proteins[j]] += (*values)[j];
    }
    complete_ = true;
}

std::vector<std::string> VarselecAverageFit::lines(
    const std::vector<std::vector<double>>& spectra) const {
    if (accepted_ == 0 || !complete_ || fittedSpectrum_.empty() || spectra.size() <= ProteinCount) {
        return {};
    }
    // "240 to 178 nm: -0.1234 ..."
    const std::size_t colon = fittedSpectrum_.find(':');
    std::istringstream range(fittedSpectrum_.substr(0, colon));
    int highest = 0;
    int lowest = 0;
    std::string to;
    std::string nm;
    range >> highest >> to >> lowest >> nm;
    const auto measured =
        colon == std::string::npos
            ? std::nullopt
            : store::BlankSeparatedNumbers(std::string_view(fittedSpectrum_).substr(colon + 1));
    if (!range || to != "to" || nm != "nm" || !measured || highest < lowest ||
        lowest < BasisFirstWavelength ||
        highest >= BasisFirstWavelength + drivers::VarselecBasisLines ||
        measured->size() != static_cast<std::size_t>(highest - lowest + 1)) {
        return {};
    }
    const auto n = static_cast<double>(accepted_);
    std::vector<double> calculated;
    for (std::size_t i = 0; i < measured->size(); ++i) {
        const auto row = static_cast<std::size_t>(highest - BasisFirstWavelength) - i;
        double value = 0;
        for (std::size_t p = 1; p <= ProteinCount; ++p) {
            if (coefficientSums_[p] != 0.0) {
                value += coefficientSums_[p] / n *
                         (row < spectra[p].size() ? spectra[p][row] : std::nan(""));
            }
        }
        if (!std::isfinite(value)) {
            return {};
        }
        calculated.push_back(value);
    }
    return estimation::BackCalculatedLines(highest, *measured, calculated);
}

}  // namespace tavrelion::analysis
