#pragma once

#include "sprites.h"

#include <QString>

class Tfunct;
struct GameState;

// An object an environment places in a match: a wall, a destructible block, water or a falling
// crate. Its material decides what it does to shots (solid ones stop them, water wets them) and
// whether contacts wear it down until it bursts into debris. The player's collision response
// reads `water`, `supported` and `hurt`.
class Tstaticsprite : public TImageSpriteEx
{
public:
    Tstaticsprite(TSpriteEngine &engine, GameState &game);
    ~Tstaticsprite() override;

    // Support by lower objects, shots stopped or wetted, wear and breaking, the hit sound.
    void onHit(TSprite &other) override;
    // Collision pass, then falling unless something held the sprite up.
    void onMove(int moveCount) override;

    // Pixels of fall per unit of moveCount for an unsupported `push` sprite.
    static constexpr double fallRate = 1.0 / 5;
    static constexpr int gibsLifetime = 100; // moveCount units a piece of debris lasts
    static constexpr int gibsFall = 10;      // debris sinks 1 pixel per 10 units of moveCount

    bool destructible = false; // loses `live` on contact and breaks
    bool water = false;        // wets shots instead of stopping them
    int live = 1;              // contacts left before a destructible object breaks
    QString onhit;             // sound in envwave when a shot touches it (empty: none)
    QString onbrake;           // sound in envwave when it breaks (empty: none)
    QString gibs;              // picture of its debris in `sys`
    int hurt = 1;              // life a touching player loses per move of contact
    bool push = false;         // falls unless a lower object overlaps it
    bool supported = true;     // does not fall in this move (recomputed every move)
    Tfunct *funct = nullptr;   // the function sprite tied to it; cleared when that is freed
    bool destroyed = false;    // broken: ignores every further contact

protected:
    GameState &game;

private:
    // Plays the break sound, kills the sprite and scatters 10 to 19 pieces of debris.
    void breakUp();
};
