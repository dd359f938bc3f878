#include "error.h"
#include "spriteengine.h"

#include <QPainter>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// What happened in a world, in order: "move A", "hit A>B", "draw A", "free A".
using Log = std::vector<std::string>;

// A sprite of any of the engine's classes that records its hooks and runs test code in them.
template <class Base> class Probe : public Base
{
public:
    Probe(TSpriteEngine &engine, Log &log, std::string name, QRect rect)
        : Base(engine), log(log), name(std::move(name))
    {
        this->x = rect.x();
        this->y = rect.y();
        this->width = rect.width();
        this->height = rect.height();
    }
    ~Probe() override { log.push_back("free " + name); }

    void onHit(TSprite &other) override
    {
        log.push_back("hit " + name + ">" + nameOf(other));
        if (hit)
            hit(other);
    }
    void onDraw(QPainter &canvas) override
    {
        log.push_back("draw " + name);
        Base::onDraw(canvas);
    }
    void onMove(int moveCount) override
    {
        log.push_back("move " + name);
        if (move)
            move(moveCount);
    }

    static std::string nameOf(TSprite &s)
    {
        if (auto *p = dynamic_cast<Probe<TSprite> *>(&s))
            return p->name;
        if (auto *p = dynamic_cast<Probe<TImageSpriteEx> *>(&s))
            return p->name;
        if (auto *p = dynamic_cast<Probe<TImageSprite> *>(&s))
            return p->name;
        return "?";
    }

    Log &log;
    std::string name;
    std::function<void(TSprite &)> hit;
    std::function<void(int)> move;
};

using Plain = Probe<TSprite>;
using Rotating = Probe<TImageSpriteEx>;

class SpriteWorld : public testing::Test
{
protected:
    template <class T = Rotating> T *make(const std::string &name, QRect rect)
    {
        return engine.create<T>(log, name, rect);
    }
    Log take() { return std::exchange(log, {}); }

    Log log;
    TSpriteEngine engine{QSize(100, 100)};
};

} // namespace

TEST_F(SpriteWorld, OverlapIsStrictOnTruncatedRectangles)
{
    const struct
    {
        const char *what;
        QRectF s, t; // x, y as doubles; width and height whole
        int expected;
    } cases[] = {
        {"shared vertical edge", {0, 0, 10, 10}, {10, 0, 10, 10}, 0},
        {"shared horizontal edge", {0, 0, 10, 10}, {0, 10, 10, 10}, 0},
        {"shared corner", {0, 0, 10, 10}, {10, 10, 10, 10}, 0},
        {"one pixel", {0, 0, 10, 10}, {9, 9, 10, 10}, 1},
        {"contained", {0, 0, 10, 10}, {3, 3, 2, 2}, 1},
        {"x -0.5 starts at column 0", {-0.5, 0, 1, 1}, {-1, 0, 1, 1}, 0},
        {"x -0.5 reaches column 0", {-0.5, 0, 1, 1}, {0, 0, 1, 1}, 1},
        {"x 9.9 is column 9", {9.9, 0, 1, 1}, {10, 0, 5, 5}, 0},
        {"zero size inside", {5, 5, 0, 0}, {0, 0, 10, 10}, 1},
        {"zero size on left edge", {0, 5, 0, 0}, {0, 0, 10, 10}, 0},
        {"zero size on right edge", {10, 5, 0, 0}, {0, 0, 10, 10}, 0},
        {"zero size on corner", {10, 10, 0, 0}, {0, 0, 10, 10}, 0},
        {"rectangle around zero size", {0, 0, 10, 10}, {5, 5, 0, 0}, 1},
        {"two points at one place", {5, 5, 0, 0}, {5, 5, 0, 0}, 0},
        {"off the surface", {-50, -50, 10, 10}, {-45, -45, 10, 10}, 1},
    };
    for (const auto &c : cases) {
        auto *s = make("S", QRect());
        s->x = c.s.x();
        s->y = c.s.y();
        s->width = int(c.s.width());
        s->height = int(c.s.height());
        auto *t = make("T", QRect());
        t->x = c.t.x();
        t->y = c.t.y();
        t->width = int(c.t.width());
        t->height = int(c.t.height());
        EXPECT_EQ(s->collide(), c.expected) << c.what;
        engine.clear();
    }
    auto *s = make("S", QRect());
    s->x = -0.5;
    s->y = -1.5;
    EXPECT_EQ(s->boundsRect().topLeft(), QPoint(0, -1));
}

