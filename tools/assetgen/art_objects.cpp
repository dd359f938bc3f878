#include "art_objects.h"

#include "paint.h"

#include <QLinearGradient>
#include <QtMath>
#include <array>

namespace {

// A stretch of wall seen from above: courses of bricks with a lit top edge.
QImage wall(int width, int height, uint32_t seed)
{
    return painted(width, height, [&](QPainter &p) {
        Rng rng(seed);
        const bool across = width >= height;
        const int length = across ? width : height, thickness = across ? height : width;
        const int courses = 2, course = thickness / courses;
        QPainterPath body;
        body.addRoundedRect(QRectF(1, 1, width - 2, height - 2), 4, 4);
        p.setBrush(palette::stone.dark);
        p.setPen(outlinePen(2));
        p.drawPath(body);
        for (int c = 0; c < courses; ++c) {
            int pos = c % 2 ? -18 : 0;
            while (pos < length) {
                const int brick = 30 + rng.below(16);
                const double a = std::max(pos, 0) + 2.5, b = std::min(pos + brick, length) - 2.5;
                if (b - a > 4) {
                    QRectF r = across ? QRectF(a, c * course + 2.5, b - a, course - 3)
                                      : QRectF(c * course + 2.5, a, course - 3, b - a);
                    const int s = rng.below(20) - 10;
                    const Ramp ramp{palette::stone.light.lighter(100 + s),
                                    palette::stone.mid.lighter(100 + s), palette::stone.dark};
                    QPainterPath brickPath;
                    brickPath.addRoundedRect(r, 3, 3);
                    shadedPath(p, brickPath, ramp, 0);
                }
                pos += brick;
            }
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(outlinePen(2));
        p.drawPath(body);
    });
}

QImage pillar()
{
    return painted(64, 64, [&](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawEllipse(QRectF(6, 8, 56, 56));
        shadedEllipse(p, QRectF(2, 2, 58, 58), palette::stone, 2);
        shadedEllipse(p, QRectF(10, 10, 42, 42), palette::stone, 1.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette::stone.dark, 1.5));
        for (int i = 0; i < 8; ++i) {
            const double a = 2 * M_PI * i / 8;
            p.drawLine(QPointF(31 + 22 * std::cos(a), 31 + 22 * std::sin(a)),
                       QPointF(31 + 28 * std::cos(a), 31 + 28 * std::sin(a)));
        }
    });
}

QImage boulder()
{
    return painted(52, 52, [&](QPainter &p) {
        Rng rng(77);
        const QPainterPath rock =
            radialPath(QPointF(26, 26), 11, [&rng](int) { return 22 + rng.signedUniform() * 3; });
        shadedPath(p, rock, palette::mossStone, 2);
        p.setPen(QPen(palette::mossStone.dark, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(18, 30), QPointF(28, 36));
        p.drawLine(QPointF(28, 36), QPointF(36, 31));
    });
}

QImage crate()
{
    return painted(48, 48, [&](QPainter &p) {
        QPainterPath box;
        box.addRoundedRect(QRectF(1.5, 1.5, 45, 45), 3, 3);
        shadedPath(p, box, palette::wood, 2);
        p.setPen(QPen(palette::wood.dark, 1.2));
        for (int i = 1; i < 4; ++i)
            p.drawLine(QPointF(6, 6 + i * 9), QPointF(42, 6 + i * 9));
        QPen frame(palette::outline, 6.5, Qt::SolidLine, Qt::SquareCap);
        QPen beam(palette::wood.light.darker(110), 4, Qt::SolidLine, Qt::SquareCap);
        for (const QPen &pen : {frame, beam}) {
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(5, 5, 38, 38));
            p.drawLine(QPointF(7, 7), QPointF(41, 41));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(palette::steel.mid);
        for (QPointF c : {QPointF(5, 5), QPointF(43, 5), QPointF(5, 43), QPointF(43, 43)})
            p.drawEllipse(c, 1.6, 1.6);
    });
}

QImage barrel()
{
    return painted(40, 40, [&](QPainter &p) {
        shadedEllipse(p, QRectF(1.5, 1.5, 37, 37), palette::wood, 2);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette::steel.dark, 3));
        p.drawEllipse(QRectF(4, 4, 32, 32));
        p.setPen(QPen(palette::wood.dark, 1.2));
        for (int i = -2; i <= 2; ++i)
            p.drawLine(QPointF(20 + i * 5, 9), QPointF(20 + i * 5, 31));
        shadedEllipse(p, QRectF(16, 16, 8, 8), palette::wood, 1.2); // the bung
    });
}

