// Weapon codes, the weapon choice of match setup, and the firing routine.

#include "taxe.h"
#include "tdorazacka.h"
#include "test_weapon_fixture.h"
#include "tghost.h"
#include "tgun.h"
#include "tmine.h"
#include "tplamen.h"
#include "tpulz.h"
#include "tstit.h"

using fixture::WeaponWorld;

TEST(WeaponCode, NamesMapExactlyAndEverythingElseIsTheArrow)
{
    const struct
    {
        QString text;
        int code;
    } cases[] = {
        {"Strela", 1}, {"Mina", 2},  {"Duch", 3},   {"Plamen", 4},   {"Ozdravovanie", 5},
        {"Slide", 6},  {"Štít", 7},  {"Turbo", 8},  {"Stop", 9},     {"Small", 10},
        {"Big", 11},   {"Fake", 12}, {"Duchs", 13}, {"Gulomet", 14}, {"Sekera", 15},
        {"Pulz", 16},  {"", 1},      {"mina", 1},   {"MINA", 1},     {"Stit", 1},
        {"štít", 1},   {" Mina", 1}, {"Mina ", 1},  {"Duchs2", 1},   {"Nonsense", 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(weaponCode(c.text), c.code) << c.text.toStdString();
    for (int code = 1; code <= weapon::count; ++code)
        EXPECT_EQ(weaponCode(weaponName(code)), code);
    EXPECT_TRUE(weaponName(0).isEmpty());
    EXPECT_TRUE(weaponName(17).isEmpty());
    const QStringList offered = offeredWeaponNames();
    EXPECT_EQ(offered.size(), 10);
    EXPECT_EQ(offered.first(), "Duch");
    EXPECT_EQ(offered.last(), "Štít");
}

TEST(WeaponCode, SixListsFillBothPlayersSlotsInOrder)
{
    WeaponWorld w;
    w.game.player1 = w.player(100, 100);
    w.game.player2 = w.player(600, 100, &w.game.pllist2, &w.game.WaveList2);
    initWeapons(w.game, {"Strela", "Turbo", "Pulz", "Gulomet", "", "Štít"});
    EXPECT_EQ(w.game.player1->weapon1, 1);
    EXPECT_EQ(w.game.player1->weapon2, 8);
    EXPECT_EQ(w.game.player1->weapon3, 16);
    EXPECT_EQ(w.game.player2->weapon1, 14);
    EXPECT_EQ(w.game.player2->weapon2, 1);
    EXPECT_EQ(w.game.player2->weapon3, 7);
    // A missing player is skipped without harm.
    w.game.player2 = nullptr;
    zbran11Change(w.game, WeaponList::zbran23, "Mina");
    zbran11Change(w.game, WeaponList::zbran11, "Mina");
    EXPECT_EQ(w.game.player1->weapon1, 2);
}

// Every weapon's condition is tested before its cost: one point of mana short (or the other
// condition unmet) does nothing at all, no cost, no sprite, no sound, no casting picture.
TEST(FireWeapon, UnmetConditionsDoNothing)
{
    const struct
    {
        int code;
        int mana;
        int sinceShot;
        void (*prepare)(Tplayer &);
    } cases[] = {
        {weapon::arrow, 19, 1000, nullptr},
        {weapon::arrow, 100, 174, nullptr},
        {weapon::mine, 74, 1000, nullptr},
        {weapon::mine, 100, 99, nullptr},
        {weapon::flame, 7, 1000, nullptr},
        {weapon::flame, 100, 14, nullptr},
        {weapon::healing, 9, 0, [](Tplayer &p) { p.life = 50; }},
        {weapon::healing, 100, 0, [](Tplayer &p) { p.stats.life = 225; }},
        {weapon::shield, 99, 0, nullptr},
        {weapon::shield, 200, 0, [](Tplayer &p) { p.shielded = true; }},
        {weapon::turbo, 19, 0, nullptr},
        {weapon::stop, 19, 0, nullptr},
        {weapon::small, 59, 0, nullptr},
        {weapon::big, 59, 0, nullptr},
        {weapon::fake, 99, 0, nullptr},
        {weapon::finisher, 99, 0, nullptr},
        {weapon::gun, 100, 49, nullptr},
        {weapon::gun, 49, 1000, nullptr},
        {weapon::axe, 49, 1000, nullptr},
        {weapon::axe, 100, 299, nullptr},
        {weapon::pulse, 79, 1000, nullptr},
        {weapon::pulse, 100, 299, nullptr},
        {weapon::ghost, 100, 0, [](Tplayer &p) { p.ghostActive = true; }},
    };
    for (const auto &c : cases) {
        WeaponWorld w;
        Tplayer *p = w.player();
        w.game.player1 = p;
        p->stats.mana = 1000;
        p->mana = c.mana;
        p->clock = 5000;
        p->lastShot = 5000 - c.sinceShot;
        p->vx = 1.5;
        if (c.prepare)
            c.prepare(*p);
        const int sprites = w.game.engine.spriteCount();
        const int life = p->life, width = p->width;
        p->fireWeapon(c.code);
        const std::string what = weaponName(c.code).toStdString() + " at " +
                                 std::to_string(c.mana) + "/" + std::to_string(c.sinceShot);
        EXPECT_EQ(p->mana, c.mana) << what;
        EXPECT_EQ(p->life, life) << what;
        EXPECT_EQ(p->width, width) << what;
        EXPECT_EQ(p->vx, 1.5) << what;
        EXPECT_EQ(p->lastShot, 5000 - c.sinceShot) << what;
        EXPECT_EQ(p->reloadTime, -1) << what;
        EXPECT_EQ(w.game.engine.spriteCount(), sprites) << what;
        EXPECT_TRUE(w.played.isEmpty()) << what;
        EXPECT_EQ(p->image->name(), "telo0") << what;
    }
}

// What each weapon costs, which sprite it leaves and which sound it plays when it fires.
TEST(FireWeapon, SuccessfulCastsCostTheirManaAndPlayTheirSound)
{
    const struct
    {
        int code;
        int manaLeft; // from 1000
        const char *sound;
        bool timed;
    } cases[] = {
        {weapon::arrow, 980, "fire", true},   {weapon::mine, 951, "mine", true},
        {weapon::flame, 992, nullptr, true},  {weapon::shield, 900, "shield on", false},
        {weapon::turbo, 980, nullptr, false}, {weapon::stop, 980, nullptr, false},
        {weapon::small, 940, nullptr, false}, {weapon::big, 940, nullptr, false},
        {weapon::fake, 900, nullptr, false},  {weapon::finisher, 900, nullptr, false},
        {weapon::axe, 950, nullptr, true},    {weapon::pulse, 920, nullptr, true},
        {weapon::ghost, 500, "ghost", false},
    };
    for (const auto &c : cases) {
        WeaponWorld w;
        Tplayer *p = w.player();
        w.game.player1 = p;
        w.game.player2 = w.player(700, 300, &w.game.pllist2, &w.game.WaveList2);
        w.game.lastMoveCount = 15;
        p->stats.mana = 1000;
        p->mana = 1000;
        p->clock = 5000;
        p->fireWeapon(c.code);
        const std::string what = weaponName(c.code).toStdString();
        EXPECT_EQ(p->mana, c.manaLeft) << what;
        EXPECT_EQ(p->lastShot, c.timed ? 5000 : 0) << what;
        EXPECT_EQ(w.played.size(), c.sound ? 1 : 0) << what;
        if (c.sound) {
            EXPECT_EQ(w.plays(QString("WaveList1:") + c.sound), 1) << what;
        }
        EXPECT_EQ(p->image->name(), "telo2") << what;
        EXPECT_EQ(p->castTime, 500) << what;
    }
}

TEST(FireWeapon, LaunchedSpritesAreCentredLayeredAndOwned)
{
    WeaponWorld w;
    Tplayer *p = w.player(300, 200); // 40 x 30
    w.game.player1 = p;
    Tplayer *enemy = w.player(700, 300, &w.game.pllist2, &w.game.WaveList2);
    w.game.player2 = enemy;
    p->stats.mana = 5000;
    p->mana = 5000;
    p->angle = 64;
    p->vx = 2;
    p->vy = -1;
    w.game.lastMoveCount = 30;
    for (int code : {weapon::arrow, weapon::mine, weapon::flame, weapon::shield, weapon::axe,
                     weapon::pulse, weapon::finisher}) {
        p->clock += 1000;
        p->fireWeapon(code);
    }
    auto *arrow = w.first<Tstrela>();
    ASSERT_TRUE(arrow);
    EXPECT_EQ(arrow->owner(), p);
    EXPECT_EQ(arrow->ownerPlayer(), p);
    EXPECT_EQ(arrow->x, 300 + 20 - 8);
    EXPECT_EQ(arrow->y, 200 + 15 - 2);
    EXPECT_EQ(arrow->z(), 2);
    EXPECT_EQ(arrow->angle, 64);
    EXPECT_EQ(arrow->damage, 4);
    EXPECT_EQ(arrow->vx, 2);
    EXPECT_EQ(arrow->vy, -1);
    EXPECT_EQ(arrow->image->name(), "strela0");

    auto *mine = w.first<Tmine>();
    ASSERT_TRUE(mine);
    EXPECT_EQ(mine->width, 20);
    EXPECT_EQ(mine->height, 16);
    EXPECT_EQ(mine->x, 300 + 20 - 10);
    EXPECT_EQ(mine->y, 200 + 15 - 8);
    // Mana after the cost: 5000 - 20 - 49 = 4931, life 100: 2465 + 50.
    EXPECT_EQ(mine->remaining, 2515);
    EXPECT_EQ(mine->duration, 2515);
    EXPECT_EQ(mine->alpha, 255);

    auto *flame = w.first<Tplamen>();
    ASSERT_TRUE(flame);
    EXPECT_EQ(flame->heading, 64);
    EXPECT_EQ(flame->angle, 0);
    EXPECT_EQ(flame->vx, 2);
    EXPECT_EQ(p->flamesInFlight, 1);

    auto *shield = w.first<Tstit>();
    ASSERT_TRUE(shield);
    EXPECT_EQ(shield->owner, p);
    EXPECT_EQ(shield->strength, 100);
    EXPECT_EQ(shield->x, 300 + 20 - 30);
    EXPECT_EQ(shield->y, 200 + 15 - 25);
    EXPECT_TRUE(p->shielded);
    EXPECT_EQ(p->shield, 100);

    // Thrown at speed 5 along 90 degrees, scaled by the move count 30: the player's own
    // velocity is not added.
    for (Tstrela *thrown : {(Tstrela *)w.first<Taxe>(), (Tstrela *)w.first<Tpulz>()}) {
        ASSERT_TRUE(thrown);
        EXPECT_NEAR(thrown->vx, 0, 1e-12);
        EXPECT_DOUBLE_EQ(thrown->vy, 10);
        EXPECT_EQ(thrown->angle, 64);
    }

    auto *finisher = w.first<Tdorazacka>();
    ASSERT_TRUE(finisher);
    EXPECT_EQ(finisher->x, 300);
    EXPECT_EQ(finisher->y, 200);
    EXPECT_EQ(finisher->energy, 1000);
    EXPECT_EQ(finisher->fullEnergy, 1000);
    EXPECT_EQ(finisher->target, enemy);
    EXPECT_EQ(finisher->width, 32);

    // Player 2's finisher hunts player 1.
    enemy->mana = 100;
    enemy->fireWeapon(weapon::finisher);
    EXPECT_EQ(w.all<Tdorazacka>().back()->target, p);
}

TEST(FireWeapon, ArrowCadenceFollowsClockAndMana)
{
    const struct
    {
        int mana;
        std::vector<int> clocks; // when arrows leave, holding the button at moves of 25
    } cases[] = {
        {1000, {175, 350, 525, 700, 875, 1050, 1225, 1400}},
        // Mana regenerates by 1 per move below its maximum; the arrow waits for 20, then leaves
        // at once.
        {45, {175, 350, 550, 1050}},
    };
    for (const auto &c : cases) {
        WeaponWorld w;
        Tplayer *p = w.player();
        w.game.player1 = p;
        p->stats.mana = c.mana;
        p->mana = c.mana;
        p->weapon1 = weapon::arrow;
        w.keys.set(KeyState::Button1, true);
        std::vector<int> fired;
        int arrows = 0;
        while (p->clock < 1400) {
            w.tick(25);
            const int now = int(w.all<Tstrela>().size());
            if (now > arrows)
                fired.push_back(p->clock);
            arrows = now;
        }
        EXPECT_EQ(fired, c.clocks) << c.mana;
    }
}

TEST(FireWeapon, TimedWeaponsShareOneLastShot)
{
    WeaponWorld w;
    Tplayer *p = w.player();
    w.game.player1 = p;
    p->stats.mana = 1000;
    p->mana = 1000;
    p->weapon1 = weapon::arrow;
    p->weapon2 = weapon::pulse;
    w.keys.set(KeyState::Button1, true);
    w.keys.set(KeyState::Button2, true);
    std::vector<std::pair<int, int>> events; // (clock, arrows + 100 * pulses)
    int last = 0;
    while (p->clock < 1000) {
        w.tick(25);
        const int now =
            int(w.all<Tstrela>().size() - w.all<Tpulz>().size()) + 100 * int(w.all<Tpulz>().size());
        if (now != last)
            events.push_back({p->clock, now});
        last = now;
    }
    // The arrow fires first (button 1) and holds the pulse back: the pulse needs 300 since
    // the last arrow, which never comes while arrows keep firing every 175.
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), std::make_pair(175, 1));
    EXPECT_EQ(w.all<Tpulz>().size(), 0u);
    // With the arrow button released the pulse fires 300 after the last arrow.
    w.keys.set(KeyState::Button1, false);
    const int lastArrow = p->lastShot;
    while (w.all<Tpulz>().empty())
        w.tick(25);
    EXPECT_EQ(p->lastShot, lastArrow + 300);
}

