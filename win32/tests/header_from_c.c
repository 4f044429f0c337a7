/* The stand-in <windows.h> compiled as C: the macros' arithmetic as a C caller sees it. */
#include <windows.h>

#include "header_from_c.h"

void HeaderFromC(HeaderFacts* facts) {
    facts->rgb = RGB(0x12, 0x34, 0x56);
    facts->red = GetRValue(facts->rgb);
    facts->blue = GetBValue(facts->rgb);
    facts->makeLong = MAKELONG(0xFFFF, 0x8000);
    facts->lowOfNegative = LOWORD(-2);
    facts->highOfNegative = HIWORD(-2);
    facts->intResource = IS_INTRESOURCE(MAKEINTRESOURCEA(26567));
    facts->dialogProcSlot = (int)DWLP_DLGPROC;
    facts->longSize = (int)sizeof(LONG);
    facts->colorrefSize = (int)sizeof(COLORREF);
}
