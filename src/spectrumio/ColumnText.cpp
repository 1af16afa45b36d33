#include "spectrumio/ColumnText.h"

#include <cctype>
#include <charconv>

#include "spectrumio/ColumnSpectrum.h"
#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextRoutines.h"

namespace tavrelion::spectrumio {

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

char SeparatorOf(std::string_view line) {
    for (char candidate : {'\t', ';', ','}) {
        if (line.find(candidate) != std::string_view::npos) {
            return candidate;
        }
    }
    return ' ';
}

std::string_view TrimmedView(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Trimmed(std::string_view text) {
    return std::string(TrimmedView(text));
}

std::vector<std::string_view> SplitCells(std::string_view line, char separator) {
    std::vector<std::string_view> cells;
    cells.reserve(8);
    if (separator == ' ') {
        std::size_t i = 0;
        while (i < line.size()) {
            const std::size_t start = line.find_first_not_of(" \t", i);
            if (start == std::string_view::npos) {
                break;
            }
            const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
            cells.push_back(line.substr(start, end - start));
            i = end;
        }
        return cells;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = line.find(separator, start);
        cells.push_back(TrimmedView(line.substr(start, end - start)));
        if (end == std::string_view::npos) {
            return cells;
        }
        start = end + 1;
    }
}

// Most cells are plain decimals: read them at once, and leave signs, decimal commas, exponent
// letters D and anything odd to the general rule.
std::optional<double> PlainDecimal(std::string_view cell) {
    const std::size_t digit = cell.starts_with('-') ? 1 : 0;
    if (cell.size() <= digit ||
        !(std::isdigit(static_cast<unsigned char>(cell[digit])) || cell[digit] == '.')) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (error != std::errc() || end != cell.data() + cell.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> CellNumber(std::string_view cell, char separator) {
    const std::string_view view = TrimmedView(cell);
    if (const auto plain = PlainDecimal(view)) {
        return plain;
    }
    std::string text(view);
    if (separator != ',') {
        text = store::ReplaceChar(text, ',', '.');
    }
    if (text.empty() || text.find_first_of(" \t") != std::string::npos ||
        !store::ReadsAsNumber(text)) {
        return std::nullopt;
    }
    try {
        return store::NumberOf(text);
    } catch (const store::BasicError&) {
        return std::nullopt;  // too large for a double
    }
}

bool StartsWithNumbers(std::string_view line, std::size_t count) {
    const char separator = SeparatorOf(line);
    const std::vector<std::string_view> cells = SplitCells(line, separator);
    if (cells.size() < count) {
        return false;
    }
    for (std::size_t k = 0; k < count; ++k) {
        if (!CellNumber(cells[k], separator)) {
            return false;
        }
    }
    return true;
}

std::string SeparatorName(char separator) {
    switch (separator) {
        case '\t':
            return "tab";
        case ' ':
            return "blanks";
        default:
            return std::string("\"") + separator + "\"";
    }
}

std::vector<double> NumberRow(const std::string& line, std::size_t index, char separator,
                              std::size_t minimumCells) {
    const int lineNumber = static_cast<int>(index) + 1;
    const char own = SeparatorOf(line);
    if (own != separator && !(separator == ' ' && own == ' ')) {
        throw ColumnFileProblem(lineNumber, "mixed separators: " + SeparatorName(own) + " here, " +
                                                SeparatorName(separator) + " in the rows before");
    }
    std::vector<std::string_view> cells = SplitCells(line, separator);
    while (!cells.empty() && cells.back().empty()) {
        cells.pop_back();  // trailing separators
    }
    std::vector<double> numbers;
    for (const auto& cell : cells) {
        const auto number = CellNumber(cell, separator);
        if (!number) {
            throw ColumnFileProblem(lineNumber, "\"" + std::string(cell) + "\" is not a number");
        }
        numbers.push_back(*number);
    }
    if (numbers.size() < minimumCells) {
        throw ColumnFileProblem(lineNumber, "short data: " + std::to_string(numbers.size()) +
                                                " value(s), " + std::to_string(minimumCells) +
                                                " expected");
    }
    return numbers;
}

}  // namespace tavrelion::spectrumio
