#include "analysis/ContentBoundsDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "analysis/ContentBoundsModel.h"
#include "platform/CentreForm.h"

namespace tavrelion::analysis {
namespace {

constexpr int BoxWidth = 56;
constexpr int SliderWidth = 300;

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

QSlider* NamedSlider(const char* name, int low, int high) {
    auto* slider = Named(new QSlider(Qt::Horizontal), name);
    slider->setRange(low, high);
    slider->setPageStep(10);
    slider->setMinimumWidth(SliderWidth);
    return slider;
}

QLineEdit* NamedBox(const char* name) {
    auto* box = Named(new QLineEdit, name);
    box->setFixedWidth(BoxWidth);
    return box;
}

QHBoxLayout* Row(QWidget* slider, QWidget* box) {
    auto* row = new QHBoxLayout;
    row->addWidget(slider, 1);
    row->addWidget(box);
    return row;
}

std::string Latin1(const QString& text) {
    return text.toLatin1().toStdString();
}

}  // namespace

ContentBoundsDialog::ContentBoundsDialog(ContentBoundsModel& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      minLabel_(Named(new QLabel, "Label1")),
      minSlider_(NamedSlider("hsbHel", ContentBoundsModel::MinSliderLow,
                             ContentBoundsModel::MinSliderHigh)),
      minText_(NamedBox("text1")),
      maxLabel_(Named(new QLabel, "Label2")),
      maxSlider_(NamedSlider("HScrollmax", ContentBoundsModel::MaxSliderLow,
                             ContentBoundsModel::MaxSliderHigh)),
      maxText_(NamedBox("Text2")) {
    setObjectName("frmfenet");
    setWindowTitle(QString::fromLatin1(ContentBoundsModel::Caption));

    auto* ok =
        Named(new QPushButton(QString::fromLatin1(ContentBoundsModel::OkCaption)), "cmdclose");
    ok->setDefault(true);
    auto* cancel =
        Named(new QPushButton(QString::fromLatin1(ContentBoundsModel::CancelCaption)), "Command1");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(minLabel_);
    layout->addLayout(Row(minSlider_, minText_));
    layout->addSpacing(8);
    layout->addWidget(maxLabel_);
    layout->addLayout(Row(maxSlider_, maxText_));
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    minText_->setText(QString::fromLatin1(model.minText()));
    maxText_->setText(QString::fromLatin1(model.maxText()));
    showModel();

    connect(minSlider_, &QSlider::valueChanged, this, [this](int value) {
        model_.minSliderMoved(value);
        minText_->setText(QString::fromLatin1(model_.minText()));
        showModel();
    });
    connect(maxSlider_, &QSlider::valueChanged, this, [this](int value) {
        model_.maxSliderMoved(value);
        maxText_->setText(QString::fromLatin1(model_.maxText()));
        showModel();
    });
    connect(minText_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.minTextChanged(Latin1(text));
        showModel();
    });
    connect(maxText_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.maxTextChanged(Latin1(text));
        showModel();
    });
    connect(ok, &QPushButton::clicked, this, &ContentBoundsDialog::onOk);
    connect(cancel, &QPushButton::clicked, this, &ContentBoundsDialog::reject);
}

// Puts the sliders and labels of the model on the widgets; the boxes keep what the user types.
void ContentBoundsDialog::showModel() {
    const QSignalBlocker minBlocker(minSlider_);
    const QSignalBlocker maxBlocker(maxSlider_);
    minSlider_->setValue(model_.minSlider());
    maxSlider_->setValue(model_.maxSlider());
    minLabel_->setText(QString::fromLatin1(model_.minLabel()));
    maxLabel_->setText(QString::fromLatin1(model_.maxLabel()));
}

void ContentBoundsDialog::onOk() {
    model_.ok();
    accept();
}

void ContentBoundsDialog::reject() {
    model_.cancel();
    QDialog::reject();
}

void ContentBoundsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    platform::CentreForm(*this);
}

}  // namespace tavrelion::analysis
