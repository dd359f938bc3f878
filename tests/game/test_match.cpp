// Match setup: the order of its steps, the collection test, the environment block, the
// background and bullet-time pictures, desktop mode, and what a failure leaves behind.
#include "test_match_fixture.h"

#include "error.h"
#include "tplayer.h"
#include "tsipka.h"

using namespace matchfixture;

namespace {

class MatchSetupTest : public testing::Test
{
protected:
    void SetUp() override { files.writeAll(); }

    bool start()
    {
        MatchFolder::loadPlayers(gs, settings);
        return setupMatch(gs, settings, host);
    }

    MatchFolder files;
    Settings settings = files.settings();
    GameState gs;
    RecordingHost host;
};

QRgb pixelOf(const ImagePtr &entry)
{
    return entry->picture().pixel(5, 5);
}

} // namespace

TEST_F(MatchSetupTest, StepsInOrderWithTheirTexts)
{
    settings.options.bul = true;
    settings.options.dor = true;
    ASSERT_TRUE(start());
    const QStringList expected{"Testujem kolekcie...",
                               "Vytváram pozadie...",
                               "Vytváram sekvenciu boolet time... 0%",
                               "Vytváram sekvenciu boolet time... 20%",
                               "Vytváram sekvenciu boolet time... 40%",
                               "Vytváram sekvenciu boolet time... 60%",
                               "Vytváram sekvenciu boolet time... 80%",
                               "Vytváram sekvenciu boolet time... 100%",
                               "Vytváram prostredie...",
                               "Vytváram Hráča 1...",
                               "Vytváram Hráča 2...",
                               "Vytváram šípky...",
                               "Vytváram dorážačky...",
                               "Inicializujem zbrane...",
                               "Upravujem formulár...",
                               "Inicializujem rozhranie DirectX (DxDraw)...",
                               "Hotovo.",
                               "*3*",
                               "*2*",
                               "*1*",
                               "*Štart*"};
    EXPECT_EQ(host.progress, expected);
    EXPECT_EQ(host.waits, QList<int>({1000, 1000, 1000, 100}));
    EXPECT_EQ(host.calls, QStringList({"enterMatchMode", "startDrawing", "hideProgress"}));
    EXPECT_GE(host.presented, 1); // the arena is shown behind the countdown
    EXPECT_TRUE(host.messages.isEmpty());

    // The world: background, label, two players, two cursors, two finishers.
    EXPECT_EQ(gs.engine.spriteCount(), 8);
    ASSERT_TRUE(gs.background && gs.player1 && gs.player2 && gs.cursor1 && gs.cursor2);
    EXPECT_EQ(gs.background->z(), -2);
    EXPECT_TRUE(gs.background->tiled);
    EXPECT_FALSE(gs.background->collides);
    EXPECT_EQ(gs.background->image->name(), "back");
    EXPECT_EQ(gs.player1->playerName, "Modrý");
    EXPECT_EQ(gs.player2->playerName, "Zelený");
    EXPECT_EQ(gs.player2->x, 1024 - 120);
    EXPECT_EQ(std::vector<int>({gs.player1->weapon1, gs.player1->weapon2, gs.player1->weapon3}),
              std::vector<int>({1, 2, 3})); // Strela, Mina, Duch
    EXPECT_EQ(gs.engine.surface().size(), QSize(1024, 768));
}

TEST_F(MatchSetupTest, CollectionTestAndEnvironmentFailures)
{
    struct Case
    {
        const char *name;
        std::function<void(MatchFolder &, Settings &)> change;
        QString message; // empty: the match starts
    };
    const QString collection = matchsetup::collectionFailed;
    const QString environment = matchsetup::environmentFailed;
    const std::vector<Case> cases{
        // Every name is tested, whatever the players chose.
        {"no gun",
         [](MatchFolder &f, Settings &) { f.writePlayerImages("blue.zki", Qt::blue, {"gun"}); },
         collection},
        {"player 2 without pulz",
         [](MatchFolder &f, Settings &) { f.writePlayerImages("green.zki", Qt::green, {"pulz"}); },
         collection},
        {"no water with sound on",
         [](MatchFolder &f, Settings &) { f.writePlayerSounds("p2.zks", {"water"}); }, collection},
        {"no water with sound off",
         [](MatchFolder &f, Settings &s) {
             f.writePlayerSounds("p2.zks", {"water"});
             s.options.snd = false;
         },
         {}},
        {"environment file missing", [](MatchFolder &, Settings &s) { s.env = "nowhere.env"; },
         collection},
        {"no source", [](MatchFolder &f, Settings &) { f.writeEnvironment("sound=arena.zks\n"); },
         environment},
        {"no sound", [](MatchFolder &f, Settings &) { f.writeEnvironment("source=arena.zki\n"); },
         environment},
        {"back names a missing picture",
         [](MatchFolder &f, Settings &) {
             f.writeEnvironment("source=arena.zki\nsound=arena.zks\nback=sky\n");
         },
         environment},
        {"no back key uses back",
         [](MatchFolder &f, Settings &) {
             f.writeEnvironment("source=arena.zki\nsound=arena.zks\n");
         },
         {}},
        {"bullet time without Blabel",
         [](MatchFolder &f, Settings &s) {
             f.writeEnvironmentCollections({"Blabel"});
             s.options.bul = true;
         },
         environment},
        {"no Blabel without bullet time",
         [](MatchFolder &f, Settings &) { f.writeEnvironmentCollections({"Blabel"}); },
         {}},
        {"source not a collection",
         [](MatchFolder &f, Settings &) { writeBytes(f.path("arena.zki"), "not a zip"); },
         environment},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MatchFolder folder;
        folder.writeAll();
        Settings s = folder.settings();
        c.change(folder, s);
        GameState state;
        RecordingHost h;
        MatchFolder::loadPlayers(state, s);
        const bool started = setupMatch(state, s, h);
        EXPECT_EQ(started, c.message.isEmpty());
        if (c.message.isEmpty())
            continue;
        EXPECT_EQ(h.messages, QStringList({c.message}));
        // Nothing of the failed match is left, and the window never left its settings mode.
        EXPECT_EQ(state.engine.spriteCount(), 0);
        EXPECT_EQ(state.player1, nullptr);
        EXPECT_EQ(state.background, nullptr);
        EXPECT_EQ(h.calls, QStringList({"hideProgress"}));
        EXPECT_EQ(h.progress.first(), "Testujem kolekcie...");
        EXPECT_EQ(h.progress.contains("Vytváram pozadie..."), c.message == environment);
    }
}

