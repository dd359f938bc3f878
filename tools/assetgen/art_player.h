#pragma once

#include "collection.h"
#include "paint.h"

#include <vector>

// A player's colours: the robe and hat, and the glow of his magic (shots, trail, shield).
struct Team
{
    Ramp robe;
    Ramp magic;
};

Team blueTeam();
Team greenTeam();

// The eighteen pictures a player image collection holds, in the order the game tests them.
std::vector<ImageRecord> playerImages(const Team &team);
