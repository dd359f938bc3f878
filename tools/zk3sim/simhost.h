#pragma once

#include "gameloop.h"

#include <QString>

struct GameState;

// The runner's side of a match: no window, no waits, no sound device. The drawing surface is
// the sprite world's back buffer, always ready while the match runs; the frame rate is counted
// from the scripted lag counts, so a run never depends on the machine's clock.
class SimHost : public MatchHost
{
public:
    explicit SimHost(GameState &gs) : gs_(gs) {}

    void showProgress(const QString &) override {}
    void hideProgress() override {}
    void wait(int) override {}
    void failed(const QString &message) override { failure = message; }
    QImage grabScreen() override;
    void enterMatchMode() override {}
    bool playsSound() const override { return false; }
    void startDrawing() override { drawing_ = true; }
    bool readyToDraw() const override { return drawing_; }
    void present() override { ++presented; }
    int frameRate() const override { return frameRate_; }
    void stopTimer() override {}
    void leaveMatchMode() override { drawing_ = false; }

    // The frame-rate count of the timer, fed with each tick's lag count.
    void countTick(int lagCount);

    QString failure; // the message setup showed, if any
    long long presented = 0;

private:
    GameState &gs_;
    bool drawing_ = false;
    int frameRate_ = 0;
    long long ticksCounted_ = 0;
    long long msCounted_ = 0;
};
