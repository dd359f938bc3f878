#include "tmine.h"

#include "units.h"

Tmine::Tmine(TSpriteEngine &engine) : Tghost(engine) {}

void Tmine::onMove(int moveCount)
{
    collide();
    // Faded by the time left before this move: a fresh mine is fully opaque (256).
    if (duration != 0)
        alpha = Round(remaining * 256 / duration);
    remaining -= moveCount / 100.0;
    angle += units::div(moveCount, 10);
    if (remaining < 0)
        kill();
}
