#pragma once

#include "tghost.h"

// The mine: lies where it was laid, spins and fades, and hurts the opponent on contact until
// its time runs out or a shield destroys it.
class Tmine : public Tghost
{
public:
    explicit Tmine(TSpriteEngine &engine);

    void onMove(int moveCount) override;
};
