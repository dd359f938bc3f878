// Ghosts and mines: placement, fading, lifetime and contact damage.

#include "test_weapon_fixture.h"
#include "tghost.h"
#include "tmine.h"
#include "units.h"

using fixture::WeaponWorld;

TEST(Ghost, FadesWithTheTimeCastFromManaAndLife)
{
    WeaponWorld w;
    Tplayer *p = w.player(100, 600);
    p->life = 80;
    p->fireWeapon(weapon::ghost);
    Tghost *g = w.first<Tghost>();
    ASSERT_TRUE(g);
    EXPECT_EQ(g->x, 0); // placed by its own moves
    for (int i = 0; i < 45; ++i)
        g->onMove(100);
    EXPECT_DOUBLE_EQ(g->remaining, 45);
    EXPECT_EQ(g->alpha, 50);
    EXPECT_TRUE(p->ghostActive);
    // 90 units last 9000 of moveCount: alive at exactly 0, over just past it.
    for (int i = 0; i < 45; ++i)
        g->onMove(100);
    EXPECT_FALSE(g->dead());
    EXPECT_EQ(w.plays("WaveList1:ghost"), 1); // the cast's own sound
    g->onMove(1);
    EXPECT_TRUE(g->dead());
    EXPECT_FALSE(p->ghostActive);
    EXPECT_EQ(w.plays("WaveList1:ghost"), 2);
    // Moved again before the purge: the end is not told twice.
    g->onMove(1);
    EXPECT_EQ(w.plays("WaveList1:ghost"), 2);
    // Free for the next ghost.
    p->fireWeapon(weapon::ghost);
    EXPECT_EQ(w.all<Tghost>().size(), 1u);
}

TEST(Ghost, ZeroDurationKeepsAlphaAndEndsAtFirstPositiveMove)
{
    WeaponWorld w;
    Tplayer *p = w.player(100, 600);
    p->mana = 1;
    p->life = 1;
    p->fireWeapon(weapon::ghost);
    Tghost *g = w.first<Tghost>();
    ASSERT_TRUE(g);
    EXPECT_EQ(g->duration, 0);
    g->onMove(0);
    EXPECT_FALSE(g->dead());
    EXPECT_EQ(g->alpha, 100);
    g->onMove(1);
    EXPECT_TRUE(g->dead());
    EXPECT_EQ(g->alpha, 100);
}

TEST(Ghost, RidesAheadOfItsOwnerAndHurtsOthers)
{
    WeaponWorld w;
    Tplayer *p = w.player(300, 300); // 40 x 30, the ghost picture is 32 x 32
    Tplayer *enemy = w.player(700, 300, &w.game.pllist2, &w.game.WaveList2);
    p->fireWeapon(weapon::ghost);
    Tghost *g = w.first<Tghost>();
    p->vx = 3;
    p->vy = -0.5;
    p->angle = 77;
    g->onMove(10);
    // Centred on the owner and pushed ahead by ten moves of its velocity.
    EXPECT_DOUBLE_EQ(g->x + g->width / 2.0, p->x + 20 + 30);
    EXPECT_DOUBLE_EQ(g->y + g->height / 2.0, p->y + 15 - 5);
    EXPECT_EQ(g->angle, 77);
    // Overlapping its owner harms nobody; overlapping the enemy costs 10 per move.
    const int ownerLife = p->life;
    g->onMove(10);
    EXPECT_EQ(p->life, ownerLife);
    // The contact test runs where the ghost stood after its last move.
    enemy->x = g->x;
    enemy->y = g->y;
    g->onMove(10);
    EXPECT_EQ(enemy->life, 90);
    EXPECT_FALSE(g->dead());
}

TEST(Mine, SpinsFadesAndEndsAfterItsTime)
{
    WeaponWorld w;
    Tplayer *p = w.player(300, 300);
    p->mana = 75;
    p->life = 0; // remaining = 26 div 2 + 0 = 13
    p->clock = 100;
    p->fireWeapon(weapon::mine);
    Tmine *m = w.first<Tmine>();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->remaining, 13);
    const double x = m->x, y = m->y;
    m->onMove(10);
    EXPECT_EQ(m->alpha, 256); // before this move's decrease
    EXPECT_EQ(m->angle, 1);
    for (int i = 0; i < 129; ++i)
        m->onMove(10);
    EXPECT_EQ(m->angle, 130);
    EXPECT_EQ(m->alpha, Round(0.1 * 256 / 13));
    EXPECT_EQ(m->x, x); // it never moves
    EXPECT_EQ(m->y, y);
    while (!m->dead())
        m->onMove(10);
    EXPECT_EQ(m->angle, 131); // just over 1300 of moveCount

    // Exactly 0 left after a move: still there; the next positive move ends it.
    p->clock = 1000;
    p->mana = 75;
    p->fireWeapon(weapon::mine);
    Tmine *exact = w.all<Tmine>().back();
    for (int i = 0; i < 13; ++i)
        exact->onMove(100);
    EXPECT_EQ(exact->remaining, 0);
    EXPECT_FALSE(exact->dead());
    exact->onMove(0);
    EXPECT_FALSE(exact->dead());
    exact->onMove(1);
    EXPECT_TRUE(exact->dead());
}

TEST(Mine, HurtsTheEnemyOnEveryMoveOfContact)
{
    WeaponWorld w;
    Tplayer *p = w.player(100, 100);
    Tplayer *enemy = w.player(300, 300, &w.game.pllist2, &w.game.WaveList2);
    p->clock = 100;
    p->fireWeapon(weapon::mine);
    Tmine *m = w.first<Tmine>();
    m->onMove(10);
    EXPECT_EQ(p->life, 100); // laid on its owner
    m->x = enemy->x + 5;
    m->y = enemy->y + 5;
    for (int i = 0; i < 3; ++i)
        m->onMove(10);
    EXPECT_EQ(enemy->life, 70);
    EXPECT_FALSE(m->dead());
}
