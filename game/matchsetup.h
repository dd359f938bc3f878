#pragma once

#include <QString>
#include <QStringList>

class MatchHost;
struct GameState;
struct Settings;

namespace matchsetup {
// Every name the game looks up in a player's image collection, in the order they are tested.
const QStringList &requiredImageNames();
// Every name the game plays from a player's sound collection (tested only with sound on).
const QStringList &requiredSoundNames();

inline const QString collectionFailed = QStringLiteral("Chyba pri načítavaní kolekcie.");
inline const QString environmentFailed =
    QStringLiteral("Chyba pri čítaní súboru alebo kolekcie prostredia.");

// The bullet-time factors in the order their pictures are appended to sys.
constexpr double bulletFactors[] = {1.0, 0.8, 0.6, 0.4, 0.2};
} // namespace matchsetup

// Match setup, the one routine behind "Štart" and the headless runner: tests the players'
// collections, reads the environment, builds the background (and the bullet-time pictures),
// the players, cursors and finishers, fills the weapon slots, switches the host into match mode,
// starts sound and drawing and counts down. The player lists (pllist1, pllist2, WaveList1,
// WaveList2) are loaded already; names, weapons, skills, options and the environment come from
// the settings. The saved window bounds are the host's to set before.
//
// Returns true when the match runs. A failed collection test or environment shows its own
// message through the host and returns false; any later error is thrown on. Either way a failed
// setup leaves the sprite world empty, the progress window hidden and the host back in its
// settings mode.
bool setupMatch(GameState &gs, const Settings &settings, MatchHost &host);
