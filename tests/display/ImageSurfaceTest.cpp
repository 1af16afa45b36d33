#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <random>

#include "RecordingSurface.h"
#include "display/Cursor.h"
#include "display/ImageSurface.h"
#include "display/PrinterSurface.h"

#include <QFile>
#include "display/Plot.h"

namespace tavrelion::display {
namespace {

using testing_support::FillSlot;

int CountPixels(const QImage& image, Colour colour, QRect area = {}) {
    const QRgb wanted = ToQColor(colour).rgb();
    if (area.isNull()) {
        area = image.rect();
    }
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixel(x, y) == wanted;
        }
    }
    return count;
}

// Pixels of text, which is smoothed: light grey to white.
int CountLightPixels(const QImage& image, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            count +=
                qRed(pixel) > 160 && qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
        }
    }
    return count;
}

class ImageSurfaceTest : public testing::Test {
  protected:
    ImageSurfaceTest() {
        store::SetStartupTables(*store);
        std::vector<double> first;
        std::vector<double> second;
        for (int i = 0; i < 71; ++i) {
            first.push_back(-12000 * std::exp(-std::pow((i - 30) / 12.0, 2)));
            second.push_back(6000 * std::sin(i / 10.0));
        }
        FillSlot(*store, 1, 190, 1, first);
        FillSlot(*store, 2, 190, 1, second);
        surface.resize(800, 600);
        RedrawPlot(surface, *store, state);
    }

    std::unique_ptr<store::SpectrumStore> store = std::make_unique<store::SpectrumStore>();
    PlotState state;
    ImageSurface surface;
};

TEST_F(ImageSurfaceTest, CurvesAreDrawnInTheirSlotColours) {
    const QImage& image = surface.image();
    EXPECT_EQ(image.size(), QSize(800, 600));
    const QRect plotArea(70, 40, 650, 500);
    EXPECT_GT(CountPixels(image, store->SlotColor(1), plotArea), 300);
    EXPECT_GT(CountPixels(image, store->SlotColor(2), plotArea), 300);
    EXPECT_EQ(CountPixels(image, store->SlotColor(4), plotArea), 0);
}

TEST_F(ImageSurfaceTest, FrameAndLabelsAreInTheForeColour) {
    const QImage& image = surface.image();
    const int left = static_cast<int>(state.PlotLeft / 15);
    const QRgb white = ToQColor(White).rgb();
    EXPECT_EQ(image.pixel(left, 300), white);                        // left edge of the frame
    EXPECT_EQ(image.pixel(400, 600 / 20), white);                    // top edge
    EXPECT_GT(CountLightPixels(image, QRect(0, 50, 60, 520)), 200);  // value labels in the margin
    EXPECT_EQ(image.pixel(5, 590), ToQColor(Black).rgb());           // background elsewhere
}

TEST_F(ImageSurfaceTest, CursorLeavesNoTraceAfterManyMoves) {
    const QImage before = surface.image().copy();
    const double startX = state.PlotLeft + state.XScale * state.CursorIndex;
    std::mt19937 random(11);
    std::uniform_real_distribution<double> anywhere(-500, 12500);
    for (int move = 0; move < 1000; ++move) {
        MoveCursorToX(surface, *store, state, anywhere(random));
    }
    MoveCursorToX(surface, *store, state, startX);
    EXPECT_TRUE(surface.image() == before);
}

TEST_F(ImageSurfaceTest, ImageHandedOutKeepsItsPixelsWhenTheCursorMoves) {
    const QImage handedOut = surface.image();  // shares the pixels, as the clipboard does
    const QImage deepCopy = handedOut.copy();
    MoveCursorToX(surface, *store, state, state.PlotLeft + 30 * state.XScale);
    EXPECT_TRUE(handedOut == deepCopy);
    EXPECT_FALSE(surface.image() == deepCopy);
}

TEST_F(ImageSurfaceTest, InvertedLineDrawnTwiceRestoresEveryPixel) {
    const QImage before = surface.image().copy();
    surface.DrawMode = Invert;
    surface.DrawWidth = 3;
    surface.DrawLine(0, 0, 12000, 9000, LightRed);
    EXPECT_FALSE(surface.image() == before);
    surface.DrawLine(0, 0, 12000, 9000, LightRed);
    EXPECT_TRUE(surface.image() == before);
}

TEST_F(ImageSurfaceTest, HighDensityScreensGetDevicePixels) {
    surface.resize(400, 300, 2.0);
    RedrawPlot(surface, *store, state);
    EXPECT_EQ(surface.image().size(), QSize(800, 600));
    EXPECT_EQ(surface.ScaleWidth(), 400 * 15);
    EXPECT_GT(CountPixels(surface.image(), store->SlotColor(1)), 300);
}

}  // namespace
}  // namespace tavrelion::display

namespace tavrelion::display {
namespace {

TEST(PrinterSurfaceTest, PlotPrintsToAPdfPage) {
    auto store = std::make_unique<store::SpectrumStore>();
    store::SetStartupTables(*store);
    FillSlot(*store, 1, 190, 1, std::vector<double>(71, -5000.0));
    const QString file = QString::fromStdString(testing::TempDir()) + "/plot-print-test.pdf";
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        PrinterSurface page(printer);
        PlotState state;
        RedrawPlot(page, *store, state);
        EXPECT_NEAR(page.ScaleWidth() / 1440,
                    printer.pageLayout().paintRect(QPageLayout::Inch).width(), 0.01);
        page.endDocument();
    }
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_GT(pdf.size(), 1000);
}

}  // namespace
}  // namespace tavrelion::display
