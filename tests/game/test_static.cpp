// Placed objects in a match: what each material does to shots, wear and breaking into debris,
// hit sounds, falling and resting.

#include "tbod.h"
#include "test_static_fixture.h"

#include <cmath>

using arenafixture::ArenaWorld;
using arenafixture::object;

TEST(StaticSprite, MaterialDecidesWhatHappensToAShotInside)
{
    struct Case
    {
        int material;
        bool collides, destructible, water;
        bool shotDead, shotWet;
    } cases[] = {
        {0, false, false, false, false, false}, // decoration: never tests
        {1, true, false, false, true, false},
        {2, true, true, false, true, false},
        {3, true, false, true, false, true},
        {7, true, false, false, true, false}, // unknown material behaves as solid
        {-1, true, false, false, true, false},
    };
    for (const Case &c : cases) {
        ArenaWorld w;
        EnvObject eo = object(c.material);
        eo.sprite.live = 5;
        Tstaticsprite *o = instantiateObject(w.game, eo);
        EXPECT_EQ(o->collides, c.collides) << c.material;
        EXPECT_EQ(o->destructible, c.destructible) << c.material;
        EXPECT_EQ(o->water, c.water) << c.material;
        Tplayer *p = w.player(600, 600);
        Tstrela *s = w.shot(p, 250, 250);
        o->onMove(10);
        EXPECT_EQ(s->dead(), c.shotDead) << c.material;
        EXPECT_EQ(s->wet, c.shotWet) << c.material;
        EXPECT_EQ(o->live, c.material == 2 ? 4 : 5) << c.material;
    }
}

TEST(StaticSprite, DestructibleBreaksAfterLiveShotsWithSoundsAndDebris)
{
    ArenaWorld w;
    EnvObject eo = object(2);
    eo.sprite.live = 3;
    eo.sprite.onhit = "stone";
    eo.sprite.onbrake = "CRASH";
    Tstaticsprite *o = instantiateObject(w.game, eo);
    Tplayer *p = w.player(600, 600);
    for (int i = 0; i < 3; ++i) {
        w.game.engine.purge();
        Tstrela *s = w.shot(p, 240, 240);
        o->onMove(10);
        EXPECT_TRUE(s->dead()) << i;
    }
    EXPECT_EQ(w.envPlayed(), QStringList({"env:Stone", "env:Stone", "env:crash"}));
    EXPECT_TRUE(o->destroyed);
    EXPECT_TRUE(o->dead());
    EXPECT_EQ(o->live, 0);

    const int pieces = w.count<Tbod>();
    EXPECT_GE(pieces, 10);
    EXPECT_LE(pieces, 19);
    for (TSprite *s : w.game.engine.sprites()) {
        auto *piece = dynamic_cast<Tbod *>(s);
        if (!piece)
            continue;
        EXPECT_EQ(piece->image->name(), "debris");
        EXPECT_EQ(piece->width, 6);
        EXPECT_EQ(piece->height, 4);
        EXPECT_EQ(piece->lifetime, 100);
        EXPECT_EQ(piece->fall, 10);
        EXPECT_NEAR(std::hypot(piece->vx, piece->vy), 10, 1e-9);
        // Around the centre (250, 250), 10 pixels either way.
        EXPECT_GE(piece->x, 240);
        EXPECT_LT(piece->x, 260);
        EXPECT_GE(piece->y, 240);
        EXPECT_LT(piece->y, 260);
        EXPECT_LT(piece->spinRate, 16);
        EXPECT_GE(piece->angle, 0);
        EXPECT_LT(piece->angle, 128);
    }

    // Broken: a later contact does nothing, not even stopping a shot.
    Tstrela *late = w.shot(p, 240, 240);
    o->onHit(*late);
    EXPECT_FALSE(late->dead());
    EXPECT_EQ(w.count<Tbod>(), pieces);
}

