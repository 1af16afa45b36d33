#pragma once

#include <QWidget>

#include "display/ImageSurface.h"
#include "display/PlotState.h"
#include "store/SpectrumStore.h"

namespace tavrelion::display {

// The plot area of the main window: owns the window's image, redraws it when resized, shows it,
// and turns mouse presses and drags and the arrow keys into cursor moves and zoom.
class PlotWidget : public QWidget {
    Q_OBJECT
  public:
    PlotWidget(store::SpectrumStore& store, PlotState& state, QWidget* parent = nullptr);

    // Redraws everything, as after a load, a colour change or a new set.
    void redraw();
    // Shows or hides the cursor; returns the menu item's new caption.
    QString toggleCursor();

    ImageSurface& surface() { return surface_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void moveCursorTo(double x);

    store::SpectrumStore& store_;
    PlotState& state_;
    ImageSurface surface_;
};

}  // namespace tavrelion::display
