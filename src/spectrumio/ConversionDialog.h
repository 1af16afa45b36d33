#pragma once

#include <QDialog>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace tavrelion::spectrumio {

class ConversionDialogModel;

// The conversion dialog of today's file kinds; its rules live in the model.
class ConversionDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ConversionDialog(ConversionDialogModel& model, QWidget* parent = nullptr);

    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void onValid();
    QLineEdit* addBox(const char* label, const std::string& text, const char* name);

    ConversionDialogModel& model_;
    QComboBox* unit_;
    QLabel* problem_;
    QFormLayout* fields_;
    QLineEdit* path_ = nullptr;
    QLineEdit* residueMolar_ = nullptr;
    QLineEdit* mgPerMl_ = nullptr;
    QLineEdit* meanResidueWeight_ = nullptr;
    QLineEdit* molecularWeight_ = nullptr;
    QLineEdit* residues_ = nullptr;
};

}  // namespace tavrelion::spectrumio
