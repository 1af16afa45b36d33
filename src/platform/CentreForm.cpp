#include "platform/CentreForm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "platform/WindowPlacement.h"

namespace tavrelion::platform {

void CentreForm(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QRect frame = window.frameGeometry();
    const WindowOrigin origin =
        CentredOrigin(area.width(), area.height(), frame.width(), frame.height());
    window.move(area.left() + static_cast<int>(std::lround(origin.left)),
                area.top() + static_cast<int>(std::lround(origin.top)));
}

}  // namespace tavrelion::platform
