// The default collections and arena in the program folder, read the way the game reads them.
#include "collection.h"
#include "envfile.h"
#include "error.h"
#include "images.h"
#include "ini.h"
#include "sound.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QDir programDir(ZK3_PROGRAM_DIR);

const QStringList playerImageNames = {
    "telo0", "telo1", "telo2", "strela0", "strela1", "strela2", "plamen1", "plamen2", "plamen3",
    "duch",  "mine",  "sipka", "plbod",   "crbod",   "shield",  "axe",     "gun",     "pulz"};
const QStringList playerSoundNames = {
    "fall", "slide", "shield on", "shield off", "shield hit", "hit",    "flame", "ghost",
    "fire", "mine",  "dead",      "cure",       "gun",        "lowpwr", "water", "reload"};
const QStringList generatedFiles = {"blue.zki", "green.zki", "sound.zks", "zem.zki",
                                    "zem.zks",  "zem.env",   "veza.env"};

// Screens the arena must work on, from the smallest supported up.
const QSize screens[] = {{1024, 768}, {1280, 720},  {1280, 1024}, {1366, 768},
                         {1600, 900}, {1680, 1050}, {1920, 1080}};

QRect spriteRect(const EnvSprite &s, const ImageList &sys)
{
    const ImagePtr image = sys.find(s.image);
    return QRect(s.x, s.y, s.width.value_or(image->width()), s.height.value_or(image->height()));
}

// Strict overlap, as the sprite world tests it: rectangles sharing an edge do not overlap.
bool overlaps(const QRect &a, const QRect &b)
{
    return a.left() < b.left() + b.width() && a.left() + a.width() > b.left() &&
           a.top() < b.top() + b.height() && a.top() + a.height() > b.top();
}

bool inTriggerBox(const EnvFunct &f, const QRect &player)
{
    auto inside = [&f](int x, int y) {
        return f.ttop < y && y < f.tbottom && f.tleft < x && x < f.tright;
    };
    return inside(player.left(), player.top()) ||
           inside(player.left() + player.width(), player.top() + player.height());
}

// The sample peak of a 16-bit PCM WAV member, or -1 when it is not one.
int wavPeak(const QByteArray &data)
{
    if (data.size() < 44 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return -1;
    const int bits = qFromLittleEndian<quint16>(data.constData() + 34);
    if (bits != 16 || data.mid(36, 4) != "data")
        return -1;
    int peak = 0;
    for (int i = 44; i + 1 < data.size(); i += 2)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(data.constData() + i))));
    return peak;
}

struct LoadedArena
{
    EnvHeader header;
    std::vector<EnvObject> objects;
    ImageList sys;
    WaveList envwave;
};

void loadArena(LoadedArena &arena, const QString &envName)
{
    const IniFile ini(programDir.filePath(envName));
    arena.header = readEnvHeader(ini, EnvHeader::gameDefaults());
    arena.objects = readEnvObjects(ini);
    arena.sys.loadFromFile(programDir.filePath(arena.header.source));
    arena.envwave.loadFromFile(programDir.filePath(arena.header.sound));
}

} // namespace

