// Function sprites: the trigger box, aiming, turning, the launch rate, what is launched, and
// how a function sprite ends with (or outlives) its object.

#include "taxe.h"
#include "tdorazacka.h"
#include "test_static_fixture.h"
#include "tpulz.h"

#include <climits>
#include <cmath>
#include <numbers>

using arenafixture::ArenaWorld;
using arenafixture::object;

namespace {

// A function sprite launching bolts from (200, 200) at anyone in the box (0, 0)-(1000, 700),
// tied to a solid object far from both.
EnvFunct launcher()
{
    EnvFunct f;
    f.x = 200;
    f.y = 200;
    f.tleft = 0;
    f.ttop = 0;
    f.tright = 1000;
    f.tbottom = 700;
    f.img = "bolt";
    f.snd = "launch";
    f.xsp = 4;
    f.ysp = 8;
    return f;
}

Tfunct *turret(ArenaWorld &w, const EnvFunct &f, int material = 1, int x = 800, int y = 600)
{
    EnvObject o = object(material, x, y);
    o.funct = f;
    Tstaticsprite *s = instantiateObject(w.game, o);
    return s->funct;
}

template <class T> std::vector<T *> all(ArenaWorld &w)
{
    std::vector<T *> out;
    for (TSprite *s : w.game.engine.sprites())
        if (auto *t = dynamic_cast<T *>(s); t && typeid(*s) == typeid(T))
            out.push_back(t);
    return out;
}

} // namespace

TEST(Funct, PlayerCountsWhenACornerOfTheDiagonalIsStrictlyInside)
{
    struct Case
    {
        double x, y;
        int w, h;
        bool inside;
    } cases[] = {
        {150, 150, 40, 30, true},
        {150, 100, 40, 30, true},   // on the top edge, bottom-right inside
        {150, 100, 40, 120, false}, // on the top edge, bottom-right below the box
        {260, 170, 40, 30, true},   // bottom-right on the corner, top-left inside
        {50, 50, 400, 400, false},  // covers the whole box
        {280, 80, 40, 30, false},   // only the bottom-left corner inside
        {90, 190, 40, 30, false},   // only the top-right corner inside
    };
    ArenaWorld w;
    EnvFunct f;
    f.tleft = 100;
    f.ttop = 100;
    f.tright = 300;
    f.tbottom = 200;
    Tfunct *t = turret(w, f);
    Tplayer *p = w.player();
    for (const Case &c : cases) {
        p->x = c.x;
        p->y = c.y;
        p->width = c.w;
        p->height = c.h;
        EXPECT_EQ(t->inTrigger(*p), c.inside) << c.x << "," << c.y;
    }
}

TEST(Funct, AimsWithTheSineTakenAsRadians)
{
    // Players 40 x 30; the launch point is (200, 200).
    struct Case
    {
        const char *where;
        double x, y;
        int spin;
    } cases[] = {
        {"straight below", 180, 285, 41}, // Round(1 * 180 / pi) = 57 degrees = 41 units
        {"straight right", 280, 185, 0},
        {"straight left", 80, 185, 128},
        {"up and left", 80, 85, 157}, // -41 degrees = -29 units, mirrored
        {"up and right", 280, 85, -29},
        {"centred on the launch point", 180, 185, 77}, // no direction: the aim stays
    };
    for (const Case &c : cases) {
        ArenaWorld w;
        EnvFunct f = launcher();
        f.spin = 77;
        f.fire = 0;
        Tfunct *t = turret(w, f);
        w.game.player1 = w.player(c.x, c.y);
        t->onMove(16);
        EXPECT_EQ(t->spin, c.spin) << c.where;
    }
}

TEST(Funct, AimsAtTheNearerPlayerAndAtPlayerTwoOnATie)
{
    struct Case
    {
        double y1, y2;
        int target; // 1 or 2
    } cases[] = {
        {285, 85, 2},  // both 100 away
        {235, 85, 1},  // player 1 nearer
        {285, 135, 2}, // player 2 nearer
    };
    for (const Case &c : cases) {
        ArenaWorld w;
        EnvFunct f = launcher();
        f.atack = 4;
        Tfunct *t = turret(w, f);
        w.game.player1 = w.player(180, c.y1);
        w.game.player2 = w.player(180, c.y2, &w.game.pllist2, &w.game.WaveList2);
        w.game.totalTime = 100;
        t->onMove(16);
        EXPECT_EQ(t->spin, c.target == 1 ? 41 : -41);
        auto finishers = all<Tdorazacka>(w);
        ASSERT_EQ(finishers.size(), 1u);
        EXPECT_EQ(finishers[0]->target, c.target == 1 ? w.game.player1 : w.game.player2);
    }
}

