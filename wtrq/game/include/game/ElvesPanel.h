// The panel of free elves opened on empty ground: pick a free worker or a free carrier.
#pragma once

#include <SDL.h>

#include "world/World.h"

namespace wtrq {

inline constexpr int elvesPanelHeight = 76;

enum class ElvesPanelOutcome { Nothing, WorkerPicked, CarrierPicked, CarrierRefused };

void openElvesPanel(World& world, int mx, int my);
// Acts on the line hovered when the panel was last drawn; a click outside closes the panel.
ElvesPanelOutcome elvesPanelClick(World& world, int mx, int my);
// Also finds the hovered line for the next click.
void drawElvesPanel(World& world, SDL_Surface* target, int mx, int my);

int freeWorkers(const World& world);
int freeCarriers(const World& world);

}  // namespace wtrq
