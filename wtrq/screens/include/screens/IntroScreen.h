// The credits shown once per start, until a key press or a request to close the window.
#pragma once

#include "jwe/FramePacer.h"

// Draws with the global font on the global screen; the last frame stays on the screen.
void showIntro(FramePacer& pacer = defaultFramePacer());
