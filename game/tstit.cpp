#include "tstit.h"

#include "tmine.h"
#include "tplamen.h"
#include "tplayer.h"
#include "tpulz.h"
#include "units.h"

Tstit::Tstit(TSpriteEngine &engine) : TImageSpriteEx(engine)
{
    setZ(2);
}

void Tstit::playOwnerSound(const char *name)
{
    owner->playSound(QString::fromLatin1(name));
}

void Tstit::onMove(int moveCount)
{
    (void)moveCount;
    collide(); // where the shield stood after the previous move
    if (owner) {
        x = owner->x + owner->width / 2.0 - width / 2.0;
        y = owner->y + owner->height / 2.0 - height / 2.0;
    }
    alpha = Round(strength * 246 / 100.0) + 10;
}

void Tstit::onHit(TSprite &other)
{
    if (!owner)
        return;
    // The damage routine and healing change only the owner's copy.
    if (owner->shield != strength)
        strength = owner->shield;

    auto *shot = dynamic_cast<Tstrela *>(&other);
    auto *ghost = dynamic_cast<Tghost *>(&other);
    if (shot && shot->owner() == owner)
        return;
    if (ghost && ghost->owner == owner)
        return;

    if (shot) {
        if (dynamic_cast<Tpulz *>(shot))
            return; // a pulse passes through to the player
        auto *flame = dynamic_cast<Tplamen *>(shot);
        if (flame)
            flame->reflected = true; // keeps its owner, so it is turned back again next move
        else
            shot->setOwner(owner);
        strength -= 10;
        if (owner->mana >= 10)
            owner->mana -= 9;
        else
            owner->life -= 10;
        shot->angle -= 128;
        if (flame)
            flame->heading -= 128;
        shot->vx = -shot->vx;
        shot->vy = -shot->vy;
        playOwnerSound("shield hit");
    } else if (auto *mine = dynamic_cast<Tmine *>(&other)) {
        strength -= 20;
        if (owner->mana >= 10)
            owner->mana -= 30; // may go negative
        else
            owner->life -= 10;
        mine->kill();
        playOwnerSound("shield hit");
    }

    owner->shield = strength;
    if (strength < 0) {
        kill();
        owner->shield = 0;
        owner->shielded = false;
        playOwnerSound("shield off");
    }
}
