#include "tbod.h"

#include "gamestate.h"
#include "tdorazacka.h"
#include "tghost.h"
#include "tplayer.h"
#include "tstrela.h"
#include "units.h"

Tbod::Tbod(TSpriteEngine &engine) : TImageSpriteEx(engine) {}

void Tbod::onHit(TSprite &other)
{
    if (dynamic_cast<Tghost *>(&other)) {
        vx = 0;
        vy = 0;
    }
    if (auto *finisher = dynamic_cast<Tdorazacka *>(&other)) {
        vx = finisher->vx * 2;
        vy = finisher->vy * 2;
    }
    if (auto *shot = dynamic_cast<Tstrela *>(&other)) {
        vx = shot->vx * 2;
        vy = shot->vy * 2;
    }
}

void Tbod::onMove(int moveCount)
{
    collide();
    age += moveCount;
    // A mark without a lifetime is gone at once rather than dividing by zero.
    alpha = lifetime > 0 ? 256 - Round(double(qint64(age) * 256) / lifetime) : 0;
    if (fall > 0)
        y += double(moveCount) / fall;
    if (age > lifetime)
        kill();
    x += vx;
    y += vy;
    // Marks one pixel wide or high never turn.
    if (width != 1 && height != 1)
        angle += spinRate;
}

Tbod *makeMark(GameState &game, const ImagePtr &picture, int lifetime, int fall)
{
    Tbod *mark = game.engine.create<Tbod>();
    mark->image = picture;
    mark->width = picture ? picture->width() : 0;
    mark->height = picture ? picture->height() : 0;
    mark->lifetime = lifetime;
    mark->fall = fall;
    return mark;
}

void centreWithScatter(GameState &game, Tbod &mark, const Tplayer &player)
{
    mark.x = game.Random(20) + (player.x + units::div(player.width, 2)) - 10;
    mark.y = game.Random(20) + (player.y + units::div(player.height, 2)) - 10;
}