TEST_F(SpriteWorld, OnlyRotatingSpritesAreFoundOffTheSurface)
{
    // The searcher lies wherever it needs to; only the kind and place of the found one matter.
    const struct
    {
        const char *what;
        bool rotating;
        QRect t;
        int expected;
    } cases[] = {
        {"plain off the surface", false, {-20, -20, 10, 10}, 0},
        {"plain half on the surface", false, {95, 95, 10, 10}, 1},
        {"plain touching the surface edge from outside", false, {100, 40, 10, 10}, 0},
        {"plain point inside the surface", false, {50, 50, 0, 0}, 1},
        {"plain point on the surface corner", false, {0, 0, 0, 0}, 0},
        {"rotating off the surface", true, {-20, -20, 10, 10}, 1},
        {"rotating far off the surface", true, {500, 500, 10, 10}, 1},
    };
    for (const auto &c : cases) {
        auto *s = make("S", c.t.adjusted(-2, -2, 2, 2));
        TSprite *t = c.rotating ? static_cast<TSprite *>(make("T", c.t))
                                : static_cast<TSprite *>(make<Plain>("T", c.t));
        t->visible = false; // invisible sprites are found all the same
        EXPECT_EQ(s->collide(), c.expected) << c.what;
        engine.clear();
    }
}

TEST_F(SpriteWorld, CollisionPassSkipsItselfAndNonCollidingAndNeverStopsEarly)
{
    auto *s = make("S", {0, 0, 50, 50});
    make("A", {10, 10, 5, 5});
    auto *b = make("B", {20, 20, 5, 5});
    make("C", {30, 30, 5, 5});
    make("far", {80, 80, 5, 5});
    b->collides = false;
    // S kills itself at the first hit and still hears of every further overlap.
    s->hit = [&](TSprite &other) {
        s->kill();
        other.kill();
    };
    take();
    EXPECT_EQ(s->collide(), 2);
    EXPECT_EQ(take(), (Log{"hit S>A", "hit S>C"}));
    // Now dead, S looks for nothing; the dead A and C are still found by others until purge.
    EXPECT_EQ(s->collide(), 0);
    auto *d = make("D", {0, 0, 40, 40});
    EXPECT_EQ(d->collide(), 3);
    EXPECT_EQ(take(), (Log{"hit D>S", "hit D>A", "hit D>C"}));
    engine.purge();
    EXPECT_EQ(d->collide(), 0);
    EXPECT_EQ(engine.spriteCount(), 3);
}

TEST_F(SpriteWorld, SpriteKilledByAnEarlierHookStillMovesButIsNotDrawn)
{
    auto *a = make("A", {10, 10, 10, 10});
    auto *b = make("B", {15, 15, 10, 10});
    a->move = [&](int) { a->collide(); };
    a->hit = [&](TSprite &other) { other.kill(); };
    int bFound = -1;
    b->move = [&](int) { bFound = b->collide(); };
    take();
    engine.advance(16);
    EXPECT_EQ(take(), (Log{"move A", "hit A>B", "move B"}));
    EXPECT_EQ(bFound, 0);
    EXPECT_TRUE(b->dead());
    engine.purge();
    EXPECT_EQ(take(), (Log{"free B"}));
    engine.render();
    EXPECT_EQ(take(), (Log{"draw A"}));
    EXPECT_EQ(engine.spriteCount(), 1);
    EXPECT_EQ(engine.drawCount(), 1);
}

