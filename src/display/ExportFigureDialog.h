#pragma once

#include <QDialog>

#include "display/FigureSettings.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

namespace tavrelion::display {

// "Export figure": the wavelength and value range, units, size, resolution and format of a figure
// for print. OK keeps the dialog open while the settings are not sound, saying why.
class ExportFigureDialog : public QDialog {
    Q_OBJECT
  public:
    ExportFigureDialog(const FigureSettings& settings, QWidget* parent = nullptr);

    FigureSettings settings() const;
    void accept() override;

  private:
    QDoubleSpinBox* first_;
    QDoubleSpinBox* last_;
    QCheckBox* automatic_;
    QDoubleSpinBox* minimum_;
    QDoubleSpinBox* maximum_;
    QComboBox* units_;
    QComboBox* format_;
    QSpinBox* dpi_;
    QDoubleSpinBox* width_;
    QDoubleSpinBox* height_;
};

}  // namespace tavrelion::display
