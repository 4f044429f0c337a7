// Ownership of the engine's bitmap fonts.
#include "gfx/CFontHandler.h"

#include <algorithm>

CFontHandler::CFontHandler(CGFX* gfx) : fontCount(0), gfx(gfx) {}

CFontHandler::~CFontHandler()
{
    FreeAllFonts();
}

CFont* CFontHandler::CreateFont(STexture* texture)
{
    CFont* font = new CFont(gfx, texture);
    fonts.push_back(font);
    ++fontCount;
    return font;
}

void CFontHandler::FreeFont(CFont* font)
{
    auto entry = std::find(fonts.begin(), fonts.end(), font);
    if (entry == fonts.end()) {
        return;
    }
    delete *entry;
    fonts.erase(entry);
    --fontCount;
}

void CFontHandler::FreeAllFonts()
{
    for (CFont* font : fonts) {
        delete font;
    }
    fonts.clear();
    fontCount = 0;
}

int CFontHandler::GetFontCount()
{
    return fontCount;
}
