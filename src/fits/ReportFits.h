#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "analysis/MethodResult.h"

// The fits the analysis programs state in their reports, for the Fits window.
namespace tavrelion::fits {

// The method's result as the analysis readers take it from its report (analysis::ResultMethod
// tells which): fractions, NRMSD, quality word and back-calculated spectrum in mean residue
// ellipticity. A report without a spectrum (K2D, Varselec's solutions before their analysis, a
// list without the average fit) or a damaged one, whose rows must not be drawn half, gives the
// method's name alone. Nothing for a file that is no report or does not exist.
std::optional<analysis::MethodResult> ReadReportFit(const std::filesystem::path& resultFile);

// The results of the reports among the files, in their order.
std::vector<analysis::MethodResult> ReadReportFits(const std::vector<std::string>& resultFiles);

}  // namespace tavrelion::fits
