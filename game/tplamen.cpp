#include "tplamen.h"

#include "damage.h"
#include "tplayer.h"
#include "units.h"

Tplamen::Tplamen(TSpriteEngine &engine) : Tstrela(engine) {}

Tplamen::~Tplamen()
{
    // Killed after its last move and freed by purge or by the end of the match: the owner was
    // created before the flame, so the engine has not freed it yet.
    leaveFlight();
}

void Tplamen::enterFlight()
{
    if (inFlight_ || !ownerPlayer())
        return;
    ownerPlayer()->flamesInFlight += 1;
    inFlight_ = true;
}

void Tplamen::leaveFlight()
{
    if (!inFlight_)
        return;
    inFlight_ = false;
    if (ownerPlayer())
        ownerPlayer()->flamesInFlight -= 1;
}

void Tplamen::stopShot()
{
    kill();
    leaveFlight();
}

void Tplamen::onHit(TSprite &other)
{
    auto *player = dynamic_cast<Tplayer *>(&other);
    if (player && (&other != owner() || reflected))
        hitPlayer(*player, 2);
}

void Tplamen::onMove(int moveCount)
{
    // Something else killed the flame (a wall, for one) since its last move.
    if (dead())
        leaveFlight();
    collide();
    if (wet)
        age = 300;
    thrustStep(heading, 0.3, moveCount, 15);
    x += vx;
    y += vy;
    age += units::div(moveCount, 2);
    if (age > 200)
        showOwnerImage("plamen2");
    if (age > 400)
        showOwnerImage("plamen3");
    if (age > 600) {
        kill();
        leaveFlight();
    }
}
