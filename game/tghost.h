#pragma once

#include "sprites.h"

class Tplayer;

// The ghost: a translucent double riding ahead of its caster, hurting the opponent on contact
// until its time runs out. Its time comes from the caster's mana and life at casting.
class Tghost : public TImageSpriteEx
{
public:
    explicit Tghost(TSpriteEngine &engine);

    void onHit(TSprite &other) override;
    void onMove(int moveCount) override;

    Tplayer *owner = nullptr; // the caster
    double remaining = 0;     // time left; falls by moveCount / 100 per move
    double duration = 0;      // `remaining` at creation

    // Life taken from a player per move of contact.
    static constexpr int contactDamage = 10;
};
