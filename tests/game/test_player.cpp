// The player's move and collision response.

#include "test_player_fixture.h"
#include "tstaticsprite.h"
#include "units.h"
#include "weapons.h"

#include <cmath>

using fixture::World;

namespace {

Tstaticsprite *object(World &w, double x, double y, int size = 100)
{
    auto *o = w.game.engine.create<Tstaticsprite>(w.game);
    o->x = x;
    o->y = y;
    o->width = size;
    o->height = size;
    return o;
}

} // namespace

TEST(PlayerMove, StandingStillRegeneratesManaAndLeavesOneTrailMarkPerMove)
{
    World w;
    w.game.fly = true;
    Tplayer *p = w.player();
    p->mana = 97;
    for (int i = 0; i < 5; ++i)
        p->onMove(10);
    EXPECT_EQ(p->vx, 0);
    EXPECT_EQ(p->vy, 0);
    EXPECT_EQ(p->mana, 100); // capped at stats.mana
    EXPECT_EQ(w.count<Tbod>(), 5);
    EXPECT_EQ(p->clock, 50);
    EXPECT_EQ(w.game.lastMoveCount, 10);
    for (TSprite *s : w.game.engine.sprites())
        if (auto *mark = dynamic_cast<Tbod *>(s)) {
            EXPECT_GE(mark->x, p->x);
            EXPECT_LT(mark->x, p->x + p->width);
            EXPECT_EQ(mark->lifetime, 500);
            EXPECT_EQ(mark->fall, 20);
            EXPECT_EQ(mark->width, 4);
        }
}

TEST(PlayerMove, NoTrailBeforeFiveMillisecondsOfClock)
{
    World w;
    w.game.fly = true;
    Tplayer *p = w.player();
    p->onMove(5);
    EXPECT_EQ(w.count<Tbod>(), 0);
    p->onMove(1);
    EXPECT_EQ(w.count<Tbod>(), 1);
}

TEST(PlayerMove, SteadyThrustSettlesNearNineteenFifteenthsOfSpeedTimesMoveCount)
{
    World w;
    Tplayer *p = w.player();
    w.keys.set(KeyState::Up, true);
    p->onMove(10);
    // First move: thrust 1.0 gives 10/15 pixels per move, then damping 0.95.
    EXPECT_NEAR(p->vx, 10.0 / 15 * 0.95, 1e-9);
    EXPECT_NEAR(p->thrust, 0.9, 1e-12);
    for (int i = 0; i < 300; ++i)
        p->onMove(10);
    EXPECT_NEAR(p->vx, 19.0 * 10 / 15, 0.01); // 12.67
    EXPECT_NEAR(p->vy, 0, 1e-9);
}

TEST(PlayerMove, DownGivesAThirdReverseAndWinsOverUp)
{
    World w;
    Tplayer *p = w.player();
    p->stats.speed = 3.0;
    w.keys.set(KeyState::Up, true);
    w.keys.set(KeyState::Down, true);
    p->onMove(15);
    EXPECT_NEAR(p->vx, -1.0 * 0.95, 1e-9);
}

TEST(PlayerMove, TurningByMoveCountDivFive)
{
    struct Case
    {
        int mc;
        bool left, right;
        int angle;
    } cases[] = {
        {4, true, false, 0},  {4, false, true, 0}, {5, true, false, -1},    {9, false, true, 1},
        {12, false, true, 2}, {10, true, true, 0}, {100, true, false, -20},
    };
    for (const Case &c : cases) {
        World w;
        Tplayer *p = w.player();
        w.keys.set(KeyState::Left, c.left);
        w.keys.set(KeyState::Right, c.right);
        p->onMove(c.mc);
        EXPECT_EQ(p->angle, c.angle) << "mc " << c.mc;
    }
}

TEST(PlayerMove, LowPowerIgnoresThrustKeysAndSettlesManaAtOne)
{
    World w;
    Tplayer *p = w.player();
    p->lowPower = 5000;
    p->thrust = 1.0; // the thrust already given still decays and pushes
    w.keys.set(KeyState::Up, true);
    p->onMove(10);
    EXPECT_EQ(p->mana, 97);
    EXPECT_EQ(p->lowPower, 4995);
    EXPECT_NEAR(p->thrust, 0.9, 1e-12);
    EXPECT_GT(p->vx, 0);
    for (int i = 0; i < 100; ++i)
        p->onMove(10);
    EXPECT_EQ(p->mana, 1);
    EXPECT_LT(p->thrust, 1e-3);
}

