#pragma once

#include "tstrela.h"

// The machine-gun bullet: a fast arrow (thrust 0.7) that lives half as long and takes 2.
class Tgun : public Tstrela
{
public:
    explicit Tgun(TSpriteEngine &engine);

    void onHit(TSprite &other) override;
    void onMove(int moveCount) override;
};
