#include "tplayer.h"

#include "damage.h"
#include "error.h"
#include "tbod.h"
#include "tstaticsprite.h"
#include "units.h"
#include "weapons.h"

#include <QFont>
#include <QPainter>
#include <cmath>
#include <numbers>

Tplayer::Tplayer(TSpriteEngine &engine, GameState &game) : TImageSpriteEx(engine), game(game)
{
    collides = true;
}

ImagePtr Tplayer::ownImage(const QString &name) const
{
    if (!images)
        throw Error(QStringLiteral("Image '%1' not found").arg(name));
    return images->find(name);
}

void Tplayer::showBody(const QString &name)
{
    image = ownImage(name);
}

void Tplayer::playSound(const QString &name)
{
    if (!sounds)
        return;
    if (game.snd)
        sounds->play(name);
    else if (WavePtr wave = sounds->tryFind(name))
        wave->play();
}

void Tplayer::stopSound(const QString &name)
{
    if (!sounds)
        return;
    if (game.snd)
        sounds->stop(name);
    else if (WavePtr wave = sounds->tryFind(name))
        wave->stop();
}

void Tplayer::onHit(TSprite &other)
{
    if (auto *object = dynamic_cast<Tstaticsprite *>(&other)) {
        if (object->water) {
            inWater = true;
            if (object->hurt > 0)
                hitPlayer(*this, object->hurt);
        } else {
            if (object->supported) {
                vx = -vx * 1.5;
                vy = -vy * 1.5;
            } else {
                // A falling object drags the player down with it.
                vy = (vy + game.lastMoveCount / 10.0) * 1.5;
            }
            playSound(QStringLiteral("fall"));
            if (object->hurt > 0)
                hitPlayer(*this, object->hurt);
        }
    }
    // Only player 1's own test exchanges, so a contact is resolved once per move.
    if (game.plc && this == game.player1) {
        if (auto *otherPlayer = dynamic_cast<Tplayer *>(&other)) {
            const double oldVx = vx, oldVy = vy;
            vx = otherPlayer->vx * 1.5;
            vy = otherPlayer->vy * 1.5;
            otherPlayer->vx = oldVx * 1.5;
            otherPlayer->vy = oldVy * 1.5;
        }
    }
}

void Tplayer::onDraw(QPainter &canvas)
{
    TImageSpriteEx::onDraw(canvas);
    if (game.hlt)
        drawStatus(canvas);
}

void Tplayer::splash()
{
    playSound(QStringLiteral("water"));
    const ImagePtr picture = game.sys.find(QStringLiteral("splash"));
    for (int i = 35; i <= 75; ++i) {
        const double a = i * 5 * std::numbers::pi / 180;
        Tbod *mark = makeMark(game, picture, 500, 0);
        mark->vx = std::cos(a) * 10;
        mark->vy = std::sin(a) * 10;
        mark->angle = degreesToUnits(i * 5);
        centreWithScatter(game, *mark, *this);
    }
}

