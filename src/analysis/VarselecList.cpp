#include "analysis/VarselecList.h"

#include <cmath>
#include <limits>

#include "analysis/VarselecAverageFit.h"
#include "drivers/VarselecInput.h"
#include "store/BasicError.h"
#include "store/Int16.h"
#include "store/NumberText.h"
#include "store/TextFile.h"
#include "store/TextRoutines.h"

namespace tavrelion::analysis {
namespace {

constexpr int ProteinCount = drivers::VarselecProteinCount;
constexpr int ClassCount = 5;
constexpr int NameWidth = 37;
constexpr const char* FirstSolutionStart = "       1  ";
constexpr const char* InputCheckLead = " Input check: ";

// Plain digits padded on the left to width characters (a longer number is written whole).
std::string PadLeft(long value, std::size_t width) {
    std::string text = std::to_string(value);
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string PadRight(const std::string& text, std::size_t width) {
    return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}

// The proteins' name lines and their spectra (NaN where s.ori has no value).
struct Basis {
    std::vector<std::string> names = std::vector<std::string>(ProteinCount + 1);
    std::vector<std::vector<double>> spectra = std::vector<std::vector<double>>(ProteinCount + 1);
};

Basis ReadBasis(const std::filesystem::path& basis) {
    store::TextFileReader file(basis);
    Basis read;
    for (int i = 1; i <= ProteinCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        read.names[index] = file.readLine();
        for (int line = 0; line < drivers::VarselecBasisLines; ++line) {
            // "no data" beyond 240 nm, or a value that is no number: no fit there.
            const auto value = store::BlankSeparatedNumbers(file.readLine());
            read.spectra[index].push_back(value && value->size() == 1
                                              ? value->front()
                                              : std::numeric_limits<double>::quiet_NaN());
        }
    }
    return read;
}

// The sums over the accepted solutions.
struct Tally {
    // 5 proteins left out of 33 give 237 336 combinations: more than a 16-bit count holds.
    long accepted = 0;
    std::vector<long> presence = std::vector<long>(ProteinCount + 1, 0);
    double sum[ClassCount + 1] = {};
    double sumSquares[ClassCount + 1] = {};
    // The program's input check, which the list carries over, and the accepted fits.
    std::string inputCheck;
    VarselecAverageFit fit;
};

void Test(const std::string& line, const VarselecListRequest& request, Tally& tally) {
    const double total = 100.0 * store::NumberOf(store::Mid(line, 42, 5));
    if (total < request.contentMin || total > request.contentMax) {
        return;
    }
    ++tally.accepted;
    tally.fit.accept(line);
    for (int j = 1; j <= ProteinCount; ++j) {
        const long p = store::RoundHalfEven(store::NumberOf(store::Mid(line, 63 + 3 * (j - 1), 2)));
        if (p >= j && p <= ProteinCount) {
            ++tally.presence[static_cast<std::size_t>(p)];
        }
    }
    for (int k = 1; k <= ClassCount; ++k) {
        const double x = store::NumberOf(store::Mid(line, 6 * k + 4, 6));
        tally.sum[k] += x;
        tally.sumSquares[k] += x * x;
    }
}

void ReadSolutions(const VarselecListRequest& request, Tally& tally) {
    store::TextFileReader file(request.solutions);
    std::string line;
    do {
        line = file.readLine();
        if (line.rfind(InputCheckLead, 0) == 0) {
            tally.inputCheck = line;
        }
        tally.fit.header(line);
    } while (line.rfind(FirstSolutionStart, 0) != 0 && !file.atEnd());
    Test(line, request, tally);
    do {
        Test(file.readLine(), request, tally);  // at least one line must follow the first
    } while (!file.atEnd());
}

void WriteAverages(store::TextFileWriter& list, const VarselecListRequest& request,
                   const Tally& tally) {
    double averagedTotal = 0.0;
    if (tally.accepted > 0) {
        const auto n = static_cast<double>(tally.accepted);
        for (int k = 1; k <= ClassCount; ++k) {
            const double mean = tally.sum[k] / n;
            const double variance = std::max(0.0, (tally.sumSquares[k] - n * mean * mean) / n);
            averagedTotal += 100.0 * mean;
            list.writeLine((*request.labels)(k) + store::FormatPattern(100.0 * mean, "0.00") +
                           " %" + "+- " +
                           store::FormatPattern(100.0 * std::sqrt(variance), "0.00"));
        }
    }
    list.writeLine("Averaged total content is : " + store::FormatPattern(averagedTotal, "000"));
    list.writeLine("Number of points :" + store::GeneralForm(static_cast<double>(tally.accepted)));
    list.writeLine("");
    list.writeLine("========================== Criterion ========================");
    list.writeLine("Average content must be comprised between " + PadLeft(request.contentMin, 3) +
                   " and " + PadLeft(request.contentMax, 3));
}

std::vector<std::string> ProteinLines(const std::vector<std::string>& names, const Tally& tally) {
    std::vector<std::string> lines(ProteinCount + 1);
    for (int i = 1; i <= ProteinCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        std::string line = "Protein : " + PadLeft(i, 2) + " " + PadRight(names[index], NameWidth);
        if (tally.presence[index] > 0) {
            line += "is present " + std::to_string(tally.presence[index]) + " times over " +
                    store::GeneralForm(static_cast<double>(tally.accepted));
        } else {
            line += " REMOVED from list";
        }
        lines[index] = line;
    }
    return lines;
}

}  // namespace

void ShellSortByCount(int n, std::vector<long>& count, std::vector<std::string>& line) {
    int gap = n;
    while ((gap /= 2) != 0) {
        for (int i = 1; i <= n - gap; ++i) {
            int j = i;
            while (count[static_cast<std::size_t>(j)] > count[static_cast<std::size_t>(j + gap)]) {
                std::swap(line[static_cast<std::size_t>(j)],
                          line[static_cast<std::size_t>(j + gap)]);
                std::swap(count[static_cast<std::size_t>(j)],
                          count[static_cast<std::size_t>(j + gap)]);
                j -= gap;
                if (j < 1) {
                    break;
                }
            }
        }
    }
}

long WriteVarselecList(const VarselecListRequest& request) {
    const Basis basis = ReadBasis(request.basis);
    store::TextFileWriter list(request.list);
    list.writeLine(request.solutions.string());
    list.writeLine("");
    list.writeLine(" Results for VARSELEC fit program");
    Tally tally;
    ReadSolutions(request, tally);
    list.writeLine("");
    WriteAverages(list, request, tally);

    list.writeLine("======================= Unsorted list =======================");
    std::vector<std::string> lines = ProteinLines(basis.names, tally);
    for (int i = 1; i <= ProteinCount; ++i) {
        list.writeLine(lines[static_cast<std::size_t>(i)]);
    }
    std::vector<long> presence = tally.presence;
    ShellSortByCount(ProteinCount, presence, lines);
    list.writeLine("");
    list.writeLine("============== Sorted list by order of removal ==============");
    for (int i = 1; i <= ProteinCount; ++i) {
        list.writeLine(lines[static_cast<std::size_t>(i)]);
    }
    list.writeLine("=============================================================");
    // After the list's own lines, which the summary and the analyses of old lists read as they
    // are: the program's input check and the average of the accepted fits.
    if (!tally.inputCheck.empty()) {
        list.writeLine(tally.inputCheck);
    }
    for (const std::string& line : tally.fit.lines(basis.spectra)) {
        list.writeLine(line);
    }
    return tally.accepted;
}

}  // namespace tavrelion::analysis
