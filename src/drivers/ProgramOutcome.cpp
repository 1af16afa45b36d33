#include "drivers/ProgramOutcome.h"

#include <vector>

namespace tavrelion::drivers {
namespace {

// The program's last non-empty lines on standard error, joined by "; ", at most a few.
std::string LastWords(const std::string& errors) {
    constexpr std::size_t MostLines = 3;
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < errors.size()) {
        std::size_t end = errors.find('\n', start);
        if (end == std::string::npos) {
            end = errors.size();
        }
        std::string line = errors.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(std::move(line));
        }
        start = end + 1;
    }
    std::string words;
    const std::size_t first = lines.size() > MostLines ? lines.size() - MostLines : 0;
    for (std::size_t i = first; i < lines.size(); ++i) {
        words += (words.empty() ? "" : "; ") + lines[i];
    }
    return words;
}

}  // namespace

std::string FailureReason(const std::string& programName, const ProgramOutcome& outcome) {
    std::string reason;
    switch (outcome.end) {
        case ProgramOutcome::End::Exited:
            if (outcome.exitCode == 0) {
                return {};
            }
            reason = programName + " ended with exit status " + std::to_string(outcome.exitCode);
            break;
        case ProgramOutcome::End::Crashed:
            reason = programName + " stopped abnormally (it crashed or was killed)";
            break;
        case ProgramOutcome::End::TimedOut:
            reason = programName + " did not end within " + std::to_string(outcome.timeoutSeconds) +
                     " s and was stopped";
            break;
        case ProgramOutcome::End::Cancelled:
            reason = programName + " was cancelled";
            break;
        case ProgramOutcome::End::NotStarted:
            reason = programName + " could not be started";
            if (!outcome.startError.empty()) {
                reason += ": " + outcome.startError;
            }
            return reason;
    }
    const std::string words = LastWords(outcome.errors);
    return words.empty() ? reason : reason + ": " + words;
}

}  // namespace tavrelion::drivers
