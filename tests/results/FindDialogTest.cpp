#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "results/FindDialog.h"
#include "results/FindDialogModel.h"

namespace tavrelion::results {
namespace {

// Runs the dialog modally and plays the user's part once it is shown.
template <typename Act>
int RunDialog(FindDialog& dialog, Act act) {
    QTimer::singleShot(0, &dialog, [&] { act(dialog); });
    return dialog.exec();
}

QLineEdit& Box(FindDialog& dialog) {
    return *dialog.findChild<QLineEdit*>("TexteCherch");
}

TEST(FindDialogWindow, OpensOnTheLastSearchTextWithTheCursorAtItsStart) {
    SearchState search{"helix"};
    FindDialogModel model(search);
    FindDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Search text");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label2")->text(), "&Text to search :");
    EXPECT_EQ(dialog.findChild<QPushButton*>("Search")->text(), "&Search");
    EXPECT_EQ(dialog.findChild<QPushButton*>("Quitter")->text(), "&Cancel");
    EXPECT_EQ(Box(dialog).text(), "helix");
    EXPECT_EQ(Box(dialog).cursorPosition(), 0);
}

TEST(FindDialogWindow, SearchKeepsTheTypedTextAndCancelOrEscapeTheOldOne) {
    SearchState search{"helix"};
    {
        FindDialogModel model(search);
        FindDialog dialog(model);
        RunDialog(dialog, [](FindDialog& shown) {
            Box(shown).setText(QStringLiteral("sheet"));
            shown.findChild<QPushButton*>("Search")->click();
        });
        EXPECT_TRUE(model.closed());
        EXPECT_EQ(search.SearchText, "sheet");
    }
    {
        FindDialogModel model(search);
        FindDialog dialog(model);
        RunDialog(dialog, [](FindDialog& shown) {
            Box(shown).setText(QStringLiteral("turn"));
            shown.findChild<QPushButton*>("Quitter")->click();
        });
        EXPECT_EQ(search.SearchText, "sheet");
    }
    {
        FindDialogModel model(search);
        FindDialog dialog(model);
        RunDialog(dialog, [](FindDialog& shown) {
            Box(shown).setText(QStringLiteral("coil"));
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&Box(shown), &escape);
        });
        EXPECT_TRUE(model.closed());
        EXPECT_EQ(search.SearchText, "sheet");
    }
}

}  // namespace
}  // namespace tavrelion::results
