#pragma once

#include <QString>
#include <functional>

struct GameState;

// The match-setup steps that put the players, the cursors and the option finishers into the
// sprite world. `progress` shows a text in the progress window (it may be empty).
using SetupProgress = std::function<void(const QString &text)>;

// Player 1 at the left facing right, player 2 at the right facing left, both with their names,
// keyboard readers, collections and stat records (stats1, stats2). Fills player1 and player2.
// Throws when a collection lacks "telo0".
void createPlayers(GameState &game, const QString &name1, const QString &name2,
                   const SetupProgress &progress = {});

// With `cur`: cursor1 and cursor2 at the top-left corner, showing each player's "sipka".
void createCursors(GameState &game, const SetupProgress &progress = {});

// With `dor`: two endless finishers from the top-left corner, one on each player, showing
// "doraz" of sys. Throws when sys lacks "doraz".
void createFinishers(GameState &game, const SetupProgress &progress = {});