TEST(FireWeapon, MineNeedsSeventyFiveAndCostsFortyNine)
{
    for (int mana : {74, 75}) {
        WeaponWorld w;
        Tplayer *p = w.player();
        p->mana = mana;
        p->clock = 100;
        p->fireWeapon(weapon::mine);
        EXPECT_EQ(p->mana, mana == 75 ? 26 : 74);
        EXPECT_EQ(w.all<Tmine>().size(), mana == 75 ? 1u : 0u);
        if (mana == 75) {
            EXPECT_EQ(w.first<Tmine>()->remaining, 13 + 50); // 26 div 2 + 100 div 2
        }
    }
}

TEST(FireWeapon, GhostHalvesManaAndLifeAndOnlyOneAtATime)
{
    WeaponWorld w;
    Tplayer *p = w.player();
    p->mana = 100;
    p->life = 80;
    p->fireWeapon(weapon::ghost);
    ASSERT_EQ(w.all<Tghost>().size(), 1u);
    Tghost *g = w.first<Tghost>();
    EXPECT_EQ(g->remaining, 90);
    EXPECT_EQ(g->duration, 90);
    EXPECT_EQ(g->alpha, 100);
    EXPECT_EQ(g->owner, p);
    EXPECT_EQ(p->mana, 50);
    EXPECT_EQ(p->life, 40);
    EXPECT_TRUE(p->ghostActive);
    p->fireWeapon(weapon::ghost);
    EXPECT_EQ(w.all<Tghost>().size(), 1u);
    EXPECT_EQ(p->mana, 50);
}

