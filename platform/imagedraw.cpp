// Drawing of image entries into a surface. Unrotated pictures at their own size are blitted
// without a transform; stretched and rotated pictures are prepared once per entry, pattern, size
// and angle and kept in a cache of bounded size, so a frame of many turning sprites costs plain
// blits.
#include "images.h"

#include <QPainter>
#include <QTransform>
#include <cmath>
#include <list>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace {

// A prepared picture bigger than this is drawn through a transform every time instead.
constexpr qsizetype maxPreparedBytes = 16 << 20;
constexpr qsizetype cacheBudgetBytes = 96 << 20;
constexpr size_t cacheMaxRecords = 65536;

enum class Use { opacity, stretch, rotate };

struct Key
{
    qint64 picture; // QImage::cacheKey of the entry's picture: never reused within a run
    int pattern;
    int width;
    int height;
    int angle; // 0 to 255
    Use use;
    bool operator==(const Key &) const = default;
};

struct KeyHash
{
    size_t operator()(const Key &k) const
    {
        // std::hash of integers is the identity: mix properly, or the buckets pile up.
        quint64 h = quint64(k.picture) * 0x9e3779b97f4a7c15ull;
        for (int v : {k.pattern, k.width, k.height, k.angle, int(k.use)}) {
            h ^= quint32(v) + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
            h *= 0xbf58476d1ce4e5b9ull;
        }
        return size_t(h ^ (h >> 31));
    }
};

struct Prepared
{
    QImage image;  // the stretched or turned pattern
    QPoint offset; // of the image's top-left from the rotation centre
    bool opaque = false;
};

// Most recently used records first; the oldest go when the pixels exceed the budget.
class DrawCache
{
public:
    template <class Make> const Prepared &find(const Key &key, Make make)
    {
        std::lock_guard lock(mutex_);
        if (auto it = index_.find(key); it != index_.end()) {
            order_.splice(order_.begin(), order_, it->second);
            return it->second->second;
        }
        Prepared made = make();
        bytes_ += made.image.sizeInBytes();
        order_.emplace_front(key, std::move(made));
        index_.emplace(key, order_.begin());
        while ((bytes_ > cacheBudgetBytes || order_.size() > cacheMaxRecords) &&
               order_.size() > 1) {
            bytes_ -= order_.back().second.image.sizeInBytes();
            index_.erase(order_.back().first);
            order_.pop_back();
        }
        return order_.front().second;
    }

private:
    using Records = std::list<std::pair<Key, Prepared>>;
    std::mutex mutex_;
    Records order_;
    std::unordered_map<Key, Records::iterator, KeyHash> index_;
    qsizetype bytes_ = 0;
};

DrawCache &cache()
{
    static DrawCache instance;
    return instance;
}

