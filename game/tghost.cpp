#include "tghost.h"

#include "damage.h"
#include "tplayer.h"
#include "units.h"

Tghost::Tghost(TSpriteEngine &engine) : TImageSpriteEx(engine)
{
    setZ(2);
}

void Tghost::onHit(TSprite &other)
{
    auto *player = dynamic_cast<Tplayer *>(&other);
    if (player && player != owner)
        hitPlayer(*player, contactDamage);
}

void Tghost::onMove(int moveCount)
{
    // The contact test runs where the ghost stood after its previous move.
    collide();
    if (!owner) {
        kill();
        return;
    }
    angle = owner->angle;
    x = owner->width / 2.0 + owner->x - width / 2.0 + owner->vx * 10;
    y = owner->height / 2.0 + owner->y - height / 2.0 + owner->vy * 10;
    remaining -= moveCount / 100.0;
    if (duration != 0)
        alpha = Round(remaining * 100 / duration);
    // Only the natural end frees the caster for the next ghost and says so.
    if (remaining < 0 && !dead()) {
        kill();
        owner->ghostActive = false;
        owner->playSound(QStringLiteral("ghost"));
    }
}