TEST(Funct, TurnsOneWayAndTurnsItsObjectWhenBound)
{
    struct Case
    {
        int spin, spinmin, spinmax, interval, mc;
        int after;
    } cases[] = {
        {0, 0, 0, 10, 16, -1},
        {0, 0, 0, 10, 9, 0},
        {5, 0, 0, 10, 16, 6},
        {5, 10, 0, 10, 16, 5}, // strictly between spinmax and spinmin: stands still
        {0, 0, 0, 0, 16, 0},
        {0, 0, 0, -10, 16, 1},
        {-300, 0, 0, 1, 20, -320},
        {INT_MIN + 3, 0, 0, 1, 16, INT_MIN}, // saturates instead of wrapping
    };
    for (const Case &c : cases) {
        ArenaWorld w;
        EnvFunct f;
        f.spin = c.spin;
        f.spinmin = c.spinmin;
        f.spinmax = c.spinmax;
        f.interval = c.interval;
        Tfunct *t = turret(w, f);
        t->onMove(c.mc);
        EXPECT_EQ(t->spin, c.after) << c.spin << " " << c.interval << " " << c.mc;
        EXPECT_EQ(t->owner->angle, c.after);
    }

    struct Binding
    {
        int allowmain, rotmain;
        bool turnsObject;
    } bindings[] = {{1, 1, true}, {0, 1, false}, {1, 0, false}};
    for (const Binding &b : bindings) {
        ArenaWorld w;
        EnvFunct f;
        f.spin = 20;
        f.interval = 1;
        f.allowmain = b.allowmain;
        f.rotmain = b.rotmain;
        Tfunct *t = turret(w, f);
        Tstaticsprite *o = t->owner;
        o->angle = 3;
        t->onMove(5);
        EXPECT_EQ(o->angle, b.turnsObject ? 25 : 3) << b.allowmain << b.rotmain;
    }
}

TEST(Funct, LaunchesNoFasterThanItsInterval)
{
    struct Case
    {
        int atcinterval;
        int fire;
        std::vector<int> launches; // totalTime of each launch, ticks of 100 ms up to 2000
    } cases[] = {
        {500, 1, {600, 1200, 1800}},
        {0, 1, {100,  200,  300,  400,  500,  600,  700,  800,  900,  1000,
                1100, 1200, 1300, 1400, 1500, 1600, 1700, 1800, 1900, 2000}},
        {500, 0, {}},
    };
    for (const Case &c : cases) {
        ArenaWorld w;
        EnvFunct f = launcher();
        f.atcinterval = c.atcinterval;
        f.fire = c.fire;
        Tfunct *t = turret(w, f);
        w.game.player1 = w.player(180, 285);
        std::vector<int> launches;
        size_t shots = 0;
        for (int time = 100; time <= 2000; time += 100) {
            w.game.totalTime = time;
            t->onMove(16);
            if (all<Tstrela>(w).size() > shots) {
                shots = all<Tstrela>(w).size();
                launches.push_back(time);
            }
        }
        EXPECT_EQ(launches, c.launches) << c.atcinterval;
        EXPECT_EQ(t->spin, 41) << "aims whether it fires or not";
        EXPECT_EQ(t->owner->angle, 41);
        EXPECT_EQ(w.envPlayed().size(), qsizetype(c.launches.size()));
    }
}

