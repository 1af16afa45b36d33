#include "mainwindow/PrintingNote.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/CentreForm.h"
#include "platform/ProgramName.h"

namespace tavrelion::mainwindow {

PrintingNote::PrintingNote(QWidget* parent) : QDialog(parent), text_(new QLineEdit) {
    setObjectName("frm_pmsgco");
    setWindowTitle(platform::ProgramName);
    setModal(false);
    text_->setObjectName("Text1");
    text_->setReadOnly(true);
    text_->setMinimumWidth(280);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
}

void PrintingNote::showNote(const QString& text) {
    text_->setText(text);
    show();
    platform::CentreForm(*this);
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace tavrelion::mainwindow
