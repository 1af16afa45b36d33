#pragma once

#include <filesystem>
#include <string>

namespace tavrelion::corrections {

// The line that tells a report's reader the corrections its spectrum carried:
// "Corrections: baseline -120 (250-260 nm); x 1.05; minus 2)BUFFER.ASC; smoothed 5 nm".
std::string CorrectionsLine(const std::string& chain);

// Puts the corrections line (ended by CR LF) before the first line of a report. Nothing happens
// for an empty chain, so that the report of a spectrum as read keeps its bytes, nor for a report
// that does not exist. The report is rewritten under a temporary name and renamed into place;
// a failure raises error 75 and leaves the report as it was.
// What a report of the current spectrum states first: the HT cut of its file, if any, then the
// corrections ("HT above 600 V ... starts at 177 nm; minus 1)BUFFER.ASC").
std::string ReportStatement(const std::string& htCutNote, const std::string& chain);

void StateCorrections(const std::filesystem::path& report, const std::string& chain);

}  // namespace tavrelion::corrections
