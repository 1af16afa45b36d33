#include "varselec/ExchangeText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

namespace tavrelion::engines::varselec {
namespace {

// Far more than any exchange file of a spectrum holds; a larger file is not one of ours.
constexpr std::uintmax_t LargestExchangeFile = 16u * 1024u * 1024u;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits with at most one point, at least one digit or a lone point; the exponent part after.
bool IsDecimalBody(std::string_view body) {
    std::size_t i = 0;
    int digits = 0;
    bool point = false;
    for (; i < body.size(); ++i) {
        if (IsDigit(body[i])) {
            ++digits;
        } else if (body[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0 && !point) {
        return false;
    }
    if (i == body.size()) {
        return true;
    }
    if (digits == 0 || (body[i] != 'E' && body[i] != 'e' && body[i] != 'D' && body[i] != 'd')) {
        return false;
    }
    ++i;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
        ++i;
    }
    const std::size_t exponentStart = i;
    while (i < body.size() && IsDigit(body[i])) {
        ++i;
    }
    return i == body.size() && i > exponentStart;
}

}  // namespace

std::vector<std::string> ReadTextLines(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        throw InputError(name + " is missing");
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > LargestExchangeFile) {
        throw InputError(name + " cannot be read or is far too large");
    }
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) {
        throw InputError(name + " cannot be read");
    }
    if (bytes.find_first_not_of(" \t\r\n") == std::string::npos) {
        throw InputError(name + " is empty");
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool lastLine = end == std::string::npos;
        if (lastLine) {
            end = bytes.size();
        }
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<double> ParseDecimal(std::string_view text) {
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!IsDecimalBody(text)) {
        return std::nullopt;
    }
    if (text == ".") {
        return 0.0;
    }
    std::string body(text);
    for (char& c : body) {
        if (c == 'D' || c == 'd') {
            c = 'E';
        }
    }
    if (body.front() == '.') {
        body.insert(body.begin(), '0');
    }
    double value = 0.0;
    const auto result = std::from_chars(body.data(), body.data() + body.size(), value);
    if (result.ec != std::errc() || result.ptr != body.data() + body.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<long> ParseWhole(std::string_view text) {
    const auto value = ParseDecimal(text);
    if (!value || *value != std::floor(*value) || std::fabs(*value) > 1e9) {
        return std::nullopt;
    }
    return static_cast<long>(*value);
}

bool SaysNoValue(std::string_view line) {
    std::string lower(Trimmed(line));
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower == "no data";
}

std::vector<std::string> WordsOf(const std::vector<std::string>& lines) {
    std::vector<std::string> words;
    for (const auto& line : lines) {
        std::istringstream stream(line);
        std::string word;
        while (stream >> word) {
            words.push_back(word);
        }
    }
    return words;
}

}  // namespace tavrelion::engines::varselec
