#include "results/ResultWindow.h"

#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "platform/DisplayText.h"
#include "platform/FileDialogService.h"
#include "platform/MessageService.h"
#include "platform/PrintService.h"
#include "results/FindDialogModel.h"
#include "results/FindDialogPresenter.h"
#include "results/FindText.h"

namespace tavrelion::results {
namespace {

QFont ResultFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(10);
    return font;
}

// The hourglass for the time of a search.
class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QAction* AddItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& keys) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    return action;
}

}  // namespace

ResultWindow::ResultWindow(ResultWindowKind kind, const ResultWindowServices& services,
                           QWidget* parent)
    : QMainWindow(parent),
      model_(kind, services.store),
      services_(services),
      editor_(new QPlainTextEdit) {
    setObjectName(QString::fromLatin1(model_.windowName()));
    editor_->setObjectName("txtedit");
    editor_->setFont(ResultFont());
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    setCentralWidget(editor_);
    buildMenus();
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] {
        model_.textChanged();
        applyModel();
    });
    resize(780, 560);
    applyModel();
}

void ResultWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName("mnufile");
    connect(AddItem(file, "mnufileitem1", "&Load...", QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &ResultWindow::load);
    saveAs_ = AddItem(file, "mnufileitem3", "&Save as...", QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(saveAs_, &QAction::triggered, this, &ResultWindow::saveAs);
    print_ = AddItem(file, "mnufileitem4", "&Print", QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print_, &QAction::triggered, this, &ResultWindow::print);
    file->addSeparator();
    connect(AddItem(file, "mnufileitem7", "&Close", QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &QWidget::hide);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName("mnuEdit");
    cut_ = AddItem(edit, "mnuEditItem0", "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(cut_, &QAction::triggered, editor_, &QPlainTextEdit::cut);
    copy_ = AddItem(edit, "mnuEditItem1", "C&opy", QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(copy_, &QAction::triggered, editor_, &QPlainTextEdit::copy);
    connect(AddItem(edit, "mnuEditItem2", "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V)),
            &QAction::triggered, editor_, &QPlainTextEdit::paste);
    edit->addSeparator();
    connect(AddItem(edit, "mnuEditItem4", "&Find", QKeySequence(Qt::CTRL | Qt::Key_F)),
            &QAction::triggered, this, &ResultWindow::find);
    connect(AddItem(edit, "mnuEditItem5", model_.findNextCaption(),
                    QKeySequence(Qt::CTRL | Qt::Key_F3)),
            &QAction::triggered, this, &ResultWindow::findNext);
    connect(edit, &QMenu::aboutToShow, this, &ResultWindow::updateEditCommands);

    // A menu title without items that acts when it is chosen.
    analyzeMenu_ = menuBar()->addAction(QString::fromLatin1(model_.analyzeCaption()));
    analyzeMenu_->setObjectName("mnuAnalyze");
    connect(analyzeMenu_, &QAction::triggered, this, [this] {
        if (model_.kind() == ResultWindowKind::AnalysisResults && analyze_) {
            analyze_();
        }
    });
}

void ResultWindow::applyModel() {
    setWindowTitle(QFile::decodeName(model_.caption().c_str()));
    analyzeMenu_->setVisible(model_.analyzeVisible());
    saveAs_->setEnabled(model_.saveAndPrintEnabled());
    print_->setEnabled(model_.saveAndPrintEnabled());
}

void ResultWindow::updateEditCommands() {
    const bool selection = editor_->textCursor().hasSelection();
    cut_->setEnabled(selection);
    copy_->setEnabled(selection);
}

void ResultWindow::resetToLoaded() {
    hide();
    {
        const QSignalBlocker quiet(editor_);
        editor_->clear();
    }
    shownPath_.clear();
    readText_.clear();
    readShown_.clear();
    applyModel();
}

void ResultWindow::closeWindow() {
    model_.reset();
    resetToLoaded();
}

void ResultWindow::showText(const std::string& text) {
    editor_->setPlainText(platform::DisplayText(ShownForm(text)));
    readText_ = text;
    readShown_ = editor_->toPlainText();
}

void ResultWindow::openFile(const std::string& path) {
    const ResultFileContent content = model_.open(path);
    if (content.status == ResultFileContent::Status::Unreadable) {
        services_.messages.showMessage(ResultWindowModel::OpenErrorMessage,
                                       platform::MessageIcon::Critical);
        return;
    }
    resetToLoaded();
    show();
    raise();
    if (content.status == ResultFileContent::Status::Empty) {
        services_.messages.showMessage(ResultWindowModel::OpenErrorMessage,
                                       platform::MessageIcon::Critical);
        return;
    }
    showText(content.text);
    shownPath_ = path;
    applyModel();
}

std::string ResultWindow::text() const {
    const QString shown = editor_->toPlainText();
    if (shown == readShown_) {
        return readText_;
    }
    return FileForm(shown.toLatin1().toStdString());
}

void ResultWindow::load() {
    if (const auto file = model_.chooseFileToLoad(services_.files)) {
        openFile(*file);
    }
}

void ResultWindow::saveAs() {
    if (const auto file = model_.chooseFileToSave(services_.files)) {
        SaveResultText(*file, text(), services_.messages);
    }
}

void ResultWindow::print() {
    std::vector<std::string> lines;
    for (const QString& line : editor_->toPlainText().split(QLatin1Char('\n'))) {
        lines.push_back(line.toLatin1().toStdString());
    }
    services_.printer.printText(shownPath_, lines);
}

void ResultWindow::find() {
    FindDialogModel dialog(services_.search);
    services_.findDialog.showFindDialog(dialog);
    findNext();
}

void ResultWindow::findNext() {
    const std::string& wanted = services_.search.SearchText;
    QTextCursor cursor = editor_->textCursor();
    std::optional<std::size_t> found;
    {
        const WaitCursor hourglass;
        const QByteArray shown = editor_->toPlainText().toLatin1();
        found = FindAfterSelectionStart(
            std::string_view(shown.constData(), shown.size()),
            static_cast<std::size_t>(cursor.selectionStart()),
            static_cast<std::size_t>(cursor.selectionEnd() - cursor.selectionStart()), wanted);
    }
    if (found) {
        cursor.setPosition(static_cast<int>(*found));
        cursor.setPosition(static_cast<int>(*found + wanted.size()), QTextCursor::KeepAnchor);
        editor_->setTextCursor(cursor);
    } else {
        services_.messages.showMessage(ResultWindowModel::NotFoundMessage,
                                       ResultWindowModel::NotFoundIcon);
    }
    editor_->setFocus();
}

}  // namespace tavrelion::results
