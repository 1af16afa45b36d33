#pragma once

#include <QDialog>

class QLineEdit;

namespace tavrelion::spectrumio {

class UnitDialogModel;

// frmunit: asks for the residue concentration and the cell width; its rules live in the model.
class UnitDialog : public QDialog {
    Q_OBJECT
  public:
    explicit UnitDialog(UnitDialogModel& model, QWidget* parent = nullptr);

    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void onValid();

    UnitDialogModel& model_;
    QLineEdit* concentration_;
    QLineEdit* cellWidth_;
};

}  // namespace tavrelion::spectrumio
