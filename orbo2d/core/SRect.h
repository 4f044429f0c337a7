// An axis-aligned rectangle: left, top, width, height (the camera reads the last two as right and bottom).
#pragma once

struct SRect {
    float x;
    float y;
    float w;
    float h;

    SRect() : x(0), y(0), w(0), h(0) {}
    SRect(float x, float y, float w, float h) : x(x), y(y), w(w), h(h) {}
};
