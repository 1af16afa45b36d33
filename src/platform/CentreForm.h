#pragma once

class QWidget;

namespace tavrelion::platform {

// Centres a window on its screen; every dialog and secondary window calls it when it opens.
void CentreForm(QWidget& window);

}  // namespace tavrelion::platform
