#include "art_arena.h"

#include "paint.h"

#include <QLinearGradient>
#include <QtMath>
#include <array>

namespace {

ImageRecord record(const QString &name, const QImage &picture)
{
    ImageRecord r;
    r.name = name;
    r.picture = picture.convertToFormat(QImage::Format_ARGB32);
    return r;
}

// Value noise on a lattice that wraps at the picture's size, so the result tiles seamlessly.
class TilingNoise
{
public:
    TilingNoise(int cells, uint32_t seed) : cells_(cells), values_(size_t(cells) * cells)
    {
        Rng rng(seed);
        for (double &v : values_)
            v = rng.uniform();
    }
    // u and v in [0, 1).
    double at(double u, double v) const
    {
        const double x = u * cells_, y = v * cells_;
        const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
        const double fx = smooth(x - x0), fy = smooth(y - y0);
        auto val = [this](int i, int j) {
            i = ((i % cells_) + cells_) % cells_;
            j = ((j % cells_) + cells_) % cells_;
            return values_[size_t(j) * cells_ + i];
        };
        const double a = val(x0, y0) + (val(x0 + 1, y0) - val(x0, y0)) * fx;
        const double b = val(x0, y0 + 1) + (val(x0 + 1, y0 + 1) - val(x0, y0 + 1)) * fx;
        return a + (b - a) * fy;
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    int cells_;
    std::vector<double> values_;
};

// Flagstones with mossy joints. Every stone is drawn at its place and shifted by the tile size
// in each direction, so stones cut by an edge continue on the opposite edge.
QImage background()
{
    const int size = 512;
    QImage image = canvas(size, size); // the stones alone; the joints stay transparent
    QPainter p;
    beginPaint(p, image);
    Rng rng(2024);
    const int rows = 8, rowHeight = size / rows;
    for (int row = 0; row < rows; ++row) {
        int x = rng.below(48);
        const int start = x;
        while (x < start + size) {
            int w = 52 + rng.below(44);
            if (start + size - x < 100)
                w = start + size - x; // the last stone closes the row exactly
            const QRectF stone(x + 2.5, row * rowHeight + 2.5, w - 5, rowHeight - 5);
            const int shadeShift = rng.below(18) - 9;
            const Ramp ramp{QColor(0x62 + shadeShift, 0x64 + shadeShift, 0x5c + shadeShift),
                            QColor(0x4c + shadeShift, 0x4f + shadeShift, 0x48 + shadeShift),
                            QColor(0x32 + shadeShift, 0x35 + shadeShift, 0x30 + shadeShift)};
            const double radius = 5 + rng.below(5);
            for (int dx : {-size, 0, size}) {
                for (int dy : {-size, 0, size}) {
                    const QRectF r = stone.translated(dx, dy);
                    QPainterPath path;
                    path.addRoundedRect(r, radius, radius);
                    QLinearGradient g(r.topLeft(), r.bottomRight());
                    g.setColorAt(0, ramp.light);
                    g.setColorAt(0.35, ramp.mid);
                    g.setColorAt(1, ramp.dark);
                    p.setBrush(g);
                    p.setPen(QPen(QColor(0x1a, 0x1c, 0x18), 1.5));
                    p.drawPath(path);
                    p.setBrush(ramp.mid);
                    p.setPen(Qt::NoPen);
                    p.drawRoundedRect(r.adjusted(3, 3, -3, -3), radius - 2, radius - 2);
                }
            }
            x += w;
        }
    }
    p.end();

    // Grain and moss: noise that wraps, applied per pixel.
    const TilingNoise coarse(8, 7), fine(64, 8), moss(16, 9);
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const double u = double(x) / size, v = double(y) / size;
            const double grain = (coarse.at(u, v) - 0.5) * 0.18 + (fine.at(u, v) - 0.5) * 0.14;
            // Premultiplied stone over the dark joint colour, mossy where the noise is high.
            const QRgb stone = line[x];
            const double a = qAlpha(stone) / 255.0, m = moss.at(u, v);
            const double t = std::clamp((m - 0.4) * 2.5, 0.0, 1.0);
            const double jr = 0x24 + (0x30 - 0x24) * t, jg = 0x28 + (0x44 - 0x28) * t, jb = 0x22;
            int r = int((qRed(stone) + jr * (1 - a)) * (1 + grain));
            int g = int((qGreen(stone) + jg * (1 - a)) * (1 + grain));
            int b = int((qBlue(stone) + jb * (1 - a)) * (1 + grain));
            line[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
        }
    }
    return image;
}

QImage bulletBanner()
{
    QImage image = canvas(440, 88);
    QPainter p;
    beginPaint(p, image);
    QPainterPath ribbon;
    ribbon.moveTo(4, 14);
    ribbon.lineTo(436, 14);
    ribbon.lineTo(420, 44);
    ribbon.lineTo(436, 74);
    ribbon.lineTo(4, 74);
    ribbon.lineTo(20, 44);
    ribbon.closeSubpath();
    shadedPath(p, ribbon,
               {QColor(0x5a, 0x3c, 0x8c), QColor(0x32, 0x1e, 0x5a), QColor(0x16, 0x0c, 0x2c)}, 3);
    p.setPen(QPen(palette::gold.mid, 2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(30, 22), QPointF(410, 22));
    p.drawLine(QPointF(30, 66), QPointF(410, 66));
    QPainterPath text;
    text.addText(0, 0, dejaVuBold(40), "BULLET TIME");
    const QRectF b = text.boundingRect();
    text.translate(220 - b.center().x(), 44 - b.center().y());
    p.setPen(QPen(palette::outline, 5, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.drawPath(text);
    QLinearGradient g(0, 26, 0, 62);
    g.setColorAt(0, palette::gold.light);
    g.setColorAt(1, palette::gold.mid);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(text);
    p.end();
    return image;
}

QImage droplet(const Ramp &ramp, int size, int alpha)
{
    QImage image = canvas(size, size);
    QPainter p;
    beginPaint(p, image);
    p.setOpacity(alpha / 255.0);
    shadedEllipse(p, QRectF(0.8, 0.8, size - 1.6, size - 1.6), ramp, 0.9);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(size * 0.25, size * 0.22, size * 0.28, size * 0.24));
    p.end();
    return image;
}

QImage glowDot(QColor colour, int size)
{
    QImage image = canvas(size, size);
    QPainter p;
    beginPaint(p, image);
    glow(p, QPointF(size / 2.0, size / 2.0), size / 2.0, colour);
    p.end();
    return image;
}

// The finisher: a dark spiked orb with one red eye looking ahead (+x), trailing sparks.
QImage finisher()
{
    QImage image = canvas(36, 36);
    QPainter p;
    beginPaint(p, image);
    const QPointF c(19, 18);
    glow(p, QPointF(12, 18), 12, QColor(0xb0, 0x40, 0xff, 150));
    QPainterPath body;
    for (int i = 0; i <= 20; ++i) {
        const double a = 2 * M_PI * i / 20, r = i % 2 ? 10.0 : 15.0;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        i ? body.lineTo(pt) : body.moveTo(pt);
    }
    body.closeSubpath();
    shadedPath(p, body,
               {QColor(0x8a, 0x5c, 0xb0), QColor(0x4a, 0x28, 0x6e), QColor(0x1e, 0x0e, 0x30)}, 1.5);
    shadedEllipse(p, QRectF(19, 12, 11, 12), palette::bone, 1.2);
    shadedEllipse(p, QRectF(23, 15, 6, 6), palette::blood, 0.8);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(24.5, 15.8, 2, 2));
    p.end();
    return image;
}

// The sign left at a death: a tombstone with a cross, seen from above at a slant.
QImage tombstone()
{
    QImage image = canvas(52, 64);
    QPainter p;
    beginPaint(p, image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawEllipse(QRectF(4, 50, 46, 12));
    shadedEllipse(p, QRectF(4, 52, 44, 10), palette::leaf, 1.2); // a tuft of grass
    QPainterPath stone;
    stone.moveTo(8, 58);
    stone.lineTo(8, 22);
    stone.cubicTo(8, 4, 44, 4, 44, 22);
    stone.lineTo(44, 58);
    stone.closeSubpath();
    shadedPath(p, stone, palette::stone, 2);
    p.setPen(QPen(palette::stone.dark, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(26, 18), QPointF(26, 46));
    p.drawLine(QPointF(17, 27), QPointF(35, 27));
    p.setPen(QPen(palette::stone.light, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(27.5, 19), QPointF(27.5, 45));
    p.drawLine(QPointF(18, 28.5), QPointF(34, 28.5));
    p.end();
    return image;
}

// A stretch of wall seen from above: courses of bricks with a lit top edge.
QImage wall(int width, int height, uint32_t seed)
{
    QImage image = canvas(width, height);
    QPainter p;
    beginPaint(p, image);
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
    p.end();
    return image;
}

QImage pillar()
{
    QImage image = canvas(64, 64);
    QPainter p;
    beginPaint(p, image);
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
    p.end();
    return image;
}

QImage boulder()
{
    QImage image = canvas(52, 52);
    QPainter p;
    beginPaint(p, image);
    Rng rng(77);
    QPainterPath rock;
    for (int i = 0; i <= 11; ++i) {
        const double a = 2 * M_PI * i / 11, r = 22 + rng.signedUniform() * 3;
        const QPointF pt(26 + r * std::cos(a), 26 + r * std::sin(a));
        i ? rock.lineTo(pt) : rock.moveTo(pt);
    }
    rock.closeSubpath();
    shadedPath(p, rock, palette::mossStone, 2);
    p.setPen(QPen(palette::mossStone.dark, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 30), QPointF(28, 36));
    p.drawLine(QPointF(28, 36), QPointF(36, 31));
    p.end();
    return image;
}

QImage crate()
{
    QImage image = canvas(48, 48);
    QPainter p;
    beginPaint(p, image);
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
    p.end();
    return image;
}

QImage barrel()
{
    QImage image = canvas(40, 40);
    QPainter p;
    beginPaint(p, image);
    shadedEllipse(p, QRectF(1.5, 1.5, 37, 37), palette::wood, 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::steel.dark, 3));
    p.drawEllipse(QRectF(4, 4, 32, 32));
    p.setPen(QPen(palette::wood.dark, 1.2));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(20 + i * 5, 9), QPointF(20 + i * 5, 31));
    shadedEllipse(p, QRectF(16, 16, 8, 8), palette::wood, 1.2); // the bung
    p.end();
    return image;
}

// A pool that fills its rectangle: the whole rectangle counts as water in the game.
QImage pool(int width, int height)
{
    QImage image = canvas(width, height);
    QPainter p;
    beginPaint(p, image);
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
    p.end();
    return image;
}

// The turret: a crossbow on a round stone base, pointing along +x.
QImage turret()
{
    QImage image = canvas(64, 64);
    QPainter p;
    beginPaint(p, image);
    shadedEllipse(p, QRectF(6, 6, 52, 52), palette::stone, 2);
    shadedEllipse(p, QRectF(16, 16, 32, 32), palette::steel, 1.5);
    p.setPen(QPen(palette::outline, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 32), QPointF(60, 32));
    p.setPen(QPen(palette::wood.mid, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 32), QPointF(60, 32));
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
    p.end();
    return image;
}

// A crystal on a stone plinth; it fires pulses of draining magic.
QImage crystal()
{
    QImage image = canvas(64, 64);
    QPainter p;
    beginPaint(p, image);
    shadedEllipse(p, QRectF(4, 4, 56, 56), palette::stone, 2);
    glow(p, QPointF(32, 32), 26, QColor(0xc8, 0x80, 0xff, 170));
    QPainterPath gem;
    for (int i = 0; i <= 6; ++i) {
        const double a = 2 * M_PI * i / 6, r = i % 2 ? 13.0 : 18.0;
        const QPointF pt(32 + r * std::cos(a), 32 + r * std::sin(a));
        i ? gem.lineTo(pt) : gem.moveTo(pt);
    }
    gem.closeSubpath();
    shadedPath(p, gem,
               {QColor(0xf0, 0xd0, 0xff), QColor(0xa0, 0x50, 0xe0), QColor(0x4a, 0x1c, 0x7a)}, 1.8);
    p.setPen(QPen(withAlpha(Qt::white, 170), 1.2));
    p.drawLine(QPointF(32, 32), QPointF(50, 32)); // the facet that points the way it fires
    p.drawLine(QPointF(32, 32), QPointF(23, 17));
    p.drawLine(QPointF(32, 32), QPointF(23, 47));
    p.end();
    return image;
}

// The crystal's pulse: a violet ring.
QImage pulseRing()
{
    QImage image = canvas(36, 36);
    QPainter p;
    beginPaint(p, image);
    const QPointF c(18, 18);
    glow(p, c, 17.5, QColor(0xd0, 0x90, 0xff, 90));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(palette::outline, 200), 5));
    p.drawEllipse(c, 12, 12);
    p.setPen(QPen(QColor(0xb0, 0x60, 0xf0), 3.4));
    p.drawEllipse(c, 12, 12);
    p.setPen(QPen(QColor(0xf0, 0xd8, 0xff), 1.2));
    p.drawEllipse(c, 12, 12);
    p.end();
    return image;
}

QImage bolt()
{
    QImage image = canvas(30, 8);
    QPainter p;
    beginPaint(p, image);
    p.setPen(QPen(palette::outline, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 4), QPointF(24, 4));
    p.setPen(QPen(palette::steel.dark, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 4), QPointF(24, 4));
    for (int side : {-1, 1}) {
        QPainterPath f;
        f.moveTo(9, 4);
        f.lineTo(4, 4 + side * 3.4);
        f.lineTo(1, 4 + side * 3.4);
        f.lineTo(3, 4);
        f.closeSubpath();
        shadedPath(p, f, palette::blood, 0.9);
    }
    QPainterPath tip;
    tip.moveTo(29.5, 4);
    tip.lineTo(22, 0.8);
    tip.lineTo(22, 7.2);
    tip.closeSubpath();
    shadedPath(p, tip, palette::steel, 1.0);
    p.end();
    return image;
}

QImage tree()
{
    QImage image = canvas(170, 170);
    QPainter p;
    beginPaint(p, image);
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
    p.end();
    return image;
}

QImage flowers()
{
    QImage image = canvas(120, 80);
    QPainter p;
    beginPaint(p, image);
    Rng rng(3);
    QPainterPath bed;
    bed.addEllipse(QRectF(2, 2, 116, 76));
    shadedPath(p, bed,
               {QColor(0x5e, 0x4a, 0x30), QColor(0x44, 0x34, 0x22), QColor(0x2a, 0x20, 0x16)}, 1.5);
    const std::array<Ramp, 3> petals{palette::blood, palette::gold, palette::bone};
    for (int i = 0; i < 22; ++i) {
        const double a = rng.uniform() * 2 * M_PI, r = std::sqrt(rng.uniform());
        const QPointF c(60 + r * 48 * std::cos(a), 40 + r * 30 * std::sin(a));
        shadedEllipse(p, QRectF(c.x() - 5, c.y() - 5, 10, 10), palette::leaf, 1);
        shadedEllipse(p, QRectF(c.x() - 3, c.y() - 3, 6, 6), petals[i % 3], 0.8);
    }
    p.end();
    return image;
}

// A magic circle inlaid in the floor between the players.
QImage rune()
{
    QImage image = canvas(200, 200);
    QPainter p;
    beginPaint(p, image);
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
    p.end();
    return image;
}

QImage splinter()
{
    QImage image = canvas(14, 6);
    QPainter p;
    beginPaint(p, image);
    QPainterPath s;
    s.moveTo(1, 3);
    s.lineTo(6, 1);
    s.lineTo(13, 2);
    s.lineTo(8, 5);
    s.closeSubpath();
    shadedPath(p, s, palette::wood, 0.9);
    p.end();
    return image;
}

QImage pebble()
{
    QImage image = canvas(10, 10);
    QPainter p;
    beginPaint(p, image);
    QPainterPath s;
    s.moveTo(1, 5);
    s.lineTo(4, 1);
    s.lineTo(9, 3);
    s.lineTo(8, 8);
    s.lineTo(3, 9);
    s.closeSubpath();
    shadedPath(p, s, palette::stone, 0.9);
    p.end();
    return image;
}

} // namespace

std::vector<ImageRecord> arenaImages()
{
    return {
        record("back", background()),
        record("Blabel", bulletBanner()),
        record("splash", droplet(palette::water, 10, 220)),
        record("doraz", finisher()),
        record("drbod", glowDot(QColor(0xc0, 0x70, 0xff, 220), 6)),
        record("dead", tombstone()),
        record("stena", wall(256, 40, 41)),
        record("stenav", wall(40, 256, 42)),
        record("stlp", pillar()),
        record("balvan", boulder()),
        record("debna", crate()),
        record("sud", barrel()),
        record("jazero", pool(380, 200)),
        record("vez", turret()),
        record("sip", bolt()),
        record("krystal", crystal()),
        record("vlna", pulseRing()),
        record("strom", tree()),
        record("kvety", flowers()),
        record("runa", rune()),
        record("trieska", splinter()),
        record("kamienok", pebble()),
    };
}
