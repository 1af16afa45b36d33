#include "mainwindow/FileCommands.h"

#include <filesystem>
#include <memory>

#include "display/Cursor.h"
#include "platform/ProgramName.h"
#include "spectrumio/ColumnText.h"
#include "spectrumio/LoadSpectrum.h"
#include "spectrumio/SpectrumWriter.h"
#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextRoutines.h"

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
    return store::GeneralForm(slot) + ")" + store::FileNameOf(state_.store->SpectrumFileName);
}

bool FileCommands::Load(const store::SpectrumStore& before, const CommandStates& commandsBefore) {
    spectrumio::LoadServices load{services_.messages, services_.dialogs, *this, &state_.conversion};
    bool loaded = false;
    try {
        loaded = spectrumio::LoadSpectrum(*state_.store, state_.store->SpectrumCount, load);
    } catch (const store::BasicError&) {
        loaded = false;
    }
    if (!loaded) {
        KeepAsBefore(before, commandsBefore);
    }
    return loaded;
}

void FileCommands::KeepAsBefore(const store::SpectrumStore& before,
                                const CommandStates& commandsBefore) {
    store::SpectrumStore& store = *state_.store;
    const double cellWidth = store.CellWidth;
    const double concentration = store.ResidueConcentration;
    store = before;
    store.CellWidth = cellWidth;
    store.ResidueConcentration = concentration;
    state_.commands = commandsBefore;
    view_.commandsChanged();
}

void FileCommands::SelectSlot(int slot) {
    state_.store->CurrentSlot = static_cast<store::Int16>(slot);
    view_.redrawPlot();
}

void FileCommands::Open() {
    store::SpectrumStore& store = *state_.store;
    const auto before = std::make_unique<store::SpectrumStore>(store);
    const CommandStates commandsBefore = state_.commands;
    store.BaselineCorrection = 0;
    store.MultiplyFactor = 1;
    if (!TakeNextSlot()) {
        KeepAsBefore(*before, commandsBefore);
        return;
    }
    const std::optional<std::string> chosen = services_.fileDialogs.chooseFileToOpen(
        {OpenTitle, "", platform::ParseFilterList(OpenFilter), 1, false});
    if (!chosen) {
        KeepAsBefore(*before, commandsBefore);  // nothing is cleared unless a file loads
        return;
    }
    store.SpectrumFileName = *chosen;
    const bool loaded = Load(*before, commandsBefore);
    if (loaded) {
        store.SlotLabel(store.SpectrumCount) = SlotLabelFor(store.SpectrumCount);
        store.ResultFilePath = store.SlotLabel(store.SpectrumCount);
    }
    SelectSlot(store.SpectrumCount);
    if (loaded) {
        view_.setCaption(store.SpectrumFileName);
    }
}

void FileCommands::OpenRecent(int k) {
    store::SpectrumStore& store = *state_.store;
    const auto& paths = state_.recentFiles.paths();
    if (k < 1 || k > static_cast<int>(paths.size())) {
        return;
    }
    const auto before = std::make_unique<store::SpectrumStore>(store);
    const CommandStates commandsBefore = state_.commands;
    store.SpectrumFileName = paths[static_cast<std::size_t>(k - 1)];
    if (!TakeNextSlot()) {
        KeepAsBefore(*before, commandsBefore);
        return;
    }
    store.SlotLabel(store.SpectrumCount) = SlotLabelFor(store.SpectrumCount);
    store.ResultFilePath = store.SlotLabel(store.SpectrumCount);
    store.CurrentSlot = store.SpectrumCount;
    store.MultiplyFactor = 1;
    store.BaselineCorrection = 0;
    const bool loaded = Load(*before, commandsBefore);
    SelectSlot(store.SpectrumCount);
    // The caption names the spectrum the analyses work on, whichever way it was opened.
    if (loaded) {
        view_.setCaption(store.SpectrumFileName);
    }
}

std::optional<std::string> FileCommands::ChooseImageFile() {
    const std::string& spectrum = state_.store->SpectrumFileName;
    if (spectrum.size() < 4) {
        return std::nullopt;
    }
    const std::string proposed = spectrum.substr(0, spectrum.size() - 4) + ".BMP";
    return services_.fileDialogs.chooseFileToSave(
        {ImageTitle, proposed, platform::ParseFilterList(ImageFilter), 1, true});
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
    const std::optional<std::string> answer =
        services_.messages.askText(HtPrompt, current ? store::ExactForm(*current) : std::string());
    if (!answer) {
        return;  // Cancel keeps the limit as it was
    }
    const std::string& typed = *answer;
    const auto number = spectrumio::CellNumber(typed, ' ');
    if (spectrumio::Trimmed(typed).empty()) {
        state_.conversion.htMax.reset();
    } else if (number) {
        state_.conversion.htMax = *number;
    }
}

}  // namespace tavrelion::mainwindow
