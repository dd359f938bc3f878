#pragma once

#include "tstrela.h"

// The axe: thrown, it flies an arc (drag on x, gravity on y), spins, and takes 30 per
// overlapping move.
class Taxe : public Tstrela
{
public:
    explicit Taxe(TSpriteEngine &engine);

    void onHit(TSprite &other) override;
    void onMove(int moveCount) override;
};
