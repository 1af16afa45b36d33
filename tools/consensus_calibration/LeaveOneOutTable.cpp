#include "LeaveOneOutTable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace tavrelion::tools {
namespace {

constexpr const char* KnownName = "Known";

std::string Fraction(double value) {
    if (std::isnan(value)) {
        return "-";
    }
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value + 0.0, std::chars_format::fixed, 4);
    return std::string(buffer, result.ptr);
}

double ParseFraction(const std::string& word, int line) {
    if (word == "-") {
        return NAN;
    }
    double value = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    if (result.ec != std::errc() || result.ptr != word.data() + word.size() ||
        !std::isfinite(value)) {
        throw std::runtime_error("line " + std::to_string(line) + ": '" + word +
                                 "' is not a fraction");
    }
    return value;
}

void WriteRow(std::ostream& out, int lowest, const std::string& protein, const std::string& method,
              const Eigen::VectorXd& fractions) {
    out << lowest << ' ' << protein << ' ' << method;
    for (Eigen::Index c = 0; c < fractions.size(); ++c) {
        out << ' ' << Fraction(fractions(c));
    }
    out << '\n';
}

}  // namespace

void WriteLeaveOneOutTables(const std::vector<LeaveOneOutTable>& tables,
                            const std::vector<std::string>& header,
                            const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary);
    for (const std::string& line : header) {
        out << "# " << line << '\n';
    }
    out << "# lowest_nm protein method helix sheet turn other\n";
    for (const LeaveOneOutTable& table : tables) {
        for (int p = 0; p < table.proteinCount(); ++p) {
            const auto& code = table.proteins[static_cast<std::size_t>(p)];
            WriteRow(out, table.lowestWavelength, code, KnownName, table.known.col(p));
            for (int m = 0; m < table.methodCount(); ++m) {
                WriteRow(out, table.lowestWavelength, code,
                         table.methods[static_cast<std::size_t>(m)],
                         table.estimates[static_cast<std::size_t>(m)].col(p));
            }
        }
    }
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

std::vector<LeaveOneOutTable> ReadLeaveOneOutTables(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + file.string());
    }
    // range -> protein -> method -> fractions, in the order of first appearance.
    struct Range {
        std::vector<std::string> proteins, methods;
        std::map<std::pair<std::string, std::string>, Eigen::Vector4d> rows;
    };
    std::map<int, Range> ranges;
    std::vector<int> order;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.empty() || text[0] == '#') {
            continue;
        }
        std::istringstream words(text);
        std::string lowest, protein, method, fraction[4], extra;
        if (!(words >> lowest >> protein >> method >> fraction[0] >> fraction[1] >> fraction[2] >>
              fraction[3]) ||
            (words >> extra)) {
            throw std::runtime_error("line " + std::to_string(line) +
                                     ": expected lowest_nm protein method and four fractions");
        }
        const int nm = static_cast<int>(ParseFraction(lowest, line));
        if (!ranges.contains(nm)) {
            order.push_back(nm);
        }
        Range& range = ranges[nm];
        Eigen::Vector4d values;
        for (int c = 0; c < 4; ++c) {
            values(c) = ParseFraction(fraction[c], line);
        }
        if (std::find(range.proteins.begin(), range.proteins.end(), protein) ==
            range.proteins.end()) {
            range.proteins.push_back(protein);
        }
        if (method != KnownName &&
            std::find(range.methods.begin(), range.methods.end(), method) == range.methods.end()) {
            range.methods.push_back(method);
        }
        range.rows[{protein, method}] = values;
    }
    std::vector<LeaveOneOutTable> tables;
    for (const int nm : order) {
        const Range& range = ranges[nm];
        LeaveOneOutTable table;
        table.lowestWavelength = nm;
        table.proteins = range.proteins;
        table.methods = range.methods;
        const auto count = static_cast<Eigen::Index>(range.proteins.size());
        table.known.setConstant(4, count, NAN);
        table.estimates.assign(range.methods.size(), Eigen::MatrixXd::Constant(4, count, NAN));
        for (Eigen::Index p = 0; p < count; ++p) {
            const std::string& protein = range.proteins[static_cast<std::size_t>(p)];
            const auto known = range.rows.find({protein, KnownName});
            if (known == range.rows.end()) {
                throw std::runtime_error(file.string() + ": no known fractions of " + protein);
            }
            table.known.col(p) = known->second;
            for (std::size_t m = 0; m < range.methods.size(); ++m) {
                const auto row = range.rows.find({protein, range.methods[m]});
                if (row != range.rows.end()) {
                    table.estimates[m].col(p) = row->second;
                }
            }
        }
        tables.push_back(std::move(table));
    }
    return tables;
}

}  // namespace tavrelion::tools