TEST(FireWeapon, HealingStopsAtOneHundredUnlessShielded)
{
    const struct
    {
        const char *what;
        int life, statsLife;
        bool shielded;
        int shield;
        int manaAfter, lifeAfter, shieldAfter;
        bool cured;
    } cases[] = {
        {"full life, high maximum", 100, 225, false, 0, 50, 100, 0, false},
        {"at its own maximum", 99, 99, false, 0, 40, 99, 0, true},
        {"at its maximum, shielded", 99, 99, true, 50, 40, 99, 51, true},
        {"below maximum", 60, 100, false, 0, 40, 61, 0, true},
        {"reaches maximum shielded", 99, 100, true, 80, 40, 100, 81, true},
        {"shielded above 100", 150, 225, true, 50, 40, 151, 50, true},
        {"shielded, shield full", 150, 225, true, 100, 50, 150, 100, false},
    };
    for (const auto &c : cases) {
        WeaponWorld w;
        Tplayer *p = w.player();
        p->mana = 50;
        p->life = c.life;
        p->stats.life = c.statsLife;
        p->shielded = c.shielded;
        p->shield = c.shield;
        p->fireWeapon(weapon::healing);
        EXPECT_EQ(p->mana, c.manaAfter) << c.what;
        EXPECT_EQ(p->life, c.lifeAfter) << c.what;
        EXPECT_EQ(p->shield, c.shieldAfter) << c.what;
        EXPECT_EQ(w.plays("WaveList1:cure"), c.cured ? 1 : 0) << c.what;
    }
}

