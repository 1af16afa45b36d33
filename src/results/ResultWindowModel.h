#pragma once

#include <optional>
#include <string>

#include "platform/FileDialogService.h"
#include "platform/MessageService.h"
#include "results/ResultFile.h"
#include "store/SpectrumStore.h"

namespace tavrelion::results {

// The program's two result windows. frmeditorres shows the analyses' result files and offers
// "&Analyze" on a Varselec solutions file; result shows the list file that this analysis writes.
enum class ResultWindowKind { AnalysisResults, VarselecList };

// The rules of one result window: its caption, which commands it offers, and what its File menu
// proposes and opens. The Qt window shows this state and holds the text.
class ResultWindowModel {
  public:
    static constexpr const char* DesignCaption = "Secondary structure contents";
    static constexpr const char* CaptionPrefix = "Tavrelion Editor: ";
    static constexpr const char* OpenErrorMessage =
        "Error encountered while trying to open file, please retry.";
    static constexpr const char* SaveErrorMessage =
        "Error occurred trying to close file, please retry.";
    static constexpr const char* NotFoundMessage = "Text not found";
    // Followed by a carriage return and the file's path.
    static constexpr const char* OverwriteQuestion = "Overwrite existing file?";
    static constexpr platform::MessageIcon NotFoundIcon = platform::MessageIcon::Exclamation;

    ResultWindowModel(ResultWindowKind kind, store::SpectrumStore& store);

    ResultWindowKind kind() const { return kind_; }
    const char* windowName() const;
    // "&Analyze" in frmeditorres; a blank title in result, whose menu never acts.
    const char* analyzeCaption() const;
    const char* findNextCaption() const;

    const std::string& caption() const { return caption_; }
    bool analyzeVisible() const { return analyzeVisible_; }
    bool saveAndPrintEnabled() const { return saveAndPrintEnabled_; }

    // The window closes: it is as it was when first loaded.
    void reset();
    // Reads a file to show. A readable file resets the window and gives it the file's caption
    // and, for a file with "combination:", the "&Analyze" menu; an empty file only resets it;
    // an unreadable one changes nothing.
    ResultFileContent open(const std::string& path);
    // Every change of the shown text makes "&Save as..." and "&Print" usable.
    void textChanged() { saveAndPrintEnabled_ = true; }

    // "&Load...": the open dialog with this window's proposal and filters. The dialog does not
    // report Cancel: the command goes on with the name the dialog holds, and ends (nothing is
    // returned) when that name is shorter than four characters. In frmeditorres the chosen file
    // also names the Varselec solutions file: ResultFilePath := its base + ".OUT".
    std::optional<std::string> chooseFileToLoad(platform::FileDialogService& files);
    // "&Save as...": the save dialog, proposing the shown result's own name with a filter of its
    // kind; Cancel saves nothing.
    std::optional<std::string> chooseFileToSave(platform::FileDialogService& files);

  private:
    // The file name a dialog of this window proposes; empty when it proposes none.
    std::string loadProposal() const;
    std::string saveProposal() const;
    platform::FileDialogRequest request(const char* title) const;
    std::optional<std::string> nameAfterDialog(const std::optional<std::string>& chosen);

    ResultWindowKind kind_;
    store::SpectrumStore& store_;
    std::string caption_;
    bool analyzeVisible_ = false;
    bool saveAndPrintEnabled_ = false;
    // The name the window's file dialog holds: the last one proposed or chosen since the window
    // was loaded.
    std::string dialogFileName_;
    // The file shown since it was last opened.
    std::string shownPath_;
};

// Writes a result window's text to a file, followed by CR LF. An existing file is replaced only
// when the user answers Yes to "Overwrite existing file?" (No is the default). A failure is told
// with "Error occurred trying to close file, please retry." Returns whether the file was written.
bool SaveResultText(const std::string& path, const std::string& text,
                    platform::MessageService& messages);

}  // namespace tavrelion::results