TEST_F(SpriteWorld, AdvanceTakesItsLengthOnceAndMovesTheDead)
{
    auto *a = make("A", {});
    auto *b = make("B", {});
    auto *still = make("still", {});
    still->moves = false;
    b->kill();
    int made = 0;
    a->move = [&](int moveCount) {
        EXPECT_EQ(moveCount, 7);
        if (made++ == 0)
            make("new", {});
    };
    take();
    engine.advance(7);
    EXPECT_EQ(take(), (Log{"move A", "move B"}));
    engine.advance(7);
    EXPECT_EQ(take(), (Log{"move A", "move B", "move new"}));
    EXPECT_EQ(engine.spriteCount(), 4);
}

TEST_F(SpriteWorld, PurgeFreesTheLastKilledFirstAndOnlyOnce)
{
    auto *a = make("A", {});
    auto *b = make("B", {});
    auto *c = make("C", {});
    make("D", {});
    b->kill();
    a->kill();
    c->kill();
    a->kill(); // a second kill changes nothing
    EXPECT_EQ(engine.deadList().size(), 3u);
    take();
    engine.purge();
    EXPECT_EQ(take(), (Log{"free C", "free A", "free B"}));
    ASSERT_EQ(engine.sprites().size(), 1u);
    EXPECT_EQ(engine.drawList().size(), 1u);
    EXPECT_TRUE(engine.deadList().empty());
    engine.purge();
    EXPECT_TRUE(take().empty());
}

TEST_F(SpriteWorld, HooksMayCreateKillPurgeAndClearSafely)
{
    auto *a = make("A", {10, 10, 10, 10});
    make("B", {12, 12, 10, 10});
    // Inside a pass purge and clear only mark: nothing is freed under a running hook.
    a->move = [&](int) {
        a->collide();
        engine.purge();
        engine.clear();
        make("late", {});
    };
    a->hit = [&](TSprite &other) {
        other.kill();
        make("spark", {});
    };
    take();
    engine.advance(1);
    EXPECT_EQ(take(), (Log{"move A", "hit A>B", "move B"}));
    EXPECT_EQ(engine.spriteCount(), 4);
    engine.purge();
    EXPECT_EQ(engine.spriteCount(), 1); // "late" was made after the clear
    EXPECT_EQ(Plain::nameOf(*engine.sprites().front()), "late");
    take();
    engine.clear();
    EXPECT_EQ(take(), (Log{"free late"}));
    EXPECT_EQ(engine.spriteCount(), 0);
    EXPECT_TRUE(engine.drawList().empty());
}

TEST_F(SpriteWorld, EqualZDrawsTheLastLayeredBeneath)
{
    auto *a = make("A", {1, 1, 5, 5});
    auto *b = make("B", {1, 1, 5, 5});
    auto *c = make("C", {1, 1, 5, 5});
    auto *d = make("D", {1, 1, 5, 5});
    auto *e = make("E", {1, 1, 5, 5});
    // New sprites enter layer 0 beneath the earlier ones.
    take();
    engine.render();
    EXPECT_EQ(take(), (Log{"draw E", "draw D", "draw C", "draw B", "draw A"}));
    a->setZ(2);
    b->setZ(2);
    c->setZ(-2);
    d->setZ(20);
    e->setZ(2);
    a->setZ(2); // same layer: stays where it is
    engine.render();
    EXPECT_EQ(take(), (Log{"draw C", "draw E", "draw B", "draw A", "draw D"}));
    EXPECT_EQ(engine.drawCount(), 5);
}

TEST_F(SpriteWorld, RenderSkipsInvisibleAndPlainSpritesOffTheSurface)
{
    make<Plain>("plainOn", {90, 90, 20, 20});
    make<Plain>("plainOff", {100, 0, 10, 10});
    make<Plain>("pointIn", {50, 50, 0, 0});
    make("rotatingOff", {-300, -300, 10, 10});
    make<Plain>("hidden", {10, 10, 10, 10})->visible = false;
    auto *background = engine.create<TBackgroundSprite>();
    background->tiled = true;
    background->x = 5000; // a tiled background always counts, even without a picture
    take();
    engine.render();
    EXPECT_EQ(take(), (Log{"draw rotatingOff", "draw pointIn", "draw plainOn"}));
    EXPECT_EQ(engine.drawCount(), 4);
    background->tiled = false;
    engine.render();
    EXPECT_EQ(engine.drawCount(), 3);
}

