#pragma once

#include <filesystem>
#include <string>

namespace tavrelion::analysis {

// The summary file of "All methods" (base + ".SUM"): one line of each method's result under a
// common header.
inline constexpr const char* SummaryHeader =
    "                          HELIX  BETA  TURN   PP2    OTHERS  F-Sum CDRMS";

// Creates (replaces) the summary with the header and the least-squares lines of the fit report:
// its last line containing "Fasman" and the four lines after it (Chen, Bolotina, Chang, Yang).
void StartSummary(const std::filesystem::path& summary, const std::filesystem::path& fitReport);

// The summary lines built from each program's result file (a missing file raises error 53).
// SELCON2: the line after the last " Average solution from above set", less its first 9
// characters and its last one.
std::string Selcon2SummaryLine(const std::filesystem::path& result);
// SELCON3: the first line containing "Fractions:" (or the last line), less its first 12
// characters and its last one.
std::string Selcon3SummaryLine(const std::filesystem::path& result);
// K2D: the last four characters of the "ALPHA" line and of the two lines after it.
std::string K2dSummaryLine(const std::filesystem::path& result);
// CONTIN: three fields of the first "FRACTION" line after "++  CHOSEN SOLUTION  ".
std::string ContinSummaryLine(const std::filesystem::path& result);
// Varselec: the class means and the averaged total from the list file, on one line that the
// summary leaves without a line end.
std::string VarselecSummaryText(const std::filesystem::path& list);
// The Varselec text with no fields, for an analysis that ended without a list.
inline constexpr const char* VarselecSummaryStart = " Varselec             ";

// Adds a line (ended by CR LF) or a text without a line end to the summary.
void AppendSummaryLine(const std::filesystem::path& summary, const std::string& line);
void AppendSummaryText(const std::filesystem::path& summary, const std::string& text);

}  // namespace tavrelion::analysis
