#include "selcon3/ReportFile.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace tavrelion::engines::selcon {

bool WriteReportFile(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    for (const std::string& line : lines)
        out << line << "\r\n";
    out.close();
    return static_cast<bool>(out);
}

std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::vector<std::string> Wrapped(const std::string& text, const std::string& indent, int width) {
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word;
    std::string line = indent;
    while (words >> word) {
        if (line.size() > indent.size() &&
            line.size() + 1 + word.size() > static_cast<std::size_t>(width)) {
            lines.push_back(line);
            line = indent;
        }
        line += (line.size() > indent.size() ? " " : "") + word;
    }
    if (line.size() > indent.size())
        lines.push_back(line);
    return lines;
}

}  // namespace tavrelion::engines::selcon
