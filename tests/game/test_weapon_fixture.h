#pragma once

// The player tests' small world plus the pictures and sounds every weapon needs.

#include "test_player_fixture.h"
#include "weapons.h"

namespace fixture {

struct WeaponWorld : World
{
    WeaponWorld()
    {
        for (ImageList *list : {&game.pllist1, &game.pllist2}) {
            list->append(picture("strela0", 16, 4));
            list->append(picture("strela1", 16, 4, Qt::yellow));
            list->append(picture("strela2", 16, 4, Qt::magenta));
            list->append(picture("plamen1", 10, 10, Qt::red));
            list->append(picture("plamen2", 10, 10, Qt::darkRed));
            list->append(picture("plamen3", 10, 10, Qt::gray));
            list->append(picture("gun", 4, 4));
            list->append(picture("axe", 12, 12));
            list->append(picture("pulz", 14, 14, Qt::cyan));
            list->append(picture("mine", 10, 8));
            list->append(picture("shield", 60, 50, Qt::blue));
        }
        // The player tests' collection lacks the reload sound.
        loadPlayerSounds(matchsetup::requiredSoundNames() + QStringList{"reload"}, "weapons.zks");
    }

    // How often a sound was requested from a list ("WaveList1:fire").
    int plays(const QString &what) const { return int(played.count(what)); }

    // Every live sprite of that class.
    template <class T> std::vector<T *> all() const
    {
        std::vector<T *> found;
        for (TSprite *s : game.engine.sprites())
            if (auto *t = dynamic_cast<T *>(s); t && !s->dead())
                found.push_back(t);
        return found;
    }
    template <class T> T *first() const
    {
        auto found = all<T>();
        return found.empty() ? nullptr : found.front();
    }

    // One tick of the sprite world with the purge the game loop does after it.
    void tick(int moveCount)
    {
        game.engine.advance(moveCount);
        game.engine.purge();
    }
};

} // namespace fixture
