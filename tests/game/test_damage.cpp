// The damage routine, death, and the status display.

#include "damage.h"
#include "test_player_fixture.h"

#include <QPainter>
#include <climits>
#include <cmath>
#include <numbers>

using fixture::World;

TEST(HitPlayer, ShieldAndResistanceArithmetic)
{
    struct Case
    {
        const char *what;
        bool shielded;
        int damage, mana, resist;
        int shield, manaAfter, lifeAfter;
        bool hitEffects;
    } cases[] = {
        {"shield, mana short", true, 10, 20, 0, -10, 0, 90, false},
        {"shield, mana enough", true, 10, 50, 0, -10, 20, 100, false},
        {"shield, mana exactly", true, 10, 30, 0, -10, 0, 100, false},
        {"negative resistance", false, 4, 100, -1, 0, 100, 95, true},
        {"resistance above damage heals", false, 2, 100, 3, 0, 100, 101, true},
        {"plain hit", false, 30, 100, 1, 0, 100, 71, true},
    };
    for (const Case &c : cases) {
        World w;
        w.game.exl = true;
        Tplayer *p = w.player();
        p->shielded = c.shielded;
        p->mana = c.mana;
        p->stats.resist = c.resist;
        hitPlayer(*p, c.damage);
        EXPECT_EQ(p->shield, c.shield) << c.what;
        EXPECT_EQ(p->mana, c.manaAfter) << c.what;
        EXPECT_EQ(p->life, c.lifeAfter) << c.what;
        EXPECT_EQ(w.played.contains("WaveList1:hit"), c.hitEffects) << c.what;
        EXPECT_EQ(p->image->name(), c.hitEffects ? "telo1" : "telo0") << c.what;
        EXPECT_EQ(p->hurtTime, c.hitEffects ? 0 : 101) << c.what;
        EXPECT_EQ(w.count<Tbod>() > 0, c.hitEffects) << c.what;
        EXPECT_FALSE(w.game.matchOver) << c.what;
    }
}

TEST(HitPlayer, BurstHasNineToEighteenMarksRoundToThreeHundredForty)
{
    World w;
    w.game.exl = true;
    Tplayer *p = w.player(500, 400);
    for (int hit = 0; hit < 20; ++hit) {
        const int before = w.count<Tbod>();
        hitPlayer(*p, 0);
        const int made = w.count<Tbod>() - before;
        EXPECT_GE(made, 9);
        EXPECT_LE(made, 18);
    }
    // The last mark of every burst flies at 340 degrees.
    const auto *last = dynamic_cast<Tbod *>(w.game.engine.sprites().back());
    ASSERT_TRUE(last);
    EXPECT_NEAR(std::atan2(last->vy, last->vx) * 180 / std::numbers::pi, -20, 1e-9);
    EXPECT_EQ(last->lifetime, 800);
    EXPECT_EQ(last->fall, 0);
    EXPECT_EQ(last->image->name(), "crbod");
    // Centred with scatter: within 10 pixels of the player's centre (520, 415).
    EXPECT_GE(last->x, 510);
    EXPECT_LT(last->x, 530);
    EXPECT_GE(last->y, 405);
    EXPECT_LT(last->y, 425);
}

TEST(HitPlayer, TwoHitsInOneMoveEachPlayTheHitSound)
{
    World w;
    Tplayer *p = w.player();
    hitPlayer(*p, 1);
    p->hurtTime = 40;
    hitPlayer(*p, 1);
    EXPECT_EQ(p->hurtTime, 0);
    EXPECT_EQ(w.played, (QStringList{"WaveList1:hit", "WaveList1:hit"}));
}

TEST(HitPlayer, UnshieldedHitStartsBulletTimeShieldedDoesNot)
{
    for (bool shielded : {true, false}) {
        World w;
        w.game.bul = true;
        w.game.totalTime = 1234;
        Tplayer *p = w.player();
        p->shielded = shielded;
        hitPlayer(*p, 5);
        EXPECT_EQ(w.game.bulletActive, !shielded);
        EXPECT_EQ(w.game.timeDivisor, shielded ? 1 : 6);
        EXPECT_EQ(w.game.bulletStart, shielded ? 0 : 1234);
    }
}

TEST(Death, ShieldedPlayerBelowZeroLivesUntilAnUnshieldedHit)
{
    World w;
    Tplayer *p = w.player();
    p->shielded = true;
    p->mana = 0;
    p->life = 10;
    hitPlayer(*p, 10);
    EXPECT_EQ(p->life, -20);
    EXPECT_FALSE(w.game.matchOver);
    p->shielded = false;
    hitPlayer(*p, 1);
    EXPECT_TRUE(w.game.matchOver);
}

