// Shots: flight, ageing, pictures by age, water, and what they do to the players they touch.

#include "taxe.h"
#include "test_weapon_fixture.h"
#include "tgun.h"
#include "tplamen.h"
#include "tpulz.h"
#include "tstaticsprite.h"

#include <cmath>

using fixture::WeaponWorld;

namespace {

// A shot of class T at (x, y) with the owner's picture of that name.
template <class T>
T *shot(WeaponWorld &w, TSprite *owner, const char *image, double x = 100, double y = 100)
{
    T *s = w.game.engine.create<T>();
    s->setOwner(owner);
    s->image = w.game.pllist1.find(image);
    s->width = s->image->width();
    s->height = s->image->height();
    s->x = x;
    s->y = y;
    return s;
}

} // namespace

TEST(Shot, ArrowAcceleratesAgesAndEnds)
{
    WeaponWorld w;
    Tplayer *p = w.player(500, 500);
    p->clock = 175;
    p->fireWeapon(weapon::arrow); // angle 0, at rest
    Tstrela *a = w.first<Tstrela>();
    ASSERT_TRUE(a);
    const double x0 = a->x;
    const double expected[] = {0.2, 0.6, 1.2};
    for (double dx : expected) {
        a->onMove(10);
        EXPECT_NEAR(a->x - x0, dx, 1e-9);
    }
    EXPECT_NEAR(a->vx, 0.6, 1e-12);
    EXPECT_EQ(a->y, 500 + 15 - 2);
    EXPECT_EQ(a->age, 15);
    int move = 3;
    while (a->image->name() == "strela0") {
        a->onMove(10);
        ++move;
    }
    EXPECT_EQ(move, 281);
    EXPECT_EQ(a->image->name(), "strela1");
    EXPECT_EQ(a->width, 16); // drawn in its old size
    while (a->image->name() == "strela1") {
        a->onMove(10);
        ++move;
    }
    EXPECT_EQ(a->age, 1805);
    while (!a->dead()) {
        a->onMove(10);
        ++move;
    }
    EXPECT_EQ(move, 401);
    EXPECT_EQ(a->age, 2005);
}

TEST(Shot, EndsAtItsClassLimitWhenPastIt)
{
    // (class, limit): alive at exactly the limit, dead one unit past it.
    WeaponWorld w;
    Tplayer *p = w.player(900, 700);
    auto check = [&](Tstrela *s, int limit) {
        s->age = limit - 1;
        s->onMove(2); // +1
        EXPECT_FALSE(s->dead()) << limit;
        s->onMove(2);
        EXPECT_TRUE(s->dead()) << limit;
    };
    check(shot<Tstrela>(w, p, "strela0"), 2000);
    check(shot<Tgun>(w, p, "gun"), 1000);
    check(shot<Taxe>(w, p, "axe"), 2000);
    check(shot<Tpulz>(w, p, "pulz"), 1000);
    Tplamen *f = shot<Tplamen>(w, p, "plamen1");
    check(f, 600);
    EXPECT_EQ(f->image->name(), "plamen3");
}

TEST(Shot, WaterSlowsTheArrowAndBulletButNotTheFlame)
{
    WeaponWorld w;
    Tplayer *p = w.player(900, 700);
    const struct
    {
        Tstrela *shot;
        int angle;
        double dryGain, wetGain; // vx after one move of 15, dry then wet
    } cases[] = {
        {shot<Tstrela>(w, p, "strela0"), 0, 0.3, 0.3 * 15 / 40},
        {shot<Tgun>(w, p, "gun"), 0, 0.7, 0.7 * 15 / 40},
        {shot<Tplamen>(w, p, "plamen1"), 0, 0.3, 0.3},
    };
    for (const auto &c : cases) {
        c.shot->angle = c.angle;
        c.shot->onMove(15);
        EXPECT_NEAR(c.shot->vx, c.dryGain, 1e-12);
        c.shot->wet = true;
        c.shot->onMove(15);
        EXPECT_NEAR(c.shot->vx, c.dryGain + c.wetGain, 1e-12);
    }
    // A wet flame stops ageing: its age is 300 before every increment.
    auto *f = dynamic_cast<Tplamen *>(cases[2].shot);
    EXPECT_EQ(f->age, 307);
    for (int i = 0; i < 100; ++i)
        f->onMove(600);
    EXPECT_FALSE(f->dead());
    EXPECT_EQ(f->age, 600);
    f->onMove(602);
    EXPECT_TRUE(f->dead());
}

TEST(Shot, FlameThrustsAlongHeadingAndStaysUnturned)
{
    WeaponWorld w;
    Tplayer *p = w.player(900, 700);
    Tplamen *f = shot<Tplamen>(w, p, "plamen1");
    f->heading = 64;
    f->onMove(15);
    EXPECT_NEAR(f->vx, 0, 1e-12);
    EXPECT_NEAR(f->vy, 0.3, 1e-12);
    EXPECT_EQ(f->angle, 0);
    for (int i = 0; i < 26; ++i)
        f->onMove(15); // age 7 per move: 189
    EXPECT_EQ(f->image->name(), "plamen1");
    f->onMove(30); // 204
    EXPECT_EQ(f->image->name(), "plamen2");
}

