#pragma once

#include "collection.h"

#include <vector>

// The arena's own image collection: the background, the pictures the game looks up in the
// environment list (bullet-time banner, splash, finisher, its trail, the death sign) and the
// pictures of the arena's objects and their debris.
std::vector<ImageRecord> arenaImages();
