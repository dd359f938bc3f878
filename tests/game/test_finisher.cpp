// Finishers: homing, shrinking, hurting, and harmless without a target or energy.

#include "tdorazacka.h"
#include "test_player_fixture.h"
#include "tstrela.h"

using fixture::World;

namespace {

Tdorazacka *finisher(World &w, double x, double y, Tplayer *target, int energy = -25,
                     int fullEnergy = 0)
{
    auto *f = w.game.engine.create<Tdorazacka>(w.game);
    f->image = w.game.pllist1.find("duch"); // 32 x 32
    f->width = 32;
    f->height = 32;
    f->x = x;
    f->y = y;
    f->target = target;
    f->energy = energy;
    f->fullEnergy = fullEnergy;
    return f;
}

} // namespace

TEST(Finisher, AimsWithinFiftySevenDegreesOfTheHorizontal)
{
    struct Case
    {
        const char *what;
        double x, y; // the target's centre is at (520, 415)
        int angle;
    } cases[] = {
        {"level, to the left of it", 100, 415, 0},
        {"level, to the right of it", 900, 415, 128},
        {"straight above, target x < own x", 520.5, 0, 87},
        {"straight below, target x = own x", 500, 900, -41},
        {"up-left at 45 degrees", 420, 315, 29}, // sin 45 = 0.707 rad = 41 degrees -> 29
    };
    for (const Case &c : cases) {
        World w;
        Tplayer *target = w.player(500, 400);
        Tdorazacka *f = finisher(w, c.x, c.y, target);
        f->onMove(0);
        EXPECT_EQ(f->angle, c.angle) << c.what;
    }
}

TEST(Finisher, AccelerationAndDamping)
{
    World w;
    Tplayer *target = w.player(500, 400);
    Tdorazacka *f = finisher(w, 100, 415, target);
    f->onMove(20);
    EXPECT_DOUBLE_EQ(f->vx, 20.0 / 20 * 0.9);
    EXPECT_DOUBLE_EQ(f->vy, 0);
    EXPECT_DOUBLE_EQ(f->x, 100.9);
}

TEST(Finisher, ShrinksWithEnergyAndDiesBelowZero)
{
    struct Case
    {
        int energy, full, mc;
        int width, energyAfter;
        bool dead;
    } cases[] = {
        {500, 1000, 0, 16, 500, false},    {1000, 1000, 12, 32, 998, false},
        {1000, 1000, 13, 32, 997, false},  {2, 1000, 15, 0, -1, true},
        {-25, 1000, 5000, 32, -25, false}, // endless
        {10, 0, 5, 32, 9, false},          // no full energy: keeps its size
        {0, 0, 5, 32, -1, true},
    };
    for (const Case &c : cases) {
        World w;
        Tplayer *target = w.player(500, 400);
        Tdorazacka *f = finisher(w, 100, 100, target, c.energy, c.full);
        f->onMove(c.mc);
        EXPECT_EQ(f->width, c.width) << c.energy << "/" << c.full;
        EXPECT_EQ(f->height, c.width) << c.energy << "/" << c.full;
        EXPECT_EQ(f->energy, c.energyAfter) << c.energy << "/" << c.full;
        EXPECT_EQ(f->dead(), c.dead) << c.energy << "/" << c.full;
    }
}

TEST(Finisher, WithoutTargetOrOnTheTargetsCentreKeepsItsHeading)
{
    World w;
    Tdorazacka *lost = finisher(w, 100, 100, nullptr);
    lost->angle = 64;
    lost->onMove(20);
    EXPECT_EQ(lost->angle, 64);
    EXPECT_NEAR(lost->vy, 0.9, 1e-12);

    Tplayer *target = w.player(500, 400);
    Tdorazacka *centred = finisher(w, 520, 415, target);
    centred->angle = 10;
    centred->onMove(10);
    EXPECT_EQ(centred->angle, 10);
    EXPECT_TRUE(std::isfinite(centred->x));
}

TEST(Finisher, HurtsAnyPlayerItTouchesByOne)
{
    World w;
    Tplayer *target = w.player(500, 400);
    Tplayer *other = w.player(100, 100, &w.game.pllist2, &w.game.WaveList2);
    Tdorazacka *f = finisher(w, 110, 100, target);
    f->onMove(10);
    EXPECT_EQ(other->life, 99);
    EXPECT_EQ(target->life, 100);
    EXPECT_EQ(w.played, QStringList{"WaveList2:hit"});
}

TEST(Finisher, ShotsKnockItAway)
{
    World w;
    Tplayer *target = w.player(500, 400);
    Tdorazacka *f = finisher(w, 100, 100, target);
    auto *shot = w.game.engine.create<Tstrela>();
    shot->x = 110;
    shot->y = 110;
    shot->width = shot->height = 4;
    shot->vx = -8;
    shot->vy = 3;
    f->collide();
    EXPECT_EQ(f->vx, -8);
    EXPECT_EQ(f->vy, 3);
    EXPECT_EQ(shot->vx, -8);
}

TEST(Finisher, TrailOnlyWithFlyAndMovesAboveTen)
{
    struct Case
    {
        bool fly;
        int mc;
        int marks;
    } cases[] = {{true, 10, 0}, {true, 11, 1}, {false, 30, 0}};
    for (const Case &c : cases) {
        World w;
        w.game.fly = c.fly;
        Tplayer *target = w.player(500, 400);
        Tdorazacka *f = finisher(w, 100, 100, target);
        f->onMove(c.mc);
        EXPECT_EQ(w.count<Tbod>(), c.marks) << c.fly << " " << c.mc;
        for (TSprite *s : w.game.engine.sprites())
            if (auto *m = dynamic_cast<Tbod *>(s)) {
                EXPECT_EQ(m->image->name(), "drbod");
                EXPECT_EQ(m->lifetime, 250);
                EXPECT_EQ(m->fall, 20);
                EXPECT_GE(m->x, f->x);
                EXPECT_LT(m->x, f->x + f->width);
            }
    }
}
