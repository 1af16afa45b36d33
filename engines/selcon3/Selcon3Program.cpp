#include "selcon3/Selcon3Program.h"

#include <algorithm>
#include <ostream>

#include "common/DataLimits.h"
#include "selcon3/ReportFile.h"
#include "selcon3/Selcon3Input.h"
#include "selcon3/Selcon3Report.h"

namespace tavrelion::engines::selcon {
namespace {

constexpr int InputUnreadable = 2;
constexpr int ReportUnwritable = 3;

int Fail(const ProgramFolders& folders, const std::string& reason, std::ostream& err) {
    err << "selcon3: " << reason << "\n";
    if (!WriteReportFile(folders.work / Selcon3ReportFileName,
                         Selcon3FailureReport(reason, folders.referenceSet)))
        return ReportUnwritable;
    return InputUnreadable;
}

}  // namespace

int RunSelcon3(const ProgramFolders& folders, const std::string& leaveOut, std::ostream& err) {
    const std::filesystem::path& folder = folders.work;
    Selcon3Input input;
    ReferenceSet references;
    try {
        input = ReadSelcon3Input(folder / Selcon3InputFileName);
        references = LoadReferenceSet(folders.referenceFile());
    } catch (const std::exception& error) {
        return Fail(folders, std::string("cannot read the input: ") + error.what() + ".", err);
    }
    if (!leaveOut.empty()) {
        const int index = ProteinIndex(references, leaveOut);
        if (index < 0)
            return Fail(folders,
                        "the protein " + leaveOut + " to leave out is not in the references.", err);
        references = references.without(index);
    }
    const SelconOptions options = DefaultOptions();
    const Estimate estimate = EstimateStructure(references, input.spectrum, options);
    const Selcon3Context context{input.sample, input.spectrum.highestWavelength,
                                 input.spectrum.lowestWavelength, leaveOut};
    const std::vector<std::string> report = Selcon3Report(references, context, estimate, options);
    if (std::any_of(report.begin(), report.end(),
                    [](const std::string& line) { return PrintsNonFinite(line); }))
        return Fail(folders, std::string(NonFiniteResult) + ".", err);
    if (!WriteReportFile(folder / Selcon3ReportFileName, report)) {
        err << "selcon3: cannot write " << Selcon3ReportFileName << "\n";
        return ReportUnwritable;
    }
    return 0;
}

}  // namespace tavrelion::engines::selcon
