#include "analysis/MethodResultReaders.h"

#include <cmath>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "estimation/BackCalculation.h"
#include "estimation/FitQuality.h"
#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextFile.h"
#include "store/TextRoutines.h"

namespace tavrelion::analysis {
namespace {

namespace fs = std::filesystem;

// The analysis programs get delta epsilon per residue: mean residue ellipticity / 3300.
constexpr double MeanResiduePerDeltaEpsilon = 3300.0;

constexpr const char* InputCheckLead = " Input check: ";
constexpr const char* FitQualityLead = " Fit quality: NRMSD ";
constexpr const char* BackCalculatedHeads = "   nm   measured calculated";

[[noreturn]] void Damaged(const fs::path& file, const std::string& what) {
    throw store::ExplainedError(store::InvalidArgument, file.string() + ": " + what);
}

std::vector<std::string> Lines(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        throw store::ExplainedError(store::FileNotFound, file.string() + " is missing");
    }
    std::vector<std::string> lines;
    try {
        store::TextFileReader reader(file);
        while (!reader.atEnd()) {
            lines.push_back(reader.readLine());
        }
    } catch (const store::BasicError& failure) {
        Damaged(file, "cannot be read (error " + std::to_string(failure.number()) + ")");
    }
    return lines;
}

bool StartsWith(const std::string& line, const std::string& lead) {
    return line.rfind(lead, 0) == 0;
}

bool Contains(const std::string& line, const char* text) {
    return line.find(text) != std::string::npos;
}

void SetFractions(MethodResult& result, double helix, double sheet, double turn, double other) {
    result.helix = helix;
    result.sheet = sheet;
    result.turn = turn;
    result.other = other;
    result.total = helix + sheet + turn + other;
}

// No analysis program gives a class ten times the whole protein, whatever it is fed; a larger
// number is a damaged report, not an estimate to put in a table or a consensus.
constexpr double LargestFraction = 10.0;

// SetFractions for fractions read from a report.
void SetReportFractions(const fs::path& file, MethodResult& result, double helix, double sheet,
                        double turn, double other) {
    for (const double fraction : {helix, sheet, turn, other}) {
        if (std::fabs(fraction) > LargestFraction) {
            Damaged(file,
                    "a fraction of " + std::to_string(fraction) + " is no estimate of a structure");
        }
    }
    SetFractions(result, helix, sheet, turn, other);
}

// SELCON's fraction fields: helix, sheet, turn, [PP2,] other, sum, NRMSD; PP2 counts as other.
MethodResult SelconResult(const fs::path& file, const char* method, const std::string& fields) {
    if (fields.find("no estimate") != std::string::npos) {
        Damaged(file, "the program made no estimate");
    }
    const auto numbers = store::BlankSeparatedNumbers(fields);
    if (!numbers || (numbers->size() != 6 && numbers->size() != 7)) {
        Damaged(file, "the fractions line holds no estimate: \"" + fields + "\"");
    }
    const std::vector<double>& n = *numbers;
    MethodResult result;
    result.method = method;
    const double other = n.size() == 7 ? n[3] + n[4] : n[3];
    SetReportFractions(file, result, n[0], n[1], n[2], other);
    return result;
}

std::string InputCheckOf(const std::vector<std::string>& lines) {
    std::string check;
    for (const std::string& line : lines) {
        if (StartsWith(line, InputCheckLead)) {
            check = line.substr(1);
        }
    }
    return check;
}

void ReadInputCheck(const std::vector<std::string>& lines, MethodResult& result) {
    result.inputCheck = InputCheckOf(lines);
}

// The closing " Fit quality: NRMSD x, grade" line and the back-calculated spectrum under it.
void ReadFitSection(const fs::path& file, const std::vector<std::string>& lines,
                    MethodResult& result) {
    std::size_t at = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (StartsWith(lines[i], FitQualityLead)) {
            at = i;
        }
    }
    if (at == lines.size()) {
        Damaged(file, "no \"Fit quality\" line");
    }
    const std::string rest = lines[at].substr(std::string(FitQualityLead).size());
    const std::size_t comma = rest.find(',');
    const auto nrmsd = store::BlankSeparatedNumbers(rest.substr(0, comma));
    if (comma == std::string::npos || !nrmsd || nrmsd->size() != 1) {
        Damaged(file, "a damaged \"Fit quality\" line: \"" + lines[at] + "\"");
    }
    result.nrmsd = nrmsd->front();
    result.quality = rest.substr(rest.find_first_not_of(' ', comma + 1) == std::string::npos
                                     ? rest.size()
                                     : rest.find_first_not_of(' ', comma + 1));
    std::size_t row = at;
    while (row < lines.size() && lines[row] != BackCalculatedHeads) {
        ++row;
    }
    for (++row; row < lines.size(); ++row) {
        const auto values = store::BlankSeparatedNumbers(lines[row]);
        if (!values || values->size() != 3) {
            break;
        }
        result.wavelengths.push_back((*values)[0]);
        result.measured.push_back((*values)[1] * MeanResiduePerDeltaEpsilon);
        result.calculated.push_back((*values)[2] * MeanResiduePerDeltaEpsilon);
    }
    if (result.wavelengths.empty()) {
        Damaged(file, "no back-calculated spectrum after the \"Fit quality\" line");
    }
}

