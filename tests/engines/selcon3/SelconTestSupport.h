#pragma once

#include <algorithm>
#include <string>

#include "engines/common/EngineTestSupport.h"
#include "fakes/TemporaryFolder.h"

// What the tests of both SELCON programs share besides the engine test support: running a built
// program with a protein left out, and the summary line's columns.
namespace tavrelion::engines::selcon::testing {

using namespace engine_testing;

inline ProgramRun RunSelcon(const std::string& program, const std::filesystem::path& folder,
                            const std::string& reportName, const std::string& leaveOut = "") {
    std::vector<std::string> arguments = {"CON"};
    if (!leaveOut.empty()) {
        arguments.insert(arguments.end(), {"--leave-out", leaveOut});
    }
    return RunProgram(program, folder, arguments, reportName);
}

inline constexpr const char* SummaryHeader =
    "                          HELIX  BETA  TURN   PP2    OTHERS  F-Sum CDRMS";

// A piece of a summary line by 1-based columns, cut at the line's end.
inline std::string Columns(const std::string& line, int first, int last) {
    if (static_cast<int>(line.size()) < first)
        return "";
    return line.substr(static_cast<std::size_t>(first - 1),
                       static_cast<std::size_t>(last - first + 1));
}

// Each value's columns in the summary: it ends where its heading ends.
struct SummaryField {
    const char* name;
    int first;
    int last;
};
inline constexpr SummaryField SummaryFields[] = {{"helix", 27, 31}, {"sheet", 33, 37},
                                                 {"turn", 39, 43},  {"other", 55, 59},
                                                 {"sum", 62, 66},   {"NRMSD", 68, 72}};

inline bool HasDigit(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace tavrelion::engines::selcon::testing
