#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include "fakes/FakeWindowServices.h"
#include "fakes/TemporaryFolder.h"
#include "help/HelpBrowser.h"
#include "help/HelpView.h"

// Readable failures for texts of the windows.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tavrelion::help {
namespace {

using testing_support::FakeFileDialogs;
using testing_support::TemporaryFolder;

const QString Manual = QStringLiteral(TAVRELION_PROGRAM_DIR "/help");

class HelpWindowTest : public testing::Test {
  protected:
    ~HelpWindowTest() override {
        for (HelpBrowser* window : windows) {
            window->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    HelpBrowser& Open() {
        windows.push_back(OpenHelpWindow(TAVRELION_PROGRAM_DIR, dialogs));
        return *windows.back();
    }
    static void Press(HelpBrowser& window, const char* key) {
        auto* action = window.findChild<QAction*>(key);
        ASSERT_NE(action, nullptr) << key;
        action->trigger();
    }
    static QString Shown(HelpBrowser& window) {
        return QUrl(window.browser().source()).toLocalFile();
    }
    static QStringList AddressList(HelpBrowser& window) {
        QStringList items;
        for (int i = 0; i < window.addressBox().count(); ++i) {
            items << window.addressBox().itemText(i);
        }
        return items;
    }

    FakeFileDialogs dialogs;
    std::vector<HelpBrowser*> windows;
};

TEST_F(HelpWindowTest, OpensOnTheManualWithItsTitleInTheCaption) {
    HelpBrowser& window = Open();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Shown(window), Manual + "/index.html");
    EXPECT_EQ(window.windowTitle(), "TAVRELION 2000 manual");
    EXPECT_EQ(AddressList(window), QStringList{Manual + "/index.html"});
    EXPECT_TRUE(window.browser().toPlainText().contains("user manual"));
    EXPECT_FALSE(window.findChild<QAction*>("Back")->isEnabled()) << "no page to go back to";
    EXPECT_FALSE(window.findChild<QAction*>("Forward")->isEnabled());
}

TEST_F(HelpWindowTest, EachHelpChoiceOpensAWindowOfItsOwn) {
    HelpBrowser& first = Open();
    HelpBrowser& second = Open();
    EXPECT_NE(&first, &second);
    first.navigate(Manual + "/units.html");
    EXPECT_EQ(Shown(second), Manual + "/index.html");
    EXPECT_TRUE(first.isVisible() && second.isVisible());
}

TEST_F(HelpWindowTest, BackAndForwardWalkTheHistoryAndHomeReturnsToTheContents) {
    HelpBrowser& window = Open();
    window.browser().setSource(QUrl::fromLocalFile(Manual + "/units.html"));
    QUrl messages = QUrl::fromLocalFile(Manual + "/messages.html");
    messages.setFragment(QStringLiteral("results"));
    window.browser().setSource(messages);
    EXPECT_EQ(window.windowTitle(), "Messages — TAVRELION 2000");
    EXPECT_EQ(window.addressBox().currentText(), Manual + "/messages.html");

    Press(window, "Back");
    EXPECT_EQ(Shown(window), Manual + "/units.html");
    EXPECT_EQ(window.windowTitle(), "Units and conversion — TAVRELION 2000");
    Press(window, "Back");
    EXPECT_EQ(Shown(window), Manual + "/index.html");
    Press(window, "Forward");
    EXPECT_EQ(Shown(window), Manual + "/units.html");
    Press(window, "Home");
    EXPECT_EQ(Shown(window), Manual + "/index.html");
    Press(window, "Stop");
    EXPECT_EQ(window.windowTitle(), "TAVRELION 2000 manual");
    EXPECT_FALSE(window.findChild<QTimer*>("timTimer")->isActive());
}

TEST_F(HelpWindowTest, AFileOpenedIsListedAndChoosingItFromTheListShowsItAgain) {
    const TemporaryFolder folder;
    const std::string result =
        folder.write("LYSO.K2D", "ALPHA   0.45\r\nBETA    0.12\r\n").string();
    HelpBrowser& window = Open();
    dialogs.answers = {result};
    Press(window, "fileitem2");
    EXPECT_EQ(Shown(window), QString::fromStdString(result));
    EXPECT_TRUE(window.browser().toPlainText().contains("ALPHA   0.45"));
    EXPECT_EQ(window.windowTitle(), "LYSO.K2D");
    EXPECT_EQ(AddressList(window),
              (QStringList{Manual + "/index.html", QString::fromStdString(result)}));

    Press(window, "Home");
    emit window.addressBox().activated(1);
    EXPECT_EQ(Shown(window), QString::fromStdString(result));

    Press(window, "Home");
    Press(window, "fileitem2");
    EXPECT_EQ(Shown(window), QString::fromStdString(result)) << "Cancel shows it again";
    EXPECT_EQ(AddressList(window).size(), 2);
}

TEST_F(HelpWindowTest, SearchListsThePagesWithTheWordsOfTheAddressBox) {
    HelpBrowser& window = Open();
    window.addressBox().setEditText(QStringLiteral("Determinant"));
    Press(window, "Search");
    EXPECT_EQ(window.windowTitle(), "Search the manual");
    EXPECT_TRUE(window.browser().toHtml().contains("messages.html"));
    EXPECT_EQ(window.addressBox().currentText(), "search:Determinant");

    window.browser().setSource(QUrl::fromLocalFile(Manual + "/messages.html"));
    Press(window, "Back");
    EXPECT_EQ(window.windowTitle(), "Search the manual");

    window.addressBox().setEditText(Manual + "/index.html");
    Press(window, "Search");
    EXPECT_TRUE(window.browser().toPlainText().contains("Type one or more words"));
}

TEST_F(HelpWindowTest, AnAddressTypedAndEnteredIsShownAndABadOneExplained) {
    HelpBrowser& window = Open();
    window.addressBox().lineEdit()->setText(Manual + "/plot.html");
    emit window.addressBox().lineEdit()->returnPressed();
    EXPECT_EQ(Shown(window), Manual + "/plot.html");

    window.navigate(QStringLiteral("no-such-page.html"));
    EXPECT_EQ(window.windowTitle(), "Page not found");
    EXPECT_EQ(AddressList(window).size(), 1) << "only the window's own additions are listed";

    window.navigate(QStringLiteral("https://doi.org/10.1021/bi00504a006"));
    EXPECT_EQ(window.windowTitle(), "Web address");
    EXPECT_TRUE(window.browser().toPlainText().contains("https://doi.org/10.1021/bi00504a006"));

    Press(window, "Back");
    EXPECT_EQ(window.windowTitle(), "Page not found");
}

}  // namespace
}  // namespace tavrelion::help
