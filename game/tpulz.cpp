#include "tpulz.h"

#include "tplayer.h"
#include "units.h"

Tpulz::Tpulz(TSpriteEngine &engine) : Tstrela(engine) {}

void Tpulz::onHit(TSprite &other)
{
    auto *player = dynamic_cast<Tplayer *>(&other);
    if (!player || &other == owner())
        return;
    if (player->lowPower != 0) {
        if (Tplayer *shooter = ownerPlayer()) {
            shooter->lowPower = lowPowerTime;
            shooter->playSound(QStringLiteral("lowpwr"));
        }
        player->lowPower = 0;
    } else {
        player->lowPower = lowPowerTime;
        player->playSound(QStringLiteral("lowpwr"));
    }
    // The pass goes on: a second player overlapped in this move is drained as well.
    kill();
}

void Tpulz::onMove(int moveCount)
{
    alpha = 256 - Round(age * 256.0 / 1000);
    collide();
    x += vx;
    y += vy;
    age += units::div(moveCount, 2);
    if (age > 1000)
        kill();
}
