// Damaged, cut and random files fed to the spectrum reader. Whatever the bytes, a load either
// gives a usable spectrum or gives the slot back with one of the reader's own messages; nothing
// escapes, nothing is left half counted, and what the user is told does not depend on the files
// loaded before. The cases come from fixed seeds, so a failing case number and its mutations
// describe the same bytes on every run; the bytes of a failing case are also kept in the test's
// temporary directory (the failure message names the file).

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "LoadFixture.h"

namespace tavrelion::spectrumio {
namespace {

using testing_support::FakeDialogs;
using testing_support::ReadBytes;

const std::filesystem::path SamplesFolder = std::filesystem::path(TAVRELION_SOURCE_DIR) / "samples";

// Random choices -------------------------------------------------------------------------------

int Pick(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool Chance(std::mt19937& random, int percent) {
    return Pick(random, 1, 100) <= percent;
}

template <typename T>
const T& PickOne(std::mt19937& random, const std::vector<T>& choices) {
    return choices[static_cast<std::size_t>(Pick(random, 0, static_cast<int>(choices.size()) - 1))];
}

// Bytes as C-like text for failure reports, cut after limit characters.
std::string Escaped(std::string_view bytes, std::size_t limit = 60) {
    static const char* const hex = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < bytes.size() && i < limit; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else if (c == '\t') {
            text += "\\t";
        } else if (c == '"' || c == '\\') {
            text += '\\';
            text += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            text += "\\x";
            text += hex[c >> 4];
            text += hex[c & 0xF];
        } else {
            text += static_cast<char>(c);
        }
    }
    if (bytes.size() > limit) {
        text += "...(" + std::to_string(bytes.size()) + " bytes)";
    }
    return "\"" + text + "\"";
}

// What may be put into a file ----------------------------------------------------------------

// Texts the readers treat specially: number parts, separators, quotes, comments, line ends and
// bytes of the CD6 unit labels ...
const std::string Nul(1, '\0');
const std::vector<std::string> Tokens = {
    "0",    "7",       "-",      "+",      ".",      "e",    "E",   "e999", "E-999", "e308",
    "d308", "D-400",   "999999", "-32769", "1e-300", ",",    ",,,", "\t",   "\t\t",  "\"",
    "#",    " # note", " ",      "\r",     "\n",     "\r\n", Nul,   "\xB0", "\xE9",  "\x7F"};

// ... and the markers the readers look for.
const std::vector<std::string> Markers = {"CD6",
                                          "RUBISDATA2",
                                          "Block #1 parameters",
                                          "Spectrum #1 : Region 1 : Bloc 1 data:",
                                          "Data mode\tMol. Ellip.",
                                          "Data mode\tCD"};

// Numbers, some sensible and many not, for header fields (counts, steps, wavelengths, units,
// concentrations) and data values.
const std::vector<std::string> Numbers = {
    "0",     "-0",     "1",         "-1",        "0.5",        "2",
    "3",     "0.001",  "0.0000001", "1e-300",    "-1e-300",    "1e-999",
    "+.5",   "1.5e2",  "1D3",       "12345.678", "-12345.678", "66",
    "175",   "240",    "-175",      "140",       "141",        "142",
    "143",   "144",    "145",       "999",       "1000",       "1001",
    "4096",  "4097",   "5200",      "5201",      "9999",       "32767",
    "32768", "-32768", "-32769",    "65536",     "2147483648", "99999999999999999999",
    "1e308", "-1e308", "1e999",     "-1e999",    "0.000e999",  "",
    " ",     "x",      "\"66\"",    "1,5"};

std::string RandomBytes(std::mt19937& random, int length) {
    static const std::string common = "0123456789.,-+eE \t\r\n\"#";
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) {
        if (Chance(random, 60)) {
            bytes += common[static_cast<std::size_t>(Pick(random, 0, common.size() - 1))];
        } else {
            bytes += static_cast<char>(Pick(random, 0, 255));
        }
    }
    return bytes;
}

// Lines of a file, each with its own line end, so that lines move with their ends.
std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string::npos ? bytes.size() : end + 1;
        lines.push_back(bytes.substr(start, next - start));
        start = next;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size();
    }
    std::string bytes;
    bytes.reserve(size);
    for (const auto& line : lines) {
        bytes += line;
    }
    return bytes;
}