TEST(PlayerMove, CountdownsThatOvershootStillEndInThatMove)
{
    World w;
    Tplayer *p = w.player();
    p->showBody("telo2");
    p->castTime = 500;
    p->weapon2 = weapon::gun;
    p->reloadTime = 1000;
    p->onMove(400);
    EXPECT_EQ(p->castTime, 100);
    EXPECT_EQ(p->image->name(), "telo2");
    EXPECT_EQ(p->ammo, 0);
    p->onMove(5000);
    EXPECT_EQ(p->castTime, -1);
    EXPECT_EQ(p->image->name(), "telo0");
    EXPECT_EQ(p->ammo, 100);
    EXPECT_EQ(p->reloadTime, -1);
}

TEST(PlayerMove, ConstructorStartsCastTimerAtZeroSoTheFirstMoveIdlesIt)
{
    World w;
    Tplayer *p = w.game.engine.create<Tplayer>(w.game);
    EXPECT_TRUE(p->collides);
    EXPECT_EQ(p->mana, 100);
    EXPECT_EQ(p->life, 100);
    EXPECT_EQ(p->hurtTime, 101);
    EXPECT_EQ(p->reloadTime, -1);
    EXPECT_EQ(p->castTime, 0);
    p->images = &w.game.pllist1;
    p->onMove(0);
    EXPECT_EQ(p->castTime, -1);
    EXPECT_EQ(p->image->name(), "telo0");
}

TEST(PlayerMove, HurtCounterBleedsForHundredMovesAndRestoresBody)
{
    World w;
    w.game.krv = true;
    Tplayer *p = w.player();
    p->showBody("telo1");
    p->castTime = -1; // idle, so only the hurt counter restores the body
    p->hurtTime = 0;
    for (int i = 0; i < 99; ++i)
        p->onMove(0);
    EXPECT_EQ(p->image->name(), "telo1");
    p->onMove(0);
    EXPECT_EQ(p->hurtTime, 100);
    EXPECT_EQ(p->image->name(), "telo0");
    p->onMove(0);
    p->onMove(0);
    EXPECT_EQ(p->hurtTime, 101);
    EXPECT_EQ(w.count<Tbod>(), 100); // one per move while hurtTime counts 1 .. 100
}

TEST(PlayerMove, SlideGlidesWithoutThrustOrManaAndStartsItsSoundOnce)
{
    World w;
    Tplayer *p = w.player();
    p->weapon1 = weapon::slide;
    p->vx = 10;
    p->thrust = 1;
    p->mana = 50;
    w.keys.set(KeyState::Button1, true);
    p->onMove(10);
    p->onMove(10);
    EXPECT_NEAR(p->vx, 10 * 0.999 * 0.999, 1e-9);
    EXPECT_EQ(p->thrust, 1);
    EXPECT_EQ(p->mana, 50);
    EXPECT_TRUE(p->slideSoundOn);
    EXPECT_EQ(w.played, QStringList{"WaveList1:slide"});
    w.keys.set(KeyState::Button1, false);
    p->onMove(10);
    EXPECT_FALSE(p->slideSoundOn);
    EXPECT_EQ(p->mana, 51);
}

TEST(PlayerMove, FlameSoundFollowsFlamesInFlight)
{
    World w;
    Tplayer *p = w.player();
    p->flamesInFlight = 2;
    p->onMove(10);
    p->onMove(10);
    EXPECT_TRUE(p->flameSoundOn);
    EXPECT_EQ(w.played, QStringList{"WaveList1:flame"});
    p->flamesInFlight = 0;
    p->onMove(10);
    EXPECT_FALSE(p->flameSoundOn);
}

