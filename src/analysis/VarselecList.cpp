#include "analysis/VarselecList.h"

#include <cmath>

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

// Plain digits padded on the left to width characters (a longer number is written whole).
std::string PadLeft(long value, std::size_t width) {
    std::string text = std::to_string(value);
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string PadRight(const std::string& text, std::size_t width) {
    return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}

std::vector<std::string> ReadNames(const std::filesystem::path& basis) {
    store::TextFileReader file(basis);
    std::vector<std::string> names(ProteinCount + 1);
    for (int i = 1; i <= ProteinCount; ++i) {
        names[static_cast<std::size_t>(i)] = file.readLine();
        for (int skipped = 0; skipped < drivers::VarselecBasisLines; ++skipped) {
            file.readLine();
        }
    }
    return names;
}

// The sums over the accepted solutions.
struct Tally {
    // 5 proteins left out of 33 give 237 336 combinations: more than a 16-bit count holds.
    long accepted = 0;
    std::vector<long> presence = std::vector<long>(ProteinCount + 1, 0);
    double sum[ClassCount + 1] = {};
    double sumSquares[ClassCount + 1] = {};
};

void Test(const std::string& line, const VarselecListRequest& request, Tally& tally) {
    const double total = 100.0 * store::NumberOf(store::Mid(line, 42, 5));
    if (total < request.contentMin || total > request.contentMax) {
        return;
    }
    ++tally.accepted;
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
    const std::vector<std::string> names = ReadNames(request.basis);
    store::TextFileWriter list(request.list);
    list.writeLine(request.solutions.string());
    list.writeLine("");
    list.writeLine(" Results for VARSELEC fit program");
    Tally tally;
    ReadSolutions(request, tally);
    list.writeLine("");
    WriteAverages(list, request, tally);

    list.writeLine("======================= Unsorted list =======================");
    std::vector<std::string> lines = ProteinLines(names, tally);
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
    return tally.accepted;
}

}  // namespace tavrelion::analysis
