#pragma once

#include "collection.h"

#include <vector>

// The pictures of the arena's placed objects: walls, pillars, a boulder, crates and barrels, a
// pool, the crossbow turret and the pulse crystal with their shots, tree crowns, flower beds, a
// floor rune, and the debris that breaking things scatter.
std::vector<ImageRecord> objectImages();
