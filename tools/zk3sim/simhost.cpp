#include "simhost.h"

#include "gamestate.h"
#include "units.h"

#include <QImage>

QImage SimHost::grabScreen()
{
    // There is no desktop to copy: the runner's "screen" is black.
    QImage screen(gs_.screenWidth, gs_.screenHeight, QImage::Format_ARGB32_Premultiplied);
    screen.fill(Qt::black);
    return screen;
}

void SimHost::countTick(int lagCount)
{
    ++ticksCounted_;
    msCounted_ += lagCount;
    if (msCounted_ >= 1000) {
        frameRate_ = Round(double(ticksCounted_) * 1000.0 / double(msCounted_));
        ticksCounted_ = 0;
        msCounted_ = 0;
    }
}
