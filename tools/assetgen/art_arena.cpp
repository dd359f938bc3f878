#include "art_arena.h"

#include "art_objects.h"

#include "paint.h"

#include <QLinearGradient>
#include <QtMath>

namespace {

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
    return painted(440, 88, [&](QPainter &p) {
        const QPainterPath ribbon = polygon({QPointF(4, 14), QPointF(436, 14), QPointF(420, 44),
                                             QPointF(436, 74), QPointF(4, 74), QPointF(20, 44)});
        shadedPath(p, ribbon,
                   {QColor(0x5a, 0x3c, 0x8c), QColor(0x32, 0x1e, 0x5a), QColor(0x16, 0x0c, 0x2c)},
                   3);
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
    });
}

QImage droplet(const Ramp &ramp, int size, int alpha)
{
    return painted(size, size, [&](QPainter &p) {
        p.setOpacity(alpha / 255.0);
        shadedEllipse(p, QRectF(0.8, 0.8, size - 1.6, size - 1.6), ramp, 0.9);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(size * 0.25, size * 0.22, size * 0.28, size * 0.24));
    });
}

QImage glowDot(QColor colour, int size)
{
    return painted(size, size, [&](QPainter &p) {
        glow(p, QPointF(size / 2.0, size / 2.0), size / 2.0, colour);
    });
}

// The finisher: a dark spiked orb with one red eye looking ahead (+x), trailing sparks.
QImage finisher()
{
    return painted(36, 36, [&](QPainter &p) {
        const QPointF c(19, 18);
        glow(p, QPointF(12, 18), 12, QColor(0xb0, 0x40, 0xff, 150));
        const QPainterPath body = radialPath(c, 20, [](int i) { return i % 2 ? 10.0 : 15.0; });
        shadedPath(p, body,
                   {QColor(0x8a, 0x5c, 0xb0), QColor(0x4a, 0x28, 0x6e), QColor(0x1e, 0x0e, 0x30)},
                   1.5);
        shadedEllipse(p, QRectF(19, 12, 11, 12), palette::bone, 1.2);
        shadedEllipse(p, QRectF(23, 15, 6, 6), palette::blood, 0.8);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(24.5, 15.8, 2, 2));
    });
}

// The sign left at a death: a tombstone with a cross, seen from above at a slant.
QImage tombstone()
{
    return painted(52, 64, [&](QPainter &p) {
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
    });
}

} // namespace

std::vector<ImageRecord> arenaImages()
{
    std::vector<ImageRecord> images = {
        imageRecord("back", background()),
        imageRecord("Blabel", bulletBanner()),
        imageRecord("splash", droplet(palette::water, 10, 220)),
        imageRecord("doraz", finisher()),
        imageRecord("drbod", glowDot(QColor(0xc0, 0x70, 0xff, 220), 6)),
        imageRecord("dead", tombstone()),
    };
    for (ImageRecord &r : objectImages())
        images.push_back(std::move(r));
    return images;
}
