#include "mainwindow/FileCommands.h"

#include <filesystem>

#include "display/Cursor.h"
#include "platform/ProgramName.h"
#include "spectrumio/ColumnText.h"
#include "spectrumio/LoadSpectrum.h"
#include "spectrumio/SpectrumWriter.h"
#include "store/BasicError.h"
#include "store/NumberText.h"

namespace tavrelion::mainwindow {

void FileCommands::StartUp(const std::string& programDir) {
    store::SpectrumStore& store = *state_.store;
    view_.setCaption(platform::ProgramName);
    state_.plot.CursorMarkHalfWidth = 200;
    store::SetStartupTables(store);
    state_.plot.CursorShown = 1;
    store.ProgramDir = programDir;
    state_.commands.leastSquareFit =
        estimation::LoadReferenceSets(programDir, *state_.referenceSets, services_.messages);
    store.ReferenceSelected.fill(1);
    state_.commands.disableSpectrumCommands();
    if (state_.plot.CursorIndex == 0) {
        state_.plot.CursorIndex = 1;
    }
    view_.commandsChanged();
}

void FileCommands::NewSet() {
    store::SpectrumStore& store = *state_.store;
    view_.setCaption(platform::ProgramName);
    state_.commands.disableSpectrumCommands();
    store.SpectrumLoaded = 0;
    store.SpectrumCount = 0;
    store.DisplayLastWavelength = 0;
    store.DisplayFirstWavelength = 0;
    display::ResetZoom(state_.plot);
    view_.clearPlot();
    view_.commandsChanged();
}

bool FileCommands::TakeNextSlot() {
    store::SpectrumStore& store = *state_.store;
    if (store.SpectrumCount >= store::MaxSlots) {
        if (!services_.messages.askYesNo(ClearQuestion, true)) {
            return false;
        }
        store.SpectrumCount = 1;
    } else {
        ++store.SpectrumCount;
    }
    return true;
}

std::string FileCommands::SlotLabelFor(int slot) const {
    return store::GeneralForm(slot) + ")" + FileNameOf(state_.store->SpectrumFileName);
}

bool FileCommands::Load() {
    spectrumio::LoadServices load{services_.messages, services_.dialogs, *this, &state_.conversion};
    return spectrumio::LoadSpectrum(*state_.store, state_.store->SpectrumCount, load);
}

void FileCommands::SelectSlot(int slot) {
    state_.store->CurrentSlot = static_cast<store::Int16>(slot);
    view_.redrawPlot();
}

void FileCommands::Open() {
    store::SpectrumStore& store = *state_.store;
    store.BaselineCorrection = 0;
    store.MultiplyFactor = 1;
    if (!TakeNextSlot()) {
        return;
    }
    const std::optional<std::string> chosen = services_.fileDialogs.chooseFileToOpen(
        {OpenTitle, "", platform::ParseFilterList(OpenFilter), 1, false});
    if (!chosen) {
        --store.SpectrumCount;
        return;
    }
    store.SpectrumFileName = *chosen;
    try {
        if (Load()) {
            store.SlotLabel(store.SpectrumCount) = SlotLabelFor(store.SpectrumCount);
            store.ResultFilePath = store.SlotLabel(store.SpectrumCount);
        }
    } catch (const store::BasicError&) {
        --store.SpectrumCount;
        return;
    }
    SelectSlot(store.SpectrumCount);
    view_.setCaption(store.SpectrumFileName);
}

void FileCommands::OpenRecent(int k) {
    store::SpectrumStore& store = *state_.store;
    const auto& paths = state_.recentFiles.paths();
    if (k < 1 || k > static_cast<int>(paths.size())) {
        return;
    }
    store.SpectrumFileName = paths[static_cast<std::size_t>(k - 1)];
    if (!TakeNextSlot()) {
        return;
    }
    store.SlotLabel(store.SpectrumCount) = SlotLabelFor(store.SpectrumCount);
    store.ResultFilePath = store.SlotLabel(store.SpectrumCount);
    store.CurrentSlot = store.SpectrumCount;
    store.MultiplyFactor = 1;
    store.BaselineCorrection = 0;
    Load();
    SelectSlot(store.SpectrumCount);
}

std::optional<std::string> FileCommands::ChooseImageFile() {
    const std::string& spectrum = state_.store->SpectrumFileName;
    if (spectrum.size() < 4) {
        return std::nullopt;
    }
    const std::string proposed = spectrum.substr(0, spectrum.size() - 4) + ".BMP";
    return services_.fileDialogs.chooseFileToSave(
        {OpenTitle, proposed, platform::ParseFilterList(ImageFilter), 1, true});
}

void FileCommands::spectrumStored(spectrumio::CorrectionsMenu corrections) {
    state_.commands.spectrumStored(corrections);
    state_.recentFiles.add(state_.store->SpectrumFileName);
    view_.commandsChanged();
}

std::optional<std::string> FileCommands::ChooseSpectrumTarget(const char* title, const char* filter,
                                                              const char* extension) {
    const store::SpectrumStore& store = *state_.store;
    if (store.SpectrumLoaded == 0 || store.PointCount < 1) {
        return std::nullopt;
    }
    std::filesystem::path proposed(store.SpectrumFileName);
    proposed.replace_extension(extension);
    return services_.fileDialogs.chooseFileToSave(
        {title, proposed.string(), platform::ParseFilterList(filter), 1, true});
}

void FileCommands::SaveSpectrumAsTvr() {
    const auto target = ChooseSpectrumTarget(SaveTvrTitle, SaveTvrFilter, ".TVR");
    if (!target) {
        return;
    }
    try {
        spectrumio::WriteSpectrumTvr(*state_.store, *target,
                                     spectrumio::DefaultTvrTitle(*state_.store));
    } catch (const store::BasicError&) {
        services_.messages.showMessage("Cannot write " + *target, platform::MessageIcon::Critical);
    }
}

void FileCommands::ExportSpectrumAsCsv() {
    const auto target = ChooseSpectrumTarget(ExportCsvTitle, ExportCsvFilter, ".csv");
    if (!target) {
        return;
    }
    try {
        spectrumio::WriteSpectrumCsv(*state_.store, *target);
    } catch (const store::BasicError&) {
        services_.messages.showMessage("Cannot write " + *target, platform::MessageIcon::Critical);
    }
}

void FileCommands::SetHtCutOff() {
    const auto& current = state_.conversion.htMax;
    const std::string typed =
        services_.messages.askText(HtPrompt, current ? store::ExactForm(*current) : std::string());
    const auto number = spectrumio::CellNumber(typed, ' ');
    if (spectrumio::Trimmed(typed).empty()) {
        state_.conversion.htMax.reset();
    } else if (number) {
        state_.conversion.htMax = *number;
    }
}

}  // namespace tavrelion::mainwindow
