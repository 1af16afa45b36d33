#include "k2d/SpectrumInput.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <vector>

#include "common/DataLimits.h"

namespace tavrelion::engines::k2d {
namespace {

// Far more than any spectrum: a larger file is not a GD.DAT, and is not read into memory.
constexpr std::uintmax_t LargestFile = 1 << 20;

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The number of a line, written without a leading zero (" .5", "-12.345"). Parsed without the
// locale, so that a point is the decimal separator whatever the platform's settings.
bool ParseValue(std::string text, double& value) {
    if (!text.empty() && text.front() == '+') {
        text.erase(0, 1);
    }
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end && std::isfinite(value);
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        const std::size_t stop = end == std::string::npos ? bytes.size() : end;
        lines.push_back(bytes.substr(start, stop - start));
        start = stop + 1;
    }
    // A blank line or two at the end is only the end of the file.
    while (!lines.empty() && Trimmed(lines.back()).empty()) {
        lines.pop_back();
    }
    return lines;
}

SpectrumInput Malformed(const std::string& problem) {
    SpectrumInput input;
    input.status = SpectrumInput::Status::Malformed;
    input.problem = problem;
    return input;
}

}  // namespace

SpectrumInput ReadSpectrumInput(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    std::ifstream in(file, std::ios::binary);
    if (error || !in) {
        SpectrumInput input;
        input.status = SpectrumInput::Status::Missing;
        input.problem = file.filename().string() + " is missing or cannot be read";
        return input;
    }
    if (size > LargestFile) {
        return Malformed(file.filename().string() + " is far too large to be a spectrum");
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::vector<std::string> lines = Lines(bytes);
    SpectrumInput input;
    input.values.resize(static_cast<Eigen::Index>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string text = Trimmed(lines[i]);
        double value = 0.0;
        if (!ParseValue(text, value)) {
            return Malformed("line " + std::to_string(i + 1) + " of " + file.filename().string() +
                             " is not a number" + (text.empty() ? " (it is empty)" : ""));
        }
        // The values are ellipticities / 1000.
        if (!WithinLimit(value, LargestEllipticity / 1000.0)) {
            return Malformed("line " + std::to_string(i + 1) + " of " + file.filename().string() +
                             " holds " + text +
                             ", beyond 10^7 deg.cm2/dmol, more than any CD spectrum holds");
        }
        input.values(static_cast<Eigen::Index>(i)) = value;
    }
    return input;
}

}  // namespace tavrelion::engines::k2d
