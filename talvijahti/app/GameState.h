// The application's states; CGame switches screens between them.
#pragma once

enum {
    STATE_NONE = 0,  // until the first SetState
    STATE_MENU = 1,  // CMenu
    STATE_GAME = 2,  // CWorldManager
    STATE_WON = 3,   // CEndScreenWin after the last level
    STATE_LOST = 4,  // CEndScreenWin after the last life
};