// A pool that fills its rectangle: the whole rectangle counts as water in the game.
QImage pool(int width, int height)
{
    return painted(width, height, [&](QPainter &p) {
        QPainterPath rim;
        rim.addRoundedRect(QRectF(1, 1, width - 2, height - 2), 34, 34);
        shadedPath(p, rim, palette::stone, 2);
        QPainterPath water;
        water.addRoundedRect(QRectF(10, 10, width - 20, height - 20), 26, 26);
        QLinearGradient g(0, 10, 0, height - 10);
        g.setColorAt(0, palette::water.dark);
        g.setColorAt(0.25, palette::water.mid);
        g.setColorAt(1, palette::water.dark.darker(120));
        p.setBrush(g);
        p.setPen(outlinePen(1.5));
        p.drawPath(water);
        Rng rng(31);
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 14; ++i) {
            const double cx = 40 + rng.uniform() * (width - 80),
                         cy = 30 + rng.uniform() * (height - 60);
            const double w = 20 + rng.uniform() * 40;
            p.setPen(QPen(withAlpha(palette::water.light, 90 + rng.below(80)), 2, Qt::SolidLine,
                          Qt::RoundCap));
            p.drawArc(QRectF(cx - w / 2, cy - 4, w, 8), 200 * 16, 140 * 16);
        }
    });
}

// The turret: a crossbow on a round stone base, pointing along +x.
QImage turret()
{
    return painted(64, 64, [&](QPainter &p) {
        shadedEllipse(p, QRectF(6, 6, 52, 52), palette::stone, 2);
        shadedEllipse(p, QRectF(16, 16, 32, 32), palette::steel, 1.5);
        outlinedLine(p, QPointF(22, 32), QPointF(60, 32), palette::wood.mid, 4, 7);
        QPainterPath bow;
        bow.moveTo(44, 6);
        bow.cubicTo(56, 14, 56, 50, 44, 58);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette::outline, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(bow);
        p.setPen(QPen(palette::wood.light, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(bow);
        p.setPen(QPen(palette::bone.light, 1.2));
        p.drawLine(QPointF(44, 6), QPointF(34, 32));
        p.drawLine(QPointF(34, 32), QPointF(44, 58));
        shadedEllipse(p, QRectF(26, 27, 10, 10), palette::gold, 1.2);
    });
}

// A crystal on a stone plinth; it fires pulses of draining magic.
QImage crystal()
{
    return painted(64, 64, [&](QPainter &p) {
        shadedEllipse(p, QRectF(4, 4, 56, 56), palette::stone, 2);
        glow(p, QPointF(32, 32), 26, QColor(0xc8, 0x80, 0xff, 170));
        const QPainterPath gem =
            radialPath(QPointF(32, 32), 6, [](int i) { return i % 2 ? 13.0 : 18.0; });
        shadedPath(p, gem,
                   {QColor(0xf0, 0xd0, 0xff), QColor(0xa0, 0x50, 0xe0), QColor(0x4a, 0x1c, 0x7a)},
                   1.8);
        p.setPen(QPen(withAlpha(Qt::white, 170), 1.2));
        p.drawLine(QPointF(32, 32), QPointF(50, 32)); // the facet that points the way it fires
        p.drawLine(QPointF(32, 32), QPointF(23, 17));
        p.drawLine(QPointF(32, 32), QPointF(23, 47));
    });
}

// The crystal's pulse: a violet ring.
QImage pulseRing()
{
    return painted(36, 36, [&](QPainter &p) {
        const QPointF c(18, 18);
        glow(p, c, 17.5, QColor(0xd0, 0x90, 0xff, 90));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(palette::outline, 200), 5));
        p.drawEllipse(c, 12, 12);
        p.setPen(QPen(QColor(0xb0, 0x60, 0xf0), 3.4));
        p.drawEllipse(c, 12, 12);
        p.setPen(QPen(QColor(0xf0, 0xd8, 0xff), 1.2));
        p.drawEllipse(c, 12, 12);
    });
}

QImage bolt()
{
    return painted(30, 8, [&](QPainter &p) {
        outlinedLine(p, QPointF(3, 4), QPointF(24, 4), palette::steel.dark, 1.6, 3.2);
        for (int side : {-1, 1}) {
            const QPainterPath f = polygon({QPointF(9, 4), QPointF(4, 4 + side * 3.4),
                                            QPointF(1, 4 + side * 3.4), QPointF(3, 4)});
            shadedPath(p, f, palette::blood, 0.9);
        }
        shadedPath(p, polygon({QPointF(29.5, 4), QPointF(22, 0.8), QPointF(22, 7.2)}),
                   palette::steel, 1.0);
    });
}

