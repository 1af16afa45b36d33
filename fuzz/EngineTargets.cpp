#include <sstream>
#include <string>

#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "common/DataLimits.h"
#include "common/ReferenceSet.h"
#include "contin/ContinProgram.h"
#include "drivers/ContinInput.h"
#include "drivers/K2dInput.h"
#include "drivers/SelconInput.h"
#include "drivers/VarselecInput.h"
#include "k2d/K2dProgram.h"
#include "k2d/WeightsFile.h"
#include "selcon2/Selcon2Program.h"
#include "selcon2/StructureData.h"
#include "selcon3/Selcon3Program.h"
#include "store/SpectrumStore.h"
#include "varselec/BasisFile.h"
#include "varselec/ExchangeText.h"
#include "varselec/VarselecRun.h"

namespace tavrelion::fuzz {
namespace {

namespace fs = std::filesystem;

// A lysozyme-like spectrum from 190 to 240 nm: a helix band at 208 and 222 nm, a maximum at
// 192 nm (deg.cm2/dmol).
const store::SpectrumStore& SampleSpectrum() {
    static const auto spectrum = [] {
        auto store = std::make_unique<store::SpectrumStore>();
        store->FirstWavelength = 190;
        store->LastWavelength = 240;
        store->PointCount = 51;
        store->SpectrumFileName = "LYSO.ASC";
        for (int i = 1; i <= store->PointCount; ++i) {
            const int w = 189 + i;
            store->SpectrumWavelength(i) = static_cast<store::Int16>(w);
            store->SpectrumValue(i) = w < 200 ? 25000.0 - 4000.0 * (w - 190)
                                              : -12000.0 + 100.0 * (w - 222) * (w - 222) / 4.0;
        }
        return store;
    }();
    return *spectrum;
}

// The folder an analysis program runs in, with its data files and every exchange file the main
// program writes for the sample spectrum.
const fs::path& EngineFolder() {
    static const fs::path folder = [] {
        CopyDataFile("SP175.REF");
        CopyDataFile("weights.dat");
        CopyDataFile("s.ori");
        fs::copy_file(fs::path(TAVRELION_SOURCE_DIR) / "data" / "ssdata.ks",
                      WorkFolder() / "ssdata", fs::copy_options::overwrite_existing);
        const store::SpectrumStore& spectrum = SampleSpectrum();
        drivers::WriteK2dInput(spectrum, WorkFolder());
        drivers::WriteContinInput(spectrum, WorkFolder());
        drivers::WriteSelcon3Input(spectrum, WorkFolder());
        drivers::SelconSettings settings;
        drivers::WriteSelcon2Input(spectrum, settings, WorkFolder());
        drivers::WriteVarselecBasis(spectrum, WorkFolder(), WorkFolder());
        drivers::VarselecChoice choice;
        for (int p = 1; p <= 12; ++p) {
            choice.SelectedIndex.push_back(static_cast<store::Int16>(p));
        }
        drivers::WriteVarselecInput(spectrum, choice, WorkFolder());
        return WorkFolder();
    }();
    return folder;
}

// Keeps the exchange file a target changes, and puts it back afterwards.
class ReplacedFile {
  public:
    ReplacedFile(const char* name, std::string_view bytes)
        : file_(EngineFolder() / name), original_(ReadFile(file_)) {
        WriteFile(file_, bytes);
    }
    ~ReplacedFile() { WriteFile(file_, original_); }

  private:
    fs::path file_;
    std::string original_;
};

Outcome Finished(int exitCode, const char* report, const std::ostringstream& errors) {
    if (engines::PrintsNonFinite(ReadFile(EngineFolder() / report))) {
        Broken(std::string(report) + " prints a number that is not finite");
    }
    if (engines::PrintsNonFinite(errors.str())) {
        Broken("a message prints a number that is not finite: " + errors.str());
    }
    return exitCode == 0 ? Outcome::Accepted : Outcome::Refused;
}

Outcome RunSelcon3() {
    std::ostringstream errors;
    return Finished(engines::selcon::RunSelcon3(EngineFolder(), "", errors), "protein.ssc", errors);
}

Outcome RunSelcon2() {
    std::ostringstream errors;
    return Finished(engines::selcon::RunSelcon2(EngineFolder(), "", errors), "output", errors);
}

Outcome RunK2d() {
    std::ostringstream errors;
    return Finished(engines::k2d::RunK2d(EngineFolder(), errors), "TAUX.TXT", errors);
}

// Each accepted reference protein has fractions within 0..1 summing to 1, and a spectrum within
// what a protein can give.
void CheckReferences(const engines::ReferenceSet& set) {
    for (int p = 0; p < set.proteinCount(); ++p) {
        if (!engines::FractionsProblem(&set.fractions(0, p), 4).empty() ||
            !(set.spectra.col(p).cwiseAbs().maxCoeff() <= engines::LargestDeltaEpsilon)) {
            Broken("an accepted reference file holds a protein no data can give");
        }
    }
}

}  // namespace

Outcome FuzzReferenceFile(std::string_view bytes) {
    ReplacedFile file("SP175.REF", bytes);
    bool loaded = true;
    try {
        CheckReferences(engines::LoadReferenceSet(EngineFolder() / "SP175.REF"));
    } catch (const std::runtime_error&) {
        loaded = false;
    }
    const Outcome run = RunSelcon3();
    if (!loaded && run == Outcome::Accepted) {
        Broken("SELCON3 gave an estimate on a reference file that does not load");
    }
    return run;
}

Outcome FuzzWeightsFile(std::string_view bytes) {
    ReplacedFile file("weights.dat", bytes);
    return RunK2d();
}

Outcome FuzzBasisFile(std::string_view bytes) {
    const fs::path file = WorkFolder() / "basis.ori";
    WriteFile(file, bytes);
    try {
        const auto basis =
            engines::varselec::ParseBasis(engines::varselec::ReadTextLines(file), 33, 178, "s.ori");
        for (const auto& protein : basis.proteins) {
            if (!engines::FractionsProblem(protein.fractions.data(), 4).empty()) {
                Broken("an accepted basis holds fractions no protein has");
            }
        }
    } catch (const std::runtime_error&) {
        return Outcome::Refused;
    }
    return Outcome::Accepted;
}

Outcome FuzzStructureData(std::string_view bytes) {
    ReplacedFile file("ssdata", bytes);
    return RunSelcon2();
}

Outcome FuzzK2dInput(std::string_view bytes) {
    ReplacedFile file("GD.DAT", bytes);
    return RunK2d();
}

Outcome FuzzSelcon2Input(std::string_view bytes) {
    ReplacedFile file("test.dat", bytes);
    return RunSelcon2();
}

Outcome FuzzSelcon3Input(std::string_view bytes) {
    ReplacedFile file("INPUT", bytes);
    return RunSelcon3();
}

Outcome FuzzContinInput(std::string_view bytes) {
    ReplacedFile file("CONTIN.IN", bytes);
    std::ostringstream errors;
    return Finished(engines::contin::RunContinProgram(EngineFolder(), {}, errors), "CONTIN.CNT",
                    errors);
}

Outcome FuzzVarselecSpectrum(std::string_view bytes) {
    ReplacedFile file("b.dta", bytes);
    std::ostringstream errors;
    return Finished(engines::varselec::RunVarselec(EngineFolder(), errors), "COMB2.OP", errors);
}

}  // namespace tavrelion::fuzz
