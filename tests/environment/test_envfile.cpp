#include "envfile.h"
#include "error.h"
#include "ini.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class EnvFileTest : public testing::Test
{
protected:
    QString put(const QByteArray &bytes, const QString &name = QStringLiteral("t.env")) const
    {
        writeBytes(dir.filePath(name), bytes);
        return dir.filePath(name);
    }

    QTemporaryDir dir;
};

TEST_F(EnvFileTest, NumberingStopsAtTheFirstSpriteWithoutImage)
{
    const struct
    {
        const char *label;
        QByteArray text;
        int count;
    } cases[] = {
        {"sprite3 lacks image",
         "[sprite1]\nimage=a\n[sprite2]\nimage=b\n[sprite3]\nx=5\n[sprite4]\nimage=d\n", 2},
        {"sprite3 has an empty image",
         "[sprite1]\nimage=a\n[sprite2]\nimage=b\n[sprite3]\nimage=\n[sprite4]\nimage=d\n", 2},
        {"no sprite1", "[ZK3 enviroment]\nname=n\n[sprite2]\nimage=b\n", 0},
        {"leading zeros are other sections", "[sprite01]\nimage=a\n", 0},
        {"case of section names", "[SPRITE1]\nImage=a\n[Sprite2]\nIMAGE=b\n", 2},
    };
    for (const auto &c : cases) {
        const IniFile ini(put(c.text));
        EXPECT_EQ(int(readEnvObjects(ini).size()), c.count) << c.label;
    }
}

TEST_F(EnvFileTest, FunctSectionsBelongToTheirSprite)
{
    const IniFile ini(put("[sprite1]\nimage=a\n[funct1]\n\n[funct2]\natack=3\n"
                          "[sprite3]\nimage=c\n[funct3]\natack=2\n"));
    const std::vector<EnvObject> objects = readEnvObjects(ini);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_FALSE(objects[0].funct.has_value());      // a header with no keys counts as absent
    EXPECT_FALSE(readEnvObject(ini, 2).has_value()); // funct2 without sprite2 is never read
}

TEST_F(EnvFileTest, DefaultsOfAbsentKeys)
{
    const IniFile ini(put("[sprite1]\nimage=rock\n[funct1]\nimg=arrow\n"));
    const EnvObject o = readEnvObjects(ini).at(0);
    EnvSprite sprite;
    sprite.image = QStringLiteral("rock");
    EXPECT_EQ(o.sprite, sprite);
    EXPECT_EQ(o.sprite.alpha, 256);
    EXPECT_EQ(o.sprite.z, 2);
    EXPECT_FALSE(o.sprite.width.has_value());
    ASSERT_TRUE(o.funct.has_value());
    EnvFunct funct;
    funct.img = QStringLiteral("arrow");
    EXPECT_EQ(*o.funct, funct);
    // Absent booleans of a funct section read as true, an absent atack as 1.
    EXPECT_EQ(o.funct->active, 1);
    EXPECT_EQ(o.funct->rotmain, 1);
    EXPECT_EQ(o.funct->atack, 1);
}

TEST_F(EnvFileTest, ValuesAsRead)
{
    const IniFile ini(put("[sprite1]\nimage=a\nx=abc\ny=$10\nz=0x10\nwidth=40\nheight=junk\n"
                          "material=7\nalpha=\npush=5\ntiled=1\n"
                          "[funct1]\natack=0\ntbottom=11\nTRIGHT=12\nactive=0\nfire=2\n"
                          "[sprite2]\nimage=b\n[funct2]\natack=7\n"
                          "[sprite3]\nimage=c\n[funct3]\natack=4\n"));
    const std::vector<EnvObject> o = readEnvObjects(ini);
    ASSERT_EQ(o.size(), 3u);
    const EnvSprite &s = o[0].sprite;
    EXPECT_EQ(s.x, 0);
    EXPECT_EQ(s.y, 16);
    EXPECT_EQ(s.z, 16);
    EXPECT_EQ(s.width, 40);
    EXPECT_FALSE(s.height.has_value()); // not a number: the picture's own height
    EXPECT_EQ(s.material, 7);           // kept as read; the game maps it
    EXPECT_EQ(s.alpha, 256);
    EXPECT_TRUE(s.push);
    EXPECT_TRUE(s.tiled);
    const EnvFunct &f = *o[0].funct;
    EXPECT_EQ(f.tbottom, 11);
    EXPECT_EQ(f.tright, 12);
    EXPECT_EQ(f.active, 0);
    EXPECT_EQ(f.fire, 2); // booleans stay the integers read
    // atack values other than 1 to 4 are kept for the game to treat as arrows.
    EXPECT_EQ(f.atack, 0);
    EXPECT_EQ(o[1].funct->atack, 7);
    EXPECT_EQ(o[2].funct->atack, 4);
}

