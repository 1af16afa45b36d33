#include "selcon2/Selcon2Input.h"

#include <cmath>

#include "selcon3/Selcon3Input.h"

namespace tavrelion::engines::selcon {
namespace {

constexpr std::size_t ControlItems = 9;
constexpr int MostIterations = 10000;

const std::string& LineAt(const std::vector<std::string>& lines, std::size_t index,
                          const char* what) {
    if (index >= lines.size())
        throw InputError(std::string("the file ends before ") + what);
    return lines[index];
}

int WholeNumber(const std::string& item, const std::string& what, int low, int high) {
    const double value = ReadNumber(item, what);
    if (value != std::floor(value) || value < low || value > high)
        throw InputError(what + " " + item + " is not a whole number from " + std::to_string(low) +
                         " to " + std::to_string(high));
    return static_cast<int>(value);
}

}  // namespace

Selcon2Input ReadSelcon2Input(const std::filesystem::path& file) {
    const std::vector<std::string> lines = ReadLines(file);
    if (lines.empty())
        throw InputError("the input file " + file.filename().string() + " is empty");
    Selcon2Input input;
    input.title = lines[0];
    const std::vector<std::string> control = SplitItems(LineAt(lines, 1, "the control line"));
    if (control.size() < ControlItems)
        throw InputError("the control line \"" + lines[1] + "\" holds " +
                         std::to_string(control.size()) + " numbers instead of 9");
    const int points = WholeNumber(control[0], "the point count", 1, 1000);
    input.totalTolerance = ReadNumber(control[3], "the tolerance of the total");
    if (input.totalTolerance < 0.0 || input.totalTolerance > 1.0)
        throw InputError("the tolerance of the total " + control[3] + " is not between 0 and 1");
    input.iterations = WholeNumber(control[5], "the iteration count", 1, MostIterations);
    input.convergence = ReadNumber(control[6], "the convergence limit");
    if (input.convergence <= 0.0)
        throw InputError("the convergence limit " + control[6] + " must be above 0");

    const std::vector<std::string> range = SplitItems(LineAt(lines, 2, "the wavelength line"));
    if (range.size() < 2)
        throw InputError("the wavelength line \"" + lines[2] +
                         "\" needs the last and the first wavelength");
    const int last = ReadWavelength(range[0], "the last wavelength");
    const int first = ReadWavelength(range[1], "the first wavelength");
    LineAt(lines, 3, "the second title line");
    const std::vector<std::string> block(lines.begin() + 4, lines.end());
    std::vector<double> values = ReadDataValues(block);
    if (values.size() != static_cast<std::size_t>(points))
        throw InputError("the control line announces " + std::to_string(points) +
                         " points but the data block holds " + std::to_string(values.size()));
    input.spectrum = MakeSpectrum(last, first, std::move(values));
    return input;
}

}  // namespace tavrelion::engines::selcon
