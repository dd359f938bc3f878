// The game loop: move counts, the protected tick, the counter panel, bullet time and its
// schedule, and the end of a match.
#include "test_match_fixture.h"

#include "error.h"
#include "sprites.h"

#include <QPainter>

using namespace matchfixture;

namespace {

// Remembers the move counts it receives; throws from its move when told to.
class Probe : public TSprite
{
public:
    explicit Probe(TSpriteEngine &engine) : TSprite(engine) {}
    void onMove(int moveCount) override
    {
        if (fail)
            throw Error(QStringLiteral("probe"));
        moves.push_back(moveCount);
    }
    std::vector<int> moves;
    bool fail = false;
};

// A world with a background, the bullet-time pictures and a label, as setup leaves it with
// `bul` on (entries named so the tests can tell them apart).
class LoopTest : public testing::Test
{
protected:
    void SetUp() override
    {
        gs.engine.setSurfaceSize(QSize(320, 200));
        for (const char *name : {"back", "white", "0.8", "0.6", "0.4", "0.2"})
            gs.sys.append(
                std::make_shared<const ImageEntry>(QLatin1String(name), picture(16, 16, Qt::gray)));
        gs.backgroundImage = gs.sys.entry(0);
        gs.background = gs.engine.create<TBackgroundSprite>();
        gs.background->image = gs.backgroundImage;
        gs.background->setZ(-2);
        gs.bulletLabel = gs.engine.create<TImageSprite>();
        gs.bulletLabel->visible = false;
        gs.bul = true;
        probe = gs.engine.create<Probe>();
        host.drawing = true;
    }
    QString shown() const { return gs.background->image->name(); }

    GameState gs;
    RecordingHost host;
    Probe *probe = nullptr;
};

} // namespace

TEST_F(LoopTest, MoveCountIsLagDivTimeDivisor)
{
    gs.timeDivisor = 6;
    for (int lag = 1; lag <= 5; ++lag)
        EXPECT_EQ(tick(gs, host, lag), 0);
    EXPECT_EQ(tick(gs, host, 6), 1);
    EXPECT_EQ(tick(gs, host, 17), 2);
    gs.timeDivisor = 4; // three wheel-down steps
    EXPECT_EQ(tick(gs, host, 3150), 787);
    EXPECT_EQ(probe->moves, std::vector<int>({0, 0, 0, 0, 0, 1, 2, 787}));
    EXPECT_EQ(gs.totalTime, 15 + 6 + 17 + 3150);
    EXPECT_EQ(host.presented, 8);
}

TEST_F(LoopTest, BulletTimeScheduleAfterAHit)
{
    gs.totalTime = 1000;
    boolettime(gs);
    EXPECT_TRUE(gs.bulletActive);
    EXPECT_EQ(gs.bulletStart, 1000);
    EXPECT_EQ(gs.timeDivisor, 6);
    EXPECT_EQ(shown(), "white");
    EXPECT_TRUE(gs.bulletLabel->visible);

    struct Step
    {
        int at; // totalTime - bulletStart after the tick
        const char *picture;
        int divisor;
    };
    const Step steps[] = {{15, "0.8", 6}, {30, "0.6", 6},   {45, "0.4", 6},
                          {70, "0.2", 6}, {4999, "0.2", 6}, {5003, "back", 1}};
    int now = 0;
    for (const Step &s : steps) {
        tick(gs, host, s.at - now);
        now = s.at;
        EXPECT_EQ(shown(), s.picture) << s.at;
        EXPECT_EQ(gs.timeDivisor, s.divisor) << s.at;
    }
    EXPECT_FALSE(gs.bulletActive);
    EXPECT_FALSE(gs.bulletLabel->visible);
    // The tick that ends bullet time already moves at full speed.
    EXPECT_EQ(probe->moves.back(), 4);
}

TEST_F(LoopTest, BulletTimeBoundaries)
{
    struct Case
    {
        int a;
        const char *picture;
        bool active;
    };
    const Case cases[] = {{-5, "white", true},    {0, "0.8", true},      {20, "0.8", true},
                          {21, "0.6", true},      {40, "0.6", true},     {41, "0.4", true},
                          {60, "0.4", true},      {61, "0.2", true},     {80, "0.2", true},
                          {81, "white", true},    {4999, "white", true}, {5000, "back", false},
                          {900000, "back", false}};
    for (const Case &c : cases) {
        gs.bulletActive = false;
        gs.totalTime = 10000;
        boolettime(gs);
        gs.totalTime = 10000 + c.a;
        bulletSchedule(gs);
        EXPECT_EQ(shown(), c.picture) << c.a; // 81..4999 and below 0 leave what was shown
        EXPECT_EQ(gs.bulletActive, c.active) << c.a;
        EXPECT_EQ(gs.timeDivisor, c.active ? 6 : 1) << c.a;
    }
}

