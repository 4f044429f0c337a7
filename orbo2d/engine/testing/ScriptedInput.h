// An input source for tests: keys and mouse are whatever the test sets.
#pragma once

#include <array>
#include <functional>

#include "engine/IInputSource.h"

class CScriptedInput final : public IInputSource {
public:
    // Runs the script first, so a test can change keys and mouse frame by frame.
    void PumpOneEvent() override
    {
        ++pumps;
        if (onPump) {
            onPump(pumps);
        }
    }
    const std::uint8_t* GetKeyState() override { return keys.data(); }
    std::uint32_t GetMouseState(int* x, int* y) override;

    void SetKey(int key, bool held) { keys.at(key) = held ? 1 : 0; }
    void ReleaseAllKeys() { keys.fill(0); }
    void SetMouse(int x, int y) { mouseX = x; mouseY = y; }
    void SetMouseButtons(std::uint32_t mask) { buttons = mask; }
    void SetLeftButton(bool held) { buttons = held ? (buttons | 1u) : (buttons & ~1u); }
    int Pumps() const { return pumps; }

    // Called with the pump's number (from 1) at every PumpOneEvent.
    std::function<void(int)> onPump;

private:
    std::array<std::uint8_t, 512> keys{};
    std::uint32_t buttons = 0;
    int mouseX = 0;
    int mouseY = 0;
    int pumps = 0;
};
