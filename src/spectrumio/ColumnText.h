#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Splitting exported text into lines and cells, and reading a cell as a number, for the readers
// of column files.
namespace tavrelion::spectrumio {

// The lines of text without their ends (CR LF, LF or CR).
std::vector<std::string> SplitLines(std::string_view text);

// The separator a line's cells use: tab, then ';', then ',' if the line has one; else ' ' for
// runs of blanks.
char SeparatorOf(std::string_view line);

// The cells of line between separators, trimmed of blanks; ' ' splits at runs of blanks. The
// cells look into line, which must outlive them.
std::vector<std::string_view> SplitCells(std::string_view line, char separator);

// The cell as a number, or nothing when it is anything else. With a separator other than ','
// a comma is the decimal comma.
std::optional<double> CellNumber(std::string_view cell, char separator);

// Whether the line's first count cells, split by its own separator, are numbers.
bool StartsWithNumbers(std::string_view line, std::size_t count);

// A line's text without blanks at either end.
std::string Trimmed(std::string_view text);
std::string_view TrimmedView(std::string_view text);

// The name of a separator for messages: "tab", "\";\"" ...
std::string SeparatorName(char separator);

// Reads the rows of numbers from line first (0-based) on, up to the first line for which stop
// says so or the end; every row must use the separator of the first row and have at least
// minimumCells numbers. Throws ColumnFileProblem naming the line at the first fault. Blank lines
// end the rows.
struct NumberRows {
    std::vector<std::vector<double>> rows;
    std::size_t end = 0;  // the line after the last row
};
template <typename Stop>
NumberRows ReadNumberRows(const std::vector<std::string>& lines, std::size_t first,
                          std::size_t minimumCells, Stop stop);

// The same rule for one row: its numbers, or a ColumnFileProblem at line index.
std::vector<double> NumberRow(const std::string& line, std::size_t index, char separator,
                              std::size_t minimumCells);

template <typename Stop>
NumberRows ReadNumberRows(const std::vector<std::string>& lines, std::size_t first,
                          std::size_t minimumCells, Stop stop) {
    NumberRows result;
    char separator = 0;
    std::size_t i = first;
    for (; i < lines.size(); ++i) {
        if (Trimmed(lines[i]).empty() || stop(lines[i])) {
            break;
        }
        if (separator == 0) {
            separator = SeparatorOf(lines[i]);
        }
        result.rows.push_back(NumberRow(lines[i], i, separator, minimumCells));
    }
    result.end = i;
    return result;
}

}  // namespace tavrelion::spectrumio
