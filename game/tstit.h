#pragma once

#include "sprites.h"

class Tplayer;

// The shield: stays centred on its owner, turns enemy shots back, destroys enemy mines and
// wears down doing so. Its strength is mirrored in the owner's `shield`, which the damage
// routine lowers and healing raises; every contact reconciles the two.
class Tstit : public TImageSpriteEx
{
public:
    explicit Tstit(TSpriteEngine &engine);

    void onHit(TSprite &other) override;
    void onMove(int moveCount) override;

    Tplayer *owner = nullptr; // the player it protects
    int strength = 100;       // the shield ends when it drops below 0

private:
    void playOwnerSound(const char *name);
};
