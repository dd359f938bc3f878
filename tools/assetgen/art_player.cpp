#include "art_player.h"

#include <QLinearGradient>
#include <QtMath>

namespace {

enum class Pose { Normal, Hurt, Casting };

Ramp tinted(const Ramp &ramp, const QColor &to, double t)
{
    return {mix(ramp.light, to, t), mix(ramp.mid, to, t), mix(ramp.dark, to, t)};
}

// The wizard seen from above, facing +x: robe and shoulders, sleeves reaching forward, a
// pointed hat whose tip leans back, and the white beard showing in front of the brim.
QImage wizard(const Team &team, Pose pose)
{
    const int size = 56;
    return painted(size, size, [&](QPainter &p) {
        Ramp robe = team.robe;
        Ramp skin = palette::skin;
        if (pose == Pose::Hurt) {
            robe = tinted(robe, QColor(0xff, 0x70, 0x60), 0.6);
            skin = tinted(skin, QColor(0xff, 0x90, 0x80), 0.5);
        }

        // Soft drop shadow gives the figure some height over the floor.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawEllipse(QRectF(10, 9, 34, 44));

        const double reach = pose == Pose::Casting ? 7 : (pose == Pose::Hurt ? -4 : 0);
        const double spread = pose == Pose::Casting ? 6 : 11;
        const Ramp sleeve{robe.mid, robe.dark, robe.dark.darker(130)};
        for (int side : {-1, 1}) {
            const QPointF shoulder(24, 28 + side * 14), hand(38 + reach, 28 + side * spread);
            outlinedLine(p, shoulder, hand, sleeve.mid, 6.6, 10);
            shadedEllipse(p, QRectF(hand.x() - 1, hand.y() - 4, 8, 8), skin, 1.4);
        }

        // Staff in the lower hand, pointing ahead, with a gem of the team's magic.
        if (pose != Pose::Casting) {
            const QPointF from(30, 45), to(53, 39 + reach * 0.2);
            outlinedLine(p, from, to, palette::wood.mid, 2.4, 4.4);
            shadedEllipse(p, QRectF(to.x() - 3, to.y() - 3, 6, 6), team.magic, 1.2);
            shadedEllipse(p, QRectF(38 + reach - 1, 28 + spread - 4, 8, 8), skin, 1.4);
        }

        shadedEllipse(p, QRectF(10, 10, 26, 36), robe, 2.0); // shoulders and robe
        shadedEllipse(p, QRectF(29, 19.5, 14, 17), palette::beard, 1.5);
        shadedEllipse(p, QRectF(9, 15, 26, 26), robe, 2.0); // hat brim
        p.setPen(QPen(palette::gold.mid, 2.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(14, 20, 16, 16)); // hat band
        // The crown of the hat, seen from straight above, with its tip slumped a little backwards;
        // the beard, hands and staff ahead show which way the wizard faces.
        shadedEllipse(p, QRectF(14.5, 20.5, 15, 15), tinted(robe, Qt::white, 0.2), 1.5);
        shadedEllipse(p, QRectF(15.5, 24, 8, 8), tinted(robe, Qt::white, 0.35), 1.1);
        shadedEllipse(p, QRectF(14, 26, 4, 4), palette::gold, 0.9); // bobble at the tip

        if (pose == Pose::Casting) {
            glow(p, QPointF(48, 28), 9, withAlpha(team.magic.light, 230));
            shadedEllipse(p, QRectF(44.5, 24.5, 7, 7), team.magic, 1.2);
            p.setPen(QPen(Qt::white, 1.2));
            for (int i = 0; i < 4; ++i) {
                const double a = qDegreesToRadians(45.0 + i * 90.0);
                p.drawLine(QPointF(48 + 4 * std::cos(a), 28 + 4 * std::sin(a)),
                           QPointF(48 + 7.5 * std::cos(a), 28 + 7.5 * std::sin(a)));
            }
        }
        if (pose == Pose::Hurt) {
            // Impact stars around the head.
            for (auto c : {QPointF(10, 8), QPointF(44, 12), QPointF(8, 46)}) {
                QPainterPath star;
                for (int i = 0; i < 10; ++i) {
                    const double a = qDegreesToRadians(i * 36.0 - 90), r = i % 2 ? 2.0 : 5.0;
                    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
                    i ? star.lineTo(pt) : star.moveTo(pt);
                }
                star.closeSubpath();
                shadedPath(p, star, palette::gold, 1.0);
            }
        }
    });
}

// The arrow flies along +x; age dulls the feathers and chars the shaft.
QImage arrow(const Team &team, int age)
{
    return painted(34, 10, [&](QPainter &p) {
        const QColor grey(0x80, 0x7c, 0x78);
        const double fade = age * 0.4;
        Ramp feathers = tinted(team.magic, grey, fade);
        Ramp shaft = age == 2 ? tinted(palette::ember, palette::outline, 0.35)
                              : tinted(palette::wood, grey, age * 0.25);
        Ramp head = age == 2 ? tinted(palette::steel, QColor(0x8a, 0x4a, 0x22), 0.6)
                             : tinted(palette::steel, grey, age * 0.3);

        if (age < 2) {
            // A faint streak of magic behind a fresh arrow.
            QLinearGradient trail(0, 5, 14, 5);
            trail.setColorAt(0, withAlpha(team.magic.light, 0));
            trail.setColorAt(1, withAlpha(team.magic.light, age ? 60 : 130));
            p.setPen(Qt::NoPen);
            p.setBrush(trail);
            p.drawRoundedRect(QRectF(0, 3, 14, 4), 2, 2);
        }
        outlinedLine(p, QPointF(5, 5), QPointF(26, 5), shaft.mid, 1.6, 3.4);

        const double featherLength = 10 - age * 2.5;
        for (int side : {-1, 1}) {
            const QPainterPath f = polygon({QPointF(2 + featherLength, 5),
                                            QPointF(2 + featherLength * 0.35, 5 + side * 4.3),
                                            QPointF(1, 5 + side * 4.3), QPointF(3.5, 5)});
            shadedPath(p, f, feathers, 1.0);
        }
        shadedPath(p, polygon({QPointF(33, 5), QPointF(25, 1), QPointF(27, 5), QPointF(25, 9)}),
                   head, 1.1);
    });
}

// Three stages of a flame: a white-hot ball ringed with the team's magic, an orange blaze,
// and a dark puff of smoke. They are round because a flame is always drawn unrotated.
QImage flame(const Team &team, int stage, uint32_t seed)
{
    const int size = 28;
    return painted(size, size, [&](QPainter &p) {
        Rng rng(seed);
        const QPointF c(14, 14);
        auto blob = [&](double radius, double wobble) {
            return radialPath(c, 14,
                              [&](int) { return radius * (1 + wobble * rng.signedUniform()); });
        };
        if (stage == 1) {
            glow(p, c, 13.5, withAlpha(team.magic.light, 220));
            shadedPath(p, blob(9, 0.18), palette::fire, 1.4);
            glow(p, c - QPointF(1.5, 1.5), 5, QColor(255, 255, 255, 230));
        } else if (stage == 2) {
            glow(p, c, 13.5, QColor(255, 140, 40, 170));
            shadedPath(p, blob(11, 0.25),
                       {palette::fire.mid, palette::fire.dark, palette::ember.mid}, 1.4);
            shadedPath(p, blob(6, 0.25), palette::fire, 0);
        } else {
            p.setOpacity(0.75);
            for (int i = 0; i < 4; ++i) {
                const QPointF o(rng.signedUniform() * 4, rng.signedUniform() * 4);
                QPainterPath puff;
                puff.addEllipse(c + o, 7 + rng.uniform() * 3, 7 + rng.uniform() * 3);
                shadedPath(
                    p, puff,
                    {QColor(0x8a, 0x50, 0x3a), QColor(0x5a, 0x30, 0x26), QColor(0x2a, 0x1a, 0x18)},
                    i == 0 ? 1.2 : 0);
            }
            p.setOpacity(1);
            glow(p, c, 4, QColor(255, 120, 40, 150));
        }
    });
}

// A translucent double of the wizard: a sheet with a round head ahead and a wavy tail behind.
QImage ghost(const Team &team)
{
    return painted(56, 56, [&](QPainter &p) {
        QPainterPath sheet;
        sheet.moveTo(50, 28);
        sheet.cubicTo(50, 12, 34, 8, 24, 12);
        sheet.cubicTo(16, 15, 12, 12, 4, 14);
        sheet.cubicTo(10, 20, 6, 24, 2, 28);
        sheet.cubicTo(6, 32, 10, 36, 4, 42);
        sheet.cubicTo(12, 44, 16, 41, 24, 44);
        sheet.cubicTo(34, 48, 50, 44, 50, 28);
        sheet.closeSubpath();
        const Ramp pale{QColor(255, 255, 255, 220), withAlpha(team.magic.light, 190),
                        withAlpha(team.magic.mid, 170)};
        glow(p, QPointF(30, 28), 27, withAlpha(team.magic.light, 90));
        p.setBrush(shade(sheet.boundingRect(), pale));
        p.setPen(QPen(withAlpha(team.magic.dark, 200), 1.6));
        p.drawPath(sheet);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(palette::outline, 210));
        p.drawEllipse(QRectF(38, 19, 6, 7));
        p.drawEllipse(QRectF(38, 30, 6, 7));
        p.setBrush(withAlpha(palette::outline, 150));
        p.drawEllipse(QRectF(32, 25, 4, 6)); // open mouth, wailing
    });
}

QImage mine(const Team &team)
{
    return painted(20, 20, [&](QPainter &p) {
        const QPointF c(10, 10);
        for (int i = 0; i < 8; ++i) {
            const double a = 2 * M_PI * i / 8;
            const QPointF dir(std::cos(a), std::sin(a)), side(-dir.y(), dir.x());
            QPainterPath spike;
            spike.moveTo(c + dir * 9.5);
            spike.lineTo(c + dir * 5 + side * 2);
            spike.lineTo(c + dir * 5 - side * 2);
            spike.closeSubpath();
            shadedPath(p, spike, palette::steel, 0.9);
        }
        shadedEllipse(p, QRectF(3.5, 3.5, 13, 13),
                      {palette::steel.mid, palette::steel.dark, palette::outline}, 1.2);
        glow(p, c, 5, withAlpha(team.magic.light, 240));
        shadedEllipse(p, QRectF(8, 8, 4, 4), team.magic, 0.8);
    });
}

QImage cursorArrow(const Team &team)
{
    return painted(40, 24, [&](QPainter &p) {
        const QPainterPath a =
            polygon({QPointF(38, 12), QPointF(22, 2), QPointF(22, 7.5), QPointF(3, 7.5),
                     QPointF(7, 12), QPointF(3, 16.5), QPointF(22, 16.5), QPointF(22, 22)});
        shadedPath(p, a, team.magic, 2.0);
        p.setPen(QPen(withAlpha(Qt::white, 170), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 9.8), QPointF(23, 9.8));
    });
}

QImage dot(const Ramp &ramp, int size, bool drop)
{
    return painted(size, size, [&](QPainter &p) {
        const double r = size / 2.0;
        if (drop) {
            shadedEllipse(p, QRectF(0.6, 0.6, size - 1.2, size - 1.2), ramp, 0.8);
            p.setPen(Qt::NoPen);
            p.setBrush(withAlpha(Qt::white, 160));
            p.drawEllipse(QRectF(r * 0.55, r * 0.45, r * 0.5, r * 0.45));
        } else {
            glow(p, QPointF(r, r), r, withAlpha(ramp.light, 230));
            p.setPen(Qt::NoPen);
            p.setBrush(withAlpha(Qt::white, 220));
            p.drawEllipse(QPointF(r, r), r * 0.35, r * 0.35);
        }
    });
}

// A bubble larger than the body: clear in the middle, bright at the rim, a glint up-left.
QImage shield(const Team &team)
{
    const int size = 84;
    return painted(size, size, [&](QPainter &p) {
        const QPointF c(size / 2.0, size / 2.0);
        QRadialGradient g(c, 40);
        g.setColorAt(0.0, withAlpha(team.magic.light, 20));
        g.setColorAt(0.7, withAlpha(team.magic.light, 60));
        g.setColorAt(0.92, withAlpha(team.magic.mid, 170));
        g.setColorAt(1.0, withAlpha(team.magic.light, 230));
        p.setBrush(g);
        p.setPen(QPen(withAlpha(team.magic.dark, 220), 1.8));
        p.drawEllipse(c, 40, 40);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(Qt::white, 200), 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(12, 12, 60, 60), 100 * 16, 60 * 16);
        p.setPen(QPen(withAlpha(Qt::white, 120), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(16, 16, 52, 52), 280 * 16, 40 * 16);
    });
}

// A throwing axe: the handle along +x, the bearded blade at its far end.
QImage axe(const Team &team)
{
    return painted(30, 30, [&](QPainter &p) {
        outlinedLine(p, QPointF(4, 17), QPointF(25, 17), palette::wood.mid, 3, 5);
        p.setPen(QPen(team.robe.mid, 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(5, 17), QPointF(10, 17)); // grip wrapping
        QPainterPath blade;
        blade.moveTo(18, 15);
        blade.cubicTo(17, 9, 15, 5, 13, 2);
        blade.cubicTo(20, 2, 27, 4, 29, 10);
        blade.cubicTo(28, 13, 26, 15, 24, 15);
        blade.closeSubpath();
        shadedPath(p, blade, palette::steel, 1.3);
        p.setPen(QPen(withAlpha(Qt::white, 200), 1.0));
        p.drawLine(QPointF(15, 3.5), QPointF(27, 8)); // honed edge
    });
}

QImage bullet(const Team &team)
{
    return painted(16, 6, [&](QPainter &p) {
        QLinearGradient trail(0, 3, 8, 3);
        trail.setColorAt(0, withAlpha(team.magic.light, 0));
        trail.setColorAt(1, withAlpha(team.magic.light, 170));
        p.setPen(Qt::NoPen);
        p.setBrush(trail);
        p.drawRect(QRectF(0, 2, 8, 2));
        QPainterPath b;
        b.moveTo(6, 1);
        b.lineTo(11, 1);
        b.cubicTo(14, 1, 15.5, 2, 15.5, 3);
        b.cubicTo(15.5, 4, 14, 5, 11, 5);
        b.lineTo(6, 5);
        b.closeSubpath();
        shadedPath(p, b, palette::gold, 0.9);
    });
}

QImage pulse(const Team &team)
{
    return painted(40, 40, [&](QPainter &p) {
        const QPointF c(20, 20);
        glow(p, c, 19.5, withAlpha(team.magic.light, 70));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(palette::outline, 200), 6));
        p.drawEllipse(c, 14, 14);
        p.setPen(QPen(team.magic.mid, 4));
        p.drawEllipse(c, 14, 14);
        p.setPen(QPen(team.magic.light, 1.6));
        p.drawEllipse(c, 14, 14);
        p.setPen(QPen(withAlpha(team.magic.light, 150), 1.4));
        p.drawEllipse(c, 8, 8);
    });
}

} // namespace