TEST(Funct, LaunchesWhatItsAttackSays)
{
    // Spin 32 is 45 degrees; moveCount 16, xsp 4, ysp 8.
    const double c45 = std::cos(std::numbers::pi / 4) * 16;
    struct Case
    {
        int atack;
        const char *kind;
        double vx, vy;
        int damage;
    } cases[] = {
        {1, "arrow", c45 / 4, c45 / 8, 7}, {2, "axe", c45 / 4, c45 / 4, 0},
        {3, "pulse", c45 / 4, c45 / 4, 0}, {0, "arrow", c45 / 4, c45 / 8, 7},
        {9, "arrow", c45 / 4, c45 / 8, 7}, {4, "finisher", 0, 0, 0},
    };
    for (const Case &c : cases) {
        ArenaWorld w;
        EnvFunct f = launcher();
        f.atack = c.atack;
        f.rottospr = 0;
        f.spin = 32;
        f.pwr = 7;
        f.liv = 50;
        Tfunct *t = turret(w, f);
        w.game.player1 = w.player(500, 500);
        w.game.totalTime = 16;
        t->onMove(16);
        const std::string kind = c.kind;
        TImageSpriteEx *made = nullptr;
        if (kind == "finisher") {
            ASSERT_EQ(all<Tdorazacka>(w).size(), 1u);
            Tdorazacka *d = all<Tdorazacka>(w)[0];
            EXPECT_EQ(d->energy, 50);
            EXPECT_EQ(d->fullEnergy, 50);
            EXPECT_EQ(d->target, nullptr) << "no aim, no target";
            made = d;
        } else {
            Tstrela *s = nullptr;
            if (kind == "arrow")
                s = all<Tstrela>(w).empty() ? nullptr : all<Tstrela>(w)[0];
            else if (kind == "axe")
                s = all<Taxe>(w).empty() ? nullptr : all<Taxe>(w)[0];
            else
                s = all<Tpulz>(w).empty() ? nullptr : all<Tpulz>(w)[0];
            ASSERT_NE(s, nullptr) << c.atack;
            EXPECT_EQ(s->owner(), t);
            EXPECT_EQ(s->ownerPlayer(), nullptr);
            EXPECT_EQ(s->age, -50);
            EXPECT_DOUBLE_EQ(s->vx, c.vx) << c.atack;
            EXPECT_DOUBLE_EQ(s->vy, c.vy) << c.atack;
            EXPECT_EQ(s->damage, c.damage) << c.atack;
            made = s;
        }
        EXPECT_EQ(made->angle, 32);
        EXPECT_EQ(made->image->name(), "bolt");
        EXPECT_EQ(made->width, 30);
        EXPECT_EQ(made->height, 8);
        EXPECT_EQ(made->z(), 2);
        EXPECT_DOUBLE_EQ(made->x, 200);
        EXPECT_DOUBLE_EQ(made->y, 200);
        EXPECT_EQ(w.envPlayed(), QStringList{"env:launch"});
    }
}

TEST(Funct, ArrowsHurtBothPlayersByTheirPower)
{
    ArenaWorld w;
    EnvFunct f = launcher();
    f.pwr = 9;
    Tfunct *t = turret(w, f);
    Tplayer *p1 = w.game.player1 = w.player(180, 285);
    Tplayer *p2 = w.game.player2 = w.player(600, 285, &w.game.pllist2, &w.game.WaveList2);
    w.game.totalTime = 100;
    t->onMove(16);
    ASSERT_EQ(all<Tstrela>(w).size(), 1u);
    Tstrela *arrow = all<Tstrela>(w)[0];
    for (Tplayer *p : {p1, p2}) {
        arrow->x = p->x + 5;
        arrow->y = p->y + 5;
        arrow->collide();
        EXPECT_EQ(p->life, 91);
    }
}

TEST(Funct, EndsWhenPassiveOrWhenItsBoundObjectBreaks)
{
    {
        ArenaWorld w;
        EnvFunct f = launcher();
        f.active = 0;
        f.interval = 1;
        Tfunct *t = turret(w, f);
        w.game.player1 = w.player(180, 285);
        w.game.totalTime = 100;
        t->onMove(16);
        EXPECT_TRUE(t->finished);
        EXPECT_TRUE(t->dead());
        EXPECT_EQ(t->spin, -16) << "it still turned in its last move";
        EXPECT_TRUE(all<Tstrela>(w).empty());
    }
    {
        // Bound: ends in the move after its object broke, launching once more.
        ArenaWorld w;
        Tfunct *t = turret(w, launcher());
        w.game.player1 = w.player(180, 285);
        t->owner->destroyed = true;
        w.game.totalTime = 100;
        t->onMove(16);
        EXPECT_TRUE(t->finished);
        EXPECT_EQ(all<Tstrela>(w).size(), 1u);
        w.game.totalTime = 200;
        t->onMove(16);
        EXPECT_EQ(all<Tstrela>(w).size(), 1u);
    }
    {
        // Unbound: outlives its object, which is freed, and keeps launching.
        ArenaWorld w;
        EnvFunct f = launcher();
        f.allowmain = 0;
        Tfunct *t = turret(w, f);
        w.game.player1 = w.player(180, 285);
        t->owner->destroyed = true;
        t->owner->kill();
        w.game.engine.purge();
        EXPECT_EQ(t->owner, nullptr);
        for (int time : {100, 200}) {
            w.game.totalTime = time;
            w.game.engine.advance(16);
        }
        EXPECT_FALSE(t->finished);
        EXPECT_EQ(all<Tstrela>(w).size(), 2u);
    }
}

