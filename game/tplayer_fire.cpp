#include "tplayer.h"

#include "taxe.h"
#include "tdorazacka.h"
#include "tghost.h"
#include "tgun.h"
#include "tmine.h"
#include "tplamen.h"
#include "tpulz.h"
#include "tstit.h"
#include "tstrela.h"
#include "units.h"
#include "weapons.h"

namespace {

// A weapon sprite of the firing player: its picture (looked up before anything is made, so a
// missing name leaves the world as it was) at the given size, layer 2, centred on the player.
template <class T> T *launch(Tplayer &p, const QString &imageName, int scale = 1)
{
    ImagePtr picture = p.images ? p.images->find(imageName) : nullptr;
    T *s = p.engine().template create<T>();
    s->image = picture;
    if (picture) {
        s->width = picture->width() * scale;
        s->height = picture->height() * scale;
    }
    s->setZ(2);
    s->x = p.x + units::div(p.width, 2) - units::div(s->width, 2);
    s->y = p.y + units::div(p.height, 2) - units::div(s->height, 2);
    return s;
}

// A shot that starts with the player's own velocity.
template <class T> T *launchShot(Tplayer &p, const char *imageName)
{
    T *s = launch<T>(p, QString::fromLatin1(imageName));
    s->setOwner(&p);
    s->vx = p.vx;
    s->vy = p.vy;
    return s;
}

// A shot thrown along the player's angle at speed 5, scaled by this move's count.
template <class T> T *throwShot(Tplayer &p, const char *imageName, int moveCount)
{
    T *s = launch<T>(p, QString::fromLatin1(imageName));
    s->setOwner(&p);
    s->angle = p.angle;
    const QPointF d = directionOf(p.angle);
    s->vx = d.x() * 5 * moveCount / 15;
    s->vy = d.y() * 5 * moveCount / 15;
    return s;
}

} // namespace

void Tplayer::fireWeapon(int code)
{
    const int mc = game.lastMoveCount; // stored by this move before its fire buttons
    const int sinceShot = clock - lastShot;
    bool success = false;

    switch (code) {
    case weapon::arrow:
        if (sinceShot >= 175 && mana >= 20) {
            auto *s = launchShot<Tstrela>(*this, "strela0");
            s->angle = angle;
            s->damage = 4;
            mana -= 20;
            lastShot = clock;
            playSound(QStringLiteral("fire"));
            success = true;
        }
        break;
    case weapon::mine:
        if (mana >= 75 && sinceShot >= 100) {
            auto *m = launch<Tmine>(*this, QStringLiteral("mine"), 2);
            mana -= 49;
            m->owner = this;
            m->remaining = m->duration = units::div(mana, 2) + units::div(life, 2);
            lastShot = clock;
            playSound(QStringLiteral("mine"));
            success = true;
        }
        break;
    case weapon::ghost:
        if (!ghostActive) {
            ImagePtr picture = images ? images->find(QStringLiteral("duch")) : nullptr;
            const int time = units::div(mana, 2) + units::div(life, 2);
            auto *g = engine().create<Tghost>();
            g->owner = this;
            g->image = picture;
            if (picture) {
                g->width = picture->width();
                g->height = picture->height();
            }
            g->alpha = 100;
            g->setZ(2);
            g->remaining = g->duration = time;
            // The ghost places itself in its own moves.
            mana = units::div(mana, 2);
            life = units::div(life, 2);
            ghostActive = true;
            playSound(QStringLiteral("ghost"));
            success = true;
        }
        break;
    case weapon::flame:
        if (sinceShot >= 15 && mana >= 8) {
            auto *f = launchShot<Tplamen>(*this, "plamen1");
            f->heading = angle;
            f->enterFlight(); // the move's flame sound follows the count
            mana -= 8;
            lastShot = clock;
            success = true;
        }
        break;
    case weapon::healing:
        // The limit of 100 is the game's own, whatever stats.life allows.
        if (mana >= 10 && (life < 100 || (shielded && shield < 100))) {
            mana -= 10;
            if (life < stats.life)
                life += 1;
            if (life == stats.life && shielded)
                shield += 1;
            playSound(QStringLiteral("cure"));
            success = true;
        }
        break;
    case weapon::slide:
        sliding = true; // acts, but is no cast
        break;
    case weapon::shield:
        if (mana >= 100 && !shielded) {
            auto *s = launch<Tstit>(*this, QStringLiteral("shield"));
            s->owner = this;
            s->strength = 100;
            mana -= 100;
            shielded = true;
            shield = 100;
            playSound(QStringLiteral("shield on"));
            success = true;
        }
        break;
    case weapon::turbo:
        if (mana >= 20) {
            mana -= 20;
            thrust = stats.speed * 3;
            success = true;
        }
        break;
    case weapon::stop:
        if (mana >= 20) {
            mana -= 20;
            thrust = 0;
            vx = 0;
            vy = 0;
            success = true;
        }
        break;
    case weapon::small:
        if (mana >= 60) {
            mana -= 60;
            if (image) {
                width = units::div(image->width(), 3);
                height = units::div(image->height(), 3);
            }
            success = true;
        }
        break;
    case weapon::big:
        if (mana >= 60) {
            mana -= 60;
            if (image) {
                width = image->width() * 2;
                height = image->height() * 2;
            }
            success = true;
        }
        break;
    case weapon::fake:
        if (mana >= 100) {
            mana -= 100;
            auto *d = engine().create<Tplayer>(game);
            d->x = x;
            d->y = y + 2 * height;
            d->setZ(2);
            d->angle = angle;
            d->image = image;
            if (image) {
                d->width = image->width();
                d->height = image->height();
            }
            d->keys = keys;
            d->images = images;
            d->sounds = sounds;
            d->weapon1 = weapon1;
            d->weapon2 = weapon2;
            d->weapon3 = weapon3;
            success = true;
        }
        break;
    case weapon::finisher:
        if (mana >= 100) {
            ImagePtr picture = images ? images->find(QStringLiteral("duch")) : nullptr;
            mana -= 100;
            auto *f = engine().create<Tdorazacka>(game);
            f->image = picture;
            if (picture) {
                f->width = picture->width();
                f->height = picture->height();
            }
            f->x = x; // top-left aligned, not centred
            f->y = y;
            f->setZ(2);
            f->energy = f->fullEnergy = 1000;
            f->target = this == game.player2 ? game.player1 : game.player2;
            success = true;
        }
        break;
    case weapon::gun:
        if (sinceShot >= 50) {
            // An empty magazine reloads first; the reload alone is no cast.
            if (ammo == 0 && mana >= 50 && reloadTime == -1) {
                mana -= 50;
                reloadTime = 1000;
                playSound(QStringLiteral("reload"));
            }
            if (mana >= 5 && ammo > 0 && reloadTime == -1) {
                auto *b = launchShot<Tgun>(*this, "gun");
                b->angle = angle;
                ammo -= 1;
                mana -= 5;
                lastShot = clock;
                playSound(QStringLiteral("gun"));
                success = true;
            }
        }
        break;
    case weapon::axe:
        if (sinceShot >= 300 && mana >= 50) {
            throwShot<Taxe>(*this, "axe", mc);
            mana -= 50;
            lastShot = clock;
            success = true;
        }
        break;
    case weapon::pulse:
        if (sinceShot >= 300 && mana >= 80) {
            throwShot<Tpulz>(*this, "pulz", mc);
            mana -= 80;
            lastShot = clock;
            success = true;
        }
        break;
    default:
        break;
    }

    if (success && lowPower == 0) {
        showBody(QStringLiteral("telo2"));
        castTime = 500;
    }
}
