// The three help pictures, one after another, each ended by a key press.
#pragma once

#include "jwe/FramePacer.h"

// A page is drawn only when an event arrives, so the release of the key that chose Help is
// what first shows it; a request to close the window only redraws the page.
void showHelpPages(FramePacer& pacer = defaultFramePacer());
