#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace tavrelion::analysis {

class ReferenceChoiceModel;

// frm_para: the reference proteins Varselec keeps and the number left out of each combination;
// its rules live in the model.
class ReferenceChoiceDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ReferenceChoiceDialog(ReferenceChoiceModel& model, QWidget* parent = nullptr);

    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void onSelectionChanged();
    void onRemoveEdited(const QString& text);
    void onOk();

    ReferenceChoiceModel& model_;
    QListWidget* list_;
    QLineEdit* remove_;
    QLineEdit* combinations_;
};

}  // namespace tavrelion::analysis