TEST_F(SpriteWorld, ClassesHaveTheirCreationValues)
{
    auto *ex = engine.create<TImageSpriteEx>();
    auto *plain = engine.create<TImageSprite>();
    auto *background = engine.create<TBackgroundSprite>();
    auto *base = engine.create<TSprite>();
    EXPECT_NE(dynamic_cast<TImageSprite *>(static_cast<TSprite *>(ex)), nullptr);
    EXPECT_EQ(dynamic_cast<TImageSpriteEx *>(static_cast<TSprite *>(plain)), nullptr);
    EXPECT_EQ(dynamic_cast<TImageSprite *>(static_cast<TSprite *>(background)), nullptr);
    for (TSprite *s : {static_cast<TSprite *>(ex), static_cast<TSprite *>(plain), base}) {
        EXPECT_FALSE(s->dead());
        EXPECT_TRUE(s->collides);
        EXPECT_TRUE(s->moves);
        EXPECT_TRUE(s->visible);
        EXPECT_EQ(s->x, 0);
        EXPECT_EQ(s->y, 0);
        EXPECT_EQ(s->z(), 0);
        EXPECT_EQ(s->width, 0);
        EXPECT_EQ(s->height, 0);
        EXPECT_EQ(&s->engine(), &engine);
    }
    EXPECT_FALSE(background->collides);
    EXPECT_EQ(ex->image, nullptr);
    EXPECT_EQ(ex->frame, 0);
    EXPECT_EQ(ex->frameSpeed, 0);
    EXPECT_EQ(ex->frameCount, 0);
    EXPECT_EQ(ex->frameStart, 0);
    EXPECT_FALSE(ex->frameLoop);
    EXPECT_FALSE(ex->tiled);
    EXPECT_TRUE(ex->transparent);
    EXPECT_EQ(ex->angle, 0);
    EXPECT_EQ(ex->alpha, 255);
    EXPECT_EQ(engine.spriteCount(), 4);
}

TEST_F(SpriteWorld, AnimationStepWrapsOrStops)
{
    auto *looped = engine.create<TImageSprite>();
    looped->frameSpeed = 0.25;
    looped->frameCount = 3;
    looped->frameLoop = true;
    auto *once = engine.create<TImageSprite>();
    once->frameSpeed = 0.25;
    once->frameCount = 3;
    auto *idle = engine.create<TImageSprite>();
    engine.advance(10); // 2.5 frames
    EXPECT_DOUBLE_EQ(looped->frame, 2.5);
    EXPECT_DOUBLE_EQ(once->frame, 2.5);
    engine.advance(4);
    EXPECT_DOUBLE_EQ(looped->frame, 0.5);
    EXPECT_DOUBLE_EQ(once->frame, 2);
    EXPECT_EQ(once->frameSpeed, 0);
    EXPECT_EQ(idle->frame, 0);
}

namespace {

class Failing : public TImageSpriteEx
{
public:
    explicit Failing(TSpriteEngine &engine) : TImageSpriteEx(engine)
    {
        setZ(5);
        throw Error(QStringLiteral("Image 'x' not found"));
    }
};

} // namespace

TEST_F(SpriteWorld, SpritesComeOnlyFromTheEngineAndAFailedOneLeavesNoTrace)
{
    EXPECT_THROW(TSprite stray(engine), Error);
    make("A", {});
    EXPECT_THROW(engine.create<Failing>(), Error);
    EXPECT_EQ(engine.spriteCount(), 1);
    EXPECT_EQ(engine.drawList().size(), 1u);
    auto *b = make("B", {});
    b->move = [&](int) { EXPECT_THROW(engine.create<Failing>(), Error); };
    engine.advance(1);
    EXPECT_EQ(engine.spriteCount(), 2);
    EXPECT_EQ(engine.drawList().size(), 2u);
}