bool fullyOpaque(const QImage &picture, const QRect &source)
{
    for (int y = source.top(); y <= source.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = source.left(); x <= source.right(); ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}

double degreesOf(int angle)
{
    return double(angle & 0xff) * 360.0 / 256.0;
}

// The pattern stretched to width x height with its centre at (0, 0), turned by angle units in
// the screen's sense (+x toward +y).
QRectF centredTarget(int width, int height)
{
    return QRectF(-width / 2.0, -height / 2.0, width, height);
}

// The pixel bounds of the turned target, relative to the centre.
QRect turnedBounds(int width, int height, int angle)
{
    QTransform turn;
    turn.rotate(degreesOf(angle));
    const QRectF turned = turn.mapRect(centredTarget(width, height));
    const QPoint topLeft(int(std::floor(turned.left() + 1e-9)),
                         int(std::floor(turned.top() + 1e-9)));
    const QPoint end(int(std::ceil(turned.right() - 1e-9)), int(std::ceil(turned.bottom() - 1e-9)));
    return QRect(topLeft, end - QPoint(1, 1));
}

bool tooBig(const QRect &bounds)
{
    return qsizetype(bounds.width()) * bounds.height() * 4 > maxPreparedBytes;
}

// Draws with the given opacity (0 to 255) on top of the painter's own, then restores it.
template <class Draw> void withAlpha(QPainter &p, int alpha, Draw draw)
{
    if (alpha >= 255) {
        draw();
        return;
    }
    const qreal previous = p.opacity();
    p.setOpacity(previous * alpha / 255.0);
    draw();
    p.setOpacity(previous);
}

// An opaque picture drawn over anything replaces it; copying is much cheaper than blending.
template <class Draw> void withCopyIfOpaque(QPainter &p, bool opaque, Draw draw)
{
    if (!opaque || p.compositionMode() != QPainter::CompositionMode_SourceOver ||
        p.opacity() < 1.0 || p.transform().type() > QTransform::TxTranslate) {
        draw();
        return;
    }
    p.setCompositionMode(QPainter::CompositionMode_Source);
    draw();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void drawTurnedDirect(QPainter &p, const QImage &picture, const QRect &source, QPoint centre,
                      int width, int height, int angle)
{
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(centre);
    p.rotate(degreesOf(angle));
    p.drawImage(centredTarget(width, height), picture, source);
    p.restore();
}

// Stretched (angle 0) or turned versions of a pattern, from the cache.
const Prepared *preparedPattern(const ImageEntry &entry, int pattern, int width, int height,
                                int angle)
{
    const QRect source = entry.patternRect(pattern);
    const Use use = angle == 0 ? Use::stretch : Use::rotate;
    // A picture too large to prepare is drawn straight through the painter. Test the size before
    // turning it: the turned bounds of a huge sprite do not fit an int.
    if (double(width) * double(height) * 4 > double(maxPreparedBytes))
        return nullptr;
    const QRect bounds =
        use == Use::stretch ? QRect(0, 0, width, height) : turnedBounds(width, height, angle);
    if (tooBig(bounds))
        return nullptr;
    const Key key{entry.picture().cacheKey(), pattern, width, height, angle, use};
    return &cache().find(key, [&] {
        Prepared made;
        made.offset = bounds.topLeft();
        made.image = QImage(bounds.size(), QImage::Format_ARGB32_Premultiplied);
        made.image.fill(Qt::transparent);
        QPainter p(&made.image);
        if (use == Use::stretch) {
            p.drawImage(QRect(0, 0, width, height), entry.picture(), source);
        } else {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.translate(-bounds.left(), -bounds.top());
            p.rotate(degreesOf(angle));
            p.drawImage(centredTarget(width, height), entry.picture(), source);
        }
        p.end();
        made.opaque = use == Use::stretch && fullyOpaque(made.image, made.image.rect());
        return made;
    });
}

bool patternOpaque(const ImageEntry &entry, int pattern)
{
    const Key key{entry.picture().cacheKey(), pattern, 0, 0, 0, Use::opacity};
    return cache()
        .find(key,
              [&] {
                  Prepared made;
                  made.opaque = fullyOpaque(entry.picture(), entry.patternRect(pattern));
                  return made;
              })
        .opaque;
}

} // namespace

void ImageEntry::drawPlain(QPainter &p, QPoint topLeft, int pattern) const
{
    const QRect source = patternRect(pattern);
    if (source.isEmpty())
        return;
    withCopyIfOpaque(p, patternOpaque(*this, pattern),
                     [&] { p.drawImage(topLeft, picture_, source); });
}

void ImageEntry::drawStretched(QPainter &p, const QRect &dest, int pattern) const
{
    drawBlended(p, dest, pattern, 255);
}

void ImageEntry::drawBlended(QPainter &p, const QRect &dest, int pattern, int alpha) const
{
    const QRect source = patternRect(pattern);
    if (source.isEmpty() || dest.width() <= 0 || dest.height() <= 0 || alpha <= 0)
        return;
    if (dest.size() == source.size()) {
        const bool opaque = alpha >= 255 && patternOpaque(*this, pattern);
        withCopyIfOpaque(p, opaque, [&] { p.drawImage(dest.topLeft(), picture_, source); });
        return;
    }
    const Prepared *prepared = preparedPattern(*this, pattern, dest.width(), dest.height(), 0);
    withAlpha(p, alpha, [&] {
        if (!prepared) {
            p.drawImage(dest, picture_, source);
            return;
        }
        withCopyIfOpaque(p, prepared->opaque,
                         [&] { p.drawImage(dest.topLeft(), prepared->image); });
    });
}

void ImageEntry::drawRotated(QPainter &p, QPoint centre, int width, int height, int angle,
                             int pattern) const
{
    drawRotatedBlended(p, centre, width, height, angle, pattern, 255);
}

void ImageEntry::drawRotatedBlended(QPainter &p, QPoint centre, int width, int height, int angle,
                                    int pattern, int alpha) const
{
    const QRect source = patternRect(pattern);
    if (source.isEmpty() || width <= 0 || height <= 0 || alpha <= 0)
        return;
    const int turn = angle & 0xff;
    if (turn == 0) {
        const QRect dest(centre.x() - width / 2, centre.y() - height / 2, width, height);
        drawBlended(p, dest, pattern, alpha);
        return;
    }
    const Prepared *prepared = preparedPattern(*this, pattern, width, height, turn);
    withAlpha(p, alpha, [&] {
        if (prepared)
            p.drawImage(centre + prepared->offset, prepared->image);
        else
            drawTurnedDirect(p, picture_, source, centre, width, height, turn);
    });
}
