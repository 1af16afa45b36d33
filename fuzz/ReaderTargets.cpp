#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "common/DataLimits.h"
#include "estimation/FitReport.h"
#include "estimation/LeastSquaresFit.h"
#include "estimation/ReferenceSets.h"
#include "spectrumio/ConversionDialogModel.h"
#include "spectrumio/LoadSpectrum.h"
#include "spectrumio/UnitDialogModel.h"

namespace tavrelion::fuzz {
namespace {

class RecordedMessages : public platform::MessageService {
  public:
    void showMessage(const std::string& text, platform::MessageIcon icon) override {
        shown.push_back(text);
        warnings += icon == platform::MessageIcon::Information ? 0 : 1;
    }
    bool askYesNo(const std::string&, bool) override { return false; }
    std::optional<std::string> askText(const std::string&, const std::string&) override {
        return "1";
    }
    std::vector<std::string> shown;
    int warnings = 0;  // messages beyond notices such as the HT cut
};

// The user answers the conversion dialog with a 1-mm cell and a 0.5 mM residue concentration.
class AnsweringDialogs : public spectrumio::DialogPresenter {
  public:
    void showUnitDialog(spectrumio::UnitDialogModel& model) override { model.valid(".0005", ".1"); }
    // Today's kinds: what the file states, else millidegrees, with the same cell and concentration.
    void showConversionDialog(spectrumio::ConversionDialogModel& model) override {
        spectrumio::ConversionDialogModel::Entries entries = model.initialEntries();
        if (!entries.unit) {
            entries.unit = spectrumio::CdUnit::Millidegrees;
        }
        entries.pathCm = ".1";
        entries.residueMolar = ".0005";
        entries.mgPerMl.clear();
        entries.molecularWeight.clear();
        model.valid(entries);
        if (!model.closed()) {
            model.cancel();
        }
    }
};

class IgnoredListener : public spectrumio::LoadListener {
  public:
    void spectrumStored(spectrumio::CorrectionsMenu) override {}
};

bool PlausibleValue(double value) {
    return std::fabs(value) <= 1e7;  // false for a value that is not finite
}

void CheckLoaded(const store::SpectrumStore& store, const RecordedMessages& messages) {
    if (messages.warnings > 0) {
        Broken("a loaded file showed \"" + messages.shown.front() + "\"");
    }
    if (store.PointCount < 1 || store.PointCount > store::MaxPoints) {
        Broken("a loaded spectrum of " + std::to_string(store.PointCount) + " points");
    }
    for (int i = 1; i <= store.PointCount; ++i) {
        if (!PlausibleValue(store.SpectrumValue(i))) {
            Broken("a loaded spectrum holds a value beyond any CD spectrum");
        }
    }
}

void CheckRefused(const store::SpectrumStore& store, const RecordedMessages& messages) {
    if (store.SpectrumCount != 0) {
        Broken("a refused file kept its slot");
    }
    if (messages.shown.empty()) {
        Broken("a file was refused without a message");
    }
    for (const auto& text : messages.shown) {
        if (engines::PrintsNonFinite(text)) {
            Broken("a message shows a number that is not finite: " + text);
        }
    }
}

// The lysozyme sample as the fit's spectrum.
const store::SpectrumStore& LysozymeSpectrum() {
    static const auto spectrum = [] {
        auto store = std::make_unique<store::SpectrumStore>();
        store::SetStartupTables(*store);
        store->ProgramDir = WorkFolder().string();
        store->SpectrumFileName = std::string(TAVRELION_SOURCE_DIR) + "/samples/LYSO.ASC";
        store->SpectrumCount = 1;
        RecordedMessages messages;
        AnsweringDialogs dialogs;
        IgnoredListener listener;
        spectrumio::LoadServices services{messages, dialogs, listener};
        if (!spectrumio::LoadSpectrum(*store, 1, services)) {
            Broken("the lysozyme sample does not load");
        }
        return store;
    }();
    return *spectrum;
}

Outcome LoadSpectrumFile(std::string_view bytes, const char* extension) {
    const auto file = WorkFolder() / (std::string("SPECTRUM.") + extension);
    WriteFile(file, bytes);
    auto store = std::make_unique<store::SpectrumStore>();
    store::SetStartupTables(*store);
    store->ProgramDir = WorkFolder().string();
    store->SpectrumFileName = file.string();
    store->SpectrumCount = 1;
    RecordedMessages messages;
    AnsweringDialogs dialogs;
    IgnoredListener listener;
    spectrumio::LoadServices services{messages, dialogs, listener};
    if (spectrumio::LoadSpectrum(*store, 1, services)) {
        CheckLoaded(*store, messages);
        return Outcome::Accepted;
    }
    CheckRefused(*store, messages);
    return Outcome::Refused;
}

}  // namespace

Outcome FuzzCd6(std::string_view bytes) {
    return LoadSpectrumFile(bytes, "ASC");
}

Outcome FuzzCdmax(std::string_view bytes) {
    return LoadSpectrumFile(bytes, "ASC");
}

Outcome FuzzJcd(std::string_view bytes) {
    return LoadSpectrumFile(bytes, "JCD");
}

Outcome FuzzTvr(std::string_view bytes) {
    return LoadSpectrumFile(bytes, "TVR");
}

Outcome FuzzColumns(std::string_view bytes) {
    return LoadSpectrumFile(bytes, "txt");
}

Outcome FuzzDataCd(std::string_view bytes) {
    WriteFile(WorkFolder() / "DATA.CD", bytes);
    auto sets = std::make_unique<estimation::ReferenceSets>();
    RecordedMessages messages;
    if (!estimation::LoadReferenceSets(WorkFolder().string(), *sets, messages)) {
        if (messages.shown.size() != 1) {
            Broken("a refused DATA.CD gave " + std::to_string(messages.shown.size()) + " messages");
        }
        return Outcome::Refused;
    }
    for (int set = 1; set <= estimation::ReferenceSetCount; ++set) {
        for (int row = 1; row <= (*sets)(set).RowCount; ++row) {
            for (int column = 1; column <= (*sets)(set).ComponentCount; ++column) {
                if (!PlausibleValue((*sets)(set).RefBasis(row, column))) {
                    Broken("an accepted DATA.CD holds a value beyond any spectrum");
                }
            }
        }
    }
    estimation::FitResults results;
    estimation::LeastSquaresFit(LysozymeSpectrum(), *sets, results, messages);
    for (int set = 1; set <= estimation::ReferenceSetCount; ++set) {
        if (engines::PrintsNonFinite(estimation::FitReportRow(results, set))) {
            Broken("the fit report prints a number that is not finite");
        }
    }
    return Outcome::Accepted;
}

}  // namespace tavrelion::fuzz
