#pragma once

#include "sprites.h"

#include <QString>
#include <cstdint>

struct GameState;
class Tplayer;
class Tstaticsprite;

// A function sprite: the invisible controller that turns a placed object into a turret or a
// trap. It watches a trigger box, aims at a player who stands in it and launches arrows, axes,
// pulses or finishers from its launch point (`x`, `y`, which it never changes) at a set rate. It
// may keep turning, turn its object with its aim, and end when its object breaks.
class Tfunct : public TSprite
{
public:
    Tfunct(TSpriteEngine &engine, GameState &game);
    ~Tfunct() override;

    // Invisible.
    void onDraw(QPainter &canvas) override;
    // Turning, turning the object, ending, and the launch step for the players in the box.
    void onMove(int moveCount) override;

    enum AttackKind : std::uint8_t { arrow = 0, axe = 1, pulse = 2, finisher = 3 };

    // Whether the player's top-left or bottom-right corner lies strictly inside the box.
    bool inTrigger(const Tplayer &player) const;

    int spinmin = 0;
    int spinmax = 0;
    int spin = 0;                   // aim angle, 256 units per turn, never wrapped
    int interval = 0;               // moveCount units per unit of turning; 0 = no turning
    Tstaticsprite *owner = nullptr; // the object it belongs to; cleared when that is freed
    int tleft = 0, ttop = 0, tright = 0, tbottom = 0; // trigger box, world coordinates
    std::uint8_t attackKind = arrow;
    bool rottospr = true;  // aim at the nearer player in the box
    bool fire = true;      // launch at all
    bool active = true;    // work at all; a passive one ends at its first move
    int atcinterval = 0;   // least milliseconds of totalTime between two launches
    bool allowmain = true; // bound to its object: ends when it breaks, may turn it
    int lastAttack = 0;    // totalTime of the last launch
    QString img;           // picture in `sys` of the launched objects
    QString snd;           // sound in `envwave` played at each launch
    int pwr = 0;           // damage of launched arrows
    int xsp = 0;           // starting velocity divisor
    int ysp = 0;           // vertical starting velocity divisor of arrows
    int liv = 0;           // extra age of launched shots; energy of a launched finisher
    bool finished = false; // has ended
    bool rotmain = true;   // the object takes the aim angle (needs allowmain)

private:
    // Aims at the nearer of a and b (b on a tie) and launches when the rate allows.
    void launchStep(Tplayer &a, Tplayer &b, int moveCount);
    void launch(Tplayer *target, int moveCount);
    void end();

    GameState &game;
};