QImage tree()
{
    return painted(170, 170, [&](QPainter &p) {
        Rng rng(5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawEllipse(QRectF(16, 22, 150, 146));
        for (int i = 0; i < 9; ++i) {
            const double a = 2 * M_PI * i / 9, r = 42;
            const QPointF c(84 + r * std::cos(a), 84 + r * std::sin(a));
            const double s = 30 + rng.uniform() * 10;
            shadedEllipse(p, QRectF(c.x() - s, c.y() - s, 2 * s, 2 * s), palette::leaf, 2);
        }
        shadedEllipse(p, QRectF(44, 44, 80, 80), palette::leaf, 2);
        p.setBrush(withAlpha(palette::leaf.light, 140));
        for (int i = 0; i < 30; ++i) {
            const double a = rng.uniform() * 2 * M_PI, r = rng.uniform() * 70;
            p.drawEllipse(QPointF(84 + r * std::cos(a), 84 + r * std::sin(a)), 3, 2);
        }
    });
}

QImage flowers()
{
    return painted(120, 80, [&](QPainter &p) {
        Rng rng(3);
        QPainterPath bed;
        bed.addEllipse(QRectF(2, 2, 116, 76));
        shadedPath(p, bed,
                   {QColor(0x5e, 0x4a, 0x30), QColor(0x44, 0x34, 0x22), QColor(0x2a, 0x20, 0x16)},
                   1.5);
        const std::array<Ramp, 3> petals{palette::blood, palette::gold, palette::bone};
        for (int i = 0; i < 22; ++i) {
            const double a = rng.uniform() * 2 * M_PI, r = std::sqrt(rng.uniform());
            const QPointF c(60 + r * 48 * std::cos(a), 40 + r * 30 * std::sin(a));
            shadedEllipse(p, QRectF(c.x() - 5, c.y() - 5, 10, 10), palette::leaf, 1);
            shadedEllipse(p, QRectF(c.x() - 3, c.y() - 3, 6, 6), petals[i % 3], 0.8);
        }
    });
}

// A magic circle inlaid in the floor between the players.
QImage rune()
{
    return painted(200, 200, [&](QPainter &p) {
        const QPointF c(100, 100);
        const QColor line(0x9a, 0xe0, 0xff, 150);
        p.setBrush(Qt::NoBrush);
        for (double r : {96.0, 84.0, 46.0}) {
            p.setPen(QPen(withAlpha(palette::outline, 120), 5));
            p.drawEllipse(c, r, r);
            p.setPen(QPen(line, 2));
            p.drawEllipse(c, r, r);
        }
        QPainterPath star;
        for (int i = 0; i <= 5; ++i) {
            const double a = qDegreesToRadians(-90.0 + i * 144.0);
            const QPointF pt(c.x() + 84 * std::cos(a), c.y() + 84 * std::sin(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        p.setPen(QPen(line, 2));
        p.drawPath(star);
        QPainterPath glyphs;
        for (int i = 0; i < 12; ++i) {
            const double a = qDegreesToRadians(i * 30.0);
            const QPointF d(std::cos(a), std::sin(a)), s(-d.y(), d.x());
            glyphs.moveTo(c + d * 87 + s * 3);
            glyphs.lineTo(c + d * 93);
            glyphs.lineTo(c + d * 87 - s * 3);
        }
        p.drawPath(glyphs);
    });
}

QImage splinter()
{
    return painted(14, 6, [&](QPainter &p) {
        shadedPath(p, polygon({QPointF(1, 3), QPointF(6, 1), QPointF(13, 2), QPointF(8, 5)}),
                   palette::wood, 0.9);
    });
}

QImage pebble()
{
    return painted(10, 10, [&](QPainter &p) {
        shadedPath(
            p, polygon({QPointF(1, 5), QPointF(4, 1), QPointF(9, 3), QPointF(8, 8), QPointF(3, 9)}),
            palette::stone, 0.9);
    });
}

} // namespace

std::vector<ImageRecord> objectImages()
{
    return {
        imageRecord("stena", wall(256, 40, 41)),
        imageRecord("stenav", wall(40, 256, 42)),
        imageRecord("stlp", pillar()),
        imageRecord("balvan", boulder()),
        imageRecord("debna", crate()),
        imageRecord("sud", barrel()),
        imageRecord("jazero", pool(380, 200)),
        imageRecord("vez", turret()),
        imageRecord("sip", bolt()),
        imageRecord("krystal", crystal()),
        imageRecord("vlna", pulseRing()),
        imageRecord("strom", tree()),
        imageRecord("kvety", flowers()),
        imageRecord("runa", rune()),
        imageRecord("trieska", splinter()),
        imageRecord("kamienok", pebble()),
    };
}
