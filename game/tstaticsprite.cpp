#include "tstaticsprite.h"

#include "envinstance.h"
#include "gamestate.h"
#include "tbod.h"
#include "tfunct.h"
#include "tstrela.h"
#include "units.h"

#include <climits>
#include <cmath>
#include <numbers>

Tstaticsprite::Tstaticsprite(TSpriteEngine &engine, GameState &game)
    : TImageSpriteEx(engine), game(game)
{
}

Tstaticsprite::~Tstaticsprite()
{
    // The function sprite may outlive its object (when it is not bound to it).
    if (funct && funct->owner == this)
        funct->owner = nullptr;
}

void Tstaticsprite::onMove(int moveCount)
{
    supported = !push;
    if (collides)
        collide();
    if (!supported)
        y += moveCount * fallRate;
}

void Tstaticsprite::onHit(TSprite &other)
{
    if (destroyed)
        return;
    const bool isStatic = dynamic_cast<Tstaticsprite *>(&other) != nullptr;
    // Resting on a lower object: its top edge lies below ours.
    if (isStatic && other.y > y)
        supported = true;

    auto *shot = dynamic_cast<Tstrela *>(&other);
    if (shot && water)
        shot->wet = true;
    // The object's own turret shoots out through it.
    if (shot && !water && (!funct || shot->owner() != funct))
        shot->stopShot();

    if (destructible) {
        // Every contact wears it down, players, ghosts and finishers included; only other
        // objects and decorative marks do not.
        if (!isStatic && !dynamic_cast<Tbod *>(&other))
            live = live > INT_MIN ? live - 1 : live;
        if (live <= 0) {
            breakUp();
            return;
        }
    }
    if (live > 0 && shot) {
        // A water pool's hit sound is never checked when the arena loads: a missing one is
        // silent rather than failing every move while a shot lies in the pool.
        if (water)
            playEnvironmentSoundIfPresent(game, onhit);
        else
            playEnvironmentSound(game, onhit);
    }
}

void Tstaticsprite::breakUp()
{
    destroyed = true;
    playEnvironmentSound(game, onbrake);
    kill();
    const ImagePtr picture = game.sys.find(gibs);
    // Pieces fly out every 20 degrees from the first one round to 340 degrees.
    for (int i = game.Random(10); i <= 18; ++i) {
        Tbod *piece = makeMark(game, picture, gibsLifetime, gibsFall);
        piece->spinRate = game.Random(16);
        piece->angle = game.Random(128);
        const double a = 20.0 * i * std::numbers::pi / 180;
        piece->vx = std::cos(a) * 10;
        piece->vy = std::sin(a) * 10;
        piece->x = game.Random(20) + x + units::div(width, 2) - 10;
        piece->y = game.Random(20) + y + units::div(height, 2) - 10;
    }
}
