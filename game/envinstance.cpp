#include "envinstance.h"

#include "envfile.h"
#include "gamestate.h"
#include "ini.h"
#include "tfunct.h"
#include "tstaticsprite.h"

#include <algorithm>

namespace {

// Far beyond any screen, yet small enough that a turned picture's bounds stay within the range
// of the drawing arithmetic: a hand-edited size of two thousand million pixels cannot overflow it.
constexpr int maxSide = 1 << 20;

enum Material { intangible = 0, solid = 1, destructible = 2, water = 3 };

// Every name an object's rules will look up later, checked now so that a broken arena fails
// at setup and not in the middle of the match. The water's hit sound is the one exception: it
// is played only if present.
void checkNames(const GameState &game, const EnvObject &object)
{
    const EnvSprite &s = object.sprite;
    if (s.material == water)
        game.sys.find(QStringLiteral("splash")); // the player's splash on entering
    const bool collides = s.material != intangible;
    if (!s.onhit.isEmpty() && collides && s.material != water)
        game.envwave.find(s.onhit);
    if (s.material == destructible) {
        if (!s.onbrake.isEmpty())
            game.envwave.find(s.onbrake);
        // Even an empty name: a destructible object cannot burst into nothing.
        game.sys.find(s.gibs);
    }
    game.sys.find(s.image);
    if (const auto &f = object.funct) {
        if (!f->img.isEmpty())
            game.sys.find(f->img);
        if (!f->snd.isEmpty())
            game.envwave.find(f->snd);
    }
}

void applySprite(GameState &game, Tstaticsprite &o, const EnvSprite &s)
{
    switch (s.material) {
    case intangible:
        o.collides = false;
        break;
    case solid:
        o.collides = true;
        break;
    case destructible:
        o.collides = true;
        o.destructible = true;
        break;
    case water:
        o.collides = true;
        o.water = true;
        break;
    default: // any other material behaves as solid
        break;
    }
    o.alpha = s.alpha;
    o.live = s.live;
    o.onhit = s.onhit;
    o.onbrake = s.onbrake;
    o.gibs = s.gibs;
    o.hurt = s.hurt;
    o.tiled = s.tiled;
    o.push = s.push;
    o.image = game.sys.find(s.image);
    o.width = std::clamp(s.width.value_or(o.image->width()), -maxSide, maxSide);
    o.height = std::clamp(s.height.value_or(o.image->height()), -maxSide, maxSide);
    o.x = s.x;
    o.y = s.y;
    o.setZ(s.z);
    o.angle = s.angle;
}

void applyFunct(Tfunct &t, const EnvFunct &f)
{
    t.x = f.x;
    t.y = f.y;
    t.spin = f.spin;
    t.spinmin = f.spinmin;
    t.spinmax = f.spinmax;
    t.interval = f.interval;
    t.atcinterval = f.atcinterval;
    t.pwr = f.pwr;
    t.xsp = f.xsp;
    t.ysp = f.ysp;
    t.liv = f.liv;
    t.img = f.img;
    t.snd = f.snd;
    t.allowmain = f.allowmain != 0;
    t.tleft = f.tleft;
    t.ttop = f.ttop;
    t.tbottom = f.tbottom;
    t.tright = f.tright;
    // 1 arrow, 2 axe, 3 pulse, 4 finisher; anything else launches arrows.
    if (f.atack >= 1 && f.atack <= 4)
        t.attackKind = std::uint8_t(f.atack - 1);
    t.rottospr = f.rottospr != 0;
    t.rotmain = f.rotmain != 0;
    t.fire = f.fire != 0;
    t.active = f.active != 0;
}

} // namespace

Tstaticsprite *instantiateObject(GameState &game, const EnvObject &object)
{
    checkNames(game, object);
    auto *o = game.engine.create<Tstaticsprite>(game);
    applySprite(game, *o, object.sprite);
    if (object.funct) {
        auto *t = game.engine.create<Tfunct>(game);
        o->funct = t;
        t->owner = o;
        applyFunct(*t, *object.funct);
    }
    return o;
}

int instantiateEnvironment(GameState &game, const IniFile &ini)
{
    int n = 0;
    while (const std::optional<EnvObject> object = readEnvObject(ini, n + 1)) {
        instantiateObject(game, *object);
        ++n;
    }
    return n;
}

void playEnvironmentSound(GameState &game, const QString &name)
{
    if (!name.isEmpty())
        game.envwave.find(name)->play();
}

void playEnvironmentSoundIfPresent(GameState &game, const QString &name)
{
    if (name.isEmpty())
        return;
    if (const WavePtr wave = game.envwave.tryFind(name))
        wave->play();
}
