#include <cmath>
#include <fstream>
#include <sstream>

#include "spectrumio/ColumnGrid.h"
#include "spectrumio/ColumnReaders.h"
#include "spectrumio/ConversionDialogModel.h"
#include "spectrumio/FileKindReaders.h"
#include "spectrumio/UnitConversion.h"
#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextRoutines.h"

namespace tavrelion::spectrumio {
namespace {

std::string WholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw store::BasicError(store::FileNotFound);
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

double Given(double option, double stated, double remembered) {
    return option > 0 ? option : stated > 0 ? stated : remembered;
}

// Options first, then the file's header, then what the user typed last.
ConversionParameters Offered(const ConversionParameters& stated, const ConversionChoices& choices,
                             const store::SpectrumStore& store) {
    const ConversionParameters& given = choices.given;
    ConversionParameters remembered = choices.remembered;
    remembered.pathCm = remembered.pathCm > 0 ? remembered.pathCm : store.CellWidth;
    // The last residue molar concentration of any file, unless a mass concentration was used.
    if (remembered.residueMolar <= 0 && remembered.mgPerMl <= 0) {
        remembered.residueMolar = store.ResidueConcentration;
    }
    ConversionParameters offered;
    offered.pathCm = Given(given.pathCm, stated.pathCm, remembered.pathCm);
    offered.residueMolar = Given(given.residueMolar, stated.residueMolar, remembered.residueMolar);
    offered.mgPerMl = Given(given.mgPerMl, stated.mgPerMl, remembered.mgPerMl);
    offered.meanResidueWeight =
        Given(given.meanResidueWeight, stated.meanResidueWeight, remembered.meanResidueWeight);
    offered.molecularWeight =
        Given(given.molecularWeight, stated.molecularWeight, remembered.molecularWeight);
    offered.residues = Given(given.residues, stated.residues, remembered.residues);
    if (given.residueMolar > 0 && given.mgPerMl <= 0) {
        offered.mgPerMl = 0;  // a residue molar concentration given as an option is the one used
    }
    return offered;
}

std::string Nanometres(double wavelength) {
    return store::GeneralForm(wavelength).substr(1) + " nm";
}

std::string HtCutNotice(const GridReady& ready, double htMax) {
    return "HT above " + store::GeneralForm(htMax).substr(1) +
           " V at the short wavelengths: " + std::to_string(ready.htCutPoints) +
           " point(s) left out, the spectrum starts at " + Nanometres(ready.htCutWavelength) + ".";
}

void StoreOnGrid(store::SpectrumStore& store, int slot, const GridReady& ready,
                 const std::vector<double>& converted, LoadProgress& progress) {
    const int count = static_cast<int>(converted.size());
    store.DataUnit = store::UnitMolarEllipticity;  // converted already
    store.RawValue.fill(0.0);
    for (int i = 1; i <= count; ++i) {
        store.RawValue(i) = converted[static_cast<std::size_t>(i - 1)];
    }
    store.RawPointCount = store::CheckedInt16(count);
    progress.pointCountRead = true;
    store.WavelengthStep = ready.step;
    store.FirstWavelength = store::RoundToInt16(ready.wavelength.front());
    const double span = ready.wavelength.back() - ready.wavelength.front();
    store.LastWavelength = store::CheckedInt16(store.FirstWavelength + std::floor(span + 1e-6));
    store.PointCount = store::CheckedInt16(store.LastWavelength - store.FirstWavelength + 1);
    BuildGrid(store, slot, progress);
    store.SlotRawCount(slot) = store.RawPointCount;  // every value of the file is shown
}

}  // namespace

ReadOutcome ReadColumnFile(store::SpectrumStore& store, int slot, LoadServices& services,
                           LoadProgress& progress) {
    const std::string name = store::FileNameOf(store.SpectrumFileName);
    const std::string text = WholeFile(store.SpectrumFileName);
    const auto refuse = [&](const std::string& message) {
        services.messages.showMessage(message, platform::MessageIcon::Critical);
        --store.SpectrumCount;
        return ReadOutcome::LoadEnded;
    };
    const auto kind = RecogniseColumnKind(text, name);
    if (!kind) {
        return refuse(name + ": not a spectrum file of a kind the program reads. It reads " +
                      KindsReadText + ".");
    }
    ConversionChoices none;
    ConversionChoices& choices = services.conversion ? *services.conversion : none;
    ColumnSpectrum spectrum;
    GridReady ready;
    const double htMax = choices.htMax.value_or(0.0);
    try {
        spectrum = ReadColumnText(*kind, text);
        ready = PrepareForGrid(spectrum, choices.htMax ? htMax : spectrum.defaultHtMax);
    } catch (const ColumnFileProblem& problem) {
        const std::string where =
            problem.line() > 0 ? ", line " + std::to_string(problem.line()) : std::string();
        return refuse(name + where + ": " + problem.what() + " (read as " +
                      std::string(ColumnKindTitle(*kind)) + ").");
    }

    const std::optional<CdUnit> unit = choices.unit ? choices.unit : spectrum.unit;
    ConversionDialogModel dialog(name, spectrum.kind, choices.unit ? "" : spectrum.unitLabel, unit,
                                 Offered(spectrum.stated, choices, store));
    if (unit != CdUnit::MeanResidue) {
        services.dialogs.showConversionDialog(dialog);
        if (!dialog.accepted()) {
            store.DialogAccepted = 0;
            --store.SpectrumCount;
            return ReadOutcome::LoadEnded;
        }
        store.DialogAccepted = 1;
        choices.remembered = dialog.parameters();
        store.CellWidth = dialog.parameters().pathCm;
        store.ResidueConcentration = dialog.parameters().residueConcentration();
    }
    std::vector<double> converted;
    for (double value : ready.value) {
        converted.push_back(ToMeanResidue(value, *dialog.unit(), dialog.parameters()));
        if (!std::isfinite(converted.back())) {
            throw store::BasicError(store::Overflow);
        }
        // A wrong unit or concentration can make any row impossible, as a damaged file can.
        if (std::fabs(converted.back()) > LargestEllipticity) {
            throw store::BasicError(store::InvalidArgument,
                                    "The value" + store::GeneralForm(converted.back()) +
                                        " deg.cm2/dmol is beyond 10^7, more than any CD spectrum "
                                        "holds");
        }
    }
    StoreOnGrid(store, slot, ready, converted, progress);
    store.SpectrumLoaded = 1;
    services.listener.spectrumStored(CorrectionsMenu::Enable);
    if (ready.htCutPoints > 0) {
        progress.htCutWavelength = ready.htCutWavelength;
        progress.htCutNote = HtCutNotice(ready, choices.htMax ? htMax : spectrum.defaultHtMax);
        services.messages.showMessage(name + ": " + progress.htCutNote,
                                      platform::MessageIcon::Information);
    }
    return ReadOutcome::ReachedCommonEnding;
}

}  // namespace tavrelion::spectrumio