TEST(FireWeapon, MachineGunReloadsOnFirstPressThenFiresRounds)
{
    WeaponWorld w;
    Tplayer *p = w.player();
    w.game.player1 = p;
    p->weapon3 = weapon::gun;
    p->clock = 50;
    p->fireWeapon(weapon::gun);
    EXPECT_EQ(p->mana, 50);
    EXPECT_EQ(p->reloadTime, 1000);
    EXPECT_EQ(p->ammo, 0);
    EXPECT_EQ(w.plays("WaveList1:reload"), 1);
    EXPECT_TRUE(w.all<Tgun>().empty());
    EXPECT_EQ(p->image->name(), "telo0"); // a reload is no cast
    // The player's own move runs the reload down; it fills the magazine to stats.mana.
    while (p->reloadTime != -1)
        w.tick(20);
    EXPECT_EQ(p->ammo, 100);
    EXPECT_EQ(p->clock, 1050);
    // Held, it fires one round per 50 of clock, 5 mana each.
    const int mana = p->mana;
    w.keys.set(KeyState::Button3, true);
    for (int i = 0; i < 10; ++i)
        w.tick(25);
    EXPECT_EQ(w.all<Tgun>().size(), 5u);
    EXPECT_EQ(p->ammo, 95);
    EXPECT_EQ(p->mana, mana - 25 + 10);
    EXPECT_EQ(w.plays("WaveList1:gun"), 5);
    EXPECT_EQ(p->image->name(), "telo2");
}

