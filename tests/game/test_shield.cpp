// The shield: following its owner, turning shots back, destroying mines, wearing down.

#include "taxe.h"
#include "test_weapon_fixture.h"
#include "tghost.h"
#include "tgun.h"
#include "tmine.h"
#include "tplamen.h"
#include "tpulz.h"
#include "tstit.h"

using fixture::WeaponWorld;

namespace {

struct ShieldWorld : WeaponWorld
{
    Tplayer *enemy = player(100, 100);
    Tplayer *owner = player(500, 300, &game.pllist2, &game.WaveList2);
    Tstit *shield = nullptr;

    ShieldWorld()
    {
        owner->fireWeapon(weapon::shield);
        shield = first<Tstit>();
        played.clear();
    }

    // A sprite of class T owned by `by`, inside the shield but clear of the owner's body.
    template <class T> T *inside(Tplayer *by, const char *image)
    {
        T *s = game.engine.create<T>();
        if constexpr (std::is_base_of_v<Tstrela, T>)
            s->setOwner(by);
        else
            s->owner = by;
        s->image = game.pllist1.find(image);
        s->width = s->image->width();
        s->height = s->image->height();
        s->x = shield->x + 1;
        s->y = shield->y + 1;
        return s;
    }
};

} // namespace

TEST(Shield, FollowsItsOwnerAndShowsItsStrength)
{
    ShieldWorld w;
    EXPECT_EQ(w.shield->z(), 2);
    w.owner->x = 520.5;
    w.owner->y = 301;
    const struct
    {
        int strength, alpha;
    } cases[] = {{100, 256}, {90, 231}, {50, 133}, {0, 10}};
    for (const auto &c : cases) {
        w.owner->shield = c.strength;
        w.shield->onMove(10);
        EXPECT_EQ(w.shield->strength, c.strength);
        EXPECT_EQ(w.shield->alpha, c.alpha) << c.strength;
        EXPECT_FALSE(w.shield->dead()) << c.strength;
    }
    EXPECT_DOUBLE_EQ(w.shield->x, 520.5 + 20 - 30);
    EXPECT_DOUBLE_EQ(w.shield->y, 301 + 15 - 25);
}

TEST(Shield, TurnsAnEnemyArrowBackAndTakesItOver)
{
    ShieldWorld w;
    w.owner->mana = 50;
    Tstrela *arrow = w.inside<Tstrela>(w.enemy, "strela0");
    arrow->damage = 4;
    arrow->angle = 10;
    arrow->vx = 2;
    arrow->vy = -1;
    w.shield->onMove(10);
    EXPECT_EQ(arrow->angle, 10 - 128);
    EXPECT_EQ(arrow->vx, -2);
    EXPECT_EQ(arrow->vy, 1);
    EXPECT_EQ(arrow->owner(), w.owner);
    EXPECT_EQ(arrow->ownerPlayer(), w.owner);
    EXPECT_EQ(w.shield->strength, 90);
    EXPECT_EQ(w.owner->shield, 90);
    EXPECT_EQ(w.shield->alpha, 231);
    EXPECT_EQ(w.owner->mana, 41);
    EXPECT_EQ(w.plays("WaveList2:shield hit"), 1);
    // Now the owner's, it passes through from then on.
    w.shield->onMove(10);
    EXPECT_EQ(w.shield->strength, 90);
    EXPECT_EQ(arrow->vx, -2);
    // And it can hurt its former owner.
    arrow->x = w.enemy->x + 5;
    arrow->y = w.enemy->y + 5;
    arrow->onMove(2);
    EXPECT_EQ(w.enemy->life, 96);
}

TEST(Shield, TurningBackCostsLifeWhenManaIsShort)
{
    ShieldWorld w;
    w.owner->mana = 9;
    Tgun *bullet = w.inside<Tgun>(w.enemy, "gun");
    Taxe *axe = w.inside<Taxe>(w.enemy, "axe");
    w.shield->onMove(10);
    EXPECT_EQ(w.owner->mana, 9);
    EXPECT_EQ(w.owner->life, 80); // taken directly: no hit effects
    EXPECT_EQ(w.owner->hurtTime, 101);
    EXPECT_EQ(w.shield->strength, 80);
    EXPECT_EQ(bullet->owner(), w.owner);
    EXPECT_EQ(axe->owner(), w.owner);
}

