// Creates the engine's bitmap fonts and owns them until they are freed.
#pragma once

#include <vector>

#include "core/STexture.h"
#include "gfx/CFont.h"

class CGFX;

class CFontHandler {
public:
    explicit CFontHandler(CGFX* gfx);
    ~CFontHandler();
    CFontHandler(const CFontHandler&) = delete;
    CFontHandler& operator=(const CFontHandler&) = delete;

    CFont* CreateFont(STexture* texture);
    // A pointer this handler does not hold is ignored.
    void FreeFont(CFont* font);
    void FreeAllFonts();
    int GetFontCount();

private:
    std::vector<CFont*> fonts;
    int fontCount;
    CGFX* gfx;
};