// The value after the last blank of a dotted K2D line ("  ALPHA helix ...... 0.37").
double K2dValue(const fs::path& file, const std::vector<std::string>& lines, const char* label) {
    for (const std::string& line : lines) {
        if (StartsWith(line, label)) {
            const auto value =
                store::BlankSeparatedNumbers(line.substr(line.find_last_of(' ') + 1));
            if (!value || value->size() != 1) {
                Damaged(file, "a damaged line: \"" + line + "\"");
            }
            return value->front();
        }
    }
    Damaged(file, std::string("no line \"") + label + "\"");
}

// The mean of a Varselec class in per cent ("   Helix = 33.42 %+- 0.62").
double VarselecMean(const fs::path& file, const std::vector<std::string>& lines,
                    const char* label) {
    for (const std::string& line : lines) {
        if (Contains(line, "Number of points")) {
            break;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos ||
            line.substr(0, equals).find(label) == std::string::npos) {
            continue;
        }
        const std::size_t percent = line.find('%', equals);
        const auto value =
            store::BlankSeparatedNumbers(line.substr(equals + 1, percent - equals - 1));
        if (percent == std::string::npos || !value || value->size() != 1) {
            Damaged(file, "a damaged line: \"" + line + "\"");
        }
        return value->front() / 100.0;
    }
    Damaged(file, std::string("no mean of ") + label);
}

}  // namespace

std::vector<MethodResult> LeastSquaresResults(const store::SpectrumStore& store,
                                              const estimation::ReferenceSets& sets,
                                              const estimation::FitResults& fits) {
    std::vector<MethodResult> results;
    for (int set = 1; set <= estimation::ReferenceSetCount; ++set) {
        if (!fits.FitHelix(set) || !fits.FitSheet(set) || !fits.FitCoil(set)) {
            continue;
        }
        MethodResult result;
        const std::string name = fits.FitSetName(set);
        result.method = name.substr(0, name.find_last_not_of(' ') + 1);
        result.turnGiven = fits.FitTurn(set).has_value();
        result.calibrationBasis = true;
        SetFractions(result, *fits.FitHelix(set), *fits.FitSheet(set),
                     fits.FitTurn(set).value_or(0.0), *fits.FitCoil(set));
        const estimation::BackCalculatedSpectrum spectrum =
            estimation::BackCalculate(store, sets(set), fits, set);
        if (!spectrum.wavelengths.empty()) {
            // The sets are calibration bases: their columns give sound fractions but are not
            // class spectra, so the residual says nothing about the estimate and is not graded.
            result.nrmsd = estimation::Nrmsd(spectrum.measured, spectrum.calculated);
            result.quality = "not graded";
            result.wavelengths = spectrum.wavelengths;
            result.measured = spectrum.measured;
            result.calculated = spectrum.calculated;
        }
        results.push_back(std::move(result));
    }
    return results;
}

std::string ReadInputCheck(const fs::path& report) {
    try {
        return InputCheckOf(Lines(report));
    } catch (const store::BasicError&) {
        return {};
    }
}

MethodResult ReadSelcon2Result(const fs::path& result) {
    const std::vector<std::string> lines = Lines(result);
    std::size_t at = lines.size();
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (Contains(lines[i], " Average solution from above set")) {
            at = i + 1;
        }
    }
    if (at == lines.size()) {
        Damaged(result, "no \"Average solution from above set\"");
    }
    MethodResult method = SelconResult(result, "SELCON2", lines[at]);
    ReadFitSection(result, lines, method);
    ReadInputCheck(lines, method);
    return method;
}

