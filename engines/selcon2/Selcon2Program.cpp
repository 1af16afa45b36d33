#include "selcon2/Selcon2Program.h"

#include <algorithm>
#include <ostream>

#include "common/DataLimits.h"
#include "selcon2/Selcon2Report.h"
#include "selcon2/StructureData.h"
#include "selcon3/ReportFile.h"

namespace tavrelion::engines::selcon {
namespace {

constexpr int InputUnreadable = 2;
constexpr int ReportUnwritable = 3;

int Fail(const ProgramFolders& folders, const std::string& reason, std::ostream& err) {
    err << "selcon2: " << reason << "\n";
    if (!WriteReportFile(folders.work / Selcon2ReportFileName,
                         Selcon2FailureReport(reason, folders.referenceSet)))
        return ReportUnwritable;
    return InputUnreadable;
}

}  // namespace

SelconOptions Selcon2Options(const Selcon2Input& input) {
    SelconOptions options = DefaultOptions();
    options.method.maxIterations = input.iterations;
    options.method.convergence = input.convergence;
    options.rules.sumTolerance = input.totalTolerance;
    options.rules.sumWidth = 0.0;
    options.rules.allowRelaxation = false;
    options.rules.useRefitRule = false;
    options.rules.useHelixRule = false;
    return options;
}

int RunSelcon2(const ProgramFolders& folders, const std::string& leaveOut, std::ostream& err) {
    const std::filesystem::path& folder = folders.work;
    Selcon2Input input;
    StructureData structure;
    ReferenceSet references;
    try {
        input = ReadSelcon2Input(folder / Selcon2InputFileName);
        structure = ReadStructureData(folder / StructureDataFileNameInFolder);
        references = MatchReferences(LoadReferenceSet(folders.referenceFile()), structure);
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
    const SelconOptions options = Selcon2Options(input);
    const Estimate estimate = EstimateStructure(references, input.spectrum, options);
    const Selcon2Context context{&input, &structure, leaveOut};
    const std::vector<std::string> report = Selcon2Report(references, context, estimate, options);
    if (std::any_of(report.begin(), report.end(),
                    [](const std::string& line) { return PrintsNonFinite(line); }))
        return Fail(folders, std::string(NonFiniteResult) + ".", err);
    if (!WriteReportFile(folder / Selcon2ReportFileName, report)) {
        err << "selcon2: cannot write " << Selcon2ReportFileName << "\n";
        return ReportUnwritable;
    }
    return 0;
}

}  // namespace tavrelion::engines::selcon
