#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavrelion::engines::varselec {

// An exchange file that cannot be used; the text says which file and why, for the user.
class InputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The lines of a text file without their line ends (CR LF or LF; the last line may lack one).
// A missing, unreadable, empty or implausibly large file raises InputError.
std::vector<std::string> ReadTextLines(const std::filesystem::path& file);

// The text without the blanks and tabs around it.
std::string_view Trimmed(std::string_view text);

// A decimal number as the program writes them: an optional sign, digits with an optional point
// (".25", "-1.5", and a lone "." for 0) and an optional exponent (E or D). Blanks around it are
// allowed; anything else, and values that are not finite, give nothing.
std::optional<double> ParseDecimal(std::string_view text);

// The whole number of a text such as "33" or "190.0"; nothing when it is not a whole number.
std::optional<long> ParseWhole(std::string_view text);

// Whether a data line says that there is no value ("no data").
bool SaysNoValue(std::string_view line);

// The blank-separated words of the lines, in order.
std::vector<std::string> WordsOf(const std::vector<std::string>& lines);

}  // namespace tavrelion::engines::varselec
