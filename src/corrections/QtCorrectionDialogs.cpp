#include "corrections/QtCorrectionDialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>

#include "platform/CentreForm.h"
#include "platform/ProgramName.h"

namespace tavrelion::corrections {
namespace {

QString Text(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Latin1(const QString& text) {
    return text.toLatin1().toStdString();
}

QLineEdit* Box(const char* name, const std::string& text) {
    auto* box = new QLineEdit(Text(text));
    box->setObjectName(name);
    return box;
}

// A modal form with Ok and Cancel. `take` hands the widgets to the model and returns its message;
// the dialog closes on an empty one.
void Run(QWidget* parent, const char* objectName, const char* caption, QLayout* fields,
         const std::function<std::string()>& take) {
    QDialog dialog(parent);
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(caption);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton("&Ok", QDialogButtonBox::AcceptRole)->setObjectName("cmdOk");
    buttons->addButton("&Cancel", QDialogButtonBox::RejectRole)->setObjectName("cmdCancel");
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        const std::string message = take();
        if (message.empty()) {
            dialog.accept();
        } else {
            QMessageBox::warning(&dialog, platform::ProgramName, Text(message));
        }
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.adjustSize();  // centred at its final size
    platform::CentreForm(dialog);
    dialog.exec();
}

}  // namespace

void QtCorrectionDialogs::showBaseline(BaselineModel& model) {
    auto* constant = new QRadioButton("Subtract a &constant");
    auto* range = new QRadioButton("Subtract the &mean over a range (nm)");
    constant->setObjectName("optConstant");
    range->setObjectName("optRange");
    (model.fromRange ? range : constant)->setChecked(true);
    QLineEdit* value = Box("txtConstant", model.constantText);
    QLineEdit* from = Box("txtFrom", model.fromText);
    QLineEdit* to = Box("txtTo", model.toText);
    auto* fields = new QFormLayout;
    fields->addRow(constant, value);
    fields->addRow(range);
    fields->addRow("From", from);
    fields->addRow("To", to);
    model.cancel();
    Run(parent_, "frmBaseline", BaselineModel::Caption, fields, [&] {
        model.fromRange = range->isChecked();
        model.constantText = Latin1(value->text());
        model.fromText = Latin1(from->text());
        model.toText = Latin1(to->text());
        return model.ok();
    });
}

void QtCorrectionDialogs::showMultiply(MultiplyModel& model) {
    QLineEdit* factor = Box("txtFactor", model.factorText);
    auto* fields = new QFormLayout;
    fields->addRow("Multiply every value by", factor);
    model.cancel();
    Run(parent_, "frmMultiply", MultiplyModel::Caption, fields, [&] {
        model.factorText = Latin1(factor->text());
        return model.ok();
    });
}

void QtCorrectionDialogs::showSmooth(SmoothModel& model) {
    QLineEdit* width = Box("txtWidth", model.widthText);
    auto* order = new QComboBox;
    order->setObjectName("cboOrder");
    order->addItems({"2 (quadratic)", "3 (cubic)"});
    order->setCurrentIndex(model.order == 3 ? 1 : 0);
    auto* fields = new QFormLayout;
    fields->addRow("Savitzky-Golay window (nm)", width);
    fields->addRow("Polynomial order", order);
    model.cancel();
    Run(parent_, "frmSmooth", SmoothModel::Caption, fields, [&] {
        model.widthText = Latin1(width->text());
        model.order = order->currentIndex() == 1 ? 3 : 2;
        return model.ok();
    });
}

void QtCorrectionDialogs::showSlotChoice(SlotChoiceModel& model) {
    auto* list = new QListWidget;
    list->setObjectName("lstSlots");
    for (const std::string& label : model.labels()) {
        list->addItem(Text(label));
    }
    list->setSelectionMode(model.several() ? QAbstractItemView::MultiSelection
                                           : QAbstractItemView::SingleSelection);
    if (!model.several() && list->count() > 0) {
        list->setCurrentRow(list->count() - 1);
    }
    auto* fields = new QVBoxLayout;
    fields->addWidget(new QLabel(model.several() ? "The spectra to average:"
                                                 : "The spectrum to take with the current one:"));
    fields->addWidget(list);
    model.cancel();
    Run(parent_, "frmSlotChoice", model.caption().c_str(), fields, [&] {
        model.chosenRows.clear();
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->isSelected()) {
                model.chosenRows.push_back(row);
            }
        }
        return model.ok();
    });
}

}  // namespace tavrelion::corrections
