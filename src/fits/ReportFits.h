#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "analysis/MethodResult.h"

// The fits the analysis programs state in their reports: after the report's own lines, a line
// " Fit quality: NRMSD 0.034, good", the rule, and the back-calculated spectrum as lines of
// wavelength (nm), measured and calculated delta epsilon per residue.
namespace tavrelion::fits {

// The method whose report the result file is, by its extension in any letter case: .SCM SELCON2,
// .SC3 SELCON3, .CNT CONTIN, .K2D K2D, .OUT Varselec; nothing for other files (the summary, the
// least-squares report, the Varselec list).
std::optional<std::string> ReportMethod(const std::filesystem::path& resultFile);

// The method's result as its report states it: the NRMSD, its quality word and the
// back-calculated spectrum converted to mean residue ellipticity. A report without them (K2D,
// Varselec, a program that predates them) gives the method's name alone, and so does a damaged
// table, whose rows must not be drawn half. The fractions are not read. Nothing for a file that
// is no report or cannot be read.
std::optional<analysis::MethodResult> ReadReportFit(const std::filesystem::path& resultFile);

// The results of the reports among the files, in their order.
std::vector<analysis::MethodResult> ReadReportFits(const std::vector<std::string>& resultFiles);

}  // namespace tavrelion::fits
