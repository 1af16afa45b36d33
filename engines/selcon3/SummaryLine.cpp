#include "selcon3/SummaryLine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tavrelion::engines::selcon {
namespace {

// Last summary column of each heading.
constexpr int HelixEnd = 31;
constexpr int SheetEnd = 37;
constexpr int TurnEnd = 43;
constexpr int OtherEnd = 59;
constexpr int SumEnd = 66;
constexpr int NrmsdEnd = 72;

void PlaceEndingAt(std::string& tail, int lastColumn, const std::string& text) {
    const auto end = static_cast<std::size_t>(lastColumn - SummaryTailColumn) + 1;
    tail.replace(end - text.size(), text.size(), text);
}

}  // namespace

std::string FiveCharacters(double value) {
    char buffer[16];
    const double shown = std::clamp(value, -0.999, 9.999);
    if (shown < 0.0 && std::round(shown * 1000.0) < 0.0) {
        std::snprintf(buffer, sizeof buffer, "%.3f", -shown);
        return "-" + std::string(buffer + 1);  // "-.025": the 0 before the point gives way
    }
    std::snprintf(buffer, sizeof buffer, "%5.3f", std::fabs(shown));
    return buffer;
}

std::string SummaryTail(const std::optional<SummaryValues>& values) {
    std::string tail(static_cast<std::size_t>(NrmsdEnd - SummaryTailColumn + 1), ' ');
    if (!values)
        return tail + "  no estimate ";
    PlaceEndingAt(tail, HelixEnd, FiveCharacters(values->helix));
    PlaceEndingAt(tail, SheetEnd, FiveCharacters(values->sheet));
    PlaceEndingAt(tail, TurnEnd, FiveCharacters(values->turn));
    PlaceEndingAt(tail, OtherEnd, FiveCharacters(values->other));
    PlaceEndingAt(tail, SumEnd, FiveCharacters(values->sum));
    PlaceEndingAt(tail, NrmsdEnd, FiveCharacters(values->refitNrmsd));
    return tail + " ";
}

}  // namespace tavrelion::engines::selcon
