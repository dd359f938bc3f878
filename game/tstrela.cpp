#include "tstrela.h"

#include "damage.h"
#include "tplayer.h"
#include "units.h"

Tstrela::Tstrela(TSpriteEngine &engine) : TImageSpriteEx(engine)
{
    setZ(2);
}

void Tstrela::setOwner(TSprite *owner)
{
    owner_ = owner;
    ownerPlayer_ = dynamic_cast<Tplayer *>(owner);
}

void Tstrela::thrustStep(int angleUnits, double k, int moveCount, double divisor)
{
    const QPointF d = directionOf(angleUnits);
    vx += d.x() * k * moveCount / divisor;
    vy += d.y() * k * moveCount / divisor;
}

void Tstrela::showOwnerImage(const char *name)
{
    if (ownerPlayer_ && ownerPlayer_->images)
        image = ownerPlayer_->images->find(QString::fromLatin1(name));
}

void Tstrela::onHit(TSprite &other)
{
    auto *player = dynamic_cast<Tplayer *>(&other);
    if (player && &other != owner_)
        hitPlayer(*player, damage);
}

void Tstrela::onMove(int moveCount)
{
    collide();
    thrustStep(angle, 0.3, moveCount, wet ? 40 : 15);
    x += vx;
    y += vy;
    age += units::div(moveCount, 2);
    // A function sprite's arrow keeps its picture as it ages.
    if (ownerPlayer_) {
        if (age > 1400)
            showOwnerImage("strela1");
        if (age > 1800)
            showOwnerImage("strela2");
    }
    if (age > 2000)
        kill();
}