// The comma- or tab-separated field of a line (without its end) replaced by value.
std::string ReplaceField(const std::string& line, int field, const std::string& value) {
    const std::size_t contentEnd = line.find_first_of("\r\n");
    const std::string content = line.substr(0, contentEnd);
    const std::string lineEnd = contentEnd == std::string::npos ? "" : line.substr(contentEnd);
    std::size_t start = 0;
    for (int f = 0; f < field; ++f) {
        const std::size_t separator = content.find_first_of(",\t", start);
        if (separator == std::string::npos) {
            return content + "," + value + lineEnd;
        }
        start = separator + 1;
    }
    const std::size_t end = content.find_first_of(",\t", start);
    return content.substr(0, start) + value +
           (end == std::string::npos ? "" : content.substr(end)) + lineEnd;
}

// Mutations --------------------------------------------------------------------------------------

// Damages a file in one of many ways and says how, in words that tell the bytes again.
class Mutator {
  public:
    // headerLines: the 1-based lines whose fields the reader of the file's kind uses.
    Mutator(std::mt19937& random, std::vector<int> headerLines)
        : random_(random), headerLines_(std::move(headerLines)) {}

    std::string mutate(std::string bytes, std::string& log) {
        const int count = Chance(random_, 60) ? 1 : Pick(random_, 2, 4);
        for (int m = 0; m < count; ++m) {
            bytes = mutateOnce(std::move(bytes), log);
        }
        return bytes;
    }

  private:
    int pickPosition(const std::string& bytes) {
        return Pick(random_, 0, static_cast<int>(bytes.size()));
    }

    int pickLine(const std::vector<std::string>& lines) {
        if (!headerLines_.empty() && Chance(random_, 60)) {
            const int line = PickOne(random_, headerLines_);
            if (line <= static_cast<int>(lines.size())) {
                return line;
            }
        }
        return Pick(random_, 1, static_cast<int>(lines.size()));
    }

