#pragma once

#include "sprites.h"

struct GameState;
class Tplayer;

// A finisher: a homing sprite that chases its target and hurts any player it touches. An
// endless one (energy -25) lives for the whole match; the others shrink with their energy and
// die when it runs out.
class Tdorazacka : public TImageSpriteEx
{
public:
    Tdorazacka(TSpriteEngine &engine, GameState &game);

    void onHit(TSprite &other) override;
    void onMove(int moveCount) override;

    static constexpr int endless = -25;

    Tplayer *target = nullptr; // the player it chases; none: it drifts on its last heading
    double vx = 0;             // pixels per move
    double vy = 0;
    int energy = 0;     // remaining energy, or `endless`
    int fullEnergy = 0; // energy at creation; the size scales by energy / fullEnergy

private:
    GameState &game;
};