TEST(Shot, AxeFliesAnArcAndSpins)
{
    WeaponWorld w;
    Tplayer *p = w.player(500, 300);
    w.game.lastMoveCount = 15;
    p->clock = 300;
    p->fireWeapon(weapon::axe);
    Taxe *a = w.first<Taxe>();
    ASSERT_TRUE(a);
    EXPECT_DOUBLE_EQ(a->vx, 5);
    EXPECT_DOUBLE_EQ(a->vy, 0);
    const double x0 = a->x, y0 = a->y;
    a->onMove(15);
    EXPECT_NEAR(a->x - x0, 12.375, 1e-12);
    EXPECT_NEAR(a->y - y0, 0.375, 1e-12);
    EXPECT_EQ(a->angle, 30);
    double lastDrop = a->y - y0;
    for (int i = 0; i < 5; ++i) {
        const double before = a->y;
        a->onMove(15);
        EXPECT_GT(a->y - before, lastDrop); // falls ever faster
        lastDrop = a->y - before;
    }
    // In water: drag 0.6, half the gravity, 1.5 times the velocity, slower spin.
    a->wet = true;
    const double vx = a->vx, vy = a->vy, x = a->x, y = a->y;
    const int angle = a->angle;
    a->onMove(15);
    EXPECT_NEAR(a->x - x, vx * 0.6 * 1.5, 1e-9);
    EXPECT_NEAR(a->y - y, (vy + 0.075) * 1.5, 1e-9);
    EXPECT_EQ(a->angle, angle + 7);
}

TEST(Shot, PulseFadesAndFliesStraight)
{
    WeaponWorld w;
    Tplayer *p = w.player(900, 700);
    Tpulz *s = shot<Tpulz>(w, p, "pulz");
    s->vx = 3;
    s->wet = true; // water changes nothing
    s->onMove(20);
    EXPECT_EQ(s->alpha, 256);
    EXPECT_EQ(s->x, 103);
    s->age = 500;
    s->onMove(20);
    EXPECT_EQ(s->alpha, 128);
    EXPECT_EQ(s->x, 106);
}

TEST(Shot, DamagePerOverlappingMove)
{
    const struct
    {
        const char *what;
        int life; // of the enemy after three moves inside it
    } expected[] = {{"arrow", 88}, {"flame", 94}, {"bullet", 94}, {"axe", 10}};
    for (const auto &e : expected) {
        WeaponWorld w;
        Tplayer *p = w.player(100, 600);
        Tplayer *enemy = w.player(500, 300, &w.game.pllist2, &w.game.WaveList2);
        Tstrela *s = nullptr;
        const std::string what = e.what;
        if (what == "arrow") {
            s = shot<Tstrela>(w, p, "strela0", 510, 310);
            s->damage = 4;
        } else if (what == "flame") {
            s = shot<Tplamen>(w, p, "plamen1", 510, 310);
        } else if (what == "bullet") {
            s = shot<Tgun>(w, p, "gun", 510, 310);
        } else {
            s = shot<Taxe>(w, p, "axe", 510, 310);
        }
        for (int i = 0; i < 3; ++i) {
            s->x = 510; // keep it inside
            s->y = 310;
            s->onMove(2);
        }
        EXPECT_EQ(enemy->life, e.life) << e.what;
        EXPECT_EQ(p->life, 100) << e.what; // never its owner
        EXPECT_FALSE(s->dead()) << e.what;
        EXPECT_EQ(w.plays("WaveList2:hit"), 3) << e.what;
    }
}

TEST(Shot, ReflectedFlameHurtsItsOwnerToo)
{
    WeaponWorld w;
    Tplayer *p = w.player(500, 300);
    Tplamen *f = shot<Tplamen>(w, p, "plamen1", 510, 310);
    f->onMove(2);
    EXPECT_EQ(p->life, 100);
    f->reflected = true;
    f->x = 510;
    f->onMove(2);
    EXPECT_EQ(p->life, 98);
}

TEST(Shot, FunctionSpriteShotsHurtBothPlayersAndKeepTheirPicture)
{
    WeaponWorld w;
    TSprite *turret = w.game.engine.create<TSprite>();
    Tplayer *p1 = w.player(500, 300);
    Tplayer *p2 = w.player(520, 310, &w.game.pllist2, &w.game.WaveList2);
    Tstrela *a = shot<Tstrela>(w, turret, "strela0", 525, 315);
    EXPECT_EQ(a->ownerPlayer(), nullptr);
    a->damage = 7;
    a->age = -500; // launched with liv 500: lives 500 longer
    a->onMove(2);
    EXPECT_EQ(p1->life, 93);
    EXPECT_EQ(p2->life, 93);
    a->age = 1900;
    a->onMove(2);
    EXPECT_EQ(a->image->name(), "strela0");
}