    std::string mutateOnce(std::string bytes, std::string& log) {
        std::vector<std::string> lines = SplitLines(bytes);
        const int kind = Pick(random_, 0, bytes.empty() || lines.empty() ? 1 : 13);
        switch (kind) {
            case 0: {
                const std::string token = PickOne(random_, Chance(random_, 15) ? Markers : Tokens);
                const int at = pickPosition(bytes);
                log += "; insert " + Escaped(token) + " at byte " + std::to_string(at);
                return bytes.insert(static_cast<std::size_t>(at), token);
            }
            case 1: {
                const int length = Pick(random_, 1, 300);
                const std::string random = RandomBytes(random_, length);
                const int at = pickPosition(bytes);
                log += "; insert " + std::to_string(length) + " random bytes " + Escaped(random) +
                       " at byte " + std::to_string(at);
                return bytes.insert(static_cast<std::size_t>(at), random);
            }
            case 2: {
                const int at = pickPosition(bytes);
                log += "; truncate to " + std::to_string(at) + " bytes";
                return bytes.substr(0, static_cast<std::size_t>(at));
            }
            case 3: {
                const int at = Pick(random_, 0, static_cast<int>(bytes.size()) - 1);
                const int bit = Pick(random_, 0, 7);
                bytes[static_cast<std::size_t>(at)] = static_cast<char>(
                    static_cast<unsigned char>(bytes[static_cast<std::size_t>(at)]) ^ (1u << bit));
                log += "; flip bit " + std::to_string(bit) + " of byte " + std::to_string(at);
                return bytes;
            }
            case 4: {
                const int at = Pick(random_, 0, static_cast<int>(bytes.size()) - 1);
                const char value = Chance(random_, 50) ? static_cast<char>(Pick(random_, 0, 255))
                                                       : PickOne(random_, Tokens)[0];
                bytes[static_cast<std::size_t>(at)] = value;
                log += "; overwrite byte " + std::to_string(at) + " with " +
                       Escaped(std::string(1, value));
                return bytes;
            }
            case 5: {
                const int line = pickLine(lines);
                lines.erase(lines.begin() + (line - 1));
                log += "; delete line " + std::to_string(line);
                return JoinLines(lines);
            }
            case 6: {
                const int line = pickLine(lines);
                // Now and then many copies of a short line, to pass the most values a file or a
                // slot holds.
                const bool shortLine = lines[static_cast<std::size_t>(line - 1)].size() < 100;
                const int copies = !shortLine || Chance(random_, 80)
                                       ? 1
                                       : PickOne(random_, std::vector<int>{999, 1001, 4100, 5300});
                lines.insert(lines.begin() + (line - 1), static_cast<std::size_t>(copies),
                             lines[static_cast<std::size_t>(line - 1)]);
                log += "; duplicate line " + std::to_string(line) + " " + std::to_string(copies) +
                       " times";
                return JoinLines(lines);
            }
            case 7: {
                const int first = pickLine(lines);
                const int second = Pick(random_, 1, static_cast<int>(lines.size()));
                std::swap(lines[static_cast<std::size_t>(first - 1)],
                          lines[static_cast<std::size_t>(second - 1)]);
                log += "; swap lines " + std::to_string(first) + " and " + std::to_string(second);
                return JoinLines(lines);
            }
            case 8:
            case 9: {
                // A header field (count, step, wavelength, unit, concentration) or a data value.
                const int line = pickLine(lines);
                const int field = Chance(random_, 50) ? 0 : Pick(random_, 1, 3);
                const std::string value = PickOne(random_, Numbers);
                auto& text = lines[static_cast<std::size_t>(line - 1)];
                text = ReplaceField(text, field, value);
                log += "; field " + std::to_string(field) + " of line " + std::to_string(line) +
                       " := " + Escaped(value);
                return JoinLines(lines);
            }
            case 10: {
                const int line = pickLine(lines);
                const int length = PickOne(random_, std::vector<int>{300, 5000, 70000});
                const std::string pattern = PickOne(
                    random_, std::vector<std::string>{"9", "1,", "-1.5\t", "x", " ", "\"", "#"});
                std::string longLine;
                while (static_cast<int>(longLine.size()) < length) {
                    longLine += pattern;
                }
                lines.insert(lines.begin() + (line - 1), longLine + "\r\n");
                log += "; insert a line of " + std::to_string(longLine.size()) + " bytes of " +
                       Escaped(pattern) + " before line " + std::to_string(line);
                return JoinLines(lines);
            }
            case 11: {
                const std::string lineEnd =
                    PickOne(random_, std::vector<std::string>{"\n", "\r", "\n\r", "\r\r\n", ""});
                std::string changed;
                for (const auto& line : lines) {
                    changed += line.substr(0, line.find_first_of("\r\n")) + lineEnd;
                }
                log += "; every line end := " + Escaped(lineEnd);
                return changed;
            }
            case 12: {
                const int line = pickLine(lines);
                const int length = Pick(random_, 0, 2000);
                lines.resize(static_cast<std::size_t>(line - 1));
                const std::string random = RandomBytes(random_, length);
                log += "; replace from line " + std::to_string(line) + " by " +
                       std::to_string(length) + " random bytes " + Escaped(random);
                return JoinLines(lines) + random;
            }
            default: {
                const int at = Pick(random_, 0, static_cast<int>(bytes.size()) - 1);
                const int length = Pick(random_, 1, 40);
                log +=
                    "; delete " + std::to_string(length) + " bytes at byte " + std::to_string(at);
                return bytes.erase(static_cast<std::size_t>(at), static_cast<std::size_t>(length));
            }
        }
    }