TEST(StaticSprite, AnyContactWearsADestructibleObjectButNotObjectsOrMarks)
{
    struct Case
    {
        const char *what;
        int live, moves;
        int liveAfter;
        bool destroyed;
    } cases[] = {
        {"player, default live", 1, 1, 0, true},
        {"player, live 0", 0, 1, -1, true},
        {"player, live -3", -3, 1, -4, true},
        {"player resting, live 5", 5, 3, 2, false},
        {"mark", 1, 3, 1, false},
        {"object", 1, 3, 1, false},
        {"object, live 0", 0, 1, 0, true}, // no wear, but nothing left to wear
    };
    for (const Case &c : cases) {
        ArenaWorld w;
        EnvObject eo = object(2);
        eo.sprite.live = c.live;
        Tstaticsprite *o = instantiateObject(w.game, eo);
        const std::string what = c.what;
        if (what.starts_with("player"))
            w.player(260, 260);
        else if (what == "mark")
            makeMark(w.game, w.game.sys.find("debris"), 1000, 0)->x = 250;
        else
            instantiateObject(w.game, object(1, 250, 250));
        for (TSprite *s : w.game.engine.sprites())
            if (dynamic_cast<Tbod *>(s))
                s->y = 250;
        for (int i = 0; i < c.moves; ++i)
            o->onMove(10);
        EXPECT_EQ(o->live, c.liveAfter) << c.what;
        EXPECT_EQ(o->destroyed, c.destroyed) << c.what;
    }
}

TEST(StaticSprite, TwoShotsInOneMoveBreakItOnceAndTheSecondFliesOn)
{
    ArenaWorld w;
    EnvObject eo = object(2);
    eo.sprite.onbrake = "crash";
    Tstaticsprite *o = instantiateObject(w.game, eo);
    Tplayer *p = w.player(600, 600);
    Tstrela *first = w.shot(p, 240, 240);
    Tstrela *second = w.shot(p, 260, 260);
    o->onMove(10);
    EXPECT_TRUE(first->dead());
    EXPECT_FALSE(second->dead());
    EXPECT_EQ(w.envPlayed(), QStringList({"env:crash"}));
}

TEST(StaticSprite, HitSoundPlaysWhileLiveIsPositive)
{
    struct Case
    {
        int material, live;
        const char *onhit;
        int plays; // for one shot in each of three moves
    } cases[] = {
        {1, 1, "stone", 3},     {1, 0, "stone", 0}, {1, -2, "stone", 0},
        {1, 5, "", 0},          {3, 1, "stone", 6}, // water keeps its shots: 1 + 2 + 3 contacts
        {3, 1, "not there", 0},                     // a missing water sound is silent
        {2, 5, "stone", 3},     {2, 2, "stone", 1}, // the second contact breaks it
    };
    for (const Case &c : cases) {
        ArenaWorld w;
        EnvObject eo = object(c.material);
        eo.sprite.live = c.live;
        eo.sprite.onhit = c.onhit;
        Tstaticsprite *o = instantiateObject(w.game, eo);
        Tplayer *p = w.player(600, 600);
        for (int i = 0; i < 3 && !o->dead(); ++i) {
            w.game.engine.purge(); // the shots stopped last move are gone
            w.shot(p, 240, 240);
            o->onMove(10);
        }
        EXPECT_EQ(w.envPlayed().count(), c.plays) << c.material << " " << c.live;
        if (c.material != 2) {
            EXPECT_EQ(o->live, c.live) << "only destructible objects wear";
        }
    }
}

TEST(StaticSprite, OwnTurretShotsPassOthersAreStopped)
{
    ArenaWorld w;
    EnvObject eo = object(1);
    eo.funct = EnvFunct();
    Tstaticsprite *o = instantiateObject(w.game, eo);
    Tstaticsprite *other = instantiateObject(w.game, [] {
        EnvObject e = object(1, 600, 600);
        e.funct = EnvFunct();
        return e;
    }());
    ASSERT_NE(o->funct, nullptr);
    Tstrela *own = w.shot(o->funct, 240, 240);
    Tstrela *foreign = w.shot(other->funct, 250, 250);
    o->onMove(10);
    EXPECT_FALSE(own->dead());
    EXPECT_TRUE(foreign->dead());
}

TEST(StaticSprite, FallsUnlessALowerObjectOverlapsIt)
{
    struct Case
    {
        const char *what;
        int lowerMaterial, lowerY; // lowerY < 0: nothing below
        int moves;
        double y;
    } cases[] = {
        {"nothing below", 0, -1, 2, 204},
        {"on a solid, overlapping", 1, 290, 2, 200},
        {"lower is decoration", 0, 290, 2, 204},
        {"lower is water", 3, 290, 2, 200},
    };
    for (const Case &c : cases) {
        ArenaWorld w;
        EnvObject top = object(1);
        top.sprite.push = true;
        Tstaticsprite *o = instantiateObject(w.game, top);
        if (c.lowerY >= 0)
            instantiateObject(w.game, object(c.lowerMaterial, 200, c.lowerY));
        for (int i = 0; i < c.moves; ++i)
            o->onMove(10);
        EXPECT_DOUBLE_EQ(o->y, c.y) << c.what;
    }

    // Touching at first (y 200 + 100 = lower top 300): falls 2 per move of 10 until it reaches
    // into the lower object, then rests there.
    ArenaWorld w;
    EnvObject top = object(1);
    top.sprite.push = true;
    Tstaticsprite *o = instantiateObject(w.game, top);
    instantiateObject(w.game, object(1, 200, 300));
    o->onMove(10);
    EXPECT_DOUBLE_EQ(o->y, 202);
    EXPECT_FALSE(o->supported);
    o->onMove(10);
    EXPECT_DOUBLE_EQ(o->y, 202);
    EXPECT_TRUE(o->supported);
}

