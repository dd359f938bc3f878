#pragma once

#include "tstrela.h"

// The pulse: flies straight, fades as it ages, passes through shields, and instead of taking
// life drains the target's mana (low power). A target already drained is freed and the drain
// jumps back to the shooter.
class Tpulz : public Tstrela
{
public:
    explicit Tpulz(TSpriteEngine &engine);

    void onHit(TSprite &other) override;
    void onMove(int moveCount) override;

    static constexpr int lowPowerTime = 5000;
};
