#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/ReferenceSet.h"
#include "selcon3/SelconEstimate.h"
#include "selcon3/SummaryLine.h"

// The report protein.ssc: what was done, on which data and wavelengths, the result with its
// spread, the quality of the fit and what to cite. Exactly one line holds "Fractions:", within
// its first 12 characters; the main program's summary takes that line from its 13th character.
namespace tavrelion::engines::selcon {

inline constexpr const char* Selcon3ReportFileName = "protein.ssc";
inline constexpr const char* FractionsLabel = " Fractions: ";  // 12 characters

// What the report says about the run besides the estimate.
struct Selcon3Context {
    std::string sample;
    int receivedHighest = 0;
    int receivedLowest = 0;
    std::string leftOut;  // the protein left out of the references, if any
};

std::vector<std::string> Selcon3Report(const ReferenceSet& references,
                                       const Selcon3Context& context, const Estimate& estimate,
                                       const SelconOptions& options);

// The report when the input or the reference data could not be read: the reason, no numbers.
std::vector<std::string> Selcon3FailureReport(const std::string& reason,
                                              const std::string& referenceSet);

// The fit quality, the back-calculated spectrum and the input check, after the existing lines.
void AppendFitLines(const ReferenceSet& references, const Estimate& estimate,
                    std::vector<std::string>& lines);

// The line "Fractions:" of an estimate, or with blank values and "no estimate".
std::string FractionsLine(const Estimate& estimate);

// The values a summary line shows for an estimate (none when no estimate was made).
std::optional<SummaryValues> SummaryValuesOf(const Estimate& estimate);

// The method papers of both programs.
inline constexpr const char* SelfConsistentPaper =
    "Sreerama N, Woody RW (1993) A self-consistent method for the analysis of protein secondary "
    "structure from circular dichroism. Anal Biochem 209:32-44.";
inline constexpr const char* Selcon3Paper =
    "Sreerama N, Venyaminov SY, Woody RW (1999) Estimation of the number of alpha-helical and "
    "beta-strand segments in proteins using circular dichroism spectroscopy. Protein Sci "
    "8:370-380.";
inline constexpr const char* Selcon2Paper =
    "Sreerama N, Woody RW (1994) Protein secondary structure from circular dichroism "
    "spectroscopy: combining variable selection principle and self-consistent method. J Mol Biol "
    "242:497-507.";

// The lines naming the method papers and the reference set.
std::vector<std::string> CitationLines(const std::vector<std::string>& methodPapers,
                                       const std::string& referenceSet);

}  // namespace tavrelion::engines::selcon
