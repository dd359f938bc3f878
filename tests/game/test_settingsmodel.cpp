// The settings model and the skill rules, without a window.
#include "ini.h"
#include "settingsfile.h"
#include "skills.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(StatsFromSkills, FormulasAndHalfEvenRounding)
{
    struct Case
    {
        Skills skills;
        int mana, life, resist;
        double speed;
    };
    const Case cases[] = {
        {{75, 100, 50, 25}, 100, 100, 0, 1.0}, // the default allocation equals defaultStats
        {{10, 10, 10, 10}, 10, 15, -1, 0.4},
        {{10, 10, 25, 10}, 10, 22, -1, 0.4}, // 0.5 rounds to 0
        {{10, 10, 26, 10}, 10, 23, 0, 0.4},
        {{10, 10, 75, 10}, 10, 47, 1, 0.4},  // 1.5 rounds to 2
        {{10, 10, 125, 10}, 10, 72, 1, 0.4}, // 2.5 rounds to 2
        {{10, 10, 126, 10}, 10, 73, 2, 0.4},
        {{10, 10, 175, 10}, 10, 97, 3, 0.4}, // 3.5 rounds to 4
        {{10, 10, 220, 10}, 10, 120, 3, 0.4},
        {{220, 10, 10, 10}, 10, 225, -1, 0.4},
        {{10, 10, 10, 220}, 10, 15, -1, 8.8},
    };
    for (const Case &c : cases) {
        const Tstats s = statsFromSkills(c.skills);
        SCOPED_TRACE(testing::Message() << "odl " << c.skills.odl << " ziv " << c.skills.ziv);
        EXPECT_EQ(s.mana, c.mana);
        EXPECT_EQ(s.life, c.life);
        EXPECT_EQ(s.resist, c.resist);
        EXPECT_DOUBLE_EQ(s.speed, c.speed);
    }
}

class SettingsFileTest : public testing::Test
{
protected:
    QString path() const { return dir.filePath(QStringLiteral("zarkul.ini")); }
    void write(const QByteArray &bytes) { writeBytes(path(), bytes); }
    QTemporaryDir dir;
};

TEST_F(SettingsFileTest, MissingKeysTakeTheReadDefaults)
{
    write("[Settings]\nkillers=0\n");
    const Settings s = readSettings(IniFile(path()));
    EXPECT_EQ(s.players[0].name, "Hrac1");
    EXPECT_EQ(s.players[1].name, "Hrac2");
    for (const PlayerSettings &p : s.players) {
        for (const QString &w : p.weapons)
            EXPECT_EQ(w, "Strela");
        EXPECT_EQ(p.skills.ziv, 10);
        EXPECT_EQ(p.skills.spel, 10);
        EXPECT_EQ(p.skills.odl, 10);
        EXPECT_EQ(p.skills.spd, 10);
        EXPECT_EQ(p.sound, "sound.zks");
    }
    EXPECT_EQ(s.players[0].image, "blue.zki");
    EXPECT_EQ(s.players[1].image, "green.zki");
    EXPECT_EQ(s.env, "zem.env");
    EXPECT_FALSE(s.options.dor);
    EXPECT_TRUE(s.options.nam); // design default off, read default on
    EXPECT_TRUE(s.options.bul);
}

TEST_F(SettingsFileTest, BooleansReadAsIntegersAndWordsAsMissing)
{
    write("[Settings]\nkillers=1\nname=0\ncursors=yes\nfps=2\nstatus=\nSKILLS=0\n");
    const Options o = readSettings(IniFile(path())).options;
    EXPECT_TRUE(o.dor);
    EXPECT_FALSE(o.nam);
    EXPECT_TRUE(o.cur); // a word counts as missing: on
    EXPECT_TRUE(o.fps);
    EXPECT_TRUE(o.hlt);
    EXPECT_FALSE(o.ski); // keys match without regard to case
}

TEST_F(SettingsFileTest, FreshFileGetsAllKeysInOrder)
{
    IniFile ini(path());
    Settings s = firstRunSettings(QStringLiteral("/p/"));
    s.players[0].name = QStringLiteral("Ľudo Šťastný");
    writeSettings(ini, s);

    const IniFile back(path());
    EXPECT_EQ(back.sections(), (QStringList{"Hrac1", "Hrac2", "Settings"}));
    const QStringList player{"meno",  "zbran1", "zbran2", "zbran3", "image",
                             "sound", "slive",  "sspeed", "sspell", "sres"};
    EXPECT_EQ(back.keys("Hrac1"), player);
    EXPECT_EQ(back.keys("Hrac2"), player);
    EXPECT_EQ(
        back.keys("Settings"),
        (QStringList{"killers", "name", "cursors", "fps", "status", "blood", "explosion",
                     "flyeffect", "sound", "collision", "Skills", "Dynamic", "Bullet", "env"}));

    const Settings r = readSettings(back);
    EXPECT_EQ(r.players[0].name, "Ľudo Šťastný");
    EXPECT_EQ(r.players[1].weapons[1], "Strela");
    EXPECT_EQ(r.players[0].image, "/p/blue.zki");
    EXPECT_EQ(r.players[1].sound, "/p/sound.zks");
    EXPECT_EQ(r.players[0].skills.spel, 100);
    EXPECT_EQ(r.players[0].skills.spd, 25);
    EXPECT_EQ(r.env, "/p/zem.env");
    EXPECT_FALSE(r.options.dor);
    EXPECT_TRUE(r.options.plc);
}