    std::mt19937& random_;
    std::vector<int> headerLines_;
};

// A sample file with the lines whose fields its reader uses, and among them the fields (line,
// field from 0) that hold the unit, conversion parameters, wavelengths, step and count.
struct Sample {
    std::string file;
    std::vector<int> headerLines;
    std::vector<std::pair<int, int>> headerFields;
};

const std::vector<int> Cd6Lines = {1, 22, 105, 108, 118, 119, 120, 121, 156, 157, 158};
const std::vector<std::pair<int, int>> Cd6Fields = {{22, 0},  {105, 0}, {108, 0},
                                                    {118, 0}, {119, 0}, {120, 0}};
const Sample LysoCd6{"LYSO.ASC", Cd6Lines, Cd6Fields};
const Sample MyoglobinCd6{"MYOG_DA.ASC", Cd6Lines, Cd6Fields};
const Sample ConcanavalinCd6{"CONA_TH.ASC", Cd6Lines, {}};
const Sample AlbuminCd6{"HSA_DE.ASC", Cd6Lines, {}};
const Sample UbiquitinCdmax{"UBIQ.ASC",
                            {1, 2, 10, 14, 15, 17, 18, 20, 21, 22},
                            {{10, 1}, {10, 2}, {15, 0}, {15, 1}, {15, 2}, {15, 3}, {18, 0}}};
const Sample CytochromeJcd{"CYTC.JCD",
                           {4, 5, 9, 14, 15, 16, 23, 24, 25},
                           {{4, 1}, {5, 1}, {14, 1}, {15, 1}, {16, 1}, {24, 0}, {24, 1}}};
const Sample RibonucleaseJasco{"RIBA_JASCO.txt", {3, 10, 11, 14, 18, 19, 20, 85, 86}, {}};
const Sample OvalbuminJasco{"OVAL_JASCO.csv", {10, 14, 18, 19, 20, 85, 86, 87}, {}};
const Sample InsulinChirascan{"INS_CHIRASCAN.csv", {1, 2, 6, 9, 10, 11, 140, 141, 145}, {}};
const Sample TpiAviv{"TPI_AVIV.dat", {1, 6, 7, 8, 9, 10, 75, 76, 77, 78}, {}};
const Sample SodPcddb{"SOD.gen", {1, 3, 4, 7, 8, 9}, {}};
const Sample CatalasePcddb{"CAT.pcd", {3, 4, 5, 7, 8, 9, 10}, {}};
const Sample ChymotrypsinPlain{"CHYM_PLAIN.csv", {1, 2, 3, 40}, {}};
const Sample PyruvateKinasePlain{"PK_PLAIN.txt", {1, 3, 4, 5}, {}};
const Sample LysoTvr{"LYSO.TVR", {1, 2, 3, 4, 5}, {{2, 0}, {2, 1}, {3, 0}, {3, 1}, {68, 0}}};

// Extensions a file may be given instead of its own.
const std::vector<std::string> OtherExtensions = {"asc", "jcd", "tvr", "Tvr", "ASC",
                                                  "JCD", "TVR", "DAT", "AS",  ""};

// Answers to the conversion dialog: parameters that make sense and parameters that do not.
const std::vector<std::pair<std::string, std::string>> DialogEntries = {
    {"0.0005", "0.1"},  {" .0005", " .1"}, {"1e-300", "1e-300"}, {"1e-300", "1"},
    {"0", "0.1"},       {"0.0005", "0"},   {"-1", "-1"},         {"-1", "0.1"},
    {"1e308", "1e308"}, {"1e999", "1"},    {"abc", ""},          {"1E+15", "1e-15"}};

// The test ---------------------------------------------------------------------------------------

// The column readers name the file (and the line) before what is wrong.
bool IsColumnReaderMessage(const std::string& text, const std::string& path) {
    const std::string name = path.substr(path.find_last_of("/\\") + 1);
    return text.starts_with(name + ": ") || text.starts_with(name + ", line ");
}

