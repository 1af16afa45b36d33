#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cmath>

#include "RecordingSurface.h"
#include "display/FigureExport.h"

namespace tavrelion::display {
namespace {

class FigureExportTest : public testing::Test {
  protected:
    FigureExportTest() {
        store::SetStartupTables(store);
        std::vector<double> values;
        for (int lambda = 190; lambda <= 260; ++lambda) {
            values.push_back(40000 * std::cos((lambda - 190) / 10.0));
        }
        testing_support::FillSlot(store, 1, 190, 1, values);
        settings = DefaultFigureSettings(store);
    }

    QString path(const char* name) const { return folder.filePath(name); }

    store::SpectrumStore store;
    FigureSettings settings;
    QTemporaryDir folder;
};

TEST_F(FigureExportTest, WritesAPngOfTheSizeAndResolutionAskedOnWhiteWithoutCursor) {
    settings.dpi = 150;
    ASSERT_FALSE(ExportFigure(store, settings, path("figure.png").toStdString()));
    const QImage image(path("figure.png"));
    ASSERT_EQ(image.size(), QSize(900, 600));
    EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 150, 0.5);
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(899, 599), QColor(Qt::white));
    // A column in the middle of the frame crosses the curve and the zero line, never a cursor.
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        dark += qGray(image.pixel(450, y)) < 128 ? 1 : 0;
    }
    EXPECT_GT(dark, 0);
    EXPECT_LT(dark, 40);
}

TEST_F(FigureExportTest, WritesAnSvgWhoseTextsAreTheAxisTitlesAndTheLegend) {
    settings.format = FigureFormat::Svg;
    settings.units = FigureUnits::DeltaEpsilon;
    ASSERT_FALSE(ExportFigure(store, settings, path("figure.svg").toStdString()));
    QFile file(path("figure.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    QStringList texts;
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"text") {
            texts << svg.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    ASSERT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_TRUE(texts.contains("Wavelength (nm)"));
    // Superscripts may come from another font, in a text element of their own.
    EXPECT_TRUE(
        texts.join("").contains(QString::fromUtf8("\u0394\u03b5 (M\u207b\u00b9 cm\u207b\u00b9)")));
    EXPECT_TRUE(texts.contains("SLOT1.ASC"));
    EXPECT_TRUE(texts.contains("200"));
}

TEST_F(FigureExportTest, WritesAPdfAndSaysWhenTheFileCannotBeWritten) {
    settings.format = FigureFormat::Pdf;
    ASSERT_FALSE(ExportFigure(store, settings, path("figure.pdf").toStdString()));
    QFile file(path("figure.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));

    const std::string missing = path("no/such/folder/figure.pdf").toStdString();
    const auto problem = ExportFigure(store, settings, missing);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->rfind("Cannot write " + missing, 0), 0u) << *problem;
}

}  // namespace
}  // namespace tavrelion::display
