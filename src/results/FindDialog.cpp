#include "results/FindDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/CentreForm.h"
#include "results/FindDialogModel.h"

namespace tavrelion::results {

FindDialog::FindDialog(FindDialogModel& model, QWidget* parent)
    : QDialog(parent), model_(model), text_(new QLineEdit) {
    setObjectName("DemoCherche");
    setWindowTitle(QString::fromLatin1(FindDialogModel::Caption));
    // The box opens on the text last searched for, with the cursor at its start; what the user
    // types stays when the focus leaves the box and comes back.
    text_->setObjectName("TexteCherch");
    text_->setText(QString::fromLatin1(model.initialText()));
    text_->setCursorPosition(0);

    auto* prompt = new QLabel(QString::fromLatin1(FindDialogModel::Prompt));
    prompt->setObjectName("Label2");
    prompt->setBuddy(text_);

    auto* search = new QPushButton(QString::fromLatin1(FindDialogModel::SearchCaption));
    search->setObjectName("Search");
    search->setDefault(true);
    auto* cancel = new QPushButton(QString::fromLatin1(FindDialogModel::CancelCaption));
    cancel->setObjectName("Quitter");
    connect(search, &QPushButton::clicked, this, &FindDialog::onSearch);
    connect(cancel, &QPushButton::clicked, this, &FindDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(search);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

void FindDialog::onSearch() {
    model_.search(text_->text().toLatin1().toStdString());
    accept();
}

void FindDialog::reject() {
    model_.cancel();
    QDialog::reject();
}

void FindDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    platform::CentreForm(*this);
    text_->setFocus();
}

}  // namespace tavrelion::results