bool IsReaderMessage(const std::string& text) {
    static const std::vector<std::string> messages = {
        "Unrecognized unity, please convert your data as TVR files",
        "You must convert your data into mean molecular ellipticity",
        "Too much data",
        "Error  5 in format",
        "Error  6 in format",
        "Error  9 in format",
        "Error  53 in format",
        "Error  62 in format",
        "Error  75 in format",
    };
    return std::find(messages.begin(), messages.end(), text) != messages.end() ||
           text.starts_with(
               "Please convert your data in Molar ellipticity Deg.M-1.cm-1 with CDmax");
}

class ReaderFuzzTest : public testing_support::LoadFixture {
  protected:
    static constexpr int MaxReportedCases = 10;

    std::string sampleBytes(const std::string& file) {
        const std::string bytes = ReadBytes(SamplesFolder / file);
        EXPECT_FALSE(bytes.empty()) << file;
        return bytes;
    }

    // The file name of a case: the sample's extension mostly, now and then another one.
    std::string caseName(const std::string& sample) {
        std::string extension = sample.substr(sample.rfind('.') + 1);
        if (Chance(random, 10)) {
            extension = PickOne(random, OtherExtensions);
        }
        return extension.empty() ? "FUZZ" : "FUZZ." + extension;
    }

    // Up to three presses of the conversion dialog; when they run out the user closes it.
    std::string scriptDialog() {
        dialogs.unitPresses.clear();
        std::string log;
        const int presses = Pick(random, 0, 3);
        for (int p = 0; p < presses; ++p) {
            if (Chance(random, 25)) {
                dialogs.unitPresses.push_back(FakeDialogs::Cancel());
                log += " Cancel";
            } else if (Chance(random, 15)) {
                dialogs.unitPresses.push_back([](UnitDialogModel& model) {
                    model.valid(model.initialConcentrationText(), model.initialCellWidthText());
                });
                log += " Valid(as offered)";
            } else {
                const auto& [concentration, cellWidth] = PickOne(random, DialogEntries);
                dialogs.unitPresses.push_back(FakeDialogs::Valid(concentration, cellWidth));
                log += " Valid(" + Escaped(concentration) + ", " + Escaped(cellWidth) + ")";
            }
        }
        return log.empty() ? " (closed)" : log;
    }

    // One or two presses of the conversion dialog of today's kinds, every box typed, so that
    // what happens does not hang on what earlier loads left in the boxes.
    std::string scriptConversionDialog() {
        dialogs.conversionPresses.clear();
        std::string log;
        const int presses = Pick(random, 0, 2);
        for (int p = 0; p < presses; ++p) {
            const auto& [concentration, path] = PickOne(random, DialogEntries);
            const int unit = Pick(random, -1, 5);
            dialogs.conversionPresses.push_back([=](ConversionDialogModel& model) {
                ConversionDialogModel::Entries entries;
                entries.unit = unit < 0 ? model.unit() : std::optional(static_cast<CdUnit>(unit));
                entries.pathCm = path;
                entries.residueMolar = concentration;
                entries.residues = "129";
                model.valid(entries);
            });
            log += " Convert(" + std::to_string(unit) + ", " + Escaped(concentration) + ", " +
                   Escaped(path) + ")";
        }
        return log;
    }

