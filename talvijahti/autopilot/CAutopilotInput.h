// The game's key input with the autopilot at the keys: mouse, Escape and every other key come
// from the input underneath, H, K, U and J from the pilot while a level is being played.
#pragma once

#include <array>
#include <cstdint>

#include "CAutopilot.h"
#include "engine/IInputSource.h"

class CGame;

class CAutopilotInput final : public IInputSource {
public:
    explicit CAutopilotInput(IInputSource& underneath);

    // The game whose in-game screen the pilot watches; until it is set the pilot holds nothing.
    void Attach(CGame* game) { this->game = game; }

    void PumpOneEvent() override;
    const std::uint8_t* GetKeyState() override { return keys.data(); }
    std::uint32_t GetMouseState(int* x, int* y) override { return underneath.GetMouseState(x, y); }

    // The keys the pilot held in the latest frame, a mask of CAutopilot::EKey.
    unsigned Held() const { return held; }

private:
    IInputSource& underneath;
    CGame* game = nullptr;
    CAutopilot pilot;
    std::array<std::uint8_t, 256> keys{};  // the game asks for key codes below 256 only
    unsigned held = 0;
};
