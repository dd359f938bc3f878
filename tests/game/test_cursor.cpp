// Cursors: shown at the display's edge while their player is off it.

#include "players.h"
#include "tdorazacka.h"
#include "test_player_fixture.h"
#include "tsipka.h"

using fixture::World;

namespace {

Tsipka *cursorFor(World &w, Tplayer *p)
{
    auto *c = w.game.engine.create<Tsipka>(w.game);
    c->player = p;
    c->image = w.game.pllist1.find("sipka"); // 64 x 32
    c->width = 64;
    c->height = 32;
    c->x = 2;
    c->y = 2;
    return c;
}

} // namespace

TEST(Cursor, FollowsItsPlayerAlongTheEdge)
{
    struct Case
    {
        double px, py;
        double x, y;
        bool visible;
    } cases[] = {
        {-40, 300, 0, 300, true}, {1100, -20, 960, 0, true},  {0, 300, 2, 2, true},
        {500, 300, 2, 2, false},  {500, 800, 500, 736, true}, {-40, 760, 0, 736, true},
        {1024, 300, 2, 2, true}, // on the right edge: not strictly inside
    };
    for (const Case &c : cases) {
        World w;
        w.game.dcr = false;
        Tplayer *p = w.player(c.px, c.py);
        p->angle = 77;
        Tsipka *cursor = cursorFor(w, p);
        cursor->onMove(10);
        EXPECT_EQ(cursor->x, c.x) << c.px << "," << c.py;
        EXPECT_EQ(cursor->y, c.y) << c.px << "," << c.py;
        EXPECT_EQ(cursor->visible, c.visible) << c.px << "," << c.py;
        EXPECT_EQ(cursor->angle, 77);
        EXPECT_EQ(cursor->width, 64);
    }
}

TEST(Cursor, KeepsItsLastPlaceWhileItsPlayerIsOnTheDisplay)
{
    World w;
    w.game.dcr = false;
    Tplayer *p = w.player(-40, 300);
    Tsipka *cursor = cursorFor(w, p);
    cursor->onMove(10);
    p->x = 400;
    p->y = 100;
    cursor->onMove(10);
    EXPECT_EQ(cursor->x, 0);
    EXPECT_EQ(cursor->y, 300);
    EXPECT_FALSE(cursor->visible);
}

TEST(Cursor, DynamicCursorGrowsWithDistanceAndKeepsHalfSize)
{
    struct Case
    {
        double px, py; // the cursor lands at x 0, y py: the distance is -px
        int width, height;
    } cases[] = {
        {-3000, 300, 192, 96},
        {-100, 300, 32, 16},
        {-1500, 300, 96, 48},
        {-1000, 300, 64, 32},
    };
    for (const Case &c : cases) {
        World w;
        Tplayer *p = w.player(c.px, c.py);
        Tsipka *cursor = cursorFor(w, p);
        cursor->onMove(10);
        EXPECT_EQ(cursor->width, c.width) << c.px;
        EXPECT_EQ(cursor->height, c.height) << c.px;
    }
}

TEST(Cursor, NeverCollidesAndWithoutAPlayerDoesNothing)
{
    World w;
    Tsipka *cursor = cursorFor(w, nullptr);
    EXPECT_FALSE(cursor->collides);
    cursor->onMove(10);
    EXPECT_EQ(cursor->x, 2);
}

TEST(SetupSteps, PlayersCursorsAndFinishers)
{
    World w;
    w.game.screenWidth = 1280;
    w.game.screenHeight = 721;
    w.game.stats1 = {150, 120, 1, 2.0};
    w.game.stats2 = {80, 60, -1, 0.4};
    w.game.dor = true;
    QStringList shown;
    auto progress = [&](const QString &text) { shown << text; };
    createPlayers(w.game, "Ann", "Bob", progress);
    createCursors(w.game, progress);
    createFinishers(w.game, progress);
    EXPECT_EQ(shown, (QStringList{"Vytváram Hráča 1...", "Vytváram Hráča 2...", "Vytváram šípky...",
                                  "Vytváram dorážačky..."}));
    Tplayer *a = w.game.player1, *b = w.game.player2;
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->x, 20);
    EXPECT_EQ(a->y, 360);
    EXPECT_EQ(a->angle, 0);
    EXPECT_EQ(b->x, 1160);
    EXPECT_EQ(b->y, 360);
    EXPECT_EQ(b->angle, 128);
    EXPECT_EQ(a->z(), 2);
    EXPECT_EQ(a->playerName, "Ann");
    EXPECT_EQ(b->playerName, "Bob");
    EXPECT_EQ(a->keys, &w.game.input);
    EXPECT_EQ(b->keys, &w.game.input1);
    EXPECT_EQ(a->images, &w.game.pllist1);
    EXPECT_EQ(b->sounds, &w.game.WaveList2);
    EXPECT_EQ(a->life, 120);
    EXPECT_EQ(a->mana, 150);
    EXPECT_EQ(b->stats.resist, -1);
    EXPECT_EQ(a->image->name(), "telo0");
    EXPECT_EQ(a->width, 40);
    EXPECT_EQ(a->weapon1, 0);
    ASSERT_TRUE(w.game.cursor1 && w.game.cursor2);
    EXPECT_EQ(w.game.cursor2->player, b);
    EXPECT_EQ(w.game.cursor1->z(), 20);
    EXPECT_EQ(w.game.cursor1->x, 2);
    EXPECT_EQ(w.game.cursor1->width, 64);
    std::vector<Tplayer *> targets;
    for (TSprite *s : w.game.engine.sprites())
        if (auto *f = dynamic_cast<Tdorazacka *>(s)) {
            targets.push_back(f->target);
            EXPECT_EQ(f->energy, Tdorazacka::endless);
            EXPECT_EQ(f->z(), 2);
            EXPECT_EQ(f->image->name(), "doraz");
            EXPECT_EQ(QPointF(f->x, f->y), QPointF(2, 2));
        }
    EXPECT_EQ(targets, (std::vector<Tplayer *>{a, b}));
}

TEST(SetupSteps, OptionsOffCreateNoCursorsOrFinishersAndMissingDorazFails)
{
    World w;
    w.game.cur = false;
    createPlayers(w.game, "", "");
    createCursors(w.game);
    createFinishers(w.game);
    EXPECT_EQ(w.game.cursor1, nullptr);
    EXPECT_EQ(w.count<Tsipka>() + w.count<Tdorazacka>(), 0);
    w.game.dor = true;
    w.game.sys.clear();
    EXPECT_THROW(createFinishers(w.game), Error);
}
