#pragma once

#include "collection.h"

#include <vector>

// The sixteen effects of a player sound collection (the fifteen the game tests, and "reload").
std::vector<SoundRecord> playerSounds();
// The sounds the arena's objects name: the turret's shot, hits on stone and wood, a crate
// bursting.
std::vector<SoundRecord> arenaSounds();
