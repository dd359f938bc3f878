#pragma once

#include "collection.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>

// The shared look of every generated picture: a small fixed palette of three-tone ramps, a dark
// outline, light falling from the top left, antialiased shapes on transparent ground.
struct Ramp
{
    QColor light, mid, dark;
};

namespace palette {
extern const QColor outline;
extern const Ramp blue, green, skin, gold, wood, stone, mossStone, steel, water, beard, blood, fire,
    ember, bone, leaf;
} // namespace palette

// A small deterministic generator: the same seed gives the same pictures and sounds on every
// machine, unlike the library generators whose default seeding varies.
class Rng
{
public:
    explicit Rng(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
    uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [0, 1).
    double uniform() { return (next() >> 8) * (1.0 / 16777216.0); }
    // Uniform in [-1, 1).
    double signedUniform() { return uniform() * 2.0 - 1.0; }
    int below(int n) { return n > 0 ? int(next() % uint32_t(n)) : 0; }

private:
    uint32_t state_;
};

QImage canvas(int width, int height);
void beginPaint(QPainter &p, QImage &image);
// A picture of the given size drawn by draw on a fresh canvas with an antialiasing painter.
QImage painted(int width, int height, const std::function<void(QPainter &)> &draw);

// Radial shading of a shape whose bounds are given: light spot up-left, dark rim down-right.
QBrush shade(const QRectF &bounds, const Ramp &ramp);
QPen outlinePen(double width);
void shadedPath(QPainter &p, const QPainterPath &path, const Ramp &ramp, double outline);
void shadedEllipse(QPainter &p, const QRectF &rect, const Ramp &ramp, double outline);
// A soft radial glow fading to nothing at radius.
void glow(QPainter &p, QPointF centre, double radius, QColor colour);
// Text in a bundled DejaVu face so that output does not depend on the fonts of the machine.
QFont dejaVuBold(int pixelSize);
// Colour with a changed alpha.
QColor withAlpha(QColor c, int alpha);
QColor mix(const QColor &a, const QColor &b, double t);

// A collection entry for a generated picture, in the plain ARGB format the collections store.
ImageRecord imageRecord(const QString &name, const QImage &picture);
// A closed outline through the given corners.
QPainterPath polygon(std::initializer_list<QPointF> corners);
// A closed outline round a centre through points at equal angles from +x, counted clockwise on
// screen; radius(i) gives each point's distance, so the outline can be a star or a rough rock.
QPainterPath radialPath(QPointF centre, int points, const std::function<double(int)> &radius);
// A round-capped line over a wider one in the outline colour, as every shaft and handle is drawn.
void outlinedLine(QPainter &p, QPointF from, QPointF to, const QColor &colour, double width,
                  double outline);
