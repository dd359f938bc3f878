#include "taxe.h"

#include "damage.h"
#include "tplayer.h"
#include "units.h"

Taxe::Taxe(TSpriteEngine &engine) : Tstrela(engine) {}

void Taxe::onHit(TSprite &other)
{
    auto *player = dynamic_cast<Tplayer *>(&other);
    if (player && &other != owner())
        hitPlayer(*player, 30);
}

void Taxe::onMove(int moveCount)
{
    collide();
    if (!wet) {
        vx *= 0.99;
        vy += moveCount / 100.0;
        x += vx * 2.5;
        y += vy * 2.5;
        angle += moveCount * 2;
    } else {
        // Water brakes it hard and slows the spin.
        vx *= 0.6;
        vy += moveCount / 200.0;
        x += vx * 1.5;
        y += vy * 1.5;
        angle += units::div(moveCount, 2);
    }
    age += units::div(moveCount, 2);
    if (age > 2000)
        kill();
}
