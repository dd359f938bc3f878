#pragma once

#include "tstrela.h"

// The flame: accelerates along `heading` while drawn unturned, grows older in three pictures
// and stops ageing in water. While it is in flight it counts in its owner's flamesInFlight,
// which keeps the owner's flame sound running.
class Tplamen : public Tstrela
{
public:
    explicit Tplamen(TSpriteEngine &engine);
    ~Tplamen() override;

    void onHit(TSprite &other) override;
    void onMove(int moveCount) override;
    void stopShot() override;

    // Counts the flame in its owner's flamesInFlight (call once, after setOwner); the count is
    // given back exactly once, at the first sign of the flame's end, whatever ended it.
    void enterFlight();

    int heading = 0;        // angle of the thrust
    bool reflected = false; // turned back by a shield: now hurts its own owner too

private:
    void leaveFlight();

    bool inFlight_ = false;
};
