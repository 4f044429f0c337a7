// The keyboard and mouse snapshot of the current frame.
#pragma once

#include <cstdint>

#include "IInputSource.h"

class CInputSystem {
public:
    explicit CInputSystem(IInputSource& source = SdlInputSource());
    ~CInputSystem() = default;

    // Once per frame: one event from the queue, then fresh key and mouse state.
    void UpdateState();
    // True while the key with this SDL key code (below 256) is held.
    bool GetKey(unsigned char key);
    void GetMousePosition(int* x, int* y);
    // Button 1 is the left button; buttons above the eighth always read false.
    bool GetMouseButton(int button);

private:
    IInputSource& source;
    const std::uint8_t* keys = nullptr;  // SDL's array, not owned
    int buttons = 0;                     // low eight bits of SDL's mask; bit n-1 is button n
    int mouseX = 0;
    int mouseY = 0;
};
