#pragma once

#include "images.h"
#include "sprites.h"

struct GameState;
class Tplayer;

// A mark: a short-lived decoration (trail, blood, splash, burst, debris) that fades over its
// lifetime, sinks, spins and drifts, and is pushed by shots and finishers passing through it.
class Tbod : public TImageSpriteEx
{
public:
    explicit Tbod(TSpriteEngine &engine);

    void onHit(TSprite &other) override;
    void onMove(int moveCount) override;

    int age = 0;      // sum of its move counts
    int lifetime = 0; // the mark ends in the move in which `age` passes it
    int fall = 0;     // sinks by moveCount / fall pixels per move; 0 does not sink
    int spinRate = 0; // angle units added per move
    double vx = 0;    // pixels per move
    double vy = 0;
};

// A new mark showing `picture` at its size, at (0, 0); the caller places it.
Tbod *makeMark(GameState &game, const ImagePtr &picture, int lifetime, int fall);
// Places a mark around the player's centre: Random(20) - 10 pixels off in x, then in y.
void centreWithScatter(GameState &game, Tbod &mark, const Tplayer &player);
