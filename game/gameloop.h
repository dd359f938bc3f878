#pragma once

#include <QString>

class QImage;
class QPainter;
struct GameState;

// What match setup, the tick and the end of a match need of whatever shows the match: the main
// window, or the headless runner, which has no window and so leaves out the waits, the progress
// window and the mode switch.
class MatchHost
{
public:
    virtual ~MatchHost() = default;

    // The progress window: show it with this text and repaint it at once; hide it.
    virtual void showProgress(const QString &text) = 0;
    virtual void hideProgress() = 0;
    // A blocking wait (countdown, final frame). Nothing ticks meanwhile.
    virtual void wait(int milliseconds) = 0;
    // A failure of setup that has its own message ("Chyba pri načítavaní kolekcie."); setup
    // stops after it.
    virtual void failed(const QString &message) = 0;

    // Desktop mode: a copy of the whole primary screen, taken with both windows hidden.
    virtual QImage grabScreen() = 0;
    // The settings window becomes the match view (controls hidden, borderless, covering the
    // screen, the drawing surface filling it).
    virtual void enterMatchMode() = 0;
    // Whether this host may open the sound device when `snd` is on.
    virtual bool playsSound() const = 0;
    // Initialises the drawing surface, which starts the timer, and hides the mouse cursor.
    virtual void startDrawing() = 0;
    // Whether the drawing surface can take a frame now.
    virtual bool readyToDraw() const = 0;
    // Shows the sprite world's back buffer.
    virtual void present() = 0;
    // The timer's ticks per second, for the counter panel.
    virtual int frameRate() const = 0;

    virtual void stopTimer() = 0;
    // Back to the settings window: saved bounds, dialog border, controls shown, skill frames
    // recomputed, drawing surface finalised and hidden, mouse cursor restored.
    virtual void leaveMatchMode() = 0;
};

namespace bullettime {
constexpr int divisor = 6;      // timeDivisor while bullet time runs
constexpr int duration = 5000;  // milliseconds of totalTime
constexpr int pictureCount = 5; // the last entries of sys: white, then 0.8 .. 0.2 toward white
} // namespace bullettime

// Starts bullet time (a hit calls it): the arena flashes white and everything runs at a sixth
// of its speed for 5000 ms of real time. Does nothing without `bul`, in desktop mode, while it
// runs already, or when this match built no bullet-time pictures.
void boolettime(GameState &gs);
// The schedule of a running bullet time, applied once per tick: the background fades back in
// four steps over 80 ms, and at 5000 ms speed, background and label return to normal.
void bulletSchedule(GameState &gs);

// One tick of the match timer with the real milliseconds since the previous tick. Steps that
// fail end the tick and set tickFailed; nothing reaches the user. Returns the move count the
// sprites were moved by, or -1 when the tick ended before moving them.
int tick(GameState &gs, MatchHost &host, int lagCount);
// The counter panel at the top-left corner of the frame.
void drawCounters(GameState &gs, QPainter &canvas, int frameRate, int lagCount);

// Ends the match: the final frame stays for a second, the sprite world is emptied and the
// settings window returns. Also run by closing the window, with or without a match.
void endMatch(GameState &gs, MatchHost &host);
// Frees every sprite and forgets the references to them (every sprite of the match is gone).
void clearMatch(GameState &gs);
