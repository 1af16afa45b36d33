#include "analysis/AllMethodsSummary.h"

#include <vector>

#include "store/TextFile.h"
#include "store/TextRoutines.h"

namespace tavrelion::analysis {
namespace {

using store::Mid;

bool Contains(const std::string& line, const char* text) {
    return line.find(text) != std::string::npos;
}

// The line less its first `skip` characters and its last one; empty when nothing is left.
std::string Inner(const std::string& line, std::size_t skip) {
    if (line.size() <= skip + 1) {
        return {};
    }
    return line.substr(skip, line.size() - skip - 1);
}

std::string FirstWord(const std::string& line) {
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string::npos) {
        return {};
    }
    return line.substr(start, line.find(' ', start) - start);
}

std::string LastFour(const std::string& line) {
    return line.size() <= 4 ? line : line.substr(line.size() - 4);
}

std::string Blanks(std::size_t count) {
    return std::string(count, ' ');
}

}  // namespace

void StartSummary(const std::filesystem::path& summary, const std::filesystem::path& fitReport) {
    store::TextFileWriter file(summary);
    file.writeLine(SummaryHeader);
    store::TextFileReader report(fitReport);
    std::vector<std::string> leastSquares;
    while (!report.atEnd()) {
        std::string line = report.readLine();
        // The Fasman row by its label, the line's first word: a path holding "Fasman" on the
        // " File: " line is no row.
        if (FirstWord(line) == "Fasman") {
            leastSquares = {line};
            for (int k = 0; k < 4 && !report.atEnd(); ++k) {
                leastSquares.push_back(report.readLine());
            }
        }
    }
    for (const std::string& line : leastSquares) {
        file.writeLine(line);
    }
}

std::string Selcon2SummaryLine(const std::filesystem::path& result) {
    store::TextFileReader file(result);
    std::string values;
    while (!file.atEnd()) {
        if (Contains(file.readLine(), " Average solution from above set")) {
            values = file.atEnd() ? std::string() : file.readLine();
        }
    }
    return " Self Consistent Method " + Inner(values, 9);
}

std::string Selcon3SummaryLine(const std::filesystem::path& result) {
    store::TextFileReader file(result);
    std::string line;
    while (!file.atEnd()) {
        line = file.readLine();
        if (Contains(line, "Fractions:")) {
            break;
        }
    }
    return " Self Selcon3    Method " + Inner(line, 12);
}

std::string K2dSummaryLine(const std::filesystem::path& result) {
    store::TextFileReader file(result);
    std::string line;
    while (!file.atEnd()) {
        line = file.readLine();
        if (Contains(line, "ALPHA")) {
            break;
        }
    }
    std::string text = " K2D method " + Blanks(14) + LastFour(line);
    const char* const gaps[] = {"   ", "                 "};
    for (const char* gap : gaps) {
        if (!file.atEnd()) {
            line = file.readLine();
        }
        text += gap + LastFour(line);
    }
    return text;
}

std::string ContinSummaryLine(const std::filesystem::path& result) {
    store::TextFileReader file(result);
    bool chosen = false;
    while (!file.atEnd()) {
        const std::string line = file.readLine();
        if (!chosen) {
            chosen = Contains(line, "++  CHOSEN SOLUTION  ");
        } else if (Contains(line, "FRACTION")) {
            return " CONTIN method           " + Mid(line, 24, 6) + "  " + Mid(line, 38, 5) +
                   Blanks(16) + Mid(line, 51, 6);
        }
    }
    // A result without a chosen solution gives the method's name and no values.
    return " CONTIN method           (no chosen solution in the result)";
}

std::string VarselecSummaryText(const std::filesystem::path& list) {
    store::TextFileReader file(list);
    std::string text = VarselecSummaryStart;
    while (!file.atEnd()) {
        const std::string line = file.readLine();
        if (Contains(line, "Helix"))
            text += Mid(line, 11, 6) + " ";
        if (Contains(line, "sheet"))
            text += Mid(line, 11, 5);
        if (Contains(line, "Turn"))
            text += Mid(line, 11, 5) + Blanks(9);
        if (Contains(line, "Other"))
            text += Mid(line, 11, 6) + " ";
        if (Contains(line, "Average"))
            text += Mid(line, 27, 5) + " ";
        if (Contains(line, "Number of points"))
            break;
    }
    return text;
}

void AppendSummaryLine(const std::filesystem::path& summary, const std::string& line) {
    store::TextFileWriter(summary, store::TextFileWriter::Mode::Append).writeLine(line);
}

void AppendSummaryText(const std::filesystem::path& summary, const std::string& text) {
    store::TextFileWriter(summary, store::TextFileWriter::Mode::Append).writeText(text);
}

}  // namespace tavrelion::analysis
