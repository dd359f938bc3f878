#pragma once

#include "sprites.h"

class Tplayer;

// The arrow, and the shared record of every shot (flame, bullet, axe, pulse derive from it).
// A shot belongs to the player that fired it or to the function sprite that launched it; it
// never hurts its owner (the reflected flame aside) and is never used up by a hit (the pulse
// aside).
class Tstrela : public TImageSpriteEx
{
public:
    explicit Tstrela(TSpriteEngine &engine);

    void onHit(TSprite &other) override;
    void onMove(int moveCount) override;

    // The firing player or the launching function sprite. The shield hands turned-back shots to
    // its own player through setOwner.
    void setOwner(TSprite *owner);
    TSprite *owner() const { return owner_; }
    // The owner when it is a player, else null (a function sprite's shot). Kept apart so that a
    // shot never has to inspect an owner that may already have been freed.
    Tplayer *ownerPlayer() const { return ownerPlayer_; }

    // Kills the shot from outside (a solid static sprite stopping it). A flame gives its owner's
    // flamesInFlight back at once; plain kill() gets there too, only a move later.
    virtual void stopShot() { kill(); }

    int age = 0;      // grows by moveCount div 2 per move; the class's limit ends the shot
    double vx = 0;    // pixels per move
    double vy = 0;    // pixels per move
    int damage = 0;   // life an arrow takes per overlapping move
    bool wet = false; // touched water; never cleared

protected:
    // vx, vy += direction of `angleUnits` * k * moveCount / divisor.
    void thrustStep(int angleUnits, double k, int moveCount, double divisor);
    // The owner's picture of that name; throws when the owner's collection lacks it.
    void showOwnerImage(const char *name);

private:
    TSprite *owner_ = nullptr;
    Tplayer *ownerPlayer_ = nullptr;
};
