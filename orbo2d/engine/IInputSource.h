// Where CInputSystem reads keys and mouse from: SDL in the game, a scripted source in tests.
#pragma once

#include <cstdint>

class IInputSource {
public:
    virtual ~IInputSource() = default;
    // Takes at most one event from the queue; this is also what lets SDL refresh its key and mouse state.
    virtual void PumpOneEvent() = 0;
    // One byte per SDL key code, valid until the next PumpOneEvent.
    virtual const std::uint8_t* GetKeyState() = 0;
    // Writes the mouse position in window pixels and returns SDL's button mask.
    virtual std::uint32_t GetMouseState(int* x, int* y) = 0;
};

// The input source backed by SDL's event queue and state arrays.
IInputSource& SdlInputSource();