Team blueTeam()
{
    return {palette::blue,
            {QColor(0xb4, 0xf0, 0xff), QColor(0x3c, 0xc0, 0xf0), QColor(0x14, 0x5a, 0xa0)}};
}

Team greenTeam()
{
    return {palette::green,
            {QColor(0xe0, 0xff, 0x9a), QColor(0x8c, 0xe0, 0x3c), QColor(0x3a, 0x80, 0x18)}};
}

std::vector<ImageRecord> playerImages(const Team &team)
{
    return {
        imageRecord("telo0", wizard(team, Pose::Normal)),
        imageRecord("telo1", wizard(team, Pose::Hurt)),
        imageRecord("telo2", wizard(team, Pose::Casting)),
        imageRecord("strela0", arrow(team, 0)),
        imageRecord("strela1", arrow(team, 1)),
        imageRecord("strela2", arrow(team, 2)),
        imageRecord("plamen1", flame(team, 1, 11)),
        imageRecord("plamen2", flame(team, 2, 12)),
        imageRecord("plamen3", flame(team, 3, 13)),
        imageRecord("duch", ghost(team)),
        imageRecord("mine", mine(team)),
        imageRecord("sipka", cursorArrow(team)),
        imageRecord("plbod", dot(team.magic, 6, false)),
        imageRecord("crbod", dot(palette::blood, 7, true)),
        imageRecord("shield", shield(team)),
        imageRecord("axe", axe(team)),
        imageRecord("gun", bullet(team)),
        imageRecord("pulz", pulse(team)),
    };
}
