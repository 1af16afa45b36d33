#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "analysis/MethodResult.h"
#include "estimation/LeastSquaresFit.h"
#include "estimation/ReferenceSets.h"
#include "store/SpectrumStore.h"

namespace tavrelion::analysis {

// Each method's result as the tables and the fits window take it, read from what the method
// itself produced. A result file that is missing, cut short or damaged raises ExplainedError
// (FileNotFound or InvalidArgument) naming the file and what is wrong in it.

// The least-squares fit of each set that has coefficients, in set order: the fractions are the
// fitted coefficients, the back-calculated spectrum the set's basis spectra weighted by them.
std::vector<MethodResult> LeastSquaresResults(const store::SpectrumStore& store,
                                              const estimation::ReferenceSets& sets,
                                              const estimation::FitResults& fits);

// SELCON2 (.SCM): the line after the last " Average solution from above set".
MethodResult ReadSelcon2Result(const std::filesystem::path& result);
// SELCON3 (.SC3): the "Fractions:" line.
MethodResult ReadSelcon3Result(const std::filesystem::path& result);
// CONTIN (.CNT): the "helix ... sheet ... turn ... other ... sum" line of the chosen solution.
MethodResult ReadContinResult(const std::filesystem::path& result);
// K2D (.K2D): helix, sheet and random coil (turn and other together) and the grade its
// "Fit quality:" line states; its map distance has no spectrum.
MethodResult ReadK2dResult(const std::filesystem::path& result);
// Varselec (.LST): the class means in per cent, as fractions (the two sheet kinds together), and
// the average of the accepted fits where the list gives it after its own lines.
MethodResult ReadVarselecResult(const std::filesystem::path& list);

// The method whose result file this is, by its extension in any letter case: .SCM SELCON2, .SC3
// SELCON3, .CNT CONTIN, .K2D K2D, .OUT (the solutions) and .LST (their analysis) Varselec; nothing
// for other files (the summary, the table, the least-squares report).
std::optional<std::string> ResultMethod(const std::filesystem::path& resultFile);

// The result the file gives, read by its method's reader. A Varselec solutions file, which holds
// no estimate until it is analysed, and any other file raise ExplainedError as a damaged one.
MethodResult ReadMethodResult(const std::filesystem::path& resultFile);

// The " Input check: ..." line of an analysis program's report without its leading blank; empty
// when it has none or cannot be read.
std::string ReadInputCheck(const std::filesystem::path& report);

}  // namespace tavrelion::analysis
