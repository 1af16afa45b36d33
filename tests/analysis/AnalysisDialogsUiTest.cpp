#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/ContentBoundsModel.h"
#include "analysis/QtAnalysisDialogs.h"
#include "analysis/ReferenceChoiceModel.h"
#include "analysis/SelconSettingsModel.h"
#include "store/SpectrumStore.h"

namespace tavrelion::analysis {
namespace {

template <typename Widget = QWidget>
Widget& Find(QWidget& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(name);
    if (widget == nullptr) {
        throw std::runtime_error(std::string("no widget ") + name);
    }
    return *widget;
}

QString Text(QWidget& dialog, const char* name) {
    if (auto* label = dialog.findChild<QLabel*>(name)) {
        return label->text();
    }
    if (auto* button = dialog.findChild<QAbstractButton*>(name)) {
        return button->text();
    }
    return Find<QLineEdit>(dialog, name).text();
}

// What a user's typing does: the text changes and the box says it was edited.
void Type(QWidget& dialog, const char* box, const QString& text) {
    auto& edit = Find<QLineEdit>(dialog, box);
    edit.selectAll();
    edit.insert(text);
}

void Click(QWidget& dialog, const char* button) {
    Find<QAbstractButton>(dialog, button).click();
}

void Slide(QWidget& dialog, const char* slider, int value) {
    Find<QAbstractSlider>(dialog, slider).setValue(value);
}

// Shows a dialog through show() and plays the user's part once it is up. A dialog the part
// leaves open is a failure, and is closed so that the test goes on.
template <typename Show, typename Act>
void WhileShown(Show show, Act act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no modal dialog is shown";
            return;
        }
        try {
            act(*dialog);
        } catch (const std::exception& error) {
            ADD_FAILURE() << error.what();
        }
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog stayed open";
            dialog->done(QDialog::Rejected);
        }
    });
    show();
}

std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int p = 1; p <= 33; ++p) {
        names.push_back("Reference protein " + std::to_string(p));
    }
    return names;
}

TEST(AnalysisDialogsWindow, ReferenceChoiceShowsTheModelAndOkStoresTheSelection) {
    auto store = std::make_unique<store::SpectrumStore>();
    store->ReferenceSelected.fill(1);
    store->ReferenceSelected(4) = 0;
    ReferenceChoiceModel model(*store, Names());
    QtAnalysisDialogs dialogs;
    WhileShown([&] { dialogs.showReferenceChoice(model); },
               [](QDialog& shown) {
                   EXPECT_EQ(shown.windowTitle(), "Protein reference spectra choice");
                   auto& list = Find<QListWidget>(shown, "List1");
                   ASSERT_EQ(list.count(), 33);
                   EXPECT_EQ(list.item(0)->text(), " 1          Reference protein 1");
                   EXPECT_FALSE(list.item(4)->isSelected());
                   EXPECT_EQ(Text(shown, "Text1"), "2");
                   EXPECT_EQ(Text(shown, "Text2"), " 496");
                   EXPECT_EQ(Text(shown, "Label1"), "Number of proteins to remove :");
                   EXPECT_EQ(Text(shown, "Label4"), "n= number of reference spectra");
                   EXPECT_EQ(Text(shown, "Command2"), "&Cancel");
                   Type(shown, "Text1", "3");
                   list.item(0)->setSelected(false);
                   EXPECT_EQ(Text(shown, "Text2"), " 4495");
                   Click(shown, "Command1");
               });
    EXPECT_TRUE(model.accepted());
    EXPECT_EQ(store->ReferenceSelected(0), 0);
    EXPECT_EQ(store->ReferenceSelected(1), 1);
    EXPECT_EQ(store->ReferenceSelected(4), 0);
    EXPECT_EQ(model.choice().RemoveCount, 3);
}

