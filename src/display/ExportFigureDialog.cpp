#include "display/ExportFigureDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QSpinBox>

namespace tavrelion::display {
namespace {

QDoubleSpinBox* Box(const char* name, double low, double high, int decimals, double value) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setRange(low, high);
    box->setDecimals(decimals);
    box->setValue(value);
    return box;
}

}  // namespace

ExportFigureDialog::ExportFigureDialog(const FigureSettings& settings, QWidget* parent)
    : QDialog(parent),
      first_(Box("figureFirst", 100, 400, 1, settings.firstWavelength)),
      last_(Box("figureLast", 100, 400, 1, settings.lastWavelength)),
      automatic_(new QCheckBox("&Automatic")),
      minimum_(Box("figureMinimum", -1e7, 1e7, 2, settings.minimumValue)),
      maximum_(Box("figureMaximum", -1e7, 1e7, 2, settings.maximumValue)),
      units_(new QComboBox),
      format_(new QComboBox),
      dpi_(new QSpinBox),
      width_(Box("figureWidth", 1, 40, 2, settings.widthInches)),
      height_(Box("figureHeight", 1, 40, 2, settings.heightInches)) {
    setObjectName("frmexportfigure");
    setWindowTitle("Export figure");
    automatic_->setObjectName("figureAutomatic");
    automatic_->setChecked(settings.automaticValues);
    units_->setObjectName("figureUnits");
    units_->addItems({QString::fromUtf8("Mean residue ellipticity (deg cm\u00b2 dmol\u207b\u00b9)"),
                      QString::fromUtf8("\u0394\u03b5 (M\u207b\u00b9 cm\u207b\u00b9)")});
    units_->setCurrentIndex(settings.units == FigureUnits::DeltaEpsilon ? 1 : 0);
    format_->setObjectName("figureFormat");
    format_->addItems({"PNG image", "SVG drawing", "PDF document"});
    format_->setCurrentIndex(static_cast<int>(settings.format));
    dpi_->setObjectName("figureDpi");
    dpi_->setRange(50, 2400);
    dpi_->setValue(settings.dpi);
    dpi_->setSuffix(" dpi");
    for (QDoubleSpinBox* box : {first_, last_}) {
        box->setSuffix(" nm");
    }
    for (QDoubleSpinBox* box : {width_, height_}) {
        box->setSuffix(" in");
    }
    const auto valuesChosen = [this] {
        minimum_->setEnabled(!automatic_->isChecked());
        maximum_->setEnabled(!automatic_->isChecked());
    };
    connect(automatic_, &QCheckBox::toggled, this, valuesChosen);
    valuesChosen();

    auto* form = new QFormLayout(this);
    form->addRow("&From", first_);
    form->addRow("&To", last_);
    form->addRow("&Units", units_);
    form->addRow("Values", automatic_);
    form->addRow("&Lowest", minimum_);
    form->addRow("&Highest", maximum_);
    form->addRow("&Width", width_);
    form->addRow("H&eight", height_);
    form->addRow("&Resolution", dpi_);
    form->addRow("F&ormat", format_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

FigureSettings ExportFigureDialog::settings() const {
    FigureSettings settings;
    settings.firstWavelength = first_->value();
    settings.lastWavelength = last_->value();
    settings.automaticValues = automatic_->isChecked();
    settings.minimumValue = minimum_->value();
    settings.maximumValue = maximum_->value();
    settings.units = units_->currentIndex() == 1 ? FigureUnits::DeltaEpsilon
                                                 : FigureUnits::MeanResidueEllipticity;
    settings.format = static_cast<FigureFormat>(format_->currentIndex());
    settings.dpi = dpi_->value();
    settings.widthInches = width_->value();
    settings.heightInches = height_->value();
    return settings;
}

void ExportFigureDialog::accept() {
    if (const auto problem = FigureSettingsProblem(settings())) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(*problem));
        return;
    }
    QDialog::accept();
}

}  // namespace tavrelion::display
