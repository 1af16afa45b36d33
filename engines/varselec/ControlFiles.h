#pragma once

#include <string>
#include <vector>

namespace tavrelion::engines::varselec {

// n.dta: the number of basis proteins and the spectrum's wavelength range (1-nm steps).
struct WavelengthRange {
    int proteinCount = 0;
    int firstWavelength = 0;
    int lastWavelength = 0;
};

// b.dta: the spectrum's file name and its delta epsilon from the first wavelength up, one value
// per nanometre (the driver leaves out the last point).
struct SampleSpectrum {
    std::string fileName;
    int firstWavelength = 0;
    std::vector<double> values;
};

// comctl.dta: the proteins chosen (numbers 1..33, ascending) and how many of them each fit keeps.
struct CombinationChoice {
    std::vector<int> proteins;
    int keptCount = 0;
    long combinationCount = 0;

    int removedCount() const { return static_cast<int>(proteins.size()) - keptCount; }
};

// The most proteins left out of each fit (the reference choice dialog allows 1 to 5).
inline constexpr int MaximumRemoved = 5;

// Each reader raises InputError with a text for the user when the lines are malformed or out of
// range.
WavelengthRange ParseRange(const std::vector<std::string>& lines);
SampleSpectrum ParseSample(const std::vector<std::string>& lines, const WavelengthRange& range);
CombinationChoice ParseChoice(const std::vector<std::string>& lines, int basisProteinCount);

// n! / (k! (n - k)!) exactly, for the small numbers the dialog allows.
long CombinationCount(int n, int k);

}  // namespace tavrelion::engines::varselec
