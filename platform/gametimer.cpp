#include "gametimer.h"

#include "units.h"

#include <QGuiApplication>
#include <algorithm>

GameTimer::GameTimer(QObject *parent) : QObject(parent)
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(interval);
    connect(&timer_, &QTimer::timeout, this, &GameTimer::fire);
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        // The offscreen platform never reports an active state: count it as active there.
        active_ = app->applicationState() == Qt::ApplicationActive ||
                  QGuiApplication::platformName() == QLatin1String("offscreen");
        connect(app, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    setApplicationActive(state == Qt::ApplicationActive);
                });
    }
}

void GameTimer::setEnabled(bool on)
{
    if (on && !enabled_) {
        sinceTick_.start();
        sinceCount_.start();
        ticksCounted_ = 0;
    }
    enabled_ = on;
    update();
}

void GameTimer::setApplicationActive(bool active)
{
    if (active && !active_) {
        // Inactive time never reaches a lag count.
        sinceTick_.start();
        sinceCount_.start();
        ticksCounted_ = 0;
    }
    active_ = active;
    update();
}

void GameTimer::update()
{
    if (enabled_ && active_) {
        if (!timer_.isActive())
            timer_.start();
    } else {
        timer_.stop();
    }
}

int GameTimer::takeLag()
{
    const qint64 lag = std::max<qint64>(sinceTick_.restart(), 1);
    ++ticksCounted_;
    const qint64 counted = sinceCount_.elapsed();
    if (counted >= 1000) {
        frameRate_ = Round(double(ticksCounted_) * 1000.0 / double(counted));
        ticksCounted_ = 0;
        sinceCount_.start();
    }
    return int(std::min<qint64>(lag, 1 << 30));
}

void GameTimer::fire()
{
    if (held_ || !enabled_ || !active_)
        return;
    emit timer(takeLag());
}
