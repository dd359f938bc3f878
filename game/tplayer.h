#pragma once

#include "gamestate.h"
#include "images.h"
#include "keyboard.h"
#include "sprites.h"

#include <QPoint>
#include <QString>
#include <cstdint>

// A wizard: steered by its keyboard reader, flying freely with thrust and damping, firing its
// three weapon slots and leaving trail, blood and splash marks. Every harm reaches it through
// hitPlayer. A decoy is a further Tplayer built by the constructor alone.
class Tplayer : public TImageSpriteEx
{
public:
    Tplayer(TSpriteEngine &engine, GameState &game);

    // Collision response: water, bouncing off or being dragged down by objects, and (player 1
    // only) exchanging velocities with another player.
    void onHit(TSprite &other) override;
    // The body as any rotating image sprite, then the status display when `hlt` is on.
    void onDraw(QPainter &canvas) override;
    // One move: collisions, timers, marks, steering, thrust, firing, damping, position.
    void onMove(int moveCount) override;

    // Four bars (ammo, life, mana, shield) and, with `nam`, the name, at statusAnchor().
    void drawStatus(QPainter &canvas);
    // Where the status display hangs: the player's corner on the surface, else 30 pixels inside
    // the nearest edge at the player's height or column.
    QPoint statusAnchor() const;

    // Fires the weapon of that code (1..16); does nothing when its conditions are not met.
    void fireWeapon(int code);

    // The picture of that name from `images`; throws when it is missing.
    ImagePtr ownImage(const QString &name) const;
    // Shows the body picture of that name from `images`; throws when it is missing.
    void showBody(const QString &name);
    // Starts or stops a sound of `sounds` by name. With sound off a name missing from the list
    // is ignored (nothing could be heard anyway); with sound on it throws.
    void playSound(const QString &name);
    void stopSound(const QString &name);

    GameState &game;

    KeyboardReader *keys = nullptr; // the reader whose seven states steer this player
    QString playerName;             // drawn with option `nam`
    int mana = 100;
    int life = 100;              // dies when an unshielded hit leaves it at 0 or below
    ImageList *images = nullptr; // the player's own pictures
    std::uint8_t weapon1 = 0, weapon2 = 0, weapon3 = 0; // weapon codes of buttons 1, 2, 3
    int shield = 0;                                     // mirrors the shield sprite's strength
    bool ghostActive = false;                           // the player's ghost exists
    int flamesInFlight = 0; // live flames; while above 0 the "flame" sound runs
    bool sliding = false;   // Slide fired in this move
    bool shielded = false;  // a shield is up
    bool slideSoundOn = false;
    bool flameSoundOn = false;
    int lowPower = 0;           // remaining low-power time (mana drains, no thrust)
    WaveList *sounds = nullptr; // the player's own sounds
    int ammo = 0;               // machine-gun rounds in the magazine
    int reloadTime = -1;        // remaining reload time; -1 not reloading
    int castTime = 0;           // remaining casting-image time; -1 idle
    bool inWater = false;       // touched water in this move's collision test
    bool wasInWater = false;    // inWater of the previous move
    Tstats stats;               // maxima and constants for the match
    double thrust = 0;
    double vx = 0; // pixels per move
    double vy = 0;
    int clock = 0;      // sum of all move counts received (game milliseconds)
    int lastShot = 0;   // clock when the last timed weapon fired (all slots share it)
    int hurtTime = 101; // moves since the last unshielded hit, up to 101 (idle)

private:
    bool held(KeyState s) const { return keys && keys->held(s); }
    void splash();
};
