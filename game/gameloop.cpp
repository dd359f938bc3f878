#include "gameloop.h"

#include "gamestate.h"
#include "units.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

void boolettime(GameState &gs)
{
    if (!gs.bul || gs.desktopMode || gs.bulletActive)
        return;
    gs.bulletActive = true;
    gs.bulletStart = gs.totalTime;
    const int count = gs.sys.count();
    if (gs.background && count >= bullettime::pictureCount)
        gs.background->image = gs.sys.entry(count - 5);
    if (gs.bulletLabel)
        gs.bulletLabel->visible = true;
    gs.timeDivisor = bullettime::divisor;
}

void bulletSchedule(GameState &gs)
{
    // Wide arithmetic: totalTime may have wrapped during a very long match.
    const qint64 a = qint64(gs.totalTime) - qint64(gs.bulletStart);
    if (a < 0)
        return;
    if (a >= bullettime::duration) {
        gs.bulletActive = false;
        gs.timeDivisor = 1;
        if (gs.background)
            gs.background->image = gs.backgroundImage;
        if (gs.bulletLabel)
            gs.bulletLabel->visible = false;
        return;
    }
    if (a > 80)
        return; // the 0.2 veil stays until the end
    // 0..20 ms the 0.8 picture (count - 4), then one step lighter every 20 ms.
    const int fromEnd = a <= 20 ? 4 : a <= 40 ? 3 : a <= 60 ? 2 : 1;
    const int count = gs.sys.count();
    if (gs.background && count >= bullettime::pictureCount)
        gs.background->image = gs.sys.entry(count - fromEnd);
}

void drawCounters(GameState &gs, QPainter &canvas, int frameRate, int lagCount)
{
    QFont font = canvas.font();
    font.setPointSize(12);
    canvas.setFont(font);
    canvas.setPen(Qt::white);
    canvas.setBackground(Qt::black);
    canvas.setBackgroundMode(Qt::OpaqueMode);
    const auto line = [&canvas](int y, const QString &text) {
        // Text from its top-left corner, on a solid black box of its own size.
        const QRect box = canvas.fontMetrics().boundingRect(QRect(0, y, 4000, 200),
                                                            Qt::AlignLeft | Qt::AlignTop, text);
        canvas.fillRect(box, Qt::black);
        canvas.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
    };
    line(0, QStringLiteral("FPS: ") + QString::number(frameRate));
    line(24, QStringLiteral("Sprite: ") + QString::number(gs.engine.spriteCount()));
    line(48, QStringLiteral("Draw: ") + QString::number(gs.engine.drawCount()));
    line(72, QStringLiteral("Lagcount: ") + QString::number(lagCount));
    line(96, QStringLiteral("Movecount: ") + QString::number(gs.lastMoveCount));
    if (gs.tickFailed)
        gs.warningText = QStringLiteral("Warning");
    if (!gs.warningText.isEmpty())
        line(120, gs.warningText);
    gs.tickFailed = false;
}

int tick(GameState &gs, MatchHost &host, int lagCount)
{
    lagCount = std::max(lagCount, 0);
    int moveCount = -1;
    try {
        // Wraps rather than overflowing after 24 days of play.
        gs.totalTime = int(unsigned(gs.totalTime) + unsigned(lagCount));
        if (!host.readyToDraw())
            return moveCount;
        if (gs.matchOver) {
            endMatch(gs, host);
            return moveCount;
        }
        gs.input.poll(gs.keyTable);
        gs.input1.poll(gs.keyTable);
        if (gs.bulletActive)
            bulletSchedule(gs);
        moveCount = units::div(lagCount, std::max(gs.timeDivisor, 1));
        gs.engine.advance(moveCount);
        gs.engine.purge();
        gs.engine.render();
        if (gs.fps) {
            QPainter canvas(&gs.engine.surface());
            drawCounters(gs, canvas, host.frameRate(), lagCount);
        }
        host.present();
    } catch (...) {
        // A failing sprite ends only this tick; the counter panel reports it.
        gs.tickFailed = true;
    }
    return moveCount;
}

void clearMatch(GameState &gs)
{
    gs.engine.clear();
    gs.player1 = gs.player2 = nullptr;
    gs.cursor1 = gs.cursor2 = nullptr;
    gs.background = nullptr;
    gs.bulletLabel = nullptr;
    gs.keyTable.releaseAll();
    gs.input.clear();
    gs.input1.clear();
}

void endMatch(GameState &gs, MatchHost &host)
{
    host.stopTimer();
    const bool drawing = host.readyToDraw();
    gs.engine.render();
    host.present();
    if (drawing)
        host.wait(1000); // the final frame, with the dead player's sign, stays a second
    host.showProgress(QStringLiteral("Prosím čakajte..."));
    clearMatch(gs);
    host.leaveMatchMode();
    host.hideProgress();
}