TEST_F(MatchSetupTest, BulletTimePicturesAndLabel)
{
    settings.options.bul = true;
    ASSERT_TRUE(start());
    const int count = gs.sys.count();
    ASSERT_EQ(count, 6 + 5); // the environment's pictures, then the five
    EXPECT_EQ(pixelOf(gs.sys.entry(count - 5)), qRgb(255, 255, 255));
    EXPECT_EQ(pixelOf(gs.sys.entry(count - 4)), qRgb(224, 234, 244));
    EXPECT_EQ(pixelOf(gs.sys.entry(count - 1)), qRgb(131, 171, 211));
    EXPECT_EQ(gs.sys.entry(count - 1)->picture().size(), QSize(64, 48));
    ASSERT_NE(gs.bulletLabel, nullptr);
    EXPECT_FALSE(gs.bulletLabel->visible);
    EXPECT_EQ(gs.bulletLabel->z(), 2);
    EXPECT_EQ(gs.bulletLabel->x, (1024 - 40) / 2.0);
    EXPECT_EQ(gs.bulletLabel->y, (768 - 20) / 2.0);

    // The next start reloads sys first, so the five are again its last entries.
    clearMatch(gs);
    RecordingHost again;
    ASSERT_TRUE(setupMatch(gs, settings, again));
    EXPECT_EQ(gs.sys.count(), 11);
}

TEST_F(MatchSetupTest, DesktopModeShowsTheScreenAndBuildsNoBulletTime)
{
    settings.options.bul = true;
    gs.desktopMode = true;
    gs.screenWidth = 320;
    gs.screenHeight = 200;
    ASSERT_TRUE(start());
    EXPECT_TRUE(host.calls.contains("grabScreen"));
    EXPECT_EQ(gs.sys.count(), 6);
    EXPECT_EQ(gs.bulletLabel, nullptr);
    const QImage &back = gs.background->image->picture();
    EXPECT_EQ(back.size(), QSize(320, 200)); // screen size, although "back" is 64 x 48
    EXPECT_EQ(back.pixel(10, 10), qRgb(255, 255, 0));
    boolettime(gs);
    EXPECT_FALSE(gs.bulletActive);
}

TEST_F(MatchSetupTest, BulletTimeDoesNotCarryOverButTheWheelDoes)
{
    gs.bulletActive = true;
    gs.timeDivisor = 6;
    ASSERT_TRUE(start());
    EXPECT_FALSE(gs.bulletActive);
    EXPECT_EQ(gs.timeDivisor, 1);

    clearMatch(gs);
    gs.timeDivisor = 4; // three wheel-down steps in the settings window
    RecordingHost again;
    ASSERT_TRUE(setupMatch(gs, settings, again));
    EXPECT_EQ(gs.timeDivisor, 4);
}

TEST_F(MatchSetupTest, LaterFailureEmptiesTheWorldAndRethrows)
{
    settings.options.dor = true;
    files.writeEnvironmentCollections({"doraz"});
    MatchFolder::loadPlayers(gs, settings);
    EXPECT_THROW(setupMatch(gs, settings, host), Error);
    EXPECT_EQ(gs.engine.spriteCount(), 0);
    EXPECT_EQ(gs.player1, nullptr);
    EXPECT_TRUE(host.calls.contains("hideProgress"));

    // A second start with a usable environment works.
    files.writeEnvironmentCollections();
    RecordingHost again;
    EXPECT_TRUE(setupMatch(gs, settings, again));
    EXPECT_NE(gs.player1, nullptr);
}

TEST_F(MatchSetupTest, StatsFromSkillsOnlyWithExtendedSkills)
{
    settings.players[0].skills = {220, 10, 10, 10};
    ASSERT_TRUE(start());
    EXPECT_EQ(gs.player1->stats.life, 100); // ski off: the default stats

    clearMatch(gs);
    settings.options.ski = true;
    RecordingHost again;
    ASSERT_TRUE(setupMatch(gs, settings, again));
    EXPECT_EQ(gs.player1->stats.life, 225);
    EXPECT_EQ(gs.player1->life, 225);
    EXPECT_EQ(gs.player2->stats.life, 15);
}
