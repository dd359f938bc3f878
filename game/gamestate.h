#pragma once

#include "images.h"
#include "keyboard.h"
#include "options.h"
#include "sound.h"
#include "spriteengine.h"

#include <random>

#include <QString>
#include <qnamespace.h>

class Tplayer;
class Tsipka;

// The stat record of a player: maxima and constants for one match.
struct Tstats
{
    int mana = 0;       // maximum mana, also the machine-gun magazine size
    int life = 0;       // life at creation and the healing limit
    int resist = 0;     // subtracted from every unshielded hit
    double speed = 0.0; // the thrust the Up key sets
};

// The program-wide state of the game: one per run (tests and the headless runner make their
// own). The match code adds the sprite references and timing it needs next to these. The
// thirteen options are copied in from the settings window at match setup and read, as
// `gs.dor` and so on, at the moment they matter.
struct GameState : Options
{
    // Collections of the two players and of the environment.
    ImageList pllist1, pllist2;
    ImageList sys; // the environment's pictures plus the bullet-time pictures
    WaveList WaveList1, WaveList2;
    WaveList envwave;
    // Opened by match setup when `snd` is on; until then play and stop do nothing.
    SoundOutput Sound;

    Tstats defaultStats{100, 100, 0, 1.0}; // the stats when extended skills are off
    Tstats stats1, stats2;

    int totalTime = 0; // milliseconds of game time
    int lastMoveCount = 0;
    int timeDivisor = 1; // move count = lag count div timeDivisor; never below 1
    int bulletStart = 0;
    bool bulletActive = false;
    bool matchOver = false;
    bool desktopMode = false; // set by the hidden option, never cleared
    bool tickFailed = false;
    QString warningText;

    // Bounds of the settings window before a match, restored by endMatch.
    int savedLeft = 0, savedTop = 0, savedWidth = 0, savedHeight = 0;

    // The sprite world of a match and the sprites other parts refer to; valid only during a
    // match (endMatch clears the world).
    TSpriteEngine engine;
    Tplayer *player1 = nullptr;
    Tplayer *player2 = nullptr;
    Tsipka *cursor1 = nullptr;
    Tsipka *cursor2 = nullptr;

    TBackgroundSprite *background = nullptr;
    TImageSprite *bulletLabel = nullptr; // only while this match has the bullet-time pictures
    ImagePtr backgroundImage;            // the entry of sys the background shows normally

    // The keyboard readers of player 1 (arrows) and player 2 (W A S D), sampled from the keys
    // the match view (or the headless runner's script) holds in keyTable.
    KeyboardReader input{KeyboardReader::KeyMap{Qt::Key_Up, Qt::Key_Down, Qt::Key_Left,
                                                Qt::Key_Right, Qt::Key_Shift, Qt::Key_Space,
                                                Qt::Key_Return}};
    KeyboardReader input1{KeyboardReader::KeyMap{Qt::Key_W, Qt::Key_S, Qt::Key_A, Qt::Key_D,
                                                 Qt::Key_Q, Qt::Key_Tab, Qt::Key_E}};
    KeyTable keyTable;

    // Size of the primary screen in pixels: the size of the arena.
    int screenWidth = 1024, screenHeight = 768;

    // Every Random(n) of the game draws from this one generator (seeded by the runner).
    std::mt19937 rng{1};
    // A uniform integer in 0 .. n - 1; 0 when n is not positive.
    int Random(int n) { return n > 0 ? int(rng() % unsigned(n)) : 0; }
};
