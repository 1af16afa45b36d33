#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "store/Int16.h"
#include "store/SpectrumStore.h"

namespace tavrelion::drivers {

constexpr int VarselecProteinCount = 33;  // reference proteins in the basis s.ori
constexpr int VarselecBasisLines = 83;    // data lines of each protein, 178 to 260 nm

// What the reference choice dialog hands over: the numbers (1..33) of the proteins kept, in
// list order, and k, the number of proteins left out of each combination.
struct VarselecChoice {
    std::vector<store::Int16> SelectedIndex;
    store::Int16 RemoveCount = 2;
};

// n! / (k! (n - k)!) from factorials in double precision, rounded; 1 for k = 0.
long VarselecCombinationCount(int n, int k);

// Reads s.ori from the program folder and writes s.dta into the work folder: each protein's name
// line and its data lines for the current spectrum's wavelengths from the first up to the one
// before the last. Returns the 33 name lines in basis order. A missing s.ori raises error 53, a
// short one error 62.
std::vector<std::string> WriteVarselecBasis(const store::SpectrumStore& store,
                                            const std::filesystem::path& programFolder,
                                            const std::filesystem::path& workFolder);

// Writes n.dta (the wavelength range), b.dta (the file name, then the values of every point but
// the last divided by 3300) and comctl.dta (the counts and the chosen proteins) into folder. The
// combination count is computed from the choice. A choice with no protein, with k below 0 or not
// below n, or with a protein number outside 1..33 raises error 5 and writes nothing.
void WriteVarselecInput(const store::SpectrumStore& store, const VarselecChoice& choice,
                        const std::filesystem::path& folder);

}  // namespace tavrelion::drivers
