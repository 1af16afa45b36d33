#pragma once

namespace tavrelion::platform {

struct WindowOrigin {
    double left = 0.0;
    double top = 0.0;
};

// Where a window of the given size stands when centred on a screen of the given size, in the
// screen's own units; a window larger than the screen gets a negative origin.
inline WindowOrigin CentredOrigin(double screenWidth, double screenHeight, double windowWidth,
                                  double windowHeight) {
    return {(screenWidth - windowWidth) / 2.0, (screenHeight - windowHeight) / 2.0};
}

}  // namespace tavrelion::platform