    // Loads bytes as name into the next slot, as the Open command does, and checks what the user
    // is left with. description tells how the bytes were made.
    void loadAndCheck(const std::string& name, const std::string& bytes,
                      const std::string& description) {
        ++caseNumber;
        const std::string dialogLog = scriptDialog() + scriptConversionDialog();
        const auto presses = dialogs.unitPresses;
        conversionPresses = dialogs.conversionPresses;
        if (store->SpectrumCount >= store::MaxSlots - 1) {
            store->SpectrumCount = 0;
        }
        const int before = store->SpectrumCount;
        messages.shown.clear();
        dialogs.openings.clear();
        dialogs.conversionHeadings.clear();
        listener.stored.clear();

        std::string problem;
        bool loaded = false;
        try {
            loaded = load(name, bytes);
        } catch (const std::exception& error) {
            problem = std::string("exception escaped: ") + error.what();
            store->SpectrumCount = static_cast<store::Int16>(before);
        } catch (...) {
            problem = "unknown exception escaped";
            store->SpectrumCount = static_cast<store::Int16>(before);
        }
        if (problem.empty()) {
            problem = loaded ? checkLoaded(before + 1) : checkRefused(before);
        }
        if (problem.empty()) {
            problem = compareWithFreshStore(presses, loaded);
        }
        // Files are made anew rather than emptied and written again, which some file systems
        // flush to disk each time.
        std::filesystem::remove(folder.path() / name);
        std::filesystem::remove(folder.path() / "CD.TMP");
        if (!problem.empty()) {
            report(name, before + 1, bytes, description + "; dialog:" + dialogLog, problem);
        }
    }

    std::string checkLoaded(int slot) {
        std::string problem;
        if (store->SpectrumCount != slot) {
            problem += " SpectrumCount " + std::to_string(store->SpectrumCount) +
                       " after loading into slot " + std::to_string(slot) + ";";
        }
        if (store->PointCount < 1 || store->PointCount > store::MaxPoints) {
            problem += " PointCount " + std::to_string(store->PointCount) + ";";
        }
        if (store->SpectrumLoaded != 1) {
            problem += " SpectrumLoaded " + std::to_string(store->SpectrumLoaded) + ";";
        }
        // The one message a successful load may give: the HT cut-off notice.
        for (const auto& message : messages.shown) {
            if (message.icon != platform::MessageIcon::Information ||
                !IsColumnReaderMessage(message.text, store->SpectrumFileName)) {
                problem += " loaded but showed " + Escaped(message.text, 200) + ";";
            }
        }
        return problem.empty() ? "" : "loaded:" + problem;
    }

    std::string checkRefused(int before) {
        std::string problem;
        if (store->SpectrumCount != before) {
            problem += " SpectrumCount " + std::to_string(store->SpectrumCount) + ", was " +
                       std::to_string(before) + ";";
        }
        for (const auto& message : messages.shown) {
            if (!IsReaderMessage(message.text) &&
                !IsColumnReaderMessage(message.text, store->SpectrumFileName)) {
                problem += " unexpected message " + Escaped(message.text, 200) + ";";
            }
        }
        // Only a dialog the user cancelled ends a load without a word.
        const bool dialogShown = !dialogs.openings.empty() || !dialogs.conversionHeadings.empty();
        if (messages.shown.empty() && (!dialogShown || store->DialogAccepted != 0)) {
            problem += " refused without a message;";
        }
        return problem.empty() ? "" : "refused:" + problem;
    }

    // What a load shows depends on the file and the user's answers, not on what was loaded
    // before: the same file and answers give the same outcome in a store that has seen nothing.
    std::string compareWithFreshStore(const std::deque<FakeDialogs::UnitPress>& presses,
                                      bool loaded) {
        if (!pristine) {
            auto started = std::make_unique<store::SpectrumStore>();
            started->ProgramDir = store->ProgramDir;
            store::SetStartupTables(*started);
            pristine = std::move(started);
            fresh = std::make_unique<store::SpectrumStore>();
        }
        *fresh = *pristine;
        std::filesystem::remove(folder.path() / "CD.TMP");
        fresh->SpectrumFileName = store->SpectrumFileName;
        fresh->SpectrumCount = 1;
        testing_support::FakeMessages freshMessages;
        FakeDialogs freshDialogs;
        freshDialogs.unitPresses = presses;
        freshDialogs.conversionPresses = conversionPresses;
        testing_support::RecordingListener freshListener;
        LoadServices services{freshMessages, freshDialogs, freshListener};
        bool freshLoaded = false;
        try {
            freshLoaded = LoadSpectrum(*fresh, 1, services);
        } catch (...) {
            return "exception escaped the same load into a fresh store";
        }
        if (freshLoaded == loaded && freshMessages.texts() == messages.texts()) {
            return "";
        }
        return std::string(loaded ? "loaded" : "refused") + " with " + Listed(messages.texts()) +
               ", but a fresh store " + (freshLoaded ? "loads" : "refuses") + " it with " +
               Listed(freshMessages.texts());
    }