TEST(FireWeapon, CastingPictureOnlyWithoutLowPower)
{
    for (int lowPower : {0, 300}) {
        WeaponWorld w;
        Tplayer *p = w.player();
        p->lowPower = lowPower;
        p->castTime = -1;
        p->fireWeapon(weapon::turbo);
        EXPECT_DOUBLE_EQ(p->thrust, 3.0);
        EXPECT_EQ(p->image->name(), lowPower ? "telo0" : "telo2");
        EXPECT_EQ(p->castTime, lowPower ? -1 : 500);
    }
}

TEST(FireWeapon, StopShrinkAndGrow)
{
    WeaponWorld w;
    Tplayer *p = w.player(); // telo0 is 40 x 30
    p->mana = 1000;
    p->vx = 3;
    p->vy = 4;
    p->thrust = 1;
    p->fireWeapon(weapon::stop);
    EXPECT_EQ(p->vx, 0);
    EXPECT_EQ(p->vy, 0);
    EXPECT_EQ(p->thrust, 0);
    p->fireWeapon(weapon::small);
    EXPECT_EQ(p->width, 13);
    EXPECT_EQ(p->height, 10);
    // The size comes from the current picture, the casting one by now (also 40 x 30).
    p->fireWeapon(weapon::big);
    EXPECT_EQ(p->width, 80);
    EXPECT_EQ(p->height, 60);
}

