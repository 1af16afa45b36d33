#include "common/DataWords.h"

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace tavrelion::engines {

DataWords::DataWords(std::istream& in, std::string label) : label_(std::move(label)) {
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line[0] == '#') {
            continue;
        }
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            words_.push_back({word, number});
        }
    }
    lineAfterEnd_ = number + 1;
}

void DataWords::fail(const std::string& what) const {
    const int line = pastEnd_ ? lineAfterEnd_ : next_ == 0 ? 1 : words_[next_ - 1].line;
    throw std::runtime_error(label_ + ", line " + std::to_string(line) + ": " + what);
}

std::string DataWords::word(const std::string& what) {
    if (next_ >= words_.size()) {
        pastEnd_ = true;
        fail("ends before " + what);
    }
    return words_[next_++].text;
}

void DataWords::keyword(const std::string& expected) {
    const std::string found = word(expected);
    if (found != expected) {
        fail("expected " + expected + " before \"" + found + "\"");
    }
}

double DataWords::number(const std::string& what) {
    const std::string text = word(what);
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0' || !std::isfinite(value)) {
        fail("\"" + text + "\" is not a number (" + what + ")");
    }
    return value;
}

int DataWords::whole(const std::string& what) {
    const double value = number(what);
    if (value != std::floor(value) || std::fabs(value) > 1e6) {
        fail(what + " is not a whole number");
    }
    return static_cast<int>(value);
}

}  // namespace tavrelion::engines
