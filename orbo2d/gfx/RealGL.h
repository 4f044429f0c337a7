// The GLApi backend that calls OpenGL, GLU and SDL for real.
#pragma once

#include "gfx/GLApi.h"

// One process-wide instance; it holds no state of its own.
GLApi& RealGL();
