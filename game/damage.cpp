#include "damage.h"

#include "gameloop.h"
#include "gamestate.h"
#include "tbod.h"
#include "tplayer.h"
#include "units.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace {

// Damage comes from environment files too, so the arithmetic is wide and saturates rather than
// overflowing.
int saturate(qint64 value)
{
    return int(std::clamp<qint64>(value, INT_MIN, INT_MAX));
}

void stopAll(WaveList &list)
{
    for (int i = 0; i < list.count(); ++i)
        list.entry(i)->stop();
}

// A burst of 9 to 18 marks flying outward from the player's centre, from a random first angle
// round to 340 degrees.
void burst(Tplayer &player)
{
    GameState &game = player.game;
    const int first = game.Random(10);
    const ImagePtr picture = player.ownImage(QStringLiteral("crbod"));
    for (int i = first; i <= 17; ++i) {
        const double a = i * 20 * std::numbers::pi / 180;
        Tbod *mark = makeMark(game, picture, 800, 0);
        mark->vx = std::cos(a) * 10;
        mark->vy = std::sin(a) * 10;
        centreWithScatter(game, *mark, player);
    }
}

void die(Tplayer &player)
{
    GameState &game = player.game;
    if (player.x < 0 || player.y < 0 || player.x > game.screenWidth ||
        player.y > game.screenHeight) {
        player.x = units::div(game.screenWidth, 2);
        player.y = units::div(game.screenHeight, 2);
    }
    // Set first: whatever fails below, the next tick still ends the match.
    game.matchOver = true;
    stopAll(game.WaveList1);
    stopAll(game.WaveList2);
    player.playSound(QStringLiteral("dead"));
    // The sign comes from the environment's collection, which setup does not test; without it
    // the match ends all the same, with no sign.
    if (const ImagePtr sign = game.sys.tryFind(QStringLiteral("dead"))) {
        TImageSprite *dead = game.engine.create<TImageSprite>();
        dead->image = sign;
        dead->width = sign->width();
        dead->height = sign->height();
        dead->x = player.width + player.x + 10;
        dead->y = player.y - 10;
    }
}

} // namespace

void hitPlayer(Tplayer &player, int damage)
{
    if (player.shielded) {
        // The shield takes the hit and mana pays three times over; what mana cannot pay comes
        // off life, yet a shielded player never dies of it.
        player.shield = saturate(qint64(player.shield) - damage);
        const qint64 cost = 3 * qint64(damage);
        if (cost > player.mana) {
            player.life = saturate(player.life - (cost - player.mana));
            player.mana = 0;
        } else {
            player.mana = saturate(player.mana - cost);
        }
        return;
    }
    GameState &game = player.game;
    player.hurtTime = 0;
    if (!game.bulletActive)
        boolettime(game);
    // A resistance above the damage heals.
    player.life = saturate(qint64(player.life) - (qint64(damage) - player.stats.resist));
    if (game.exl)
        burst(player);
    player.playSound(QStringLiteral("hit"));
    player.showBody(QStringLiteral("telo1"));
    if (player.life > 0)
        return;
    die(player);
}

int barEnd(int max, int value, int base)
{
    if (max == 0)
        return base;
    return Round(base - double(qint64(value) * 30) / max);
}
