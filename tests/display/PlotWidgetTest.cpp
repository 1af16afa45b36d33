#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <memory>

#include "RecordingSurface.h"
#include "display/PlotWidget.h"

namespace tavrelion::display {
namespace {

using testing_support::FillSlot;

class PlotWidgetTest : public testing::Test {
  protected:
    PlotWidgetTest() {
        store::SetStartupTables(*store);
        FillSlot(*store, 1, 190, 1, std::vector<double>(71, -5000.0));
        widget.resize(800, 600);
        widget.show();
        widget.redraw();
    }

    std::unique_ptr<store::SpectrumStore> store = std::make_unique<store::SpectrumStore>();
    PlotState state;
    PlotWidget widget{*store, state};
};

TEST_F(PlotWidgetTest, MousePressAndDragMoveTheCursor) {
    const int x = static_cast<int>((state.PlotLeft + 10 * state.XScale) / 15);
    QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(x, 300));
    EXPECT_NEAR(state.CursorIndex, 10, 0.2);
    QMouseEvent drag(QEvent::MouseMove, QPointF(x + 120, 300), QPointF(x + 120, 300), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &drag);
    EXPECT_GT(state.CursorIndex, 20);
    QMouseEvent hover(QEvent::MouseMove, QPointF(x, 300), QPointF(x, 300), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    const double dragged = state.CursorIndex;
    QApplication::sendEvent(&widget, &hover);
    EXPECT_EQ(state.CursorIndex, dragged);  // moving without a button does nothing
}

TEST_F(PlotWidgetTest, ArrowKeysMoveWithShiftAndIgnoreCtrl) {
    state.CursorIndex = 20;
    QTest::keyClick(&widget, Qt::Key_Right);
    EXPECT_EQ(state.CursorIndex, 21);
    QTest::keyClick(&widget, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(state.CursorIndex, 11);
    QTest::keyClick(&widget, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(state.CursorIndex, 11);
}

TEST_F(PlotWidgetTest, ZoomLastsWhenTheWindowIsResized) {
    QTest::keyClick(&widget, Qt::Key_Up, Qt::ShiftModifier);  // 70 nm shown, then 17
    widget.resize(801, 600);
    QApplication::processEvents();
    EXPECT_EQ(store->DisplayLastWavelength - store->DisplayFirstWavelength, 17);
    EXPECT_NEAR(state.XScale, 0.8 * 801 * 15 / 18, 1e-9);
}

}  // namespace
}  // namespace tavrelion::display