TEST(Funct, LaunchPointInsideADestructibleObjectWearsIt)
{
    struct Case
    {
        const char *what;
        int material;
        int objectX; // the launch point is (200, 200); objects are 100 x 100 at y 150
        bool destroyed;
    } cases[] = {
        {"destructible around it", 2, 150, true},
        {"launch point on the left edge", 2, 200, false},
        {"solid around it", 1, 150, false},
        {"water around it", 3, 150, false},
    };
    for (const Case &c : cases) {
        ArenaWorld w;
        EnvFunct f = launcher();
        f.fire = 0;
        EnvObject o = object(c.material, c.objectX, 150);
        o.sprite.live = 3;
        o.funct = f;
        Tstaticsprite *s = instantiateObject(w.game, o);
        Tfunct *t = s->funct;
        for (int tick = 0; tick < 2; ++tick)
            w.game.engine.advance(16);
        EXPECT_FALSE(s->destroyed) << c.what;
        w.game.engine.advance(16);
        EXPECT_EQ(s->destroyed, c.destroyed) << c.what;
        EXPECT_EQ(t->finished, c.destroyed) << "bound: ends in the same tick";
        w.game.engine.purge();
        w.game.engine.advance(16); // nothing refers to what was freed
    }
}

TEST(Funct, HarmlessChoicesForWhatTheFileShouldNotAsk)
{
    struct Case
    {
        const char *what;
        int xsp, ysp, liv;
        const char *img;
        bool launched;
        int age;
    } cases[] = {
        {"zero divisors", 0, 0, 0, "bolt", true, 0},
        {"lowest life", 4, 4, INT_MIN, "bolt", true, 1000000000}, // far from overflowing
        {"no picture", 4, 4, 0, "", false, 0},
    };
    for (const Case &c : cases) {
        ArenaWorld w;
        EnvFunct f = launcher();
        f.xsp = c.xsp;
        f.ysp = c.ysp;
        f.liv = c.liv;
        f.img = c.img;
        Tfunct *t = turret(w, f);
        w.game.player1 = w.player(180, 285);
        w.game.totalTime = 100;
        t->onMove(16);
        ASSERT_EQ(all<Tstrela>(w).size(), c.launched ? 1u : 0u) << c.what;
        if (!c.launched)
            continue;
        Tstrela *s = all<Tstrela>(w)[0];
        EXPECT_TRUE(std::isfinite(s->vx) && std::isfinite(s->vy)) << c.what;
        if (c.xsp == 0) {
            EXPECT_EQ(QPointF(s->vx, s->vy), QPointF(0, 0)) << "starts at rest";
        }
        EXPECT_EQ(s->age, c.age) << c.what;
        w.game.engine.advance(16); // flies, or ends, without trouble
        EXPECT_EQ(s->dead(), c.age > 2000) << c.what;
    }
}

TEST(Funct, EndlessFinisherNeverShrinks)
{
    ArenaWorld w;
    EnvFunct f = launcher();
    f.atack = 4;
    f.img = "doraz";
    f.liv = Tdorazacka::endless;
    Tfunct *t = turret(w, f);
    w.game.player1 = w.player(180, 285);
    w.game.totalTime = 100;
    t->onMove(16);
    ASSERT_EQ(all<Tdorazacka>(w).size(), 1u);
    Tdorazacka *d = all<Tdorazacka>(w)[0];
    EXPECT_EQ(d->target, w.game.player1);
    for (int i = 0; i < 50; ++i)
        d->onMove(16);
    EXPECT_EQ(d->energy, Tdorazacka::endless);
    EXPECT_FALSE(d->dead());
    EXPECT_EQ(d->width, 20);
}
