#pragma once

#include "envfile.h"

#include <vector>

// An arena as the editor would save it: a header naming its collections by bare file names,
// and its placed objects in file order.
struct Arena
{
    EnvHeader header;
    std::vector<EnvObject> objects;
};

// The default arena "zem.env": a stone courtyard laid out for screens from 1024 x 768 to
// 1920 x 1080, with the players' start band across the middle kept free.
Arena courtyard();
// A second, smaller arena "veza.env" for 1024 x 768: a crossbow above and a pulse crystal below
// guard the two halves, with ponds in the lower corners.
Arena watchtower();
