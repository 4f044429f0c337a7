// The one screen picture every window draws into, and the part of it a window may draw on.
#pragma once

#include <windows.h>

#include "region.h"

#include <vector>

namespace win32 {

struct Window;

struct ScreenPicture {
    std::vector<COLORREF> pixels;  // width x height, 0x00BBGGRR
    int width = 0;
    int height = 0;
};

// The picture, sized to the screen metrics; a change of screen size starts a blank picture.
ScreenPicture& screenPicture();
void resetScreen();

// What a window's DC may touch, in screen coordinates: its window (or client) rectangle inside the
// screen and inside every ancestor's client area, less the siblings above it that it or an ancestor
// clips (WS_CLIPSIBLINGS; top-level windows always clip one another), less its visible children when
// clipChildren is set. Empty when the window or an ancestor is hidden.
Region visibleRegion(const Window& w, bool clientOnly, bool clipChildren);

}  // namespace win32