TEST(AnalysisDialogsWindow, SelconSettingsShowsTheModelAndValidKeepsTheChanges) {
    drivers::SelconSettings settings;
    settings.SelconTolerance = 5;
    SelconSettingsModel model(settings);
    QtAnalysisDialogs dialogs;
    WhileShown([&] { dialogs.showSelconSettings(model); },
               [&settings](QDialog& shown) {
                   EXPECT_EQ(shown.windowTitle(), "Self consistent program settings");
                   EXPECT_EQ(Text(shown, "text1"), "  10");
                   EXPECT_EQ(Text(shown, "text2"), "   5");
                   EXPECT_EQ(Find<QAbstractSlider>(shown, "Vbar").orientation(), Qt::Vertical);
                   EXPECT_EQ(Find<QAbstractSlider>(shown, "Vbar").value(), 5);
                   EXPECT_EQ(Find<QAbstractSlider>(shown, "hsbHel").maximum(), 30);
                   EXPECT_EQ(Text(Find(shown, "Frame2"), "Option4"), "Kabsch -Sander (1983)");
                   EXPECT_TRUE(Find<QRadioButton>(shown, "Option7").isChecked());
                   EXPECT_TRUE(Find<QRadioButton>(Find(shown, "Frame1"), "Option1").isChecked());
                   Slide(shown, "Vbar", 25);
                   EXPECT_EQ(Text(shown, "text2"), "25");
                   Click(shown, "Command2");  // defaults
                   EXPECT_EQ(Text(shown, "text2"), "  10");
                   Slide(shown, "hsbHel", 20);
                   EXPECT_EQ(Text(shown, "text1"), "20");
                   Click(shown, "Option2");
                   Type(shown, "text1", "0");
                   Click(shown, "Command1");
               });
    EXPECT_TRUE(model.accepted());
    EXPECT_EQ(settings.SelconIterations, 1);
    EXPECT_EQ(settings.SelconTolerance, 10);
    EXPECT_EQ(settings.SelconModel, 1);
    EXPECT_EQ(settings.SelconFormat, 2);
}

TEST(AnalysisDialogsWindow, ContentBoundsShowsTheModelTopToBottomAndOkKeepsTheBounds) {
    ContentBounds bounds{10, 110};
    ContentBoundsModel model(bounds);
    QtAnalysisDialogs dialogs;
    WhileShown([&] { dialogs.showContentBounds(model); },
               [](QDialog& shown) {
                   EXPECT_EQ(shown.windowTitle(), "Window width");
                   EXPECT_EQ(Text(shown, "text1"), "   10");
                   EXPECT_EQ(Text(shown, "Text2"), "  110");
                   EXPECT_EQ(Find<QAbstractSlider>(shown, "HScrollmax").minimum(), 100);
                   const auto top = [&shown](const char* name) { return Find(shown, name).y(); };
                   EXPECT_LT(top("Label1"), top("hsbHel"));
                   EXPECT_LT(top("hsbHel"), top("Label2"));
                   EXPECT_LT(top("Label2"), top("HScrollmax"));
                   EXPECT_LT(top("HScrollmax"), top("cmdclose"));
                   EXPECT_EQ(top("cmdclose"), top("Command1"));
                   EXPECT_GT(Find(shown, "text1").x(), Find(shown, "hsbHel").geometry().right());
                   Slide(shown, "HScrollmax", 200);
                   EXPECT_EQ(Text(shown, "Text2"), "200");
                   EXPECT_EQ(Text(shown, "Label2"), "The total content must be lower than 200");
                   Type(shown, "text1", "150");
                   EXPECT_EQ(Text(shown, "Label1"), "The total content must be greater than 150");
                   EXPECT_EQ(Find<QAbstractSlider>(shown, "hsbHel").value(), 10);
                   Click(shown, "cmdclose");
               });
    EXPECT_TRUE(model.accepted());
    EXPECT_EQ(bounds.ContentMin, 150);
    EXPECT_EQ(bounds.ContentMax, 200);
}

TEST(AnalysisDialogsWindow, CancelAndTheWindowFrameAcceptNothing) {
    auto store = std::make_unique<store::SpectrumStore>();
    store->ReferenceSelected.fill(1);
    drivers::SelconSettings settings;
    ContentBounds bounds{10, 110};
    QtAnalysisDialogs dialogs;
    for (const bool byFrame : {false, true}) {
        SCOPED_TRACE(byFrame ? "window frame" : "cancel button");
        const auto leave = [byFrame](const char* cancel) {
            return [byFrame, cancel](QDialog& shown) {
                if (auto* list = shown.findChild<QListWidget*>("List1")) {
                    list->clearSelection();
                }
                byFrame ? static_cast<void>(shown.close()) : Click(shown, cancel);
            };
        };
        store->DialogAccepted = 1;
        ReferenceChoiceModel references(*store, Names());
        WhileShown([&] { dialogs.showReferenceChoice(references); }, leave("Command2"));
        EXPECT_FALSE(references.accepted());
        EXPECT_EQ(store->DialogAccepted, 0);
        EXPECT_EQ(store->ReferenceSelected(7), 1);

        SelconSettingsModel selcon(settings);
        WhileShown([&] { dialogs.showSelconSettings(selcon); }, leave("Command3"));
        EXPECT_TRUE(selcon.closed());
        EXPECT_FALSE(selcon.accepted());

        ContentBoundsModel limits(bounds);
        WhileShown([&] { dialogs.showContentBounds(limits); }, leave("Command1"));
        EXPECT_TRUE(limits.closed());
        EXPECT_FALSE(limits.accepted());
    }
}

}  // namespace
}  // namespace tavrelion::analysis