    static std::string Listed(const std::vector<std::string>& texts) {
        std::string list = "messages {";
        for (const auto& text : texts) {
            list += " " + Escaped(text, 80);
        }
        return list + " }";
    }

    void report(const std::string& name, int slot, const std::string& bytes,
                const std::string& description, const std::string& problem) {
        ++failedCases;
        if (failedCases > MaxReportedCases) {
            return;
        }
        const auto kept =
            std::filesystem::path(testing::TempDir()) /
            ("tavrelion-fuzz-" + testName() + "-" + std::to_string(caseNumber) + "-" + name);
        std::ofstream(kept, std::ios::binary) << bytes;
        ADD_FAILURE() << "case " << caseNumber << ", " << name << " into slot " << slot << ": "
                      << problem << "\n  made by: " << description << "\n  bytes kept in "
                      << kept.string();
    }

    static std::string testName() {
        return testing::UnitTest::GetInstance()->current_test_info()->name();
    }

    // Mutated copies of each sample, loaded one after the other into the same store, then every
    // header field of each sample set to each of the numbers.
    void fuzzSamples(const std::vector<Sample>& samples, int casesPerSample) {
        std::vector<std::string> originals;
        for (const auto& sample : samples) {
            originals.push_back(sampleBytes(sample.file));
        }
        for (int c = 0; c < casesPerSample; ++c) {
            for (std::size_t s = 0; s < samples.size(); ++s) {
                Mutator mutator(random, samples[s].headerLines);
                std::string log = samples[s].file;
                const std::string bytes = mutator.mutate(originals[s], log);
                const std::string name = caseName(samples[s].file);
                loadAndCheck(name, bytes, log + "; saved as " + name);
            }
        }
        for (std::size_t s = 0; s < samples.size(); ++s) {
            const std::vector<std::string> lines = SplitLines(originals[s]);
            for (const auto& [line, field] : samples[s].headerFields) {
                for (const auto& number : Numbers) {
                    auto changed = lines;
                    auto& text = changed[static_cast<std::size_t>(line - 1)];
                    text = ReplaceField(text, field, number);
                    loadAndCheck("FIELD" + samples[s].file, JoinLines(changed),
                                 samples[s].file + "; field " + std::to_string(field) +
                                     " of line " + std::to_string(line) + " := " + Escaped(number));
                }
            }
        }
        EXPECT_EQ(failedCases, 0) << "of " << caseNumber << " cases";
    }

    std::deque<FakeDialogs::ConversionPress> conversionPresses;
    std::unique_ptr<const store::SpectrumStore> pristine;  // as the program starts
    std::unique_ptr<store::SpectrumStore> fresh;
    std::mt19937 random;  // seeded by each test
    int caseNumber = 0;
    int failedCases = 0;
};

TEST_F(ReaderFuzzTest, DamagedCd6ExportsLoadOrAreRefusedWithAReason) {
    random.seed(6);
    fuzzSamples({LysoCd6, MyoglobinCd6, ConcanavalinCd6, AlbuminCd6}, 750);
}

TEST_F(ReaderFuzzTest, DamagedCdmaxExportsLoadOrAreRefusedWithAReason) {
    random.seed(144);
    fuzzSamples({UbiquitinCdmax}, 3000);
}

