#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QSlider;

namespace tavrelion::analysis {

class ContentBoundsModel;

// frmfenet: the bounds of the total content the Varselec result analysis accepts; its rules
// live in the model.
class ContentBoundsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ContentBoundsDialog(ContentBoundsModel& model, QWidget* parent = nullptr);

    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showModel();
    void onOk();

    ContentBoundsModel& model_;
    QLabel* minLabel_;
    QSlider* minSlider_;
    QLineEdit* minText_;
    QLabel* maxLabel_;
    QSlider* maxSlider_;
    QLineEdit* maxText_;
};

}  // namespace tavrelion::analysis
