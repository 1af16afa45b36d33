#include "selcon3/MeasuredSpectrum.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "common/DataLimits.h"

namespace tavrelion::engines::selcon {

std::vector<std::string> SplitItems(const std::string& line) {
    std::vector<std::string> items;
    std::istringstream words(line);
    std::string word;
    while (words >> word)
        items.push_back(word);
    return items;
}

double ReadNumber(const std::string& item, const std::string& what) {
    char* end = nullptr;
    const double value = std::strtod(item.c_str(), &end);
    if (item.empty() || end == item.c_str() || *end != '\0' || !std::isfinite(value)) {
        throw InputError("\"" + item + "\" is not a number (" + what + ")");
    }
    return value;
}

int ReadWavelength(const std::string& item, const std::string& what) {
    const double value = ReadNumber(item, what);
    if (value != std::floor(value) || value < 100 || value > 400) {
        throw InputError(what + " " + item + " is not a whole wavelength between 100 and 400 nm");
    }
    return static_cast<int>(value);
}

std::vector<double> ReadDataValues(const std::vector<std::string>& lines) {
    std::vector<double> values;
    for (const std::string& line : lines) {
        for (const std::string& item : SplitItems(line)) {
            values.push_back(ReadNumber(item, "a spectrum value"));
            if (!WithinLimit(values.back(), LargestDeltaEpsilon))
                throw InputError("the spectrum value " + item +
                                 " is beyond the delta epsilon of any CD spectrum");
        }
    }
    return values;
}

MeasuredSpectrum MakeSpectrum(int lastWavelength, int firstWavelength, std::vector<double> values) {
    if (lastWavelength <= firstWavelength) {
        throw InputError("the last wavelength (" + std::to_string(lastWavelength) +
                         " nm) must lie above the first (" + std::to_string(firstWavelength) +
                         " nm)");
    }
    // In 64 bits: wavelengths come from the input file, and their difference may not fit an int.
    const auto expected =
        static_cast<std::size_t>(static_cast<long long>(lastWavelength) - firstWavelength) + 1;
    if (values.size() != expected) {
        throw InputError("the data block holds " + std::to_string(values.size()) + " values, but " +
                         std::to_string(lastWavelength) + " to " + std::to_string(firstWavelength) +
                         " nm in 1-nm steps needs " + std::to_string(expected));
    }
    return {lastWavelength, firstWavelength, std::move(values)};
}

}  // namespace tavrelion::engines::selcon