TEST_F(ReaderFuzzTest, DamagedJcdFilesLoadOrAreRefusedWithAReason) {
    random.seed(23);
    fuzzSamples({CytochromeJcd}, 3000);
}

TEST_F(ReaderFuzzTest, DamagedTvrFilesLoadOrAreRefusedWithAReason) {
    random.seed(2000);
    fuzzSamples({LysoTvr}, 3000);
}

TEST_F(ReaderFuzzTest, DamagedExportsOfTodaysInstrumentsLoadOrAreRefusedWithAReason) {
    random.seed(1500);
    fuzzSamples({RibonucleaseJasco, OvalbuminJasco, InsulinChirascan, TpiAviv, SodPcddb,
                 CatalasePcddb, ChymotrypsinPlain, PyruvateKinasePlain},
                300);
}

TEST_F(ReaderFuzzTest, SamplesCutAnywhereLoadOrAreRefusedWithAReason) {
    random.seed(62);
    const std::vector<std::string> files = {"LYSO.ASC",          "MYOG_DA.ASC",    "CONA_TH.ASC",
                                            "HSA_DE.ASC",        "UBIQ.ASC",       "CYTC.JCD",
                                            "LYSO.TVR",          "RIBA_JASCO.txt", "TPI_AVIV.dat",
                                            "INS_CHIRASCAN.csv", "SOD.gen",        "PK_PLAIN.txt"};
    for (const auto& file : files) {
        const std::string bytes = sampleBytes(file);
        std::vector<std::size_t> cuts;
        // Around every line end, where a reader meets the end of the file between two reads ...
        for (std::size_t at = bytes.find('\n'); at != std::string::npos;
             at = bytes.find('\n', at + 1)) {
            if (at > 0) {
                cuts.push_back(at - 1);
            }
            cuts.insert(cuts.end(), {at, at + 1});
        }
        // ... and in the middle of lines.
        for (std::size_t at = 0; at < bytes.size();
             at += static_cast<std::size_t>(Pick(random, 1, 25))) {
            cuts.push_back(at);
        }
        for (const std::size_t at : cuts) {
            if (at <= bytes.size()) {
                const std::string name = caseName(file);
                loadAndCheck(
                    name, bytes.substr(0, at),
                    file + "; truncate to " + std::to_string(at) + " bytes; saved as " + name);
            }
        }
    }
    EXPECT_EQ(failedCases, 0) << "of " << caseNumber << " cases";
}

TEST_F(ReaderFuzzTest, RandomBytesAreRefusedWithAReasonOrLoad) {
    random.seed(1999);
    // Each file starts like one of the kinds now and then, so that the readers go further in.
    const std::vector<std::string> openings = {"",
                                               "CD6 export\r\n",
                                               "x\r\nRUBISDATA2\r\n",
                                               "Data mode\tMol. Ellip.\r\n",
                                               "t\r\n5,u\r\n",
                                               "t\r\n2\r\n",
                                               "ProDataCSV\r\nCircularDichroism\r\n",
                                               "ORIGIN\tJASCO\r\nXYDATA\r\n",
                                               "$DATA\r\n$MDCDATA:\r\nX CD_Signal\r\n",
                                               "Generic\tCD\r\n",
                                               "190,1\r\n191,2\r\n"};
    const std::vector<std::string> extensions = {"ASC", "JCD", "TVR", "asc", "jcd",
                                                 "tvr", "TXT", "csv", "dat", "pcd"};
    for (int c = 0; c < 4000; ++c) {
        const std::string name = "RANDOM." + PickOne(random, extensions);
        const std::string opening = PickOne(random, openings);
        const int length = Pick(random, 0, Chance(random, 90) ? 400 : 6000);
        const std::string bytes = opening + RandomBytes(random, length);
        loadAndCheck(name, bytes, "random file " + Escaped(bytes, 200) + " saved as " + name);
    }
    EXPECT_EQ(failedCases, 0) << "of " << caseNumber << " cases";
}

}  // namespace
}  // namespace tavrelion::spectrumio