TEST_F(EnvFileTest, HeaderDefaultsOfTheThreeReaders)
{
    const QString path = put("[ZK3 enviroment]\nversion=1.0\nsource=C:\\hry\\zem.zki\n",
                             QStringLiteral("arena.env"));
    const IniFile ini(path);
    const EnvHeader game = readEnvHeader(ini, EnvHeader::gameDefaults());
    EXPECT_EQ(game.source, QStringLiteral("C:\\hry\\zem.zki"));
    EXPECT_EQ(game.sound, QString());
    EXPECT_EQ(game.back, QStringLiteral("back"));

    const EnvHeader editor = readEnvHeader(ini, EnvHeader::editorDefaults());
    EXPECT_EQ(editor.name, QStringLiteral("<empty>"));
    EXPECT_EQ(editor.version, QStringLiteral("1.0"));
    EXPECT_EQ(editor.sound, QStringLiteral("<empty>"));
    EXPECT_EQ(editor.text, QStringLiteral("<empty>"));
    EXPECT_EQ(editor.back, QStringLiteral("back"));

    const EnvHeader panel = readEnvHeader(ini, EnvHeader::panelDefaults(path));
    EXPECT_EQ(panel.name, QStringLiteral("arena.env"));
    EXPECT_EQ(panel.creator, QStringLiteral("(not avalible)"));
    EXPECT_EQ(panel.sound, QStringLiteral("(not avalible)"));
    EXPECT_EQ(panel.text, QString());
    EXPECT_EQ(envFileNamePart(panel.source), QStringLiteral("zem.zki"));
    EXPECT_EQ(envFileNamePart(QStringLiteral("/usr/share/zk3/blue.zki")),
              QStringLiteral("blue.zki"));
    EXPECT_EQ(envFileNamePart(QStringLiteral("bare.zks")), QStringLiteral("bare.zks"));
}

std::vector<EnvObject> sampleObjects()
{
    EnvObject rock;
    rock.sprite.image = QStringLiteral("Štít");
    rock.sprite.x = -12;
    rock.sprite.y = 340;
    rock.sprite.z = -1;
    rock.sprite.live = 5;
    rock.sprite.material = 2;
    rock.sprite.hurt = 3;
    rock.sprite.onhit = QStringLiteral("tuk");
    rock.sprite.onbrake = QStringLiteral("bum");
    rock.sprite.gibs = QStringLiteral("kusy");
    rock.sprite.angle = 64;
    rock.sprite.alpha = 128;
    rock.sprite.push = true;
    EnvFunct f;
    f.active = 1;
    f.allowmain = 0;
    f.atack = 3;
    f.atcinterval = 500;
    f.img = QStringLiteral("pulz");
    f.snd = QStringLiteral("zap");
    f.spin = 10;
    f.spinmin = -20;
    f.spinmax = 30;
    f.tbottom = 400;
    f.tleft = 1;
    f.tright = 300;
    f.ttop = 2;
    f.x = 7;
    f.y = 8;
    f.xsp = 9;
    f.ysp = 10;
    f.liv = 11;
    f.pwr = 12;
    f.interval = 13;
    rock.funct = f;
    EnvObject plain; // a marker never applied
    plain.sprite.image = QStringLiteral("tree");
    return {rock, plain};
}

