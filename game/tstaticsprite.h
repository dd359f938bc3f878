#pragma once

#include "sprites.h"

#include <QString>

class Tfunct;
struct GameState;

// An object an environment places in a match: a wall, a destructible block, water or a falling
// crate. The player's collision response reads `water`, `supported` and `hurt`.
class Tstaticsprite : public TImageSpriteEx
{
public:
    Tstaticsprite(TSpriteEngine &engine, GameState &game);

    bool destructible = false; // loses `live` on contact and breaks
    bool water = false;        // wets shots instead of stopping them
    int live = 1;              // contacts left before a destructible object breaks
    QString onhit;             // sound when a shot touches it (empty: none)
    QString onbrake;           // sound when it breaks (empty: none)
    QString gibs;              // picture of its debris in `sys`
    int hurt = 1;              // life a touching player loses per move of contact
    bool push = false;         // falls unless something holds it up
    bool supported = true;     // does not fall in this move (recomputed every move)
    Tfunct *funct = nullptr;   // the function sprite tied to it, if any
    bool destroyed = false;    // broken: ignores every further contact

protected:
    GameState &game;
};
