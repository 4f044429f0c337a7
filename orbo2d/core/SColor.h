// A colour with opacity, each component 0..1.
#pragma once

struct SColor {
    float r;
    float g;
    float b;
    float a;

    // Opaque white is the neutral tint: it leaves a texture's own colours unchanged.
    SColor() : r(1.0f), g(1.0f), b(1.0f), a(1.0f) {}
    SColor(float r, float g, float b, float a) : r(r), g(g), b(b), a(a) {}
};
