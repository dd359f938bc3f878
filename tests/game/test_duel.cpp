// Whole duels run by the headless match runner from scripts: the trace shows what happened.

#include "ini.h"
#include "test_match_fixture.h"

#include <QProcess>
#include <QTextStream>
#include <map>

namespace {

// One row of the runner's trace, by column name.
using Row = std::map<QString, QString>;

struct Duel
{
    matchfixture::MatchFolder folder;
    Settings settings;

    Duel(std::array<QString, 3> weapons1, std::array<QString, 3> weapons2)
    {
        folder.writeAll();
        // Sounds of every weapon, the reload included.
        std::vector<SoundRecord> records;
        QStringList names = matchsetup::requiredSoundNames();
        names << "reload";
        for (const QString &n : names)
            records.push_back({n, matchfixture::wav(), QStringLiteral("a.wav")});
        writeSoundCollection(folder.path("p1.zks"), records);
        writeSoundCollection(folder.path("p2.zks"), records);
        settings = folder.settings();
        settings.players[0].weapons = weapons1;
        settings.players[1].weapons = weapons2;
        // Fewer marks keep the trace about the fight.
        settings.options.fly = false;
        settings.options.cur = false;
    }

    // Runs the script on a 400 x 300 arena and returns the trace rows.
    std::vector<Row> run(const QString &script)
    {
        {
            IniFile ini(folder.path("zarkul.ini"));
            writeSettings(ini, settings);
        }
        writeBytes(folder.path("duel.txt"), script.toUtf8());
        QProcess sim;
        sim.setWorkingDirectory(folder.path(""));
        sim.start(QStringLiteral(ZK3_PROGRAM_DIR "/zk3-sim"),
                  {"--settings", folder.path("zarkul.ini"), "--script", folder.path("duel.txt"),
                   "--trace", folder.path("trace.csv"), "--screen", "400x300", "--frame",
                   folder.path("last.png")});
        EXPECT_TRUE(sim.waitForFinished(120000));
        EXPECT_EQ(sim.exitCode(), 0) << sim.readAllStandardError().toStdString();
        QFile file(folder.path("trace.csv"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QTextStream in(&file);
        const QStringList header = in.readLine().split(',');
        std::vector<Row> rows;
        while (!in.atEnd()) {
            const QString line = in.readLine();
            // Only the last column (sounds) can be quoted; it never holds a comma here.
            QStringList fields = line.split(',');
            Row row;
            for (int i = 0; i < header.size() && i < fields.size(); ++i)
                row[header[i]] = fields[i];
            rows.push_back(row);
        }
        return rows;
    }
};

int count(const std::vector<Row> &rows, const QString &sound)
{
    int n = 0;
    for (const Row &r : rows)
        n += int(r.at("sounds").split(';').count(sound));
    return n;
}

} // namespace

TEST(Duel, ArrowsOfPlayerOneKillPlayerTwo)
{
    Duel duel({"Strela", "Strela", "Strela"}, {"Mina", "Mina", "Mina"});
    // Player 1 holds button 1 at ticks of 16 ms; player 2 stays still.
    const std::vector<Row> rows = duel.run("16 1 - x3000\n");
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back().at("matchOver"), "1");
    EXPECT_LT(rows.size(), 3000u); // the match ended, the script did not

    // Life falls only by the arrow's 4 per overlapping move, from 100 to 0 or below.
    int life = 100, hits = 0;
    for (const Row &r : rows) {
        if (r.at("p2life").isEmpty())
            continue; // the tick after the end: the players are gone
        const int now = r.at("p2life").toInt();
        const int lost = life - now;
        EXPECT_GE(lost, 0);
        EXPECT_EQ(lost % 4, 0) << "tick " << r.at("tick").toStdString();
        hits += lost / 4;
        life = now;
        EXPECT_EQ(r.at("p1life"), "100");
    }
    EXPECT_LE(life, 0);
    EXPECT_EQ(hits, count(rows, "WaveList2:hit"));
    EXPECT_EQ(count(rows, "WaveList2:dead"), 1);
    // The first arrow leaves at 175 of the player's clock, then one per 175 while mana lasts.
    int firstFire = -1;
    for (const Row &r : rows)
        if (firstFire < 0 && r.at("sounds").contains("WaveList1:fire"))
            firstFire = r.at("totalTime").toInt();
    EXPECT_EQ(firstFire, 176); // the first tick whose clock reaches 175 (11 x 16)
    EXPECT_GE(count(rows, "WaveList1:fire"), 7);
}

TEST(Duel, EveryWeaponIsHeardWhenItActs)
{
    const struct
    {
        std::array<QString, 3> weapons1, weapons2;
        const char *script;
        QStringList sounds; // each heard at least once
    } duels[] = {
        {{"Štít", "Duch", "Mina"},
         {"Strela", "Strela", "Strela"},
         "16 123 - x200\n",
         {"WaveList1:shield on", "WaveList1:ghost", "WaveList1:mine"}},
        {{"Gulomet", "Plamen", "Slide"},
         {"Strela", "Strela", "Strela"},
         "16 1 - x80\n16 123 - x150\n",
         {"WaveList1:reload", "WaveList1:gun", "WaveList1:flame", "WaveList1:slide"}},
        // The pulse reaches player 2 and drains it; player 2's arrows hurt player 1, who heals.
        {{"Pulz", "Sekera", "Ozdravovanie"},
         {"Strela", "Turbo", "Stop"},
         "16 - 1 x60\n16 123 1 x300\n",
         {"WaveList2:lowpwr", "WaveList1:hit", "WaveList1:cure", "WaveList2:fire"}},
    };
    for (const auto &d : duels) {
        Duel duel(d.weapons1, d.weapons2);
        const std::vector<Row> rows = duel.run(d.script);
        ASSERT_FALSE(rows.empty());
        for (const QString &sound : d.sounds)
            EXPECT_GT(count(rows, sound), 0) << sound.toStdString();
    }
}

TEST(Duel, ShieldTurnsTheArrowsBack)
{
    // Player 2 raises its shield at once, then player 1 shoots into it until it breaks.
    Duel duel({"Strela", "Strela", "Strela"}, {"Štít", "Štít", "Štít"});
    const std::vector<Row> rows = duel.run("16 - 1 x2\n16 1 - x600\n");
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(count(rows, "WaveList2:shield on"), 1);
    bool up = true;
    int turned = 0;
    for (const Row &r : rows) {
        const QStringList sounds = r.at("sounds").split(';');
        turned += int(sounds.count("WaveList2:shield hit"));
        if (sounds.contains("WaveList2:shield off"))
            up = false;
        if (up) {
            // Shielded: turned back or taken by the shield, never a hit with its effects.
            EXPECT_FALSE(sounds.contains("WaveList2:hit")) << r.at("tick").toStdString();
        }
    }
    EXPECT_FALSE(up);
    // 10 strength per arrow turned back, 4 per arrow that reached player 2 shielded.
    EXPECT_GT(turned, 0);
    EXPECT_LE(turned, 11);
    // Turned back, the arrows belong to player 2 and hurt player 1.
    EXPECT_GT(count(rows, "WaveList1:hit"), 0);
}
