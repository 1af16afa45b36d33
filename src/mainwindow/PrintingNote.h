#pragma once

#include <QDialog>

class QLineEdit;

namespace tavrelion::mainwindow {

// frm_pmsgco: a small note shown, not modal, while a printout is being made.
class PrintingNote : public QDialog {
    Q_OBJECT
  public:
    explicit PrintingNote(QWidget* parent = nullptr);

    // Shows the note with text and paints it at once, before the printer starts working.
    void showNote(const QString& text);

  private:
    QLineEdit* text_;
};

}  // namespace tavrelion::mainwindow
