#include "tgun.h"

#include "damage.h"
#include "tplayer.h"
#include "units.h"

Tgun::Tgun(TSpriteEngine &engine) : Tstrela(engine) {}

void Tgun::onHit(TSprite &other)
{
    auto *player = dynamic_cast<Tplayer *>(&other);
    if (player && &other != owner())
        hitPlayer(*player, 2);
}

void Tgun::onMove(int moveCount)
{
    collide();
    thrustStep(angle, 0.7, moveCount, wet ? 40 : 15);
    x += vx;
    y += vy;
    age += units::div(moveCount, 2);
    if (age > 1000)
        kill();
}
