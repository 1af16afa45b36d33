#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "spectrumio/ConversionDialog.h"
#include "spectrumio/ConversionDialogModel.h"

namespace tavrelion::spectrumio {
namespace {

TEST(ConversionDialogWindow, NamesTheFileSaysWhatIsMissingThenAccepts) {
    ConversionDialogModel model("RIBA.txt", "JASCO", "CD [mdeg]", CdUnit::Millidegrees,
                                {0.1, 0, 0, 110, 0, 0});
    ConversionDialog dialog(model);
    EXPECT_EQ(dialog.findChild<QLabel*>("heading")->text(),
              "RIBA.txt (JASCO): the file gives its values in CD [mdeg].");
    EXPECT_EQ(dialog.findChild<QComboBox*>("unit")->currentText(), "millidegrees (mdeg)");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("pathcm")->text(), "0.1");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("mrw")->text(), "110");
    QString problemShown;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.findChild<QPushButton*>("Command1")->click();
        problemShown = dialog.findChild<QLabel*>("problem")->text();
        dialog.findChild<QLineEdit*>("mgperml")->setText("0,55");
        dialog.findChild<QPushButton*>("Command1")->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(problemShown, "Please give the concentration.");
    EXPECT_DOUBLE_EQ(model.parameters().residueConcentration(), 0.005);
}

}  // namespace
}  // namespace tavrelion::spectrumio
