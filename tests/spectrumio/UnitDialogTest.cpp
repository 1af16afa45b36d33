#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "spectrumio/UnitDialog.h"
#include "spectrumio/UnitDialogModel.h"
#include "store/SpectrumStore.h"

namespace tavrelion::spectrumio {
namespace {

// Runs the dialog modally and plays the user's part once it is shown.
template <typename Act>
int RunDialog(UnitDialog& dialog, Act act) {
    QTimer::singleShot(0, &dialog, [&] { act(dialog); });
    return dialog.exec();
}

void Type(UnitDialog& dialog, const char* box, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>(box);
    ASSERT_NE(edit, nullptr);
    edit->setText(text);
}

void Press(UnitDialog& dialog, const char* button) {
    auto* push = dialog.findChild<QPushButton*>(button);
    ASSERT_NE(push, nullptr);
    push->click();
}

TEST(UnitDialogWindow, ShowsStoredValuesAndCaptions) {
    store::SpectrumStore store;
    store.ResidueConcentration = 0.0005;
    store.CellWidth = 0.1;
    UnitDialogModel model(store);
    UnitDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(),
              "Parameter settings to convert data in mean residue molecular ellipticity");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("concent")->text(), " .0005");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("cellwidth")->text(), " .1");
    EXPECT_EQ(dialog.findChild<QPushButton*>("Command1")->text(), "&Valid");
    EXPECT_EQ(dialog.findChild<QPushButton*>("Command2")->text(), "&Cancel");
    QStringList labels;
    for (const auto* label : dialog.findChildren<QLabel*>()) {
        labels << label->text();
    }
    EXPECT_TRUE(labels.contains("Residue molecular concentration (M):"));
    EXPECT_TRUE(labels.contains("Cell width (cm) :"));
}

TEST(UnitDialogWindow, ValidWithZeroStaysOpenThenAccepts) {
    store::SpectrumStore store;
    UnitDialogModel model(store);
    UnitDialog dialog(model);
    bool stayedOpen = false;
    const int result = RunDialog(dialog, [&](UnitDialog& shown) {
        Type(shown, "concent", "1e-3");
        Type(shown, "cellwidth", "0");
        Press(shown, "Command1");
        stayedOpen = shown.isVisible();
        EXPECT_EQ(store.CellWidth, 0);
        Type(shown, "cellwidth", " .1");
        Press(shown, "Command1");
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(store.DialogAccepted, 1);
    EXPECT_EQ(store.ResidueConcentration, 0.001);
    EXPECT_EQ(store.CellWidth, 0.1);
}

TEST(UnitDialogWindow, CancelAndEscapeBothRefuse) {
    store::SpectrumStore store;
    store.DialogAccepted = 1;
    UnitDialogModel model(store);
    UnitDialog dialog(model);
    RunDialog(dialog, [](UnitDialog& shown) { Press(shown, "Command2"); });
    EXPECT_EQ(store.DialogAccepted, 0);

    store.DialogAccepted = 1;
    UnitDialogModel again(store);
    UnitDialog second(again);
    RunDialog(second, [](UnitDialog& shown) { shown.close(); });
    EXPECT_EQ(store.DialogAccepted, 0);
    EXPECT_TRUE(again.closed());
}

}  // namespace
}  // namespace tavrelion::spectrumio
