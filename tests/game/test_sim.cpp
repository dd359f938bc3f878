// Scripted matches through the headless runner zk3-sim: the trace, repeatability, the wheel,
// setup failures and script errors.
#include "test_match_fixture.h"

#include "ini.h"

#include <QProcess>

using namespace matchfixture;

namespace {

struct SimRun
{
    int exitCode = -1;
    QString errors;
    QStringList trace; // lines
    QByteArray traceBytes;
};

class SimTest : public testing::Test
{
protected:
    void SetUp() override
    {
        files.writeAll();
        writeSettings(files.settings());
    }
    void writeSettings(const Settings &s)
    {
        QFile::remove(files.path("zarkul.ini"));
        IniFile ini(files.path("zarkul.ini"));
        ::writeSettings(ini, s);
    }
    SimRun run(const QByteArray &script, QStringList extra = {})
    {
        writeBytes(files.path("match.txt"), script);
        QFile::remove(files.path("trace.csv"));
        QProcess p;
        p.setWorkingDirectory(files.path(""));
        p.start(QStringLiteral(ZK3_PROGRAM_DIR "/zk3-sim"),
                QStringList{"--settings", "zarkul.ini", "--script", "match.txt", "--trace",
                            "trace.csv"} +
                    extra);
        EXPECT_TRUE(p.waitForFinished(60000));
        SimRun r;
        r.exitCode = p.exitCode();
        r.errors = QString::fromUtf8(p.readAllStandardError());
        QFile t(files.path("trace.csv"));
        if (t.open(QIODevice::ReadOnly)) {
            r.traceBytes = t.readAll();
            r.trace = QString::fromUtf8(r.traceBytes).split('\n', Qt::SkipEmptyParts);
        }
        return r;
    }
    // Field `name` of trace line `row` (1 = the first tick).
    static QString field(const SimRun &r, int row, const QString &name)
    {
        const int column = r.trace.first().split(',').indexOf(name);
        EXPECT_GE(column, 0) << qPrintable(name);
        return r.trace.at(row).split(',').value(column);
    }

    MatchFolder files;
};

} // namespace

TEST_F(SimTest, PlayerOneFliesRightAndTheRunRepeatsExactly)
{
    const QByteArray script = "# player 1 thrusts, player 2 turns\n"
                              "3200 - -\n"
                              "16 U L x40\n"
                              "16 - - x5  # coasting\n";
    const SimRun first = run(script, {"--frame", "last.png", "--seed", "7"});
    ASSERT_EQ(first.exitCode, 0) << qPrintable(first.errors);
    ASSERT_EQ(first.trace.size(), 1 + 46);
    EXPECT_EQ(first.trace.first(),
              "tick,totalTime,lag,moveCount,timeDivisor,bulletActive,sprites,shots,marks,"
              "p1x,p1y,p1angle,p1vx,p1vy,p1life,p1mana,p1shield,p1ammo,p1image,"
              "p2x,p2y,p2angle,p2vx,p2vy,p2life,p2mana,p2shield,p2ammo,p2image,matchOver,sounds");
    EXPECT_EQ(field(first, 1, "totalTime"), "3200");
    EXPECT_EQ(field(first, 1, "moveCount"), "3200");
    EXPECT_EQ(field(first, 1, "p1x"), "20.0000"); // the start position: nothing held yet
    EXPECT_EQ(field(first, 1, "p1image"), "telo0");
    EXPECT_EQ(field(first, 1, "p1y"), "384.0000");
    EXPECT_GT(field(first, 46, "p1x").toDouble(), field(first, 2, "p1x").toDouble() + 50);
    EXPECT_EQ(field(first, 46, "p1angle"), "0");
    EXPECT_NE(field(first, 46, "p2angle"), "128"); // player 2 turned
    EXPECT_EQ(field(first, 46, "matchOver"), "0");
    EXPECT_TRUE(QImage(files.path("last.png")).size() == QSize(1024, 768));

    const QByteArray firstFrame = [&] {
        QFile f(files.path("last.png"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const SimRun second = run(script, {"--frame", "last.png", "--seed", "7"});
    EXPECT_EQ(second.traceBytes, first.traceBytes);
    QFile f(files.path("last.png"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), firstFrame);
}

TEST_F(SimTest, WheelScreenAndFrames)
{
    const SimRun r = run("wheel -1 x3\n400 - -\nwheel +1\n400 - - x2\n",
                         {"--screen", "640x480", "--frames", "frames", "--every", "2"});
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.errors);
    EXPECT_EQ(field(r, 1, "timeDivisor"), "4");
    EXPECT_EQ(field(r, 1, "moveCount"), "100");
    EXPECT_EQ(field(r, 2, "moveCount"), "133"); // divisor 3 after one step up
    EXPECT_EQ(field(r, 1, "p2x"), "520.0000");  // screen width - 120
    EXPECT_EQ(QDir(files.path("frames")).entryList({"*.png"}), QStringList({"frame000002.png"}));
}

TEST_F(SimTest, SetupFailuresPrintTheMessage)
{
    files.writePlayerImages("green.zki", Qt::green, {"gun"});
    SimRun r = run("16 - -\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.errors.trimmed().toStdString(), matchsetup::collectionFailed.toStdString());

    files.writePlayerImages("green.zki", Qt::green);
    files.writeEnvironment("source=arena.zki\nsound=arena.zks\nback=nothing\n");
    r = run("16 - -\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.errors.trimmed().toStdString(), matchsetup::environmentFailed.toStdString());

    // --env overrides the settings file's environment.
    files.writeEnvironment("source=arena.zki\nsound=arena.zks\n");
    QFile::rename(files.path("arena.env"), files.path("other.env"));
    r = run("16 - -\n", {"--env", "other.env"});
    EXPECT_EQ(r.exitCode, 0) << qPrintable(r.errors);
}

TEST_F(SimTest, ScriptErrorsNameTheLine)
{
    const struct
    {
        QByteArray script;
        const char *says;
    } cases[] = {
        {"16 - -\n16 X -\n", "line 2"}, {"sixteen - -\n", "line 1"}, {"16 - - x0\n", "line 1"},
        {"16 -\n", "line 1"},           {"wheel 2\n", "line 1"},     {"-5 - -\n", "line 1"},
    };
    for (const auto &c : cases) {
        const SimRun r = run(c.script);
        EXPECT_EQ(r.exitCode, 2) << c.script.constData();
        EXPECT_TRUE(r.errors.contains(QLatin1String(c.says))) << qPrintable(r.errors);
    }
    EXPECT_EQ(run("", {"--bogus", "1"}).exitCode, 2);
}

TEST_F(SimTest, MatchEndsAtTheTickAfterADeath)
{
    Settings s = files.settings();
    s.players[0].weapons = {"Strela", "Strela", "Strela"};
    writeSettings(s);
    const SimRun r = run("3200 - -\n16 1 - x5000\n");
    ASSERT_EQ(r.exitCode, 0) << qPrintable(r.errors);
    const int last = r.trace.size() - 1;
    ASSERT_LT(last, 5001) << "player 2 never died";
    // The death tick completes and plays the sounds; the next tick ends the match and the run.
    EXPECT_EQ(field(r, last - 1, "matchOver"), "1");
    EXPECT_LE(field(r, last - 1, "p2life").toInt(), 0);
    EXPECT_TRUE(field(r, last - 1, "sounds").contains("WaveList2:dead"));
    EXPECT_TRUE(field(r, 2, "sounds").startsWith("WaveList1:fire"));
    EXPECT_EQ(field(r, last, "sprites"), "0");
    EXPECT_EQ(field(r, last, "p1x"), "");
}
