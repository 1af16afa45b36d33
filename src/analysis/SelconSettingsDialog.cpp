#include "analysis/SelconSettingsDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "analysis/SelconSettingsModel.h"
#include "platform/CentreForm.h"

namespace tavrelion::analysis {
namespace {

constexpr const char* ModelNames[4] = {"Option7", "Option4", "Option5", "Option6"};
constexpr const char* FormatNames[2] = {"Option1", "Option2"};
constexpr int BarHeight = 64;
constexpr int BoxWidth = 48;

QLabel* NamedLabel(const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text));
    label->setObjectName(name);
    return label;
}

QScrollBar* NamedBar(const char* name) {
    auto* bar = new QScrollBar(Qt::Vertical);
    bar->setObjectName(name);
    bar->setRange(SelconSettingsModel::BarMinimum, SelconSettingsModel::BarMaximum);
    bar->setPageStep(5);
    bar->setFixedHeight(BarHeight);
    return bar;
}

QLineEdit* NamedBox(const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setFixedWidth(BoxWidth);
    return box;
}

QPushButton* NamedButton(const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption));
    button->setObjectName(name);
    return button;
}

// A frame of option buttons under its label.
QGroupBox* OptionFrame(const char* name, const char* const* captions, const char* const* names,
                       int count, QRadioButton** buttons) {
    auto* frame = new QGroupBox;
    frame->setObjectName(name);
    auto* column = new QVBoxLayout(frame);
    for (int i = 0; i < count; ++i) {
        buttons[i] = new QRadioButton(QString::fromLatin1(captions[i]));
        buttons[i]->setObjectName(names[i]);
        column->addWidget(buttons[i]);
    }
    return frame;
}

}  // namespace

SelconSettingsDialog::SelconSettingsDialog(SelconSettingsModel& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      iterationBar_(NamedBar("hsbHel")),
      iterationText_(NamedBox("text1")),
      toleranceBar_(NamedBar("Vbar")),
      toleranceText_(NamedBox("text2")) {
    setObjectName("frmselcon");
    setWindowTitle(QString::fromLatin1(SelconSettingsModel::Caption));
    toleranceText_->setReadOnly(true);

    auto* numbers = new QGridLayout;
    numbers->addWidget(NamedLabel("lblHel", SelconSettingsModel::IterationLabel), 0, 0, 1, 3);
    numbers->addWidget(iterationBar_, 1, 1);
    numbers->addWidget(iterationText_, 1, 2);
    numbers->addWidget(NamedLabel("Label3", SelconSettingsModel::TotalLabel), 2, 0, 1, 3);
    numbers->addWidget(NamedLabel("Label4", SelconSettingsModel::XLabel), 3, 0, Qt::AlignRight);
    numbers->addWidget(toleranceBar_, 3, 1);
    numbers->addWidget(toleranceText_, 3, 2);
    numbers->setColumnStretch(3, 1);
    numbers->setRowStretch(4, 1);

    auto* options = new QVBoxLayout;
    options->addWidget(NamedLabel("Label2", SelconSettingsModel::ModelLabel));
    options->addWidget(
        OptionFrame("Frame2", SelconSettingsModel::ModelCaptions, ModelNames, 4, models_));
    options->addWidget(NamedLabel("Label5", SelconSettingsModel::FormatLabel));
    options->addWidget(
        OptionFrame("Frame1", SelconSettingsModel::FormatCaptions, FormatNames, 2, formats_));

    auto* valid = NamedButton("Command1", SelconSettingsModel::ValidCaption);
    valid->setDefault(true);
    auto* defaults = NamedButton("Command2", SelconSettingsModel::DefaultsCaption);
    auto* cancel = NamedButton("Command3", SelconSettingsModel::CancelCaption);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(valid);
    buttons->addWidget(defaults);
    buttons->addWidget(cancel);

    auto* top = new QHBoxLayout;
    top->addLayout(numbers);
    top->addSpacing(16);
    top->addLayout(options);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showModel();

    connect(iterationBar_, &QScrollBar::valueChanged, this, [this](int value) {
        model_.iterationBarMoved(value);
        showModel();
    });
    connect(iterationText_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.iterationTextChanged(text.toLatin1().toStdString());
    });
    connect(toleranceBar_, &QScrollBar::valueChanged, this, [this](int value) {
        model_.toleranceBarMoved(value);
        showModel();
    });
    for (int i = 0; i < 4; ++i) {
        connect(models_[i], &QRadioButton::clicked, this, [this, i] {
            model_.chooseModel(i + 1);
            showModel();
        });
    }
    for (int i = 0; i < 2; ++i) {
        connect(formats_[i], &QRadioButton::clicked, this, [this, i] {
            model_.chooseFormat(i + 1);
            showModel();
        });
    }
    connect(valid, &QPushButton::clicked, this, &SelconSettingsDialog::onValid);
    connect(defaults, &QPushButton::clicked, this, &SelconSettingsDialog::onDefaults);
    connect(cancel, &QPushButton::clicked, this, &SelconSettingsDialog::reject);
}

// Puts the model's state on the widgets without feeding it back as user changes.
void SelconSettingsDialog::showModel() {
    const QSignalBlocker iterationBar(iterationBar_);
    const QSignalBlocker toleranceBar(toleranceBar_);
    iterationBar_->setValue(model_.iterationBar());
    toleranceBar_->setValue(model_.toleranceBar());
    const QString iterations = QString::fromLatin1(model_.iterationText());
    if (iterationText_->text() != iterations) {
        iterationText_->setText(iterations);
    }
    toleranceText_->setText(QString::fromLatin1(model_.toleranceText()));
    for (int i = 0; i < 4; ++i) {
        const std::string reason = model_.modelUnavailableReason(i + 1);
        models_[i]->setEnabled(reason.empty());
        models_[i]->setToolTip(QString::fromLatin1(reason));
        models_[i]->setText(QString::fromLatin1(SelconSettingsModel::ModelCaptions[i]) +
                            (reason.empty() ? QString() : QStringLiteral(" (not installed)")));
    }
    models_[model_.modelShown() - 1]->setChecked(true);
    const int format = model_.formatShown();
    if (format >= 1 && format <= 2) {
        formats_[format - 1]->setChecked(true);
    }
}

void SelconSettingsDialog::onValid() {
    model_.valid();
    accept();
}

void SelconSettingsDialog::onDefaults() {
    model_.defaults();
    showModel();
}

void SelconSettingsDialog::reject() {
    model_.cancel();
    QDialog::reject();
}

void SelconSettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    platform::CentreForm(*this);
}

}  // namespace tavrelion::analysis