MethodResult ReadSelcon3Result(const fs::path& result) {
    const std::vector<std::string> lines = Lines(result);
    for (const std::string& line : lines) {
        const std::size_t label = line.find("Fractions:");
        if (label != std::string::npos) {
            MethodResult method = SelconResult(result, "SELCON3", line.substr(label + 10));
            ReadFitSection(result, lines, method);
            ReadInputCheck(lines, method);
            return method;
        }
    }
    Damaged(result, "no \"Fractions:\" line");
}

MethodResult ReadContinResult(const fs::path& result) {
    const std::vector<std::string> lines = Lines(result);
    bool chosen = false;
    for (const std::string& line : lines) {
        if (Contains(line, "++  CHOSEN SOLUTION  ++  none")) {
            Damaged(result, "the program made no estimate");
        }
        chosen = chosen || Contains(line, "++  CHOSEN SOLUTION  ");
        if (!chosen || !StartsWith(line, "   helix ")) {
            continue;
        }
        // "   helix 0.400   sheet 0.060   turn 0.330   other 0.200   sum 0.990"
        std::istringstream fields(line);
        std::string word;
        std::string value;
        std::vector<double> values;
        for (const char* name : {"helix", "sheet", "turn", "other"}) {
            const auto number =
                (fields >> word >> value) ? store::BlankSeparatedNumbers(value) : std::nullopt;
            if (word != name || !number || number->size() != 1) {
                Damaged(result, "a damaged fractions line: \"" + line + "\"");
            }
            values.push_back(number->front());
        }
        MethodResult method;
        method.method = "CONTIN";
        SetReportFractions(result, method, values[0], values[1], values[2], values[3]);
        ReadFitSection(result, lines, method);
        ReadInputCheck(lines, method);
        return method;
    }
    Damaged(result, "no fractions of a chosen solution");
}

MethodResult ReadK2dResult(const fs::path& result) {
    const std::vector<std::string> lines = Lines(result);
    MethodResult method;
    method.method = "K2D";
    method.turnGiven = false;
    SetReportFractions(result, method, K2dValue(result, lines, "  ALPHA helix "),
                       K2dValue(result, lines, "  BETA sheet "), 0.0,
                       K2dValue(result, lines, "  Random coil "));
    for (const std::string& line : lines) {
        if (StartsWith(line, "Fit quality:")) {
            const std::size_t start = line.find_first_not_of(' ', 12);
            const std::size_t end = line.find(':', 12);
            if (start != std::string::npos && end != std::string::npos && end > start) {
                method.quality = line.substr(start, end - start);
            }
        }
    }
    ReadInputCheck(lines, method);
    return method;
}

MethodResult ReadVarselecResult(const fs::path& list) {
    const std::vector<std::string> lines = Lines(list);
    MethodResult method;
    method.method = "Varselec";
    SetReportFractions(
        list, method, VarselecMean(list, lines, "Helix"),
        VarselecMean(list, lines, "AP sheet") + VarselecMean(list, lines, "PP sheet"),
        VarselecMean(list, lines, "Turn"), VarselecMean(list, lines, "Other"));
    ReadInputCheck(lines, method);
    // The average fit follows the list's own lines where the solutions gave what it takes; a
    // list without it, or with a damaged one, still gives the fractions.
    try {
        ReadFitSection(list, lines, method);
    } catch (const store::ExplainedError&) {
        method.nrmsd.reset();
        method.quality.clear();
        method.wavelengths.clear();
        method.measured.clear();
        method.calculated.clear();
    }
    return method;
}

std::optional<std::string> ResultMethod(const fs::path& resultFile) {
    const std::string extension = store::UpperCase(resultFile.extension().string());
    for (const auto& [ending, method] :
         {std::pair{".SCM", "SELCON2"}, std::pair{".SC3", "SELCON3"}, std::pair{".CNT", "CONTIN"},
          std::pair{".K2D", "K2D"}, std::pair{".OUT", "Varselec"}, std::pair{".LST", "Varselec"}}) {
        if (extension == ending) {
            return method;
        }
    }
    return std::nullopt;
}

MethodResult ReadMethodResult(const fs::path& resultFile) {
    const std::string extension = store::UpperCase(resultFile.extension().string());
    using Reader = MethodResult (*)(const fs::path&);
    for (const auto& [ending, read] : {std::pair<const char*, Reader>{".SCM", ReadSelcon2Result},
                                       {".SC3", ReadSelcon3Result},
                                       {".CNT", ReadContinResult},
                                       {".K2D", ReadK2dResult},
                                       {".LST", ReadVarselecResult}}) {
        if (extension == ending) {
            return read(resultFile);
        }
    }
    Damaged(resultFile, "holds no method's result");
}

}  // namespace tavrelion::analysis
