#include "tfunct.h"

#include "envinstance.h"
#include "gamestate.h"
#include "taxe.h"
#include "tdorazacka.h"
#include "tplayer.h"
#include "tpulz.h"
#include "tstaticsprite.h"
#include "tstrela.h"
#include "units.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace {

constexpr int maxAge = 1'000'000'000;

int saturate(qint64 value)
{
    return int(std::clamp<qint64>(value, INT_MIN, INT_MAX));
}

// A starting velocity component; the file should never ask for a zero divisor, and one gives a
// shot that starts at rest instead of at infinite speed.
double startSpeed(double direction, int moveCount, int divisor)
{
    return divisor != 0 ? direction * moveCount / divisor : 0.0;
}

} // namespace

Tfunct::Tfunct(TSpriteEngine &engine, GameState &game) : TSprite(engine), game(game) {}

Tfunct::~Tfunct()
{
    if (owner && owner->funct == this)
        owner->funct = nullptr;
}

void Tfunct::onDraw(QPainter &) {}

bool Tfunct::inTrigger(const Tplayer &p) const
{
    auto inside = [this](double px, double py) {
        return ttop < py && py < tbottom && tleft < px && px < tright;
    };
    return inside(p.x, p.y) || inside(p.x + p.width, p.y + p.height);
}

void Tfunct::end()
{
    kill();
    finished = true;
}

void Tfunct::onMove(int moveCount)
{
    if (finished)
        return;
    if (interval != 0) {
        const int step = units::div(moveCount, interval);
        // Never reverses: at or below spinmax it turns down, above it up (unless it lies
        // strictly between spinmax and spinmin, where it stands still).
        if (spin <= spinmax)
            spin = saturate(qint64(spin) - step);
        else if (spin >= spinmin)
            spin = saturate(qint64(spin) + step);
    }
    if (allowmain && rotmain && owner)
        owner->angle = spin;
    if (!active)
        end();
    // A bound function sprite whose object is gone (broken, or freed) ends with it; it may still
    // launch once in this move.
    if (allowmain && (!owner || owner->destroyed))
        end();

    Tplayer *p1 = game.player1, *p2 = game.player2;
    const bool in1 = p1 && inTrigger(*p1);
    const bool in2 = p2 && inTrigger(*p2);
    if (in1 && in2)
        launchStep(*p1, *p2, moveCount);
    else if (in1)
        launchStep(*p1, *p1, moveCount);
    else if (in2)
        launchStep(*p2, *p2, moveCount);
}

void Tfunct::launchStep(Tplayer &a, Tplayer &b, int moveCount)
{
    if (!active)
        return;
    Tplayer *target = nullptr;
    if (rottospr) {
        auto offset = [this](const Tplayer &p) {
            return QPointF(p.x + p.width / 2.0 - x, p.y + p.height / 2.0 - y);
        };
        auto length = [](QPointF d) { return std::sqrt(d.x() * d.x() + d.y() * d.y()); };
        const double da = length(offset(a)), db = length(offset(b));
        target = db > da ? &a : &b;
        const double distance = target == &a ? da : db;
        // A target centred on the launch point gives no direction: the aim stays.
        if (distance > 0 && std::isfinite(distance)) {
            // The sine itself is scaled as if it were radians, so the aim stays within 41 units
            // of the horizontal.
            const double s = offset(*target).y() / distance;
            spin = degreesToUnits(Round(s * 180 / std::numbers::pi));
            if (target->x + target->width < x)
                spin = 128 - spin;
        }
    }
    if (qint64(lastAttack) + atcinterval >= game.totalTime)
        return;
    if (!fire)
        return;
    lastAttack = game.totalTime;
    launch(target, moveCount);
}

void Tfunct::launch(Tplayer *target, int moveCount)
{
    // Nothing is launched without a picture: a sprite is never drawn without one.
    if (img.isEmpty())
        return;
    const ImagePtr picture = game.sys.find(img);
    const QPointF d = directionOf(spin);
    // Any age past the shots' limits ends them in their first move; one kept far from the
    // integer limit can never overflow as they age.
    const int age = liv < -maxAge ? maxAge : -liv;
    TImageSpriteEx *made = nullptr;
    if (attackKind == finisher) {
        auto *f = game.engine.create<Tdorazacka>(game);
        f->energy = liv;
        f->fullEnergy = liv;
        f->target = target;
        made = f;
    } else {
        Tstrela *shot = nullptr;
        if (attackKind == axe)
            shot = game.engine.create<Taxe>();
        else if (attackKind == pulse)
            shot = game.engine.create<Tpulz>();
        else
            shot = game.engine.create<Tstrela>();
        shot->setOwner(this);
        shot->age = age;
        shot->vx = startSpeed(d.x(), moveCount, xsp);
        // Only arrows have a vertical divisor of their own.
        shot->vy = startSpeed(d.y(), moveCount, attackKind == arrow ? ysp : xsp);
        if (attackKind == arrow)
            shot->damage = pwr;
        made = shot;
    }
    made->angle = spin;
    made->image = picture;
    made->width = picture->width();
    made->height = picture->height();
    made->setZ(2);
    made->x = x;
    made->y = y;
    playEnvironmentSound(game, snd);
}
