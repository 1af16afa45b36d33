#include "mainwindow/AboutBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "ProgramVersion.h"
#include "platform/CentreForm.h"
#include "platform/MessageService.h"
#include "platform/ProgramName.h"

namespace tavrelion::mainwindow {
namespace {

// A small far-UV CD spectrum of a helical protein: the program's picture.
QPixmap SpectrumPicture(const QColor& curve) {
    QPixmap picture(96, 72);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawLine(4, 30, 92, 30);
    QPainterPath path;
    for (int x = 0; x <= 88; ++x) {
        const double nm = 190 + x * 50.0 / 88;
        const double value = 60 * std::exp(-std::pow((nm - 192) / 6, 2)) -
                             33 * std::exp(-std::pow((nm - 208) / 6, 2)) -
                             30 * std::exp(-std::pow((nm - 222) / 8, 2));
        const QPointF point(4 + x, 30 - value * 0.45);
        x == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    painter.setPen(QPen(curve, 2));
    painter.drawPath(path);
    return picture;
}

}  // namespace

AboutBox::AboutBox(platform::MessageService& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
    setObjectName("MBAbout");
    setWindowTitle("Enjoy...");

    auto* name = new QLabel(platform::ProgramName);
    name->setObjectName("A");
    QFont large = name->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    large.setBold(true);
    name->setFont(large);
    name->setAlignment(Qt::AlignCenter);

    auto* pictures = new QHBoxLayout;
    pictures->addStretch();
    for (const auto& [objectName, colour] :
         {std::pair{"Picture1", QColor(Qt::red)}, std::pair{"Picture2", QColor(Qt::green)}}) {
        auto* picture = new QLabel;
        picture->setObjectName(objectName);
        picture->setPixmap(SpectrumPicture(colour));
        pictures->addWidget(picture);
        pictures->addStretch();
    }

    auto* credits = new QLabel(
        "Secondary structure of proteins from far-UV circular dichroism.\n"
        "The TAVRELION 2000 developers. MIT licence.\n"
        "Reference spectra: SP175 and IDP175 (Lees et al. 2006; Miles et al. 2023).");
    credits->setAlignment(Qt::AlignCenter);

    auto* version = new QPushButton(VersionLine());
    version->setObjectName("Command2");
    auto* ok = new QPushButton("&Ok");
    ok->setObjectName("Command1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(version, &QPushButton::clicked, this, [this] {
        messages_.showMessage(CreditsText().toStdString(), platform::MessageIcon::Information);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(version);
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addLayout(pictures);
    layout->addWidget(credits);
    layout->addLayout(buttons);
}

QString AboutBox::VersionLine() {
    return QString("%1 release %2.%3.%4")
        .arg(platform::ProgramName)
        .arg(VersionMajor)
        .arg(VersionMinor)
        .arg(VersionRevision);
}

QString AboutBox::CreditsText() {
    const QString name = platform::ProgramName;
    const int width = 44;
    const QString centred = QString((width - name.size()) / 2, ' ') + name +
                            QString((width - name.size() + 1) / 2, ' ');
    const QString gap(width, ' ');
    const QStringList lines = {centred,
                               gap,
                               "Circular dichroism analysis of proteins",
                               gap,
                               "Written by the TAVRELION 2000 developers",
                               gap,
                               "Reference data: SP175 and IDP175, PCDDB (MIT)",
                               gap,
                               VersionLine()};
    return lines.join("\r\n") + "\r\n";
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    platform::CentreForm(*this);
}

}  // namespace tavrelion::mainwindow