TEST(Death, HugeDamageSaturatesInsteadOfOverflowing)
{
    World w;
    Tplayer *p = w.player();
    p->life = INT_MIN + 5;
    p->stats.resist = -10;
    hitPlayer(*p, INT_MAX);
    EXPECT_EQ(p->life, INT_MIN);
    EXPECT_TRUE(w.game.matchOver);
    p->shielded = true;
    p->shield = INT_MIN + 1;
    hitPlayer(*p, INT_MAX);
    EXPECT_EQ(p->shield, INT_MIN);
    EXPECT_EQ(p->mana, 0);
}

TEST(Death, BodyMovesOnScreenAndTheSignHangsBesideIt)
{
    struct Case
    {
        double x, y;
        double bodyX, bodyY;
    } cases[] = {
        {300, 200, 300, 200}, {-5, 200, 512, 384}, {300, -1, 512, 384},
        {1025, 10, 512, 384}, {10, 769, 512, 384}, {1024, 768, 1024, 768},
    };
    for (const Case &c : cases) {
        World w;
        Tplayer *p = w.player(c.x, c.y);
        p->life = 3;
        hitPlayer(*p, 3);
        EXPECT_TRUE(w.game.matchOver);
        EXPECT_EQ(p->x, c.bodyX);
        EXPECT_EQ(p->y, c.bodyY);
        EXPECT_FALSE(p->dead()); // the body stays in the world for the final frame
        TImageSprite *sign = nullptr;
        for (TSprite *s : w.game.engine.sprites())
            if (auto *i = dynamic_cast<TImageSprite *>(s); i && !dynamic_cast<TImageSpriteEx *>(s))
                sign = i;
        ASSERT_TRUE(sign);
        EXPECT_EQ(sign->image->name(), "dead");
        EXPECT_EQ(sign->x, c.bodyX + 40 + 10);
        EXPECT_EQ(sign->y, c.bodyY - 10);
        EXPECT_EQ(sign->width, 50);
        EXPECT_EQ(sign->height, 20);
        EXPECT_EQ(sign->z(), 0);
        EXPECT_EQ(w.played.last(), "WaveList1:dead");
    }
}

TEST(Death, WithoutADeadPictureTheMatchStillEnds)
{
    World w;
    w.game.sys.clear();
    Tplayer *p = w.player();
    p->life = 1;
    const int sprites = w.game.engine.spriteCount();
    EXPECT_NO_THROW(hitPlayer(*p, 5));
    EXPECT_TRUE(w.game.matchOver);
    EXPECT_EQ(w.game.engine.spriteCount(), sprites);
}

TEST(Death, StopsEverySoundOfBothPlayers)
{
    World w;
    SoundOutput output;
    try {
        output.start();
    } catch (const Error &) {
        GTEST_SKIP() << "no sound device, not even the null one";
    }
    w.game.WaveList1.prepare(output);
    w.game.WaveList2.prepare(output);
    w.game.WaveList1.play("flame");
    w.game.WaveList2.play("slide");
    EXPECT_EQ(w.game.WaveList1.find("flame")->playingCount(), 1);
    Tplayer *p = w.player();
    p->life = 1;
    hitPlayer(*p, 1);
    EXPECT_EQ(w.game.WaveList1.find("flame")->playingCount(), 0);
    EXPECT_EQ(w.game.WaveList2.find("slide")->playingCount(), 0);
    EXPECT_EQ(w.game.WaveList1.find("dead")->playingCount(), 1);
    w.game.WaveList1.release();
    w.game.WaveList2.release();
}

TEST(Death, SoundOffToleratesASoundCollectionLackingNames)
{
    World w;
    w.game.snd = false;
    WaveList empty;
    Tplayer *p = w.player(300, 300, nullptr, &empty);
    p->life = 1;
    EXPECT_NO_THROW(hitPlayer(*p, 1));
    EXPECT_TRUE(w.game.matchOver);
    w.game.snd = true;
    EXPECT_THROW(hitPlayer(*p, 1), Error);
}

TEST(BarEnd, Values)
{
    struct Case
    {
        int max, value, base, end;
    } cases[] = {
        {100, 100, 300, 270}, {100, 0, 300, 300},   {100, 50, 300, 285},
        {100, 150, 300, 255}, {100, -20, 300, 306}, {225, 100, 300, 287}, // 13.33 -> 287
        {20, 1, 100, 98}, // 1.5 -> 98.5 -> 98 (half to even)
        {20, 3, 100, 96}, // 4.5 -> 95.5 -> 96
        {0, 100, 300, 300},   {0, 0, 300, 300},     {0, -7, 40, 40},
    };
    for (const Case &c : cases)
        EXPECT_EQ(barEnd(c.max, c.value, c.base), c.end) << c.max << " " << c.value;
}