TEST(FireWeapon, SlideActsTogetherWithAnotherSlot)
{
    WeaponWorld w;
    Tplayer *p = w.player();
    w.game.player1 = p;
    p->weapon1 = weapon::slide;
    p->weapon2 = weapon::arrow;
    p->mana = 50;
    p->vx = 10;
    p->clock = 200;
    w.keys.set(KeyState::Button1, true);
    w.keys.set(KeyState::Button2, true);
    w.tick(10);
    EXPECT_TRUE(p->sliding);
    EXPECT_EQ(w.all<Tstrela>().size(), 1u);
    EXPECT_EQ(p->mana, 30);              // no regeneration while sliding
    EXPECT_DOUBLE_EQ(p->vx, 10 * 0.999); // gliding, not damped
    EXPECT_EQ(w.plays("WaveList1:slide"), 1);
    EXPECT_EQ(p->image->name(), "telo2"); // the arrow was a cast; the slide is not
    // Slide alone is no cast.
    WeaponWorld v;
    Tplayer *q = v.player();
    q->fireWeapon(weapon::slide);
    EXPECT_TRUE(q->sliding);
    EXPECT_EQ(q->mana, 100);
    EXPECT_EQ(q->image->name(), "telo0");
}

TEST(FireWeapon, DecoyCopiesThePlayerAndObeysTheSameKeys)
{
    WeaponWorld w;
    Tplayer *p = w.player(300, 200);
    w.game.player1 = p;
    p->angle = 40;
    p->weapon1 = weapon::fake;
    p->weapon2 = weapon::arrow;
    p->weapon3 = weapon::mine;
    p->mana = 100;
    p->fireWeapon(weapon::fake);
    EXPECT_EQ(p->mana, 0);
    auto players = w.all<Tplayer>();
    ASSERT_EQ(players.size(), 2u);
    Tplayer *d = players[1];
    EXPECT_EQ(d->x, 300);
    EXPECT_EQ(d->y, 200 + 60);
    EXPECT_EQ(d->z(), 2);
    EXPECT_EQ(d->angle, 40);
    EXPECT_EQ(d->image->name(), "telo0"); // the picture before the cast changed it
    EXPECT_EQ(d->width, 40);
    EXPECT_EQ(d->keys, p->keys);
    EXPECT_EQ(d->images, p->images);
    EXPECT_EQ(d->sounds, p->sounds);
    EXPECT_EQ(d->weapon2, weapon::arrow);
    EXPECT_EQ(d->weapon3, weapon::mine);
    EXPECT_EQ(d->mana, 100);
    EXPECT_EQ(d->life, 100);
    EXPECT_EQ(d->stats.speed, 0);
    EXPECT_TRUE(d->playerName.isEmpty());

    // Same keys: it turns and fires with its own mana, but cannot thrust.
    w.keys.set(KeyState::Right, true);
    w.keys.set(KeyState::Up, true);
    w.keys.set(KeyState::Button2, true);
    d->clock = 165;
    d->onMove(10);
    EXPECT_EQ(d->angle, 42);
    EXPECT_EQ(d->mana, 80);
    EXPECT_EQ(d->vx, 0);
    EXPECT_EQ(d->vy, 0);
    w.keys.clear();

    // Player 1 exchanges velocities with it on contact.
    d->x = p->x + 5;
    d->y = p->y + 5;
    p->vx = 2;
    d->vx = -4;
    p->onHit(*d);
    EXPECT_EQ(p->vx, -6);
    EXPECT_EQ(d->vx, 3);
}