TEST(Shield, ReflectsAFlameInEveryMoveItStaysInside)
{
    ShieldWorld w;
    w.owner->mana = 100;
    Tplamen *flame = w.inside<Tplamen>(w.enemy, "plamen1");
    flame->heading = 0;
    flame->vx = 1;
    for (int i = 0; i < 3; ++i)
        w.shield->onMove(10);
    EXPECT_TRUE(flame->reflected);
    EXPECT_EQ(flame->owner(), w.enemy); // a flame keeps its owner
    EXPECT_EQ(flame->heading, -384);
    EXPECT_EQ(flame->angle, -384);
    EXPECT_EQ(flame->vx, -1);
    EXPECT_EQ(w.shield->strength, 70);
    EXPECT_EQ(w.owner->mana, 73);
    EXPECT_EQ(w.plays("WaveList2:shield hit"), 3);
}

TEST(Shield, DestroysAnEnemyMineAndEndsBelowZero)
{
    for (int mana : {50, 5}) {
        ShieldWorld w;
        w.owner->mana = mana;
        w.owner->shield = 5; // the owner's copy is the one that counts at contact
        Tmine *mine = w.inside<Tmine>(w.enemy, "mine");
        w.shield->onMove(10);
        EXPECT_TRUE(mine->dead()) << mana;
        EXPECT_EQ(w.shield->strength, -15) << mana;
        EXPECT_TRUE(w.shield->dead()) << mana;
        EXPECT_EQ(w.owner->shield, 0) << mana;
        EXPECT_FALSE(w.owner->shielded) << mana;
        EXPECT_EQ(w.owner->mana, mana >= 10 ? mana - 30 : mana) << mana;
        EXPECT_EQ(w.owner->life, mana >= 10 ? 100 : 90) << mana;
        EXPECT_EQ(w.plays("WaveList2:shield hit"), 1) << mana;
        EXPECT_EQ(w.plays("WaveList2:shield off"), 1) << mana;
        // A new shield can be cast.
        w.owner->mana = 100;
        w.owner->fireWeapon(weapon::shield);
        EXPECT_TRUE(w.owner->shielded) << mana;
    }
}

TEST(Shield, LetsItsOwnersSpritesPulsesAndGhostsPass)
{
    ShieldWorld w;
    const int mana = w.owner->mana;
    Tstrela *own[] = {w.inside<Tstrela>(w.owner, "strela0"), w.inside<Tplamen>(w.owner, "plamen1"),
                      w.inside<Tgun>(w.owner, "gun"), w.inside<Taxe>(w.owner, "axe")};
    for (Tstrela *s : own)
        s->vx = 1;
    Tghost *ownGhost = w.inside<Tghost>(w.owner, "duch");
    Tmine *ownMine = w.inside<Tmine>(w.owner, "mine");
    Tghost *enemyGhost = w.inside<Tghost>(w.enemy, "duch");
    Tpulz *pulse = w.inside<Tpulz>(w.enemy, "pulz");
    pulse->vx = 1;
    w.shield->onMove(10);
    EXPECT_EQ(w.shield->strength, 100);
    EXPECT_EQ(w.owner->mana, mana);
    for (Tstrela *s : own)
        EXPECT_EQ(s->vx, 1);
    EXPECT_FALSE(dynamic_cast<Tplamen *>(own[1])->reflected);
    EXPECT_EQ(pulse->vx, 1);
    EXPECT_EQ(pulse->owner(), w.enemy);
    EXPECT_FALSE(ownGhost->dead());
    EXPECT_FALSE(ownMine->dead());
    EXPECT_FALSE(enemyGhost->dead()); // only mines are destroyed
    EXPECT_TRUE(w.played.isEmpty());
    // The pulse reaches the owner through the shield.
    pulse->x = w.owner->x + 5;
    pulse->y = w.owner->y + 5;
    pulse->onMove(2);
    EXPECT_EQ(w.owner->lowPower, 5000);
}

TEST(Shield, EndsInItsNextMoveWhenHitsDrainTheOwnersCopy)
{
    ShieldWorld w;
    w.owner->mana = 1000;
    Tstrela *arrow = w.inside<Tstrela>(w.enemy, "strela0");
    arrow->damage = 101;
    arrow->x = w.owner->x + 5;
    arrow->y = w.owner->y + 5;
    arrow->onMove(2); // through the damage routine: shield 100 - 101
    EXPECT_EQ(w.owner->shield, -1);
    EXPECT_TRUE(w.owner->shielded);
    arrow->kill();
    w.game.engine.purge();
    w.shield->onMove(10);
    EXPECT_TRUE(w.shield->dead());
    EXPECT_FALSE(w.owner->shielded);
    EXPECT_EQ(w.owner->shield, 0);
    EXPECT_EQ(w.plays("WaveList2:shield off"), 1);
}
