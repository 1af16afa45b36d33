#include "spectrumio/UnitDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/CentreForm.h"
#include "spectrumio/UnitDialogModel.h"

namespace tavrelion::spectrumio {

UnitDialog::UnitDialog(UnitDialogModel& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      concentration_(new QLineEdit(QString::fromLatin1(model.initialConcentrationText()))),
      cellWidth_(new QLineEdit(QString::fromLatin1(model.initialCellWidthText()))) {
    setObjectName("frmunit");
    setWindowTitle(QString::fromLatin1(UnitDialogModel::Caption));
    concentration_->setObjectName("concent");
    cellWidth_->setObjectName("cellwidth");

    auto* fields = new QFormLayout;
    fields->addRow(QString::fromLatin1(UnitDialogModel::ConcentrationLabel), concentration_);
    fields->addRow(QString::fromLatin1(UnitDialogModel::CellWidthLabel), cellWidth_);

    auto* valid = new QPushButton(QString::fromLatin1(UnitDialogModel::ValidCaption));
    valid->setObjectName("Command1");
    valid->setDefault(true);
    auto* cancel = new QPushButton(QString::fromLatin1(UnitDialogModel::CancelCaption));
    cancel->setObjectName("Command2");
    connect(valid, &QPushButton::clicked, this, &UnitDialog::onValid);
    connect(cancel, &QPushButton::clicked, this, &UnitDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(valid);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setMinimumWidth(520);
}

void UnitDialog::onValid() {
    model_.valid(concentration_->text().toLatin1().toStdString(),
                 cellWidth_->text().toLatin1().toStdString());
    if (model_.closed()) {
        accept();
    }
}

void UnitDialog::reject() {
    model_.cancel();
    QDialog::reject();
}

void UnitDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    platform::CentreForm(*this);
}

}  // namespace tavrelion::spectrumio
