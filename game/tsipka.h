#pragma once

#include "sprites.h"

struct GameState;
class Tplayer;

// A cursor: an arrow at the edge of the display showing where its player went off it, pointing
// the way the player faces, and (with `dcr`) growing with the player's distance.
class Tsipka : public TImageSpriteEx
{
public:
    Tsipka(TSpriteEngine &engine, GameState &game);

    void onMove(int moveCount) override;

    Tplayer *player = nullptr; // the player it belongs to

private:
    GameState &game;
};