TEST(PlayerCollision, EnteringAndLeavingWaterSplashes)
{
    World w;
    w.game.fly = true;
    Tplayer *p = w.player(300, 300);
    Tstaticsprite *pool = object(w, 280, 280);
    pool->water = true;
    pool->hurt = 0;
    p->vx = 10;
    p->thrust = 1;
    p->clock = 100;
    p->onMove(10);
    EXPECT_TRUE(p->inWater);
    EXPECT_EQ(w.count<Tbod>(), 41); // splash only: no trail in water
    EXPECT_EQ(w.played, QStringList{"WaveList1:water"});
    EXPECT_NEAR(p->vx, (10 + 10.0 / 15) * 0.7, 1e-9);
    EXPECT_NEAR(p->thrust, 0.7, 1e-12);
    int angles = 0;
    for (TSprite *s : w.game.engine.sprites())
        if (auto *m = dynamic_cast<Tbod *>(s)) {
            EXPECT_EQ(m->image->name(), "splash");
            EXPECT_EQ(m->lifetime, 500);
            EXPECT_NEAR(std::hypot(m->vx, m->vy), 10, 1e-9);
            angles += m->angle == degreesToUnits(175) || m->angle == degreesToUnits(375);
        }
    EXPECT_EQ(angles, 2);
    p->onMove(10); // still in water: nothing new
    EXPECT_EQ(w.count<Tbod>(), 41);
    p->x = 600;
    p->onMove(10); // out again: splash and the trail returns
    EXPECT_EQ(w.count<Tbod>(), 41 + 41 + 1);
    EXPECT_EQ(w.played.size(), 2);
}

TEST(PlayerCollision, ObjectsBounceDragAndHurt)
{
    struct Case
    {
        const char *what;
        bool water, supported;
        int hurt;
        double vx, vy; // after the collision test (the move then damps by 0.95 out of water)
        int lifeLost;
        bool fallSound;
    } cases[] = {
        {"resting solid", false, true, 1, -15, 6, 1, true},
        {"solid without harm", false, true, 0, -15, 6, 0, true},
        {"falling crate", false, false, 1, 10, (-4 + 20 / 10.0) * 1.5, 1, true},
        {"harmful water", true, true, 5, 10, -4, 5, false},
    };
    for (const Case &c : cases) {
        World w;
        Tplayer *p = w.player(300, 300);
        Tstaticsprite *o = object(w, 290, 290);
        o->water = c.water;
        o->supported = c.supported;
        o->hurt = c.hurt;
        p->vx = 10;
        p->vy = -4;
        w.game.lastMoveCount = 20; // the previous player move's
        p->collide();
        EXPECT_NEAR(p->vx, c.vx, 1e-9) << c.what;
        EXPECT_NEAR(p->vy, c.vy, 1e-9) << c.what;
        EXPECT_EQ(p->life, 100 - c.lifeLost) << c.what;
        EXPECT_EQ(w.played.contains("WaveList1:fall"), c.fallSound) << c.what;
        EXPECT_EQ(w.played.contains("WaveList1:hit"), c.lifeLost > 0) << c.what;
    }
}

TEST(PlayerCollision, ResidentObjectHitsOnEveryMoveOfContact)
{
    World w;
    Tplayer *p = w.player(300, 300);
    object(w, 290, 290);
    for (int i = 0; i < 3; ++i)
        p->onMove(10);
    EXPECT_EQ(p->life, 97);
    EXPECT_EQ(w.played.count("WaveList1:fall"), 3);
}

TEST(PlayerCollision, PlayersExchangeVelocitiesOnlyInPlayerOnesTest)
{
    struct Case
    {
        bool plc;
        bool player1Moves; // else player 2 runs its test
        double v1, v2;
    } cases[] = {
        {true, true, -6, 9},
        {true, false, 6, -4},
        {false, true, 6, -4},
    };
    for (const Case &c : cases) {
        World w;
        w.game.plc = c.plc;
        Tplayer *a = w.player(300, 300);
        Tplayer *b = w.player(320, 310, &w.game.pllist2, &w.game.WaveList2);
        w.game.player1 = a;
        w.game.player2 = b;
        a->vx = 6;
        b->vx = -4;
        (c.player1Moves ? a : b)->collide();
        EXPECT_DOUBLE_EQ(a->vx, c.v1) << c.plc << c.player1Moves;
        EXPECT_DOUBLE_EQ(b->vx, c.v2) << c.plc << c.player1Moves;
    }
}

TEST(PlayerCollision, PlayerOneExchangesWithADecoyToo)
{
    World w;
    Tplayer *a = w.player(300, 300);
    Tplayer *decoy = w.game.engine.create<Tplayer>(w.game);
    decoy->x = 310;
    decoy->y = 300;
    decoy->width = decoy->height = 10;
    w.game.player1 = a;
    decoy->vy = 2;
    a->collide();
    EXPECT_DOUBLE_EQ(a->vy, 3);
}