void Tplayer::onMove(int moveCount)
{
    const int mc = moveCount;
    wasInWater = inWater;
    inWater = false;
    collide();
    if (inWater != wasInWater)
        splash();
    sliding = false;
    game.lastMoveCount = mc;
    clock += mc;

    if (castTime != -1) {
        castTime -= mc;
        if (castTime <= 0) {
            castTime = -1;
            showBody(QStringLiteral("telo0"));
        }
    }
    if (reloadTime != -1) {
        reloadTime -= mc;
        const bool hasGun =
            weapon1 == weapon::gun || weapon2 == weapon::gun || weapon3 == weapon::gun;
        if (reloadTime <= 0 && hasGun) {
            ammo = stats.mana;
            reloadTime = -1;
        }
    }
    if (hurtTime <= 100) {
        ++hurtTime;
        if (hurtTime == 100)
            showBody(QStringLiteral("telo0"));
    }
    if (game.krv && hurtTime <= 100) {
        Tbod *blood = makeMark(game, ownImage(QStringLiteral("crbod")), 800, 10);
        centreWithScatter(game, *blood, *this);
    }

    if (held(KeyState::Left))
        angle -= units::div(mc, 5);
    if (held(KeyState::Right))
        angle += units::div(mc, 5);

    if (lowPower > 0) {
        if (mana > 0)
            mana -= 4;
        if (mana < 0)
            mana = 0;
        lowPower -= units::div(mc, 2);
    } else {
        if (held(KeyState::Up))
            thrust = stats.speed;
        if (held(KeyState::Down))
            thrust = -stats.speed / 3;
    }

    if (held(KeyState::Button1))
        fireWeapon(weapon1);
    if (held(KeyState::Button2))
        fireWeapon(weapon2);
    if (held(KeyState::Button3))
        fireWeapon(weapon3);

    if (sliding) {
        if (!slideSoundOn)
            playSound(QStringLiteral("slide"));
        slideSoundOn = true;
        vx *= 0.999;
        vy *= 0.999;
    } else {
        const QPointF d = directionOf(angle);
        vx += d.x() * thrust * mc / 15;
        vy += d.y() * thrust * mc / 15;
        if (inWater) {
            thrust *= 0.7;
            vx *= 0.7;
            vy *= 0.7;
        } else {
            thrust *= 0.9;
            vx *= 0.95;
            vy *= 0.95;
        }
        if (slideSoundOn) {
            stopSound(QStringLiteral("slide"));
            slideSoundOn = false;
        }
        if (mana < stats.mana)
            ++mana;
    }

    if (flamesInFlight > 0) {
        if (!flameSoundOn)
            playSound(QStringLiteral("flame"));
        flameSoundOn = true;
    } else if (flameSoundOn) {
        stopSound(QStringLiteral("flame"));
        flameSoundOn = false;
    }

    x += vx;
    y += vy;

    if (!inWater && game.fly && clock > 5) {
        Tbod *trail = makeMark(game, ownImage(QStringLiteral("plbod")), 500, 20);
        trail->x = x + game.Random(width);
        trail->y = y + game.Random(height);
    }
}

QPoint Tplayer::statusAnchor() const
{
    const QRect surface = game.engine.surfaceRect();
    const int W = surface.width(), H = surface.height();
    int h = 0, v = 0;
    if (x < 0) {
        h = 30;
        v = Round(y);
    }
    if (x > W) {
        h = W - 30;
        v = Round(y);
    }
    if (y < 0) {
        v = 30;
        h = Round(x);
    }
    if (y > H) {
        v = H - 30;
        h = Round(x);
    }
    if (h < 0)
        h = 30;
    if (h + width > W)
        h = W - 30;
    if (v < 0)
        v = 30;
    if (v + height > H)
        v = H - 30;
    if (0 < x && x < W && 0 < y && y < H) {
        h = 0;
        v = 0;
    }
    if (h == 0 && v == 0) {
        h = Round(x);
        v = Round(y);
    }
    return {h, v};
}

namespace {

// A one-pixel column from row `base` to `end`, the end row itself left out (as a line drawn
// from base to end), upward or downward.
void drawBar(QPainter &canvas, int column, int base, int end, QColor colour)
{
    if (end == base)
        return;
    const int top = end < base ? end + 1 : base;
    const int bottom = end < base ? base : end - 1;
    canvas.fillRect(QRect(column, top, 1, bottom - top + 1), colour);
}

} // namespace

void Tplayer::drawStatus(QPainter &canvas)
{
    const QPoint anchor = statusAnchor();
    const int h = anchor.x(), v = anchor.y();
    struct Bar
    {
        int column;
        QColor colour;
        int value;
        int max;
    };
    const Bar bars[] = {
        {h + 3, QColor(128, 128, 128), ammo, stats.mana},
        {h, QColor(255, 0, 0), life, stats.life},
        {h - 3, QColor(0, 0, 255), mana, stats.mana},
        {h - 6, QColor(0, 0, 128), shield, 100},
    };
    for (const Bar &bar : bars) {
        const int end = barEnd(bar.max, bar.value, v);
        drawBar(canvas, bar.column, v, end, bar.colour);
        drawBar(canvas, bar.column - 1, v, end, bar.colour);
    }
    if (game.nam) {
        canvas.save();
        QFont font = canvas.font();
        font.setPointSize(8);
        canvas.setFont(font);
        canvas.setPen(Qt::black);
        canvas.setBackgroundMode(Qt::TransparentMode);
        canvas.drawText(QRect(h - 5, v + 1, 1000, 100), Qt::AlignLeft | Qt::AlignTop, playerName);
        canvas.restore();
    }
}
