#include "selcon3/Selcon3Input.h"

#include <fstream>

namespace tavrelion::engines::selcon {
namespace {

bool IsSeparator(const std::string& line) {
    const std::size_t start = line.find_first_not_of(" \t");
    return start == std::string::npos || line[start] == '#';
}

// The next line that is not a '#' separator, from index next on; throws naming what was due.
std::size_t NextItem(const std::vector<std::string>& lines, std::size_t next, const char* what) {
    while (next < lines.size() && IsSeparator(lines[next]))
        ++next;
    if (next >= lines.size())
        throw InputError(std::string("the file ends before ") + what);
    return next;
}

std::string SampleName(const std::string& line) {
    const std::string marker = "SAMPLE INPUT:";
    const std::size_t at = line.find(marker);
    const std::string rest = at == std::string::npos ? line : line.substr(at + marker.size());
    const std::size_t start = rest.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : rest.substr(start);
}

}  // namespace

std::vector<std::string> ReadLines(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw InputError("the input file " + file.filename().string() +
                         " is missing or cannot be read");
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t nul = line.find('\0');
        if (nul != std::string::npos) {
            line.erase(nul);
            if (!line.empty())
                lines.push_back(line);
            break;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

Selcon3Input ReadSelcon3Input(const std::filesystem::path& file) {
    const std::vector<std::string> lines = ReadLines(file);
    if (lines.empty())
        throw InputError("the input file " + file.filename().string() + " is empty");
    std::size_t next = NextItem(lines, 0, "the control line");
    next = NextItem(lines, next + 1, "the sample line");
    Selcon3Input input;
    input.sample = SampleName(lines[next]);
    next = NextItem(lines, next + 1, "the wavelength line");
    const std::vector<std::string> range = SplitItems(lines[next]);
    if (range.size() < 2)
        throw InputError("the wavelength line \"" + lines[next] +
                         "\" needs the last and the first wavelength");
    const int last = ReadWavelength(range[0], "the last wavelength");
    const int first = ReadWavelength(range[1], "the first wavelength");
    next = NextItem(lines, next + 1, "the data block");
    std::vector<std::string> block;
    while (next < lines.size() && !IsSeparator(lines[next]))
        block.push_back(lines[next++]);
    input.spectrum = MakeSpectrum(last, first, ReadDataValues(block));
    return input;
}

}  // namespace tavrelion::engines::selcon
