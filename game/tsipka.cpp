#include "tsipka.h"

#include "gamestate.h"
#include "tplayer.h"
#include "units.h"

#include <cmath>

Tsipka::Tsipka(TSpriteEngine &engine, GameState &game) : TImageSpriteEx(engine), game(game)
{
    collides = false;
}

void Tsipka::onMove(int)
{
    if (!player)
        return;
    const Tplayer &p = *player;
    const QRect surface = game.engine.surfaceRect();
    const int W = surface.width(), H = surface.height();
    if (p.x < 0) {
        x = 0;
        y = p.y;
    }
    if (p.x > W) {
        x = W - width;
        y = p.y;
    }
    if (p.y < 0) {
        y = 0;
        x = p.x;
    }
    if (p.y > H) {
        y = H - height;
        x = p.x;
    }
    // Only the player's top-left corner counts.
    visible = !(0 < p.x && p.x < W && 0 < p.y && p.y < H);
    if (x < 0)
        x = 0;
    if (x + width > W)
        x = W - width;
    if (y < 0)
        y = 0;
    if (y + height > H)
        y = H - height;
    angle = p.angle;
    if (game.dcr && image) {
        const double d = std::hypot(p.x - x, p.y - y);
        width = Round(image->pictureWidth() * d / 1000);
        height = Round(image->pictureHeight() * d / 1000);
        width = std::max(width, units::div(image->pictureWidth(), 2));
        height = std::max(height, units::div(image->pictureHeight(), 2));
    }
}
