#include "spectrumio/ConversionDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/CentreForm.h"
#include "spectrumio/ConversionDialogModel.h"

namespace tavrelion::spectrumio {
namespace {

constexpr CdUnit AllUnits[] = {CdUnit::Millidegrees, CdUnit::Degrees,          CdUnit::DeltaA,
                               CdUnit::DeltaEpsilon, CdUnit::MolarEllipticity, CdUnit::MeanResidue};

std::string Text(const QLineEdit* box) {
    return box->text().toStdString();
}

}  // namespace

ConversionDialog::ConversionDialog(ConversionDialogModel& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      unit_(new QComboBox),
      problem_(new QLabel),
      fields_(new QFormLayout) {
    setObjectName("frmconvert");
    setWindowTitle(QString::fromLatin1(ConversionDialogModel::Caption));
    const ConversionDialogModel::Entries initial = model.initialEntries();

    auto* heading = new QLabel(QString::fromStdString(model.heading()));
    heading->setObjectName("heading");
    heading->setWordWrap(true);
    unit_->setObjectName("unit");
    unit_->addItem("(choose the unit)");
    for (CdUnit unit : AllUnits) {
        unit_->addItem(QString::fromUtf8(std::string(CdUnitTitle(unit)).c_str()));
        if (initial.unit == unit) {
            unit_->setCurrentIndex(unit_->count() - 1);
        }
    }
    fields_->addRow(ConversionDialogModel::UnitLabel, unit_);
    path_ = addBox(ConversionDialogModel::PathLabel, initial.pathCm, "pathcm");
    residueMolar_ =
        addBox(ConversionDialogModel::ResidueMolarLabel, initial.residueMolar, "concent");
    mgPerMl_ = addBox(ConversionDialogModel::MgPerMlLabel, initial.mgPerMl, "mgperml");
    meanResidueWeight_ =
        addBox(ConversionDialogModel::MeanResidueWeightLabel, initial.meanResidueWeight, "mrw");
    molecularWeight_ =
        addBox(ConversionDialogModel::MolecularWeightLabel, initial.molecularWeight, "mw");
    residues_ = addBox(ConversionDialogModel::ResiduesLabel, initial.residues, "residues");
    problem_->setObjectName("problem");
    problem_->setStyleSheet("color: #b00000");

    auto* valid = new QPushButton("&Valid");
    valid->setObjectName("Command1");
    valid->setDefault(true);
    auto* cancel = new QPushButton("&Cancel");
    cancel->setObjectName("Command2");
    connect(valid, &QPushButton::clicked, this, &ConversionDialog::onValid);
    connect(cancel, &QPushButton::clicked, this, &ConversionDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(problem_, 1);
    buttons->addWidget(valid);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(fields_);
    layout->addLayout(buttons);
    setMinimumWidth(560);
}

QLineEdit* ConversionDialog::addBox(const char* label, const std::string& text, const char* name) {
    auto* box = new QLineEdit(QString::fromStdString(text));
    box->setObjectName(name);
    fields_->addRow(label, box);
    return box;
}

void ConversionDialog::onValid() {
    ConversionDialogModel::Entries entries;
    if (unit_->currentIndex() > 0) {
        entries.unit = AllUnits[unit_->currentIndex() - 1];
    }
    entries.pathCm = Text(path_);
    entries.residueMolar = Text(residueMolar_);
    entries.mgPerMl = Text(mgPerMl_);
    entries.meanResidueWeight = Text(meanResidueWeight_);
    entries.molecularWeight = Text(molecularWeight_);
    entries.residues = Text(residues_);
    model_.valid(entries);
    problem_->setText(QString::fromStdString(model_.problem()));
    if (model_.closed()) {
        accept();
    }
}

void ConversionDialog::reject() {
    model_.cancel();
    QDialog::reject();
}

void ConversionDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    platform::CentreForm(*this);
}

}  // namespace tavrelion::spectrumio