TEST(Shot, PulseDrainsOrFreesAndJumpsBack)
{
    const struct
    {
        const char *what;
        bool fromTurret;
        int targetBefore;
        int targetAfter, shooterAfter;
        const char *sound; // which list plays "lowpwr"
    } cases[] = {
        {"fresh target", false, 0, 5000, 0, "WaveList2:lowpwr"},
        {"drained target", false, 1200, 0, 5000, "WaveList1:lowpwr"},
        {"turret, fresh target", true, 0, 5000, 0, "WaveList2:lowpwr"},
        {"turret, drained target", true, 1200, 0, 0, nullptr},
    };
    for (const auto &c : cases) {
        WeaponWorld w;
        TSprite *turret = w.game.engine.create<TSprite>();
        Tplayer *shooter = w.player(100, 600);
        Tplayer *target = w.player(500, 300, &w.game.pllist2, &w.game.WaveList2);
        target->lowPower = c.targetBefore;
        Tpulz *s = shot<Tpulz>(w, c.fromTurret ? turret : shooter, "pulz", 505, 305);
        s->onMove(2);
        EXPECT_EQ(target->lowPower, c.targetAfter) << c.what;
        EXPECT_EQ(shooter->lowPower, c.shooterAfter) << c.what;
        EXPECT_EQ(target->life, 100) << c.what;
        EXPECT_TRUE(s->dead()) << c.what;
        EXPECT_EQ(w.played.size(), c.sound ? 1 : 0) << c.what;
        if (c.sound) {
            EXPECT_EQ(w.plays(c.sound), 1) << c.what;
        }
    }
}

TEST(Shot, PulseBetweenTwoPlayersActsOnBoth)
{
    WeaponWorld w;
    TSprite *turret = w.game.engine.create<TSprite>();
    Tplayer *p1 = w.player(500, 300);
    Tplayer *p2 = w.player(510, 300, &w.game.pllist2, &w.game.WaveList2);
    Tpulz *s = shot<Tpulz>(w, turret, "pulz", 505, 305);
    s->onMove(2);
    EXPECT_EQ(p1->lowPower, 5000);
    EXPECT_EQ(p2->lowPower, 5000);
}

TEST(Shot, FlameGivesBackItsCountWhateverEndsIt)
{
    WeaponWorld w;
    Tplayer *p = w.player(100, 600);
    w.game.player1 = p;
    p->mana = 1000;
    p->stats.mana = 1000;
    auto fire = [&] {
        p->clock += 100;
        p->fireWeapon(weapon::flame);
        return w.all<Tplamen>().back();
    };
    Tplamen *expiring = fire();
    Tplamen *walled = fire();
    Tplamen *killedPlainly = fire();
    Tplamen *flying = fire();
    EXPECT_EQ(p->flamesInFlight, 4);

    expiring->age = 600;
    expiring->onMove(2);
    EXPECT_EQ(p->flamesInFlight, 3);
    expiring->onMove(2); // moved again while dead: counted once
    EXPECT_EQ(p->flamesInFlight, 3);

    walled->stopShot(); // a wall stops it: at once
    EXPECT_TRUE(walled->dead());
    EXPECT_EQ(p->flamesInFlight, 2);

    // Killed without a word: its next move, or the purge, gives the count back.
    killedPlainly->kill();
    w.game.engine.purge();
    EXPECT_EQ(p->flamesInFlight, 1);

    // The end of the match frees the rest.
    (void)flying;
    w.game.engine.clear();
    // The player is gone too; nothing was touched after it was freed (ASan watches this).
}

TEST(Shot, FlameSoundFollowsTheFlames)
{
    WeaponWorld w;
    Tplayer *p = w.player(100, 600);
    w.game.player1 = p;
    p->weapon1 = weapon::flame;
    w.keys.set(KeyState::Button1, true);
    w.tick(20);
    EXPECT_EQ(p->flamesInFlight, 1);
    EXPECT_EQ(w.plays("WaveList1:flame"), 1);
    w.keys.set(KeyState::Button1, false);
    for (int i = 0; i < 70 && p->flamesInFlight > 0; ++i)
        w.tick(20);
    EXPECT_EQ(p->flamesInFlight, 0);
    w.tick(20);
    EXPECT_FALSE(p->flameSoundOn);
}

TEST(Shot, NewShotsLieBeneathOlderOnesOfLayerTwo)
{
    WeaponWorld w;
    Tplayer *p = w.player(100, 600);
    p->mana = 1000;
    p->clock = 1000;
    p->fireWeapon(weapon::arrow);
    Tstrela *older = w.first<Tstrela>();
    p->clock = 2000;
    p->fireWeapon(weapon::arrow);
    Tstrela *newer = w.all<Tstrela>().back();
    const auto &order = w.game.engine.drawList();
    const auto at = [&](TSprite *s) { return std::find(order.begin(), order.end(), s); };
    EXPECT_LT(at(newer), at(older));
    EXPECT_LT(at(newer), at(p));
}
