// The info panel of a building: which one it shows, where, its lines, and clicks on it.
#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "world/World.h"

namespace wtrq {

inline constexpr int infoPanelHeight = 146;

// Shows the first building (not a marker) on the clicked tile; false when there is none.
bool openInfoPanel(World& world, int mx, int my);
// With a panel shown every click is taken: one inside keeps it, any other closes it.
// False when no panel is shown.
bool infoPanelClick(World& world, int mx, int my);
void closeInfoPanel(World& world);
// The lines the panel shows for the building at an index.
std::vector<std::string> infoPanelLines(const World& world, int building);
// The footprint outline, the panel and its lines, while a building is shown.
void drawInfoPanel(const World& world, SDL_Surface* target);

}  // namespace wtrq
