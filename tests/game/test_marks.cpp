// Marks: fading, sinking, spinning, drifting, and being pushed.

#include "tdorazacka.h"
#include "test_player_fixture.h"
#include "tghost.h"
#include "tstrela.h"

using fixture::World;

namespace {

Tbod *mark(World &w, int lifetime, int fall, int size = 6)
{
    Tbod *m = makeMark(w.game, fixture::picture("m", size, size), lifetime, fall);
    m->x = 100;
    m->y = 100;
    return m;
}

} // namespace

TEST(Mark, FadesOverItsLifetimeAndEndsWhenAgePassesIt)
{
    struct Case
    {
        int lifetime, moves;
        int alpha;
        bool dead;
    } cases[] = {
        {100, 50, 128, false}, {100, 99, 3, false},    {100, 100, 0, false},
        {100, 101, -3, true},  {300, 100, 171, false}, // 256 - 85.33
        {0, 1, 0, true}, // no lifetime: gone at once, no division by zero
    };
    for (const Case &c : cases) {
        World w;
        Tbod *m = mark(w, c.lifetime, 0);
        for (int i = 0; i < c.moves; ++i)
            m->onMove(1);
        EXPECT_EQ(m->age, c.moves);
        EXPECT_EQ(m->alpha, c.alpha) << c.lifetime << " " << c.moves;
        EXPECT_EQ(m->dead(), c.dead) << c.lifetime << " " << c.moves;
    }
}

TEST(Mark, SinksDriftsAndSpins)
{
    struct Case
    {
        int fall, spin, size, mc;
        double vx, vy;
        double x, y;
        int angle;
    } cases[] = {
        {10, 0, 6, 25, 0, 0, 100, 102.5, 0},
        {0, 0, 6, 25, 0, 0, 100, 100, 0},
        {20, 3, 6, 10, 2, -1, 102, 99.5, 3},
        {0, 5, 1, 10, 0, 0, 100, 100, 0},
    };
    for (const Case &c : cases) {
        World w;
        Tbod *m = mark(w, 1000, c.fall, c.size);
        m->spinRate = c.spin;
        m->vx = c.vx;
        m->vy = c.vy;
        m->onMove(c.mc);
        EXPECT_DOUBLE_EQ(m->x, c.x);
        EXPECT_DOUBLE_EQ(m->y, c.y);
        EXPECT_EQ(m->angle, c.angle);
    }
}

TEST(Mark, OnePixelWideOrHighNeverTurns)
{
    World w;
    Tbod *m = mark(w, 1000, 0);
    m->spinRate = 4;
    m->width = 1;
    m->height = 5;
    m->onMove(1);
    EXPECT_EQ(m->angle, 0);
    m->width = 5;
    m->onMove(1);
    EXPECT_EQ(m->angle, 4);
}

TEST(Mark, ShotsAndFinishersPushItGhostsStopIt)
{
    World w;
    Tbod *m = mark(w, 1000, 0);
    m->vx = 1;
    m->vy = 1;

    auto *shot = w.game.engine.create<Tstrela>();
    shot->x = 98;
    shot->y = 98;
    shot->width = shot->height = 5;
    shot->vx = 7;
    shot->vy = -3;
    m->collide();
    EXPECT_EQ(m->vx, 14);
    EXPECT_EQ(m->vy, -6);
    shot->kill(); // killed sprites are still found until the purge
    w.game.engine.purge();

    auto *finisher = w.game.engine.create<Tdorazacka>(w.game);
    finisher->x = 98;
    finisher->y = 98;
    finisher->width = finisher->height = 5;
    finisher->vx = 0.5;
    finisher->vy = 2;
    m->collide();
    EXPECT_EQ(m->vx, 1);
    EXPECT_EQ(m->vy, 4);

    auto *ghost = w.game.engine.create<Tghost>();
    ghost->x = 98;
    ghost->y = 98;
    ghost->width = ghost->height = 5;
    finisher->kill();
    w.game.engine.purge();
    m->collide();
    EXPECT_EQ(m->vx, 0);
    EXPECT_EQ(m->vy, 0);
}

TEST(Mark, PlayersDoNotPushIt)
{
    World w;
    Tbod *m = mark(w, 1000, 0);
    Tplayer *p = w.player(90, 90);
    p->vx = 5;
    m->vx = 1;
    m->collide();
    EXPECT_EQ(m->vx, 1);
}
