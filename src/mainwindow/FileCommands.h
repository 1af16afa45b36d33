#pragma once

#include <optional>
#include <string>

#include "mainwindow/ProgramState.h"
#include "platform/FileDialogService.h"
#include "platform/MessageService.h"
#include "spectrumio/DialogPresenter.h"
#include "spectrumio/LoadListener.h"

namespace tavrelion::mainwindow {

// What the File commands need of the main window.
class MainWindowView {
  public:
    virtual ~MainWindowView() = default;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void redrawPlot() = 0;
    virtual void clearPlot() = 0;
    // The menus follow CommandStates and the recent-file lists.
    virtual void commandsChanged() = 0;
};

struct FileCommandServices {
    platform::MessageService& messages;
    platform::FileDialogService& fileDialogs;
    spectrumio::DialogPresenter& dialogs;
};

// The main window's start-up and its File commands that touch the spectra: New set, Open, the
// recent-files entries and the name of a saved image.
class FileCommands : public spectrumio::LoadListener {
  public:
    static constexpr const char* OpenTitle = "Choose a CD spectrum file";
    static constexpr const char* OpenFilter =
        "All spectrum files|*.ASC;*.asc;*.TVR;*.tvr;*.JCD;*.jcd;*.txt;*.TXT;*.csv;*.CSV;*.dat;"
        "*.DAT;*.gen;*.GEN;*.pcd;*.PCD|"
        "J.Yvon CD6 or CDMAX ASCII (*.ASC)|*.ASC;*.asc|Tavrelion files (*.TVR)|*.TVR;*.tvr|"
        "JCD files (*.JCD)|*.JCD;*.jcd|JASCO text or CSV exports|*.txt;*.TXT;*.csv;*.CSV|"
        "Chirascan ProDataCSV|*.csv;*.CSV|Aviv|*.dat;*.DAT|PCDDB|*.gen;*.GEN;*.pcd;*.PCD|"
        "Plain columns|*.csv;*.CSV;*.txt;*.TXT;*.dat;*.DAT|All files (*)|*";
    static constexpr const char* ImageTitle = "Save the image as a bitmap";
    static constexpr const char* SaveTvrTitle = "Save spectrum as TVR";
    static constexpr const char* SaveTvrFilter = "Tavrelion files (*.TVR)|*.TVR";
    static constexpr const char* ExportCsvTitle = "Export spectrum as CSV";
    static constexpr const char* ExportCsvFilter = "CSV files (*.csv)|*.csv";
    static constexpr const char* HtPrompt =
        "Highest HT (detector voltage, V) kept at the short-wavelength end of JASCO, Chirascan, "
        "Aviv and PCDDB spectra; 0 keeps every point; empty: each instrument's default (600 V, "
        "Aviv 500 V). It applies to the files opened from now on.";
    static constexpr const char* ImageFilter = "Microsoft bitmap image (*BMP)|*.BMP";
    static constexpr const char* ClearQuestion = "Loading a new spectrum will clear the screen";

    FileCommands(ProgramState& state, MainWindowView& view, FileCommandServices services)
        : state_(state), view_(view), services_(services) {}

    // The start values of the whole program, the program folder and the basis sets.
    void StartUp(const std::string& programDir);
    void NewSet();
    void Open();
    // Loads the k-th entry (from 1) of the recent-files list.
    void OpenRecent(int k);
    // Asks where to save the window's image; nothing when the user cancels or no file is open.
    std::optional<std::string> ChooseImageFile();

    // Writes the current spectrum, on its 1-nm grid in mean residue ellipticity, to a file the
    // user chooses: as a TVR spectrum file or as CSV.
    void SaveSpectrumAsTvr();
    void ExportSpectrumAsCsv();
    // Asks for the HT limit of the files opened from now on.
    void SetHtCutOff();

    void spectrumStored(spectrumio::CorrectionsMenu corrections) override;

  private:
    // Raises the slot count for a new spectrum, asking first when all 15 slots are used.
    bool TakeNextSlot();
    // Loads SpectrumFileName into the slot TakeNextSlot gave. A file that is refused, or whose
    // dialog is cancelled, changes nothing: the spectra, the slots, the file name that names the
    // results and the menus are as they were before the command (the conversion parameters the
    // user typed are kept for the next try).
    bool Load(const store::SpectrumStore& before, const CommandStates& commandsBefore);
    void KeepAsBefore(const store::SpectrumStore& before, const CommandStates& commandsBefore);
    void SelectSlot(int slot);
    std::string SlotLabelFor(int slot) const;
    std::optional<std::string> ChooseSpectrumTarget(const char* title, const char* filter,
                                                    const char* extension);

    ProgramState& state_;
    MainWindowView& view_;
    FileCommandServices services_;
};

}  // namespace tavrelion::mainwindow
