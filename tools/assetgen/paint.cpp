#include "paint.h"

#include <QFontDatabase>
#include <QRadialGradient>
#include <QtMath>

namespace palette {
const QColor outline(0x16, 0x12, 0x1e);
const Ramp blue{QColor(0x8c, 0xcc, 0xff), QColor(0x2e, 0x6f, 0xd6), QColor(0x16, 0x2f, 0x7a)};
const Ramp green{QColor(0xa8, 0xec, 0x78), QColor(0x3a, 0xa6, 0x3c), QColor(0x17, 0x55, 0x24)};
const Ramp skin{QColor(0xf6, 0xd2, 0xae), QColor(0xdb, 0xa2, 0x7a), QColor(0x9c, 0x64, 0x48)};
const Ramp gold{QColor(0xff, 0xe8, 0x8a), QColor(0xe2, 0xaa, 0x30), QColor(0x8a, 0x58, 0x14)};
const Ramp wood{QColor(0xd2, 0x9c, 0x5e), QColor(0x8e, 0x5c, 0x2e), QColor(0x4c, 0x2f, 0x18)};
const Ramp stone{QColor(0xc4, 0xbf, 0xb4), QColor(0x88, 0x84, 0x7c), QColor(0x4a, 0x47, 0x44)};
const Ramp mossStone{QColor(0x9c, 0xa8, 0x84), QColor(0x64, 0x6e, 0x56), QColor(0x34, 0x3a, 0x30)};
const Ramp steel{QColor(0xee, 0xf2, 0xf6), QColor(0x9c, 0xa8, 0xb4), QColor(0x50, 0x5a, 0x66)};
const Ramp water{QColor(0xa6, 0xe4, 0xff), QColor(0x3a, 0x98, 0xd6), QColor(0x18, 0x4a, 0x7e)};
const Ramp beard{QColor(0xfa, 0xfa, 0xf4), QColor(0xcc, 0xcc, 0xc4), QColor(0x86, 0x86, 0x82)};
const Ramp blood{QColor(0xf0, 0x50, 0x48), QColor(0xb0, 0x14, 0x18), QColor(0x58, 0x06, 0x0a)};
const Ramp fire{QColor(0xff, 0xf8, 0xc8), QColor(0xff, 0xb4, 0x34), QColor(0xd8, 0x46, 0x18)};
const Ramp ember{QColor(0xe0, 0x5a, 0x28), QColor(0x90, 0x26, 0x14), QColor(0x3c, 0x16, 0x12)};
const Ramp bone{QColor(0xf4, 0xee, 0xdc), QColor(0xc8, 0xbe, 0xa4), QColor(0x7a, 0x70, 0x5c)};
const Ramp leaf{QColor(0x86, 0xc8, 0x5a), QColor(0x3c, 0x84, 0x34), QColor(0x1a, 0x44, 0x1e)};
} // namespace palette

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void beginPaint(QPainter &p, QImage &image)
{
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QImage painted(int width, int height, const std::function<void(QPainter &)> &draw)
{
    QImage image = canvas(width, height);
    QPainter p;
    beginPaint(p, image);
    draw(p);
    p.end();
    return image;
}

QBrush shade(const QRectF &bounds, const Ramp &ramp)
{
    const double r = std::max(bounds.width(), bounds.height()) * 0.75;
    const QPointF focus(bounds.left() + bounds.width() * 0.32,
                        bounds.top() + bounds.height() * 0.3);
    QRadialGradient g(focus, r, focus);
    g.setColorAt(0.0, ramp.light);
    g.setColorAt(0.45, ramp.mid);
    g.setColorAt(1.0, ramp.dark);
    return QBrush(g);
}

QPen outlinePen(double width)
{
    QPen pen(palette::outline, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void shadedPath(QPainter &p, const QPainterPath &path, const Ramp &ramp, double outline)
{
    p.setBrush(shade(path.boundingRect(), ramp));
    if (outline > 0)
        p.setPen(outlinePen(outline));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(path);
}

void shadedEllipse(QPainter &p, const QRectF &rect, const Ramp &ramp, double outline)
{
    QPainterPath path;
    path.addEllipse(rect);
    shadedPath(p, path, ramp, outline);
}

void glow(QPainter &p, QPointF centre, double radius, QColor colour)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0.0, colour);
    g.setColorAt(0.5, withAlpha(colour, colour.alpha() / 3));
    g.setColorAt(1.0, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

QFont dejaVuBold(int pixelSize)
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(
            "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString("DejaVu Sans") : families.first();
    }();
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(std::clamp(alpha, 0, 255));
    return c;
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    auto lerp = [t](int x, int y) { return int(x + (y - x) * t + 0.5); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

ImageRecord imageRecord(const QString &name, const QImage &picture)
{
    ImageRecord r;
    r.name = name;
    r.picture = picture.convertToFormat(QImage::Format_ARGB32);
    return r;
}

QPainterPath polygon(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    bool first = true;
    for (QPointF c : corners) {
        first ? path.moveTo(c) : path.lineTo(c);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath radialPath(QPointF centre, int points, const std::function<double(int)> &radius)
{
    QPainterPath path;
    // The last point repeats the first angle, so the outline closes on itself.
    for (int i = 0; i <= points; ++i) {
        const double a = 2 * M_PI * i / points, r = radius(i);
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        i ? path.lineTo(pt) : path.moveTo(pt);
    }
    path.closeSubpath();
    return path;
}

void outlinedLine(QPainter &p, QPointF from, QPointF to, const QColor &colour, double width,
                  double outline)
{
    p.setPen(QPen(palette::outline, outline, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}
