#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// The match timer: fires at most once every `interval` ms and reports the real milliseconds
// since the previous tick (the lag count, at least 1). It ticks only while the application is
// active; on return the time base restarts, so time spent elsewhere is never counted. It also
// keeps the frame rate: every 1000 ms or more, round(ticks * 1000 / elapsed).
class GameTimer : public QObject
{
    Q_OBJECT
public:
    static constexpr int interval = 16; // ms; moves were balanced for about this length

    explicit GameTimer(QObject *parent = nullptr);

    // On: the time base starts now (the first tick's lag count runs from here). Off: no ticks.
    void setEnabled(bool on);
    bool isEnabled() const { return enabled_; }
    // While held no tick is delivered, but the time keeps counting for the next one (match
    // setup holds the timer through its countdown).
    void setHeld(bool held) { held_ = held; }
    int frameRate() const { return frameRate_; }

    // Follows the application's active state; called by the application's state signal and by
    // tests.
    void setApplicationActive(bool active);

    // Computes the lag count of a tick that happens now and updates the frame rate.
    int takeLag();

signals:
    void timer(int lagCount);

private:
    void update();
    void fire();

    QTimer timer_;
    QElapsedTimer sinceTick_;
    QElapsedTimer sinceCount_;
    int ticksCounted_ = 0;
    int frameRate_ = 0;
    bool enabled_ = false;
    bool active_ = true;
    bool held_ = false;
};