TEST_F(LoopTest, BulletTimeStartsOnlyWhenAllowedAndNeverRestarts)
{
    gs.totalTime = 100;
    boolettime(gs);
    gs.totalTime = 300;
    boolettime(gs); // a second hit changes nothing
    EXPECT_EQ(gs.bulletStart, 100);

    GameState off;
    off.bul = false;
    boolettime(off);
    EXPECT_FALSE(off.bulletActive);

    GameState desktop;
    desktop.bul = true;
    desktop.desktopMode = true;
    boolettime(desktop);
    EXPECT_FALSE(desktop.bulletActive);
    EXPECT_EQ(desktop.timeDivisor, 1);
}

TEST_F(LoopTest, FailingSpriteEndsOnlyItsTick)
{
    Probe *after = gs.engine.create<Probe>();
    probe->fail = true;
    tick(gs, host, 16);
    EXPECT_TRUE(gs.tickFailed);
    EXPECT_TRUE(after->moves.empty()); // sprites after the failing one do not move
    EXPECT_EQ(host.presented, 0);      // nor is anything drawn or shown
    EXPECT_EQ(gs.totalTime, 16);

    probe->fail = false;
    tick(gs, host, 16);
    EXPECT_EQ(after->moves, std::vector<int>({16}));
    EXPECT_EQ(host.presented, 1);
    EXPECT_TRUE(gs.tickFailed); // reported by the first counter panel, none drawn yet
    EXPECT_TRUE(gs.warningText.isEmpty());

    gs.fps = true;
    tick(gs, host, 16);
    EXPECT_FALSE(gs.tickFailed);
    EXPECT_EQ(gs.warningText, "Warning");
    // The panel's last line is drawn: white text on black at the left edge from y 120.
    const QImage &frame = gs.engine.surface();
    bool white = false;
    for (int y = 120; y < 140 && !white; ++y)
        for (int x = 0; x < 60 && !white; ++x)
            white = frame.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_TRUE(white);
    tick(gs, host, 16);
    EXPECT_EQ(gs.warningText, "Warning"); // never cleared
}

TEST_F(LoopTest, CounterPanelLines)
{
    gs.lastMoveCount = 3;
    QImage canvasImage(400, 200, QImage::Format_ARGB32_Premultiplied);
    canvasImage.fill(Qt::darkGreen);
    QPainter p(&canvasImage);
    drawCounters(gs, p, 61, 17);
    p.end();
    // Lines at y 0, 24, ... 96 are drawn on black boxes at the left edge; nothing at 120
    // without a warning.
    const auto boxAt = [&canvasImage](int y) {
        int black = 0;
        for (int yy = y; yy < y + 14; ++yy)
            for (int x = 0; x < 30; ++x)
                black += canvasImage.pixel(x, yy) == qRgb(0, 0, 0);
        return black > 30;
    };
    for (int y : {0, 24, 48, 72, 96})
        EXPECT_TRUE(boxAt(y)) << y;
    EXPECT_FALSE(boxAt(120));
    EXPECT_EQ(canvasImage.pixel(1, 124), QColor(Qt::darkGreen).rgb());
}

TEST_F(LoopTest, SurfaceNotReadyStillCountsTime)
{
    host.drawing = false;
    boolettime(gs);
    tick(gs, host, 6000);
    EXPECT_EQ(gs.totalTime, 6000);
    EXPECT_TRUE(probe->moves.empty());
    EXPECT_TRUE(gs.bulletActive); // the schedule runs only on ticks that draw
    host.drawing = true;
    tick(gs, host, 1);
    EXPECT_FALSE(gs.bulletActive);
}

TEST_F(LoopTest, MatchOverEndsTheMatchAtTheNextTick)
{
    gs.matchOver = true;
    tick(gs, host, 16);
    EXPECT_EQ(gs.engine.spriteCount(), 0);
    EXPECT_EQ(gs.background, nullptr);
    EXPECT_EQ(gs.bulletLabel, nullptr);
    EXPECT_EQ(host.waits, QList<int>({1000}));
    EXPECT_EQ(host.progress, QStringList({"Prosím čakajte..."}));
    EXPECT_EQ(host.calls, QStringList({"stopTimer", "leaveMatchMode", "hideProgress"}));
    EXPECT_EQ(host.presented, 1); // the final frame
}

TEST_F(LoopTest, EndWithoutDrawingSurfaceDoesNotWait)
{
    host.drawing = false;
    endMatch(gs, host);
    EXPECT_TRUE(host.waits.isEmpty());
    EXPECT_EQ(gs.engine.spriteCount(), 0);
}