TEST(StaticSprite, OfTwoOverlappingFallingObjectsTheLowerFallsAwayFirst)
{
    ArenaWorld w;
    EnvObject upper = object(1, 200, 200), lower = object(1, 200, 290);
    upper.sprite.push = lower.sprite.push = true;
    Tstaticsprite *u = instantiateObject(w.game, upper);
    Tstaticsprite *l = instantiateObject(w.game, lower);
    for (int i = 0; i < 5; ++i)
        w.game.engine.advance(10); // the lower one falls 2 per move: 10 pixels apart after 5
    EXPECT_DOUBLE_EQ(u->y, 200);
    EXPECT_DOUBLE_EQ(l->y, 300);
    w.game.engine.advance(10); // no longer overlapping: both fall
    EXPECT_DOUBLE_EQ(u->y, 202);
    EXPECT_DOUBLE_EQ(l->y, 302);
}

TEST(StaticSprite, DecorationIsNeverAffected)
{
    ArenaWorld w;
    EnvObject eo = object(0);
    eo.sprite.onhit = "not a sound"; // never looked up for decoration
    Tstaticsprite *o = instantiateObject(w.game, eo);
    Tplayer *p = w.player(250, 250);
    Tstrela *s = w.shot(p, 240, 240);
    w.game.engine.advance(10);
    EXPECT_FALSE(s->dead());
    EXPECT_FALSE(s->wet);
    EXPECT_FALSE(p->inWater);
    EXPECT_EQ(o->live, 1);
    EXPECT_TRUE(w.envPlayed().isEmpty());
}

TEST(StaticSprite, DrawsStretchedAndTurnedWithItsAlpha)
{
    ArenaWorld w;
    EnvObject eo = object(1, 10, 10);
    eo.sprite.width = 200;
    eo.sprite.height = 50;
    eo.sprite.tiled = true; // stored, no effect
    instantiateObject(w.game, eo);
    w.game.engine.surface().fill(Qt::black);
    w.game.engine.render();
    const QImage &f = w.game.engine.surface();
    EXPECT_EQ(QColor(f.pixel(200, 50)), QColor(Qt::gray));
    EXPECT_EQ(QColor(f.pixel(215, 30)), QColor(Qt::black));
    EXPECT_EQ(QColor(f.pixel(100, 65)), QColor(Qt::black));
}

TEST(StaticSprite, SizesFromAHandEditedFileNeverHangOrCrash)
{
    struct Case
    {
        QSize size;
        int x, y;
        QSize kept;
    } cases[] = {
        {{2000000000, 2000000000}, -1000000, -1000000, {1 << 20, 1 << 20}},
        {{-2000000000, -50}, 0, 0, {-(1 << 20), -50}},
        {{0, 0}, 300, 300, {0, 0}},
        {{5000, 5000}, 2147480000, -2147480000, {5000, 5000}},
        {{600000, 700000}, -300000, -300000, {600000, 700000}},
    };
    for (const Case &c : cases) {
        const QSize size = c.size;
        ArenaWorld w;
        EnvObject eo = object(2, c.x, c.y);
        eo.sprite.width = size.width();
        eo.sprite.height = size.height();
        eo.sprite.angle = 37;
        Tstaticsprite *o = instantiateObject(w.game, eo);
        EXPECT_EQ(QSize(o->width, o->height), c.kept);
        w.player(300, 300);
        w.game.engine.advance(16);
        const auto spans = [](qint64 from, int length, qint64 at) {
            return from < at && at < from + length;
        };
        const bool around = spans(c.x, c.kept.width(), 310) && spans(c.y, c.kept.height(), 310);
        EXPECT_EQ(o->destroyed, around) << "only when the player lies inside it";
        w.game.engine.render();
        w.game.engine.purge();
        w.game.engine.render();
    }
}
