#pragma once

#include <QString>
#include <QStringList>
#include <array>

class Tplayer;
struct GameState;

// The byte a weapon slot holds. Only 1 to 16 are ever stored.
namespace weapon {
constexpr int arrow = 1;     // "Strela"
constexpr int mine = 2;      // "Mina"
constexpr int ghost = 3;     // "Duch"
constexpr int flame = 4;     // "Plamen"
constexpr int healing = 5;   // "Ozdravovanie"
constexpr int slide = 6;     // "Slide"
constexpr int shield = 7;    // "Štít"
constexpr int turbo = 8;     // "Turbo": thrust boost
constexpr int stop = 9;      // "Stop": full stop
constexpr int small = 10;    // "Small": shrink
constexpr int big = 11;      // "Big": grow
constexpr int fake = 12;     // "Fake": decoy
constexpr int finisher = 13; // "Duchs": finisher ghost
constexpr int gun = 14;      // "Gulomet": machine gun
constexpr int axe = 15;      // "Sekera"
constexpr int pulse = 16;    // "Pulz"
constexpr int count = 16;
} // namespace weapon

// Exact, case-sensitive match against the sixteen names; any other text, the empty one
// included, is the arrow.
int weaponCode(const QString &text);
// The name of a code, or an empty text outside 1..16.
QString weaponName(int code);
// The ten names the weapon lists offer, in their sorted order; the six others are only
// understood when typed into an editable list.
QStringList offeredWeaponNames();

// Stores the weapon the text names in slot 1, 2 or 3 of the player (another slot number
// changes nothing).
void setWeaponSlot(Tplayer &player, int slot, const QString &text);

// The six weapon lists in the order match setup reads them: zbran11, zbran12, zbran13 feed
// player 1's slots 1..3, zbran21, zbran22, zbran23 player 2's.
enum class WeaponList { zbran11, zbran12, zbran13, zbran21, zbran22, zbran23 };

// The weapon choice of one list: maps its text and stores the code in the slot it feeds. A
// player that does not exist yet is left alone.
void zbran11Change(GameState &game, WeaponList list, const QString &text);

// Weapon initialisation of match setup: zbran11Change for the six texts, in list order.
void initWeapons(GameState &game, const std::array<QString, 6> &texts);
