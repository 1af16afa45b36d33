#pragma once

#include <QDialog>

class QLineEdit;

namespace tavrelion::results {

class FindDialogModel;

// DemoCherche: asks for the text to search in a result window; its rules live in the model.
class FindDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FindDialog(FindDialogModel& model, QWidget* parent = nullptr);

    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void onSearch();

    FindDialogModel& model_;
    QLineEdit* text_;
};

}  // namespace tavrelion::results