TEST(DefaultAssets, PlayerImageCollectionsHoldEveryNameInDistinctColours)
{
    ImageList blue, green;
    blue.loadFromFile(programDir.filePath("blue.zki"));
    green.loadFromFile(programDir.filePath("green.zki"));
    for (const ImageList *list : {&blue, &green}) {
        for (const QString &name : playerImageNames) {
            SCOPED_TRACE(name.toStdString());
            ImagePtr entry;
            ASSERT_NO_THROW(entry = list->find(name));
            EXPECT_GT(entry->width(), 0);
            EXPECT_GT(entry->height(), 0);
        }
        // A body that suits arenas from 1024 x 768 to 1920 x 1080, and a shield round it.
        const ImagePtr body = list->find("telo0");
        EXPECT_GE(body->width(), 48);
        EXPECT_LE(body->width(), 64);
        EXPECT_GT(list->find("shield")->width(), body->width());
    }
    for (const char *name : {"telo0", "strela0", "sipka", "shield"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(blue.find(name)->source(), green.find(name)->source());
    }
}

TEST(DefaultAssets, SoundCollectionHoldsEveryNameNormalisedAndLoopedWhereItMustBe)
{
    WaveList sounds;
    ASSERT_NO_THROW(sounds.loadFromFile(programDir.filePath("sound.zks")));
    for (const QString &name : playerSoundNames) {
        SCOPED_TRACE(name.toStdString());
        WavePtr entry;
        ASSERT_NO_THROW(entry = sounds.find(name));
        EXPECT_EQ(entry->looped(), name == "flame" || name == "slide");
        EXPECT_GT(entry->sampleCount(), entry->sampleRate() / 20); // audible, not a blip
    }
    EXPECT_GE(sounds.find("gun")->maxPlaying(), 8); // a machine gun sounds many times at once

    for (const SoundRecord &r : readSoundCollection(programDir.filePath("sound.zks"))) {
        SCOPED_TRACE(r.name.toStdString());
        const int peak = wavPeak(r.data);
        EXPECT_GT(peak, 20000); // normalised
        EXPECT_LT(peak, 32767); // never clipped
    }
}

class DefaultArena : public testing::TestWithParam<const char *>
{
};

INSTANTIATE_TEST_SUITE_P(DefaultAssets, DefaultArena, testing::Values("zem.env", "veza.env"));

TEST_P(DefaultArena, ReadsWithEveryNameItUsesPresent)
{
    LoadedArena arena;
    ASSERT_NO_THROW(loadArena(arena, GetParam()));
    const EnvHeader &h = arena.header;
    // Bare names, as the editor writes them, resolved beside the arena.
    EXPECT_EQ(h.source, "zem.zki");
    EXPECT_EQ(h.sound, "zem.zks");
    for (const QString &text : {h.name, h.version, h.creator, h.text})
        EXPECT_FALSE(text.isEmpty());

    for (const QString &name : {h.back, QString("Blabel"), QString("splash"), QString("doraz"),
                                QString("drbod"), QString("dead")})
        EXPECT_NO_THROW(arena.sys.find(name)) << name.toStdString();

    ASSERT_FALSE(arena.objects.empty());
    bool materials[4] = {};
    int turrets = 0;
    for (size_t i = 0; i < arena.objects.size(); ++i) {
        const EnvSprite &s = arena.objects[i].sprite;
        SCOPED_TRACE("sprite" + std::to_string(i + 1) + " " + s.image.toStdString());
        ASSERT_GE(s.material, 0);
        ASSERT_LE(s.material, 3);
        materials[s.material] = true;
        const bool collides = s.material != 0, destructible = s.material == 2,
                   water = s.material == 3;
        EXPECT_NO_THROW(arena.sys.find(s.image));
        if (water) {
            EXPECT_NO_THROW(arena.sys.find("splash"));
        }
        if (!s.onhit.isEmpty() && collides && !water) {
            EXPECT_NO_THROW(arena.envwave.find(s.onhit));
        }
        if (!s.onbrake.isEmpty() && destructible) {
            EXPECT_NO_THROW(arena.envwave.find(s.onbrake));
        }
        if (destructible) {
            EXPECT_NO_THROW(arena.sys.find(s.gibs)); // an empty name fails too
            EXPECT_FALSE(s.onbrake.isEmpty());
        }
        if (const auto &f = arena.objects[i].funct; f && f->active) {
            ++turrets;
            EXPECT_FALSE(f->img.isEmpty());
            EXPECT_NO_THROW(arena.sys.find(f->img));
            if (!f->snd.isEmpty()) {
                EXPECT_NO_THROW(arena.envwave.find(f->snd));
            }
            EXPECT_NE(f->xsp, 0);
            EXPECT_NE(f->ysp, 0);
            EXPECT_LT(f->tleft, f->tright);
            EXPECT_LT(f->ttop, f->tbottom);
        }
    }
    for (int m = 0; m < 4; ++m)
        EXPECT_TRUE(materials[m]) << "material " << m;
    EXPECT_GE(turrets, 1);
}

TEST_P(DefaultArena, LeavesTheStartsFreeAndItsObjectsAtRest)
{
    LoadedArena arena;
    ASSERT_NO_THROW(loadArena(arena, GetParam()));
    ImageList blue;
    blue.loadFromFile(programDir.filePath("blue.zki"));
    const QSize bodySize(blue.find("telo0")->width(), blue.find("telo0")->height());
    const ImagePtr label = arena.sys.find("Blabel");

    std::vector<QRect> solids, destructibles;
    for (const EnvObject &o : arena.objects) {
        if (o.sprite.material == 0)
            continue;
        const QRect r = spriteRect(o.sprite, arena.sys);
        solids.push_back(r);
        if (o.sprite.material == 2)
            destructibles.push_back(r);
    }

    for (const QSize &screen : screens) {
        SCOPED_TRACE(std::to_string(screen.width()) + "x" + std::to_string(screen.height()));
        const int y = screen.height() / 2;
        const QRect starts[] = {QRect(QPoint(20, y), bodySize),
                                QRect(QPoint(screen.width() - 120, y), bodySize)};
        // The band between the two starts stays open so that the players can meet.
        const QRect band(0, y, screen.width(), bodySize.height());
        for (const QRect &r : solids)
            EXPECT_FALSE(overlaps(r, band));
        for (const EnvObject &o : arena.objects) {
            if (o.funct && o.funct->active) {
                for (const QRect &start : starts)
                    EXPECT_FALSE(inTriggerBox(*o.funct, start));
            }
        }
        // The bullet-time label lies centred on the screen and touches whatever is there; a
        // destructible object under it would be worn away.
        const QRect labelRect((screen.width() - label->width()) / 2,
                              (screen.height() - label->height()) / 2, label->width(),
                              label->height());
        for (const QRect &r : destructibles)
            EXPECT_FALSE(overlaps(r, labelRect));
    }

    int resting = 0;
    for (const EnvObject &o : arena.objects) {
        if (o.funct && o.funct->active) {
            for (const QRect &r : destructibles)
                EXPECT_FALSE(r.contains(o.funct->x, o.funct->y)); // it would wear the block away
        }
        if (!o.sprite.push)
            continue;
        SCOPED_TRACE(o.sprite.image.toStdString());
        ASSERT_NE(o.sprite.material, 0); // it must collide to be held up
        const QRect r = spriteRect(o.sprite, arena.sys);
        bool held = false;
        for (const EnvObject &below : arena.objects)
            if (below.sprite.material != 0 && below.sprite.y > o.sprite.y &&
                overlaps(spriteRect(below.sprite, arena.sys), r))
                held = true;
        EXPECT_TRUE(held);
        resting += held;
    }
    EXPECT_GE(resting, 1);
}

TEST(DefaultAssets, GeneratorWritesTheSameBytesOnEveryRun)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess generator;
    generator.start(programDir.filePath("assetgen"), {out.path()});
    ASSERT_TRUE(generator.waitForFinished(120000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    for (const QString &name : generatedFiles) {
        SCOPED_TRACE(name.toStdString());
        QFile fresh(QDir(out.path()).filePath(name)), built(programDir.filePath(name));
        ASSERT_TRUE(fresh.open(QIODevice::ReadOnly));
        ASSERT_TRUE(built.open(QIODevice::ReadOnly));
        EXPECT_TRUE(fresh.readAll() == built.readAll());
    }
}
