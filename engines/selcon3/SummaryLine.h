#pragma once

#include <optional>
#include <string>

// The values of one estimate as the main program's All-methods summary shows them under its
// header "HELIX  BETA  TURN   PP2    OTHERS  F-Sum CDRMS" (HELIX at columns 27-31, BETA 34-37,
// TURN 40-43, PP2 47-49, OTHERS 54-59, F-Sum 62-66, CDRMS 68-72). Each value is five characters
// ending at the last column of its heading; PP2, which the reference data lack, stays blank.
namespace tavrelion::engines::selcon {

struct SummaryValues {
    double helix = 0.0;
    double sheet = 0.0;
    double turn = 0.0;
    double other = 0.0;
    double sum = 0.0;
    double refitNrmsd = 0.0;
};

// The summary text from column 25 on, ending in one blank more (the driver drops a line's last
// character). Without values the value columns stay blank and "no estimate" follows after them.
std::string SummaryTail(const std::optional<SummaryValues>& values);

// Column names placed over the values of SummaryTail (from column 25 on).
inline constexpr const char* SummaryTailHeads = "  helix sheet  turn  (PP2)    other    sum NRMSD";

// A value in five characters: "0.354", "-.025" for a small negative one, 9.999 at most.
std::string FiveCharacters(double value);

// The first summary column that SummaryTail covers.
inline constexpr int SummaryTailColumn = 25;

}  // namespace tavrelion::engines::selcon
