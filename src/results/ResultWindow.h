#pragma once

#include <QMainWindow>
#include <functional>
#include <string>

#include "results/FindDialogPresenter.h"
#include "results/ResultWindowModel.h"

class QAction;
class QPlainTextEdit;

namespace tavrelion::platform {
class FileDialogService;
class MessageService;
class PrintService;
}  // namespace tavrelion::platform

namespace tavrelion::results {

struct SearchState;

// What the result windows use of the rest of the program.
struct ResultWindowServices {
    store::SpectrumStore& store;
    SearchState& search;
    platform::MessageService& messages;
    platform::FileDialogService& files;
    platform::PrintService& printer;
    FindDialogPresenter& findDialog;
};

// frmeditorres or result: a result file's text in a fixed-pitch text box, with menus to load,
// save, print, copy and search it. Its rules live in ResultWindowModel.
class ResultWindow : public QMainWindow {
    Q_OBJECT
  public:
    ResultWindow(ResultWindowKind kind, const ResultWindowServices& services,
                 QWidget* parent = nullptr);

    // Shows the file less its last character; see OpenResultWindow.
    void openFile(const std::string& path);
    // Closes the window; the next opening starts as the window first loaded.
    void closeWindow();

    // The text as a file holds it: exactly what was read as long as nobody changed it, and
    // otherwise the shown text with CR LF line ends.
    std::string text() const;
    const ResultWindowModel& model() const { return model_; }
    QPlainTextEdit& editor() const { return *editor_; }

    void setAnalyzeHandler(std::function<void()> handler) { analyze_ = std::move(handler); }

  private:
    void buildMenus();
    void applyModel();
    void resetToLoaded();
    void showText(const std::string& text);

    void load();
    void saveAs();
    void print();
    void find();
    void findNext();
    void updateEditCommands();

    ResultWindowModel model_;
    ResultWindowServices services_;
    QPlainTextEdit* editor_;
    QAction* saveAs_ = nullptr;
    QAction* print_ = nullptr;
    QAction* cut_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* analyzeMenu_ = nullptr;
    std::function<void()> analyze_;
    std::string shownPath_;
    // The text read from the file and how the text box showed it, to give the file's exact
    // bytes back as long as the shown text is unchanged.
    std::string readText_;
    QString readShown_;
};

}  // namespace tavrelion::results
