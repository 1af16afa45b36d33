#include "help/HelpBrowser.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "help/HelpSearch.h"
#include "help/HelpView.h"
#include "platform/CentreForm.h"

namespace tavrelion::help {
namespace {

constexpr int TimerInterval = 5;

QString FromPath(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

}  // namespace

HelpBrowser::HelpBrowser(const std::string& homeAddress, platform::FileDialogService& files,
                         QWidget* parent)
    : QMainWindow(parent),
      model_(homeAddress),
      files_(files),
      address_(new QComboBox),
      browser_(new HelpView(QFileInfo(FromPath(homeAddress)).absolutePath())),
      timer_(new QTimer(this)) {
    setObjectName("frmBrowser");
    setWindowTitle(QString());
    timer_->setObjectName("timTimer");
    timer_->setInterval(TimerInterval);
    connect(timer_, &QTimer::timeout, this, &HelpBrowser::tick);

    address_->setObjectName("cboAddress");
    address_->setEditable(true);
    address_->setInsertPolicy(QComboBox::NoInsert);
    address_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(address_, &QComboBox::activated, this,
            [this](int index) { navigate(address_->itemText(index)); });
    connect(address_->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { navigate(address_->currentText()); });

    browser_->setObjectName("brwWebBrowser");
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        address_->setEditText(HelpView::DisplayAddress(url));
        showTitle();
    });

    auto* strip = new QWidget;
    strip->setObjectName("picAddress");
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    stripLayout->addWidget(address_);

    auto* centre = new QWidget;
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(strip);
    layout->addWidget(browser_, 1);
    setCentralWidget(centre);

    buildToolBar();
    buildMenu();
    resize(860, 680);
}

void HelpBrowser::buildToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Navigation"));
    toolBar_->setObjectName("tbToolBar");
    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    struct Button {
        const char* key;
        const char* toolTip;
        QStyle::StandardPixmap image;
    };
    const Button buttons[] = {
        {"Back", "Go back", QStyle::SP_ArrowBack},
        {"Forward", "Forward", QStyle::SP_ArrowForward},
        {"Stop", "Stop", QStyle::SP_BrowserStop},
        {"Refresh", "Refresh", QStyle::SP_BrowserReload},
        {"Home", "Home", QStyle::SP_DirHomeIcon},
        {"Search", "Search", QStyle::SP_FileDialogContentsView},
    };
    for (const Button& button : buttons) {
        const QString key = QString::fromLatin1(button.key);
        QAction* action = toolBar_->addAction(style()->standardIcon(button.image), key);
        action->setObjectName(key);
        action->setToolTip(QString::fromLatin1(button.toolTip));
        connect(action, &QAction::triggered, this, [this, key] { toolbarPressed(key); });
    }
    // Back and Forward are usable only where the history leads somewhere.
    QAction* back = toolBar_->findChild<QAction*>(QStringLiteral("Back"));
    QAction* forward = toolBar_->findChild<QAction*>(QStringLiteral("Forward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
}

void HelpBrowser::buildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName("mnuFile");
    QAction* open = file->addAction(QStringLiteral("&Open"));
    open->setObjectName("fileitem2");
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, &HelpBrowser::openFile);
    QAction* close = file->addAction(QStringLiteral("&Close"));
    close->setObjectName("fileitem3");
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    connect(close, &QAction::triggered, this, &QWidget::close);
}

void HelpBrowser::open() {
    show();
    platform::CentreForm(*this);
    const std::string& start = model_.startingAddress();
    if (!start.empty()) {
        addToAddressList(start);
        navigate(FromPath(start));
    }
}

QUrl HelpBrowser::AddressUrl(const QString& text, const QUrl& current) {
    const QString address = text.trimmed();
    if (address.isEmpty()) {
        return {};
    }
    if (address.startsWith(QStringLiteral("search:"), Qt::CaseInsensitive)) {
        QUrl search;
        search.setScheme(QStringLiteral("search"));
        search.setPath(address.mid(7));
        return search;
    }
    if (QDir::isAbsolutePath(address)) {
        return QUrl::fromLocalFile(address);
    }
    const QUrl url(address, QUrl::TolerantMode);
    if (url.scheme().size() > 1) {
        return url;
    }
    const QDir folder =
        current.isLocalFile() ? QFileInfo(current.toLocalFile()).dir() : QDir::current();
    return QUrl::fromLocalFile(folder.absoluteFilePath(address));
}

void HelpBrowser::navigate(const QString& address) {
    const QUrl url = AddressUrl(address, browser_->source());
    if (!url.isValid() || url.isEmpty()) {
        return;
    }
    address_->setEditText(address);
    timer_->start();
    browser_->setSource(url);
}

void HelpBrowser::toolbarPressed(const QString& key) {
    timer_->start();
    if (key == QStringLiteral("Back")) {
        browser_->backward();
    } else if (key == QStringLiteral("Forward")) {
        browser_->forward();
    } else if (key == QStringLiteral("Stop")) {
        timer_->stop();
        showTitle();
    } else if (key == QStringLiteral("Refresh")) {
        browser_->reload();
    } else if (key == QStringLiteral("Home")) {
        navigate(FromPath(model_.homeAddress()));
    } else if (key == QStringLiteral("Search")) {
        const std::string words =
            SearchQueryFromAddressBox(address_->currentText().toUtf8().toStdString());
        navigate(QStringLiteral("search:") + QString::fromStdString(words));
    }
}

void HelpBrowser::tick() {
    if (browser_->busy()) {
        setWindowTitle(QString::fromLatin1(HelpBrowserModel::BusyCaption));
        return;
    }
    showTitle();
    timer_->stop();
}

void HelpBrowser::showTitle() {
    QString title = browser_->documentTitle();
    if (title.isEmpty() && !browser_->source().isEmpty()) {
        title = HelpView::DisplayAddress(browser_->source());
    }
    setWindowTitle(title);
}

void HelpBrowser::openFile() {
    if (const std::optional<std::string> file = model_.chooseFileToOpen(files_)) {
        addToAddressList(*file);
        navigate(FromPath(*file));
    }
}

void HelpBrowser::addToAddressList(const std::string& address) {
    model_.addAddress(address);
    const QString text = FromPath(address);
    if (address_->findText(text, Qt::MatchExactly) < 0) {
        address_->addItem(text);
    }
}

HelpBrowser* OpenHelpWindow(const std::string& programDir, platform::FileDialogService& files) {
    const std::string site = HelpSiteAddress(programDir);
    auto* window = new HelpBrowser(site, files);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setStartingAddress(site);
    window->open();
    return window;
}

}  // namespace tavrelion::help
