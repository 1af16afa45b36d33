#include "analysis/ReferenceChoiceDialog.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "analysis/ReferenceChoiceModel.h"
#include "platform/CentreForm.h"

namespace tavrelion::analysis {
namespace {

constexpr int BoxWidth = 72;

QLabel* NamedLabel(const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text));
    label->setObjectName(name);
    return label;
}

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text);
}

}  // namespace

ReferenceChoiceDialog::ReferenceChoiceDialog(ReferenceChoiceModel& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      list_(new QListWidget),
      remove_(new QLineEdit(Latin1(model.removeText()))),
      combinations_(new QLineEdit(Latin1(model.combinationText()))) {
    setObjectName("frm_para");
    setWindowTitle(QString::fromLatin1(ReferenceChoiceModel::Caption));

    list_->setObjectName("List1");
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const auto& selected = model.selected();
    const auto items = model.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto* item = new QListWidgetItem(Latin1(items[i]), list_);
        item->setSelected(selected[i]);
    }
    list_->setMinimumWidth(360);

    remove_->setObjectName("Text1");
    remove_->setFixedWidth(BoxWidth);
    combinations_->setObjectName("Text2");
    combinations_->setReadOnly(true);
    combinations_->setFixedWidth(BoxWidth);

    auto* fields = new QGridLayout;
    fields->addWidget(NamedLabel("Label1", ReferenceChoiceModel::RemoveLabel), 0, 0);
    fields->addWidget(remove_, 0, 1, Qt::AlignLeft);
    fields->addWidget(NamedLabel("Label2", ReferenceChoiceModel::RemoveRangeLabel), 1, 0);
    fields->addWidget(NamedLabel("Label5", ReferenceChoiceModel::CombinationsLabel), 2, 0);
    fields->addWidget(combinations_, 2, 1, Qt::AlignLeft);
    fields->addWidget(NamedLabel("Label3", ReferenceChoiceModel::FormulaLabel), 3, 0);
    fields->addWidget(NamedLabel("Label4", ReferenceChoiceModel::CountLabel), 4, 0, 1, 2);

    auto* ok = new QPushButton(QString::fromLatin1(ReferenceChoiceModel::OkCaption));
    ok->setObjectName("Command1");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromLatin1(ReferenceChoiceModel::CancelCaption));
    cancel->setObjectName("Command2");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* side = new QVBoxLayout;
    side->addLayout(fields);
    side->addStretch();
    side->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(side);
    resize(660, 420);

    connect(list_, &QListWidget::itemSelectionChanged, this,
            &ReferenceChoiceDialog::onSelectionChanged);
    connect(remove_, &QLineEdit::textEdited, this, &ReferenceChoiceDialog::onRemoveEdited);
    connect(ok, &QPushButton::clicked, this, &ReferenceChoiceDialog::onOk);
    connect(cancel, &QPushButton::clicked, this, &ReferenceChoiceDialog::reject);
}

void ReferenceChoiceDialog::onSelectionChanged() {
    std::vector<bool> selected(static_cast<std::size_t>(list_->count()));
    for (int row = 0; row < list_->count(); ++row) {
        selected[static_cast<std::size_t>(row)] = list_->item(row)->isSelected();
    }
    model_.selectionChanged(selected);
    combinations_->setText(Latin1(model_.combinationText()));
}

void ReferenceChoiceDialog::onRemoveEdited(const QString& text) {
    const QString shown = Latin1(model_.removeTextChanged(text.toLatin1().toStdString()));
    if (shown != text) {
        remove_->setText(shown);
    }
    combinations_->setText(Latin1(model_.combinationText()));
}

void ReferenceChoiceDialog::onOk() {
    model_.ok();
    accept();
}

void ReferenceChoiceDialog::reject() {
    model_.cancel();
    QDialog::reject();
}

void ReferenceChoiceDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    platform::CentreForm(*this);
}

}  // namespace tavrelion::analysis
