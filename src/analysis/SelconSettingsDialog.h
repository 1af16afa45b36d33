#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace tavrelion::analysis {

class SelconSettingsModel;

// frmselcon: the SELCON2 settings; its rules live in the model.
class SelconSettingsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SelconSettingsDialog(SelconSettingsModel& model, QWidget* parent = nullptr);

    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showModel();
    void onValid();
    void onDefaults();

    SelconSettingsModel& model_;
    QScrollBar* iterationBar_;
    QLineEdit* iterationText_;
    QScrollBar* toleranceBar_;
    QLineEdit* toleranceText_;
    QRadioButton* models_[4];
    QRadioButton* formats_[2];
};

}  // namespace tavrelion::analysis
