#include "weapons.h"

#include "gamestate.h"
#include "tplayer.h"

namespace {

// Index = code - 1.
const std::array<QString, weapon::count> &names()
{
    static const std::array<QString, weapon::count> table{
        QStringLiteral("Strela"), QStringLiteral("Mina"),         QStringLiteral("Duch"),
        QStringLiteral("Plamen"), QStringLiteral("Ozdravovanie"), QStringLiteral("Slide"),
        QStringLiteral("Štít"),   QStringLiteral("Turbo"),        QStringLiteral("Stop"),
        QStringLiteral("Small"),  QStringLiteral("Big"),          QStringLiteral("Fake"),
        QStringLiteral("Duchs"),  QStringLiteral("Gulomet"),      QStringLiteral("Sekera"),
        QStringLiteral("Pulz")};
    return table;
}

} // namespace

int weaponCode(const QString &text)
{
    const auto &table = names();
    for (int i = 0; i < weapon::count; ++i) {
        if (table[i] == text) // QString comparison is exact and case-sensitive
            return i + 1;
    }
    return weapon::arrow;
}

QString weaponName(int code)
{
    if (code < 1 || code > weapon::count)
        return {};
    return names()[code - 1];
}

QStringList offeredWeaponNames()
{
    return {QStringLiteral("Duch"),         QStringLiteral("Gulomet"), QStringLiteral("Mina"),
            QStringLiteral("Ozdravovanie"), QStringLiteral("Plamen"),  QStringLiteral("Pulz"),
            QStringLiteral("Sekera"),       QStringLiteral("Slide"),   QStringLiteral("Strela"),
            QStringLiteral("Štít")};
}

void setWeaponSlot(Tplayer &player, int slot, const QString &text)
{
    const auto code = quint8(weaponCode(text));
    switch (slot) {
    case 1:
        player.weapon1 = code;
        break;
    case 2:
        player.weapon2 = code;
        break;
    case 3:
        player.weapon3 = code;
        break;
    default:
        break;
    }
}

void zbran11Change(GameState &game, WeaponList list, const QString &text)
{
    const int index = int(list);
    Tplayer *player = index < 3 ? game.player1 : game.player2;
    if (player)
        setWeaponSlot(*player, index % 3 + 1, text);
}

void initWeapons(GameState &game, const std::array<QString, 6> &texts)
{
    for (int i = 0; i < 6; ++i)
        zbran11Change(game, WeaponList(i), texts[i]);
}
