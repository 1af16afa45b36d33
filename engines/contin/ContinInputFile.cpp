#include "contin/ContinInputFile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "common/DataLimits.h"

namespace tavrelion::engines::contin {
namespace {

constexpr int LongestSpectrum = 200;  // values the count line may announce at most

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream stream(bytes);
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    std::string word;
    while (stream >> word) {
        words.push_back(word);
    }
    return words;
}

bool LooksNumeric(const std::string& word) {
    return word.find_first_not_of("0123456789+-.eE") == std::string::npos &&
           word.find_first_of("0123456789") != std::string::npos;
}

// The numbers of one blank-separated word. Fortran's F9.0 fields end in a point ("-3000.");
// fields that run together ("1234567.-1234567.") are split where a new number starts.
std::optional<std::vector<double>> NumbersOf(const std::string& word) {
    if (!LooksNumeric(word)) {
        return std::nullopt;
    }
    std::vector<double> numbers;
    const char* at = word.c_str();
    const char* end = at + word.size();
    while (at < end) {
        char* stop = nullptr;
        const double value = std::strtod(at, &stop);
        if (stop == at || !std::isfinite(value)) {
            return std::nullopt;
        }
        const std::string text(at, static_cast<const char*>(stop));
        if (stop < end && *stop == '.' && text.find('.') != std::string::npos) {
            ++stop;  // the point that closes a field written with decimals ("12.5.")
        }
        numbers.push_back(value);
        at = stop;
    }
    return numbers;
}

std::optional<int> WholeNumber(const std::string& word) {
    const auto numbers = NumbersOf(word);
    if (!numbers || numbers->size() != 1) {
        return std::nullopt;
    }
    const double value = numbers->front();
    if (value != std::floor(value) || std::fabs(value) > 100000.0) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// The line counts the driver would write for values from first down to first - count + 1.
std::vector<int> LineCounts(int first, int count) {
    std::vector<int> counts;
    int onLine = 0;
    for (int w = first; w > first - count; --w) {
        ++onLine;
        if (EndsDataLine(w)) {
            counts.push_back(onLine);
            onLine = 0;
        }
    }
    if (onLine > 0) {
        counts.push_back(onLine);
    }
    return counts;
}

// The first value's wavelength: 240 when the line breaks allow it, else the start that ends at
// 190, else the highest start that fits.
void PlaceWavelengths(ContinInput& input, const std::vector<int>& lineCounts) {
    std::vector<int> candidates = {input.countLineHigh, input.countLineLow + input.count - 1};
    for (int w = input.countLineHigh - 1; w >= input.countLineLow + input.count - 1; --w) {
        candidates.push_back(w);
    }
    std::vector<int> fitting;
    for (int first : candidates) {
        const bool inside =
            first <= input.countLineHigh && first - input.count + 1 >= input.countLineLow;
        const bool known = std::find(fitting.begin(), fitting.end(), first) != fitting.end();
        if (inside && !known && LineCounts(first, input.count) == lineCounts) {
            fitting.push_back(first);
        }
    }
    input.layoutRecognised = !fitting.empty();
    input.highestWavelength = fitting.empty() ? input.countLineHigh : fitting.front();
    input.lowestWavelength = input.highestWavelength - input.count + 1;
    // Only a spectrum that reaches neither end of the count line's range is in doubt.
    const bool atAnEnd = input.highestWavelength == input.countLineHigh ||
                         input.lowestWavelength == input.countLineLow;
    if (fitting.size() > 1 && !atAnEnd) {
        input.otherStart = fitting[1];
    }
}

ContinInputReading Failure(const std::string& why) {
    ContinInputReading reading;
    reading.error = why;
    return reading;
}

std::optional<std::string> ReadCountLine(const std::vector<std::string>& words,
                                         ContinInput& input) {
    // NSTEND n [high. low.]
    const bool shaped = words.size() == 2 || words.size() == 4;
    const auto count = shaped ? WholeNumber(words[1]) : std::nullopt;
    if (!count) {
        return "the count line (NSTEND) does not give the number of values and the wavelength "
               "range (e.g. NSTEND 51 240. 190.)";
    }
    if (words.size() == 4) {
        const auto high = WholeNumber(words[2]);
        const auto low = WholeNumber(words[3]);
        if (!high || !low || *low >= *high || *high - *low >= LongestSpectrum) {
            return "the count line (NSTEND) does not name a wavelength range such as 240. 190.";
        }
        input.countLineHigh = *high;
        input.countLineLow = *low;
    }
    if (*count < 0 || *count > input.countLineHigh - input.countLineLow + 1) {
        return "the count line (NSTEND) announces " + std::to_string(*count) +
               " values, which the range " + std::to_string(input.countLineHigh) + "-" +
               std::to_string(input.countLineLow) + " nm cannot hold";
    }
    input.count = *count;
    return std::nullopt;
}

}  // namespace

bool EndsDataLine(int wavelength) {
    return (241 - wavelength) % 7 == 0;
}

ContinInputReading ReadContinInput(const std::string& bytes) {
    const std::vector<std::string> lines = SplitLines(bytes);
    if (bytes.find_first_not_of(" \t\r\n") == std::string::npos) {
        return Failure("CONTIN.IN is empty");
    }
    std::size_t countLine = 0;
    while (countLine < lines.size() &&
           (Words(lines[countLine]).empty() || Words(lines[countLine]).front() != "NSTEND")) {
        ++countLine;
    }
    if (countLine == lines.size()) {
        return Failure("CONTIN.IN has no count line (NSTEND); the file is incomplete");
    }
    ContinInputReading reading;
    if (const auto problem = ReadCountLine(Words(lines[countLine]), reading.input)) {
        return Failure(*problem);
    }
    std::vector<int> lineCounts;
    for (std::size_t l = countLine + 1; l < lines.size(); ++l) {
        int onLine = 0;
        for (const std::string& word : Words(lines[l])) {
            const auto numbers = NumbersOf(word);
            if (!numbers) {
                return Failure("CONTIN.IN line " + std::to_string(l + 1) + ": \"" + word +
                               "\" is not a number");
            }
            for (const double value : *numbers) {
                if (!WithinLimit(value, LargestEllipticity)) {
                    return Failure("CONTIN.IN line " + std::to_string(l + 1) + ": \"" + word +
                                   "\" is beyond 10^7 deg.cm2/dmol, more than any CD spectrum "
                                   "holds");
                }
            }
            reading.input.ellipticity.insert(reading.input.ellipticity.end(), numbers->begin(),
                                             numbers->end());
            onLine += static_cast<int>(numbers->size());
        }
        if (onLine > 0) {
            lineCounts.push_back(onLine);
        }
    }
    const auto found = static_cast<int>(reading.input.ellipticity.size());
    if (found != reading.input.count) {
        return Failure("the count line announces " + std::to_string(reading.input.count) +
                       " values but the data lines hold " + std::to_string(found) +
                       (found < reading.input.count ? "; the file is truncated" : ""));
    }
    PlaceWavelengths(reading.input, lineCounts);
    reading.ok = true;
    return reading;
}

ContinInputReading ReadContinInputFile(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        return Failure("CONTIN.IN was not found in the working folder " +
                       file.parent_path().string());
    }
    std::ostringstream bytes;
    bytes << stream.rdbuf();
    return ReadContinInput(bytes.str());
}

}  // namespace tavrelion::engines::contin
