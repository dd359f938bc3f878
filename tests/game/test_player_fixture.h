#pragma once

// A small match world for the player, damage, mark, cursor and finisher tests: pictures made
// here, a sound collection written to a temporary file, and a 1024 x 768 surface.

#include "collection.h"
#include "error.h"
#include "gamestate.h"
#include "matchsetup.h"
#include "tbod.h"
#include "testfiles.h"
#include "tplayer.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

// Readable failure messages for texts.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace fixture {

inline ImagePtr picture(const QString &name, int w, int h, QColor colour = Qt::green)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    return std::make_shared<const ImageEntry>(name, image);
}

// A valid mono 16-bit WAV of one second of a quiet square wave.
inline QByteArray wav()
{
    const int samples = 22050;
    QByteArray data(samples * 2, '\0');
    for (int i = 0; i < samples; ++i)
        qToLittleEndian(quint16((i / 50) % 2 ? 1000 : -1000), data.data() + 2 * i);
    return monoWav(data, 22050);
}

struct World
{
    GameState game;
    QTemporaryDir dir;
    QStringList played; // "WaveList1:hit" for every play request, in order

    World()
    {
        game.engine.setSurfaceSize(QSize(1024, 768));
        game.screenWidth = 1024;
        game.screenHeight = 768;
        for (ImageList *list : {&game.pllist1, &game.pllist2}) {
            list->append(picture("telo0", 40, 30));
            list->append(picture("telo1", 40, 30, Qt::red));
            list->append(picture("telo2", 40, 30, Qt::blue));
            list->append(picture("plbod", 4, 4));
            list->append(picture("crbod", 6, 6, Qt::red));
            list->append(picture("sipka", 64, 32));
            list->append(picture("duch", 32, 32));
        }
        game.sys.append(picture("splash", 8, 8, Qt::cyan));
        game.sys.append(picture("dead", 50, 20));
        game.sys.append(picture("doraz", 20, 20));
        game.sys.append(picture("drbod", 3, 3));
        loadPlayerSounds(matchsetup::requiredSoundNames(), "sounds.zks");
        game.WaveList1.setOnPlay([this](const QString &n) { played << "WaveList1:" + n; });
        game.WaveList2.setOnPlay([this](const QString &n) { played << "WaveList2:" + n; });
        // The options the tests assume unless they say otherwise: no marks, no bullet time.
        game.fly = false;
        game.krv = false;
        game.exl = false;
        game.bul = false;
    }

    // Both players' sound lists from a collection of these names written as fileName, with
    // "flame" and "slide" looping.
    void loadPlayerSounds(const QStringList &names, const QString &fileName)
    {
        std::vector<SoundRecord> records;
        for (const QString &name : names)
            records.push_back(
                {name, wav(), name + ".wav", 100, 0, 0, name == "flame" || name == "slide"});
        const QString path = dir.filePath(fileName);
        writeSoundCollection(path, records);
        game.WaveList1.loadFromFile(path);
        game.WaveList2.loadFromFile(path);
    }

    // A player at (x, y) with the default stats, like player creation does.
    Tplayer *player(double x = 300, double y = 300, ImageList *images = nullptr,
                    WaveList *sounds = nullptr)
    {
        Tplayer *p = game.engine.create<Tplayer>(game);
        p->images = images ? images : &game.pllist1;
        p->sounds = sounds ? sounds : &game.WaveList1;
        p->keys = &keys;
        p->showBody("telo0");
        p->width = p->image->width();
        p->height = p->image->height();
        p->x = x;
        p->y = y;
        p->setZ(2);
        p->stats = game.defaultStats;
        p->life = p->stats.life;
        p->mana = p->stats.mana;
        return p;
    }

    template <class T> int count() const
    {
        int n = 0;
        for (TSprite *s : game.engine.sprites())
            n += dynamic_cast<T *>(s) != nullptr && !s->dead();
        return n;
    }

    KeyboardReader keys;
};

} // namespace fixture
