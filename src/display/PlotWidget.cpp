#include "display/PlotWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "display/Cursor.h"
#include "display/Plot.h"

namespace tavrelion::display {

namespace {
constexpr double TwipsPerLogicalPixel = 15.0;
}

PlotWidget::PlotWidget(store::SpectrumStore& store, PlotState& state, QWidget* parent)
    : QWidget(parent), store_(store), state_(state) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.resize(std::max(width(), 1), std::max(height(), 1), devicePixelRatioF());
}

void PlotWidget::redraw() {
    RedrawPlot(surface_, store_, state_);
    update();
}

QString PlotWidget::toggleCursor() {
    const std::string caption = ToggleCursor(surface_, store_, state_);
    update();
    return QString::fromLatin1(caption.c_str());
}

void PlotWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), surface_.image());
}

void PlotWidget::resizeEvent(QResizeEvent*) {
    surface_.resize(width(), height(), devicePixelRatioF());
    redraw();
}

void PlotWidget::moveCursorTo(double x) {
    MoveCursorToX(surface_, store_, state_, x * TwipsPerLogicalPixel);
    update();
}

void PlotWidget::mousePressEvent(QMouseEvent* event) {
    moveCursorTo(event->position().x());
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() != Qt::NoButton) {
        moveCursorTo(event->position().x());
    }
}

void PlotWidget::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const bool shift = modifiers == Qt::ShiftModifier;
    switch (event->key()) {
        case Qt::Key_Left:
            PressCursorKey(surface_, store_, state_, CursorKey::Left, shift);
            break;
        case Qt::Key_Right:
            PressCursorKey(surface_, store_, state_, CursorKey::Right, shift);
            break;
        case Qt::Key_Up:
            PressCursorKey(surface_, store_, state_, CursorKey::Up, shift);
            break;
        case Qt::Key_Down:
            PressCursorKey(surface_, store_, state_, CursorKey::Down, shift);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    update();
}

}  // namespace tavrelion::display
