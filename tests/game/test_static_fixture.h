#pragma once

// A small arena world for the tests of placed objects and their function sprites: the player
// world of the other game tests plus environment pictures in `sys` and environment sounds in
// `envwave`, whose every play request is recorded as "env:name".

#include "collection.h"
#include "envfile.h"
#include "envinstance.h"
#include "test_player_fixture.h"
#include "tfunct.h"
#include "tstaticsprite.h"
#include "tstrela.h"

namespace arenafixture {

struct ArenaWorld : fixture::World
{
    ArenaWorld()
    {
        game.sys.append(fixture::picture("Wall", 100, 100, Qt::gray));
        game.sys.append(fixture::picture("block", 40, 40, Qt::darkYellow));
        game.sys.append(fixture::picture("debris", 6, 4, Qt::darkRed));
        game.sys.append(fixture::picture("bolt", 30, 8, Qt::white));
        std::vector<SoundRecord> records;
        for (const char *name : {"Stone", "crash", "launch"})
            records.push_back({name, fixture::wav(), QString(name) + ".wav", 100, 0, 0, false});
        const QString path = dir.filePath("env.zks");
        writeSoundCollection(path, records);
        game.envwave.loadFromFile(path);
        game.envwave.setOnPlay([this](const QString &n) { played << "env:" + n; });
    }

    QStringList envPlayed() const { return played.filter(QStringLiteral("env:")); }

    // A shot of `T` owned by `owner`, 10 x 4 pixels at (x, y).
    template <class T = Tstrela> T *shot(TSprite *owner, double x, double y)
    {
        T *s = game.engine.create<T>();
        s->setOwner(owner);
        s->image = game.sys.find("bolt");
        s->width = 10;
        s->height = 4;
        s->x = x;
        s->y = y;
        return s;
    }
};

// A sprite section of the given material at (x, y) with the 100 x 100 picture "wall".
inline EnvObject object(int material, int x = 200, int y = 200)
{
    EnvObject o;
    o.sprite.image = "wall";
    o.sprite.material = material;
    o.sprite.x = x;
    o.sprite.y = y;
    if (material == 2)
        o.sprite.gibs = "debris";
    return o;
}

} // namespace arenafixture
