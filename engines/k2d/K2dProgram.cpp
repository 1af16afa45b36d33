#include "k2d/K2dProgram.h"

#include <fstream>
#include <optional>
#include <stdexcept>

#include "common/DataLimits.h"
#include "common/FitQuality.h"
#include "common/ReferenceSet.h"
#include "k2d/K2dReport.h"
#include "k2d/MapTraining.h"
#include "k2d/SpectrumInput.h"
#include "k2d/WeightsFile.h"

namespace tavrelion::engines::k2d {
namespace {

bool WriteReport(const std::filesystem::path& folder, const std::string& report,
                 std::ostream& errors) {
    // A new file rather than a truncated one: ext4 flushes a truncated-and-rewritten file to disk
    // on close, which costs milliseconds.
    std::error_code ignored;
    std::filesystem::remove(folder / ReportFileName, ignored);
    std::ofstream out(folder / ReportFileName, std::ios::binary);
    out << report;
    out.close();
    if (!out) {
        errors << "K2D: cannot write " << ReportFileName << '\n';
        return false;
    }
    return true;
}

// Explains a broken input in the report and on errors; always a failed run.
int Refuse(const std::filesystem::path& folder, const std::string& reason, std::ostream& errors) {
    errors << "K2D: " << reason << '\n';
    WriteReport(folder, NoEstimateReport(reason), errors);
    return 1;
}

std::string WrongCountReason(Eigen::Index count) {
    return "K2D needs the 41 values from 200 to 240 nm and GD.DAT holds " + std::to_string(count) +
           (count == 1 ? " value" : " values") +
           ". The spectrum must cover the whole range from 200 to 240 nm at 1-nm steps; a "
           "spectrum that starts above 200 nm or ends below 240 nm cannot be analysed.";
}

}  // namespace

InputCheck CheckInput(const ReferenceSet& set, const KohonenMap& map,
                      const Eigen::VectorXd& values) {
    InputCheck check;
    try {
        const Eigen::MatrixXd inputs = MapInputs(set);
        for (Eigen::Index p = 0; p < inputs.cols(); ++p)
            check.referenceDistances.push_back(EstimateStructure(map, inputs.col(p)).distance);
        // GD.DAT runs from 200 nm up; the check wants delta epsilon from the highest down.
        const Eigen::VectorXd spectrum = values.reverse() / InputPerDeltaEpsilon;
        check.flag = SpectrumFlag(set, LastWavelength, spectrum);
        check.nearDuplicate = NearDuplicateLine(set, LastWavelength, spectrum);
    } catch (const std::runtime_error&) {
    }
    return check;
}

int RunK2d(const ProgramFolders& folders, std::ostream& errors) {
    const std::filesystem::path& folder = folders.work;
    const SpectrumInput input = ReadSpectrumInput(folder / SpectrumFileName);
    if (input.status != SpectrumInput::Status::Read) {
        return Refuse(folder, input.problem, errors);
    }
    if (input.values.size() != InputCount) {
        return WriteReport(folder, NoEstimateReport(WrongCountReason(input.values.size())), errors)
                   ? 0
                   : 1;
    }
    KohonenMap map;
    try {
        map = ReadWeightsFile(folders.trainedData() / WeightsFileName);
    } catch (const std::runtime_error& error) {
        return Refuse(folder, std::string("the trained map cannot be read: ") + error.what(),
                      errors);
    }
    const MapEstimate estimate = EstimateStructure(map, input.values);
    // The reference spectra beside the map give the input check and the yardstick; without them
    // the report goes without both.
    InputCheck check;
    try {
        check = CheckInput(LoadReferenceSet(folders.referenceFile()), map, input.values);
    } catch (const std::runtime_error&) {
    }
    const std::string report = EstimateReport(map, estimate, check);
    if (PrintsNonFinite(report)) {
        return Refuse(folder, NonFiniteResult, errors);
    }
    return WriteReport(folder, report, errors) ? 0 : 1;
}

}  // namespace tavrelion::engines::k2d
