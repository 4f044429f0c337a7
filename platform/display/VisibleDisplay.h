// Whether SDL's video output reaches a screen somebody looks at.
#pragma once

// False for SDL's off-screen and dummy video drivers (chosen when there is no desktop),
// and when video is not initialised. Call after SDL video has started.
bool VideoReachesAScreen();