TEST(StatusDisplay, Anchor)
{
    struct Case
    {
        double x, y;
        int h, v;
    } cases[] = {
        {-200, 300, 30, 300},   {1100, 300, 994, 300}, {500, -50, 500, 30},
        {500, 900, 500, 738},   {-200, -50, 30, 30},   {300.6, 200.4, 301, 200},
        {0, 300, 0, 300},       {-10, 745, 30, 738}, // too low for the bars: 30 inside
        {1010, 300, 1010, 300}, // on the surface it hangs at the corner even near the edge
    };
    for (const Case &c : cases) {
        World w;
        Tplayer *p = w.player(c.x, c.y);
        EXPECT_EQ(p->statusAnchor(), QPoint(c.h, c.v)) << c.x << "," << c.y;
    }
}

namespace {

// The rows of column `x` painted in `colour`.
int columnPixels(const QImage &image, int x, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        n += image.pixel(x, y) == colour;
    return n;
}

QImage drawn(World &w, Tplayer &p)
{
    w.game.engine.surface().fill(Qt::white);
    QPainter painter(&w.game.engine.surface());
    p.onDraw(painter);
    return w.game.engine.surface().copy();
}

} // namespace

TEST(StatusDisplay, BarsGrowUpwardThirtyPixelsAtFullValue)
{
    World w;
    Tplayer *p = w.player(-200, 300); // anchor (30, 300): bars clear of the body
    p->ammo = 100;
    p->shield = 150;
    p->mana = 50;
    const QImage image = drawn(w, *p);
    const QRgb grey = qRgb(128, 128, 128), red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255),
               navy = qRgb(0, 0, 128);
    EXPECT_EQ(columnPixels(image, 33, grey), 30);
    EXPECT_EQ(columnPixels(image, 32, grey), 30);
    EXPECT_EQ(columnPixels(image, 30, red), 30);
    EXPECT_EQ(columnPixels(image, 29, red), 30);
    EXPECT_EQ(columnPixels(image, 27, blue), 15);
    EXPECT_EQ(columnPixels(image, 24, navy), 45);
    EXPECT_EQ(columnPixels(image, 23, navy), 45);
    EXPECT_EQ(columnPixels(image, 31, red), 0);
    EXPECT_EQ(image.pixel(30, 300), red);                 // from the anchor row
    EXPECT_EQ(image.pixel(30, 270), qRgb(255, 255, 255)); // up to the end row, not onto it
}

TEST(StatusDisplay, ZeroMaximaAndNegativeValuesDrawSafely)
{
    World w;
    Tplayer *decoy = w.game.engine.create<Tplayer>(w.game); // zero stats, no collections
    decoy->x = -200;
    decoy->y = 300;
    decoy->life = -10;
    decoy->stats.life = 100;
    const QImage image = drawn(w, *decoy);
    EXPECT_EQ(columnPixels(image, 33, qRgb(128, 128, 128)), 0); // ammo of 0 maximum
    EXPECT_EQ(columnPixels(image, 27, qRgb(0, 0, 255)), 0);
    EXPECT_EQ(columnPixels(image, 30, qRgb(255, 0, 0)), 3); // life -10 of 100 points down
    EXPECT_EQ(image.pixel(30, 302), qRgb(255, 0, 0));
}

TEST(StatusDisplay, OptionsHideBarsAndName)
{
    struct Case
    {
        bool hlt, nam;
        bool bars, name;
    } cases[] = {{true, true, true, true}, {true, false, true, false}, {false, true, false, false}};
    for (const Case &c : cases) {
        World w;
        w.game.hlt = c.hlt;
        w.game.nam = c.nam;
        Tplayer *p = w.player(-200, 300);
        p->playerName = "Merlin";
        const QImage image = drawn(w, *p);
        EXPECT_EQ(columnPixels(image, 30, qRgb(255, 0, 0)) > 0, c.bars);
        int dark = 0; // the name is black text right of and below (25, 301)
        for (int y = 301; y < 320; ++y)
            for (int x = 25; x < 80; ++x)
                dark += qGray(image.pixel(x, y)) < 100;
        EXPECT_EQ(dark > 0, c.name) << c.hlt << c.nam;
    }
}
