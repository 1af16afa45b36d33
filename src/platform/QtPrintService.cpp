#include "platform/QtPrintService.h"

#include "platform/PrinterChoice.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace tavrelion::platform {
namespace {

constexpr double LargestPointSize = 10.0;
constexpr double SmallestPointSize = 6.0;
constexpr int TabWidth = 8;

QFont FixedPitchFont(double pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    return font;
}

QString ExpandTabs(const std::string& line) {
    QString expanded;
    for (const char c : line) {
        if (c == '\t') {
            expanded += QString(TabWidth - expanded.size() % TabWidth, QLatin1Char(' '));
        } else if (c != '\r' && c != '\n') {
            expanded += QChar::fromLatin1(c);
        }
    }
    return expanded;
}

}  // namespace

bool QtPrintService::printText(const std::string& documentPath,
                               const std::vector<std::string>& lines) {
    const std::unique_ptr<QPrinter> printer = ChoosePrinterOrPdf(documentPath, files_);
    return printer && PrintLines(*printer, lines);
}

bool QtPrintService::PrintLines(QPrinter& printer, const std::vector<std::string>& lines) {
    QStringList expanded;
    qsizetype longest = 1;
    for (const std::string& line : lines) {
        expanded << ExpandTabs(line);
        longest = std::max(longest, expanded.constLast().size());
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    double pointSize = LargestPointSize;
    while (pointSize > SmallestPointSize &&
           QFontMetricsF(FixedPitchFont(pointSize), &printer)
                   .horizontalAdvance(QString(longest, QLatin1Char('M'))) > page.width()) {
        pointSize -= 0.5;
    }
    const QFont font = FixedPitchFont(pointSize);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const auto columns = static_cast<qsizetype>(
        std::max(1.0, std::floor(page.width() / metrics.horizontalAdvance(QLatin1Char('M')))));
    const double lineHeight = metrics.lineSpacing();
    const int linesPerPage = std::max(1, static_cast<int>(page.height() / lineHeight));

    int lineOnPage = 0;
    for (const QString& line : expanded) {
        qsizetype start = 0;
        do {
            if (lineOnPage == linesPerPage) {
                printer.newPage();
                lineOnPage = 0;
            }
            painter.drawText(QPointF(0.0, lineOnPage * lineHeight + metrics.ascent()),
                             line.mid(start, columns));
            ++lineOnPage;
            start += columns;
        } while (start < line.size());
    }
    return painter.end();
}

}  // namespace tavrelion::platform
