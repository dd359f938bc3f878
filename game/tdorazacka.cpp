#include "tdorazacka.h"

#include "damage.h"
#include "gamestate.h"
#include "tbod.h"
#include "tplayer.h"
#include "tstrela.h"
#include "units.h"

#include <cmath>
#include <numbers>

Tdorazacka::Tdorazacka(TSpriteEngine &engine, GameState &game) : TImageSpriteEx(engine), game(game)
{
}

void Tdorazacka::onHit(TSprite &other)
{
    if (auto *player = dynamic_cast<Tplayer *>(&other))
        hitPlayer(*player, 1);
    // Shots knock finishers away; the shot itself flies on.
    if (auto *shot = dynamic_cast<Tstrela *>(&other)) {
        vx = shot->vx;
        vy = shot->vy;
    }
}

void Tdorazacka::onMove(int moveCount)
{
    collide();
    if (energy != endless) {
        energy -= Round(moveCount / 5.0);
        if (energy < 0)
            kill();
        // Without a positive full energy there is no scale: the size stays as it was.
        if (fullEnergy > 0 && image) {
            const double percent = double(qint64(energy) * 100) / fullEnergy;
            width = Round(image->width() * percent / 100);
            height = Round(image->height() * percent / 100);
        }
    }
    if (target) {
        const double dy = target->height / 2.0 + target->y - y;
        const double dx = target->width / 2.0 + target->x - x;
        const double r = std::sqrt(dx * dx + dy * dy);
        // On the target's centre the aim is undefined: keep the last heading.
        if (r > 0 && std::isfinite(r)) {
            // The sine is taken as an angle in radians, so the aim stays within 57 degrees of
            // the horizontal.
            const int a = degreesToUnits(Round(dy / r * 180 / std::numbers::pi));
            angle = target->x < x ? 128 - a : a;
        }
    }
    const QPointF d = directionOf(angle);
    vx += moveCount * d.x() / 20;
    vy += moveCount * d.y() / 20;
    vx *= 0.9;
    vy *= 0.9;
    x += vx;
    y += vy;
    if (game.fly && moveCount > 10) {
        Tbod *trail = makeMark(game, game.sys.find(QStringLiteral("drbod")), 250, 20);
        trail->x = x + game.Random(width);
        trail->y = y + game.Random(height);
    }
}