TEST_F(EnvFileTest, WriterLayout)
{
    const QString path = dir.filePath(QStringLiteral("w.env"));
    EnvHeader h = EnvHeader::editorDefaults();
    h.name = QStringLiteral("Hráč 1");
    writeEnvironment(path, h, {sampleObjects()[1]});
    EXPECT_EQ(readBytes(path),
              QByteArray("[ZK3 enviroment]\r\nname=Hr\xe1\xe8 1\r\n"
                         "version=<empty>\r\ncreator=<empty>\r\nsource=<empty>\r\n"
                         "sound=<empty>\r\nback=back\r\ntext=<empty>\r\n"
                         "[sprite1]\r\nimage=tree\r\nx=0\r\ny=0\r\nz=2\r\nlive=1\r\n"
                         "material=0\r\nhurt=1\r\nonbrake=\r\nonhit=\r\ngibs=\r\n"
                         "angle=0\r\nalpha=256\r\npush=0\r\n"
                         "[funct1]\r\nactive=0\r\nallowmain=0\r\natack=0\r\n"
                         "atcinterval=0\r\nfire=0\r\nimg=\r\ninterval=0\r\npwr=0\r\n"
                         "rottospr=0\r\nsnd=\r\nspin=0\r\nspinmax=0\r\nspinmin=0\r\n"
                         "tbottom=0\r\ntleft=0\r\ntright=0\r\nttop=0\r\nx=0\r\n"
                         "xsp=0\r\ny=0\r\nysp=0\r\nliv=0\r\nrotmain=0\r\n"));
    writeEnvironment(path, h, {});
    EXPECT_EQ(IniFile(path).sections(), QStringList{QStringLiteral("ZK3 enviroment")});
}

TEST_F(EnvFileTest, WrittenFileReadsBack)
{
    // Saving over a longer file replaces it: its third sprite and its tiled key are gone.
    const QString path = put("[sprite1]\nimage=x\ntiled=1\nwidth=3\n[sprite2]\nimage=y\n"
                             "[sprite3]\nimage=z\n");
    EnvHeader h{QStringLiteral("Aréna"),
                QStringLiteral("2"),
                QStringLiteral("Ďuro"),
                QStringLiteral("zem.zki"),
                QStringLiteral("zem.zks"),
                QStringLiteral("pozadie"),
                notesToValue({QStringLiteral("riadok"), QStringLiteral("name=Evil")})};
    writeEnvironment(path, h, sampleObjects());
    const IniFile ini(path);
    const EnvHeader back = readEnvHeader(ini, EnvHeader::gameDefaults());
    EXPECT_EQ(back.name, h.name);
    EXPECT_EQ(back.creator, h.creator);
    EXPECT_EQ(back.text, h.text);
    const std::vector<EnvObject> objects = readEnvObjects(ini);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0].sprite, sampleObjects()[0].sprite);
    EXPECT_EQ(objects[0].funct, sampleObjects()[0].funct);
    EXPECT_EQ(objects[1].sprite, sampleObjects()[1].sprite);
    EXPECT_EQ(objects[1].funct, EnvFunct::zero()); // written as zeros, read back as zeros
}

TEST_F(EnvFileTest, ManyObjects)
{
    std::vector<EnvObject> objects(2000, sampleObjects()[0]);
    for (int i = 0; i < int(objects.size()); ++i)
        objects[i].sprite.x = i;
    const QString path = dir.filePath(QStringLiteral("big.env"));
    writeEnvironment(path, EnvHeader::editorDefaults(), objects);
    const std::vector<EnvObject> back = readEnvObjects(IniFile(path));
    ASSERT_EQ(back.size(), objects.size());
    EXPECT_EQ(back.back().sprite.x, 1999);
}

TEST_F(EnvFileTest, FailedWriteKeepsTheOldFile)
{
    // A folder nobody may write to (a read-only file system stops even the superuser).
    const QString path = put("[sprite1]\nimage=old\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool folderLocked =
        !QFile(dir.filePath(QStringLiteral("probe"))).open(QIODevice::WriteOnly);
    const QString target = folderLocked ? path : QStringLiteral("/proc/version");
    const QByteArray before = readBytes(target);
    EXPECT_THROW(writeEnvironment(target, EnvHeader::editorDefaults(), sampleObjects()), Error);
    EXPECT_EQ(readBytes(target), before);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(EnvNotes, LinesRoundTrip)
{
    const struct
    {
        QStringList lines;
        QString value;
        QString display;
    } cases[] = {
        {{"one"}, "one", "one"},
        {{"first", "second", "third"}, "first\\nsecond\\nthird", "first second third"},
        {{"C:\\new", ""}, "C:\\\\new\\n", "C:\\new "},
        {{""}, "", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(notesToValue(c.lines), c.value);
        EXPECT_EQ(notesFromValue(c.value), c.lines);
        EXPECT_EQ(notesForDisplay(c.value), c.display);
    }
    // Notes written by hand or by older editors: a lone backslash stands for itself.
    EXPECT_EQ(notesFromValue(QStringLiteral("a\\b")), QStringList{QStringLiteral("a\\b")});
}

} // namespace
