// A picture with a rectangular hit box that lights up under the mouse and reports presses.
#pragma once

#include "core/SRect.h"
#include "core/SVector.h"

class CEngine;
class CImage;

class CButton {
public:
    // Takes ownership of image (freed through the image handler) and alpha-blends it.
    CButton(CEngine* engine, CImage* image, SVector position, SRect hitBox);
    ~CButton();
    CButton(const CButton&) = delete;
    CButton& operator=(const CButton&) = delete;

    // Lights the button under the mouse and dims it elsewhere; recomputes the press.
    void Update();
    void Render();
    bool IsPressed() { return pressed; }

private:
    CEngine* engine;
    SVector position;  // top-left of the drawn picture
    CImage* image;
    SRect hitBox;      // left, top, width, height; edges included
    bool pressed;
    // A press counts only once the left button has been seen up since the button was made:
    // otherwise a click held over from the previous screen would press this one too.
    bool armed;
};
