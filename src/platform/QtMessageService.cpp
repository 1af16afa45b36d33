#include "platform/QtMessageService.h"

#include <QInputDialog>
#include <QMessageBox>

#include "platform/DisplayText.h"
#include "platform/ProgramName.h"

namespace tavrelion::platform {
namespace {

QString FromLatin1(const std::string& text) {
    return DisplayText(text);
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtMessageService::showMessage(const std::string& text, MessageIcon icon) {
    QMessageBox box(ToQtIcon(icon), QString::fromLatin1(ProgramName), FromLatin1(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

bool QtMessageService::askYesNo(const std::string& text, bool noIsDefault) {
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(ProgramName), FromLatin1(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(noIsDefault ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace tavrelion::platform

namespace tavrelion::platform {

std::optional<std::string> QtMessageService::askText(const std::string& prompt,
                                                     const std::string& proposedAnswer) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(parent_, QString::fromLatin1(ProgramName), FromLatin1(prompt),
                              QLineEdit::Normal, FromLatin1(proposedAnswer), &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return answer.toLatin1().toStdString();
}

}  // namespace tavrelion::platform
