#include "sprites.h"

#include "error.h"
#include "spriteengine.h"
#include "units.h"

#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Right or bottom edge of a rectangle starting at start, kept inside the int range.
int edge(int start, int size)
{
    const long long end = (long long)start + size;
    return int(std::clamp<long long>(end, INT_MIN, INT_MAX));
}

// Trunc for the collision loop, one instruction where the processor has one. A value outside
// the int range (or a NaN) lands at the far negative edge of the range rather than saturating,
// which only moves it out of everyone's way.
inline int fastTrunc(double v)
{
#if defined(__SSE2__)
    return _mm_cvttsd_si32(_mm_set_sd(v));
#else
    double c = v < 2147483648.0 ? v : -2147483648.0;
    c = c > -2147483649.0 ? c : -2147483648.0;
    return int(c);
#endif
}

} // namespace

TSprite::TSprite(TSpriteEngine &engine) : engine_(engine)
{
    if (engine.pendingCreates_ <= 0)
        throw Error(QStringLiteral("A sprite can only be made by its engine's create()"));
    --engine.pendingCreates_;
    engine.attach(this);
}

TSprite::~TSprite()
{
    // Only a sprite whose constructor failed is still attached here; the engine detaches every
    // sprite it frees.
    if (registered_)
        engine_.detach(this);
}

void TSprite::onHit(TSprite &) {}

void TSprite::onDraw(QPainter &) {}

void TSprite::onMove(int) {}

void TSprite::setZ(int z)
{
    if (z == z_)
        return;
    if (registered_)
        engine_.removeFromDrawList(this);
    z_ = z;
    if (registered_)
        engine_.placeInDrawList(this);
}

int TSprite::collide()
{
    if (dead_ || !collides)
        return 0;
    TSpriteEngine::PassGuard guard(engine_);
    // This is the engine's inner loop (every sprite tests every other each move), so the
    // rectangles are computed inline, in 64 bits so that no edge can overflow.
    const long long left = fastTrunc(x), top = fastTrunc(y);
    const long long right = left + width, bottom = top + height;
    const QRect surface = engine_.surfaceRect();
    const long long sw = surface.width(), sh = surface.height();
    const auto &list = engine_.sprites_;
    const size_t count = list.size();
    int hits = 0;
    for (size_t i = 0; i < count; ++i) {
        const TSprite *other = list[i];
        // Combined without branches: almost every pair fails, and a branch per test costs more
        // than the test.
        const long long ol = fastTrunc(other->x), ot = fastTrunc(other->y);
        const long long orr = ol + other->width, ob = ot + other->height;
        const bool overlaps = (left < orr) & (right > ol) & (top < ob) & (bottom > ot) &
                              other->collides & (other != this);
        if (!overlaps)
            continue;
        // Only rotating image sprites are found off the surface.
        if (other->kind_ != Kind::rotating && !(ol < sw && orr > 0 && ot < sh && ob > 0))
            continue;
        ++hits;
        onHit(*list[i]);
    }
    return hits;
}

void TSprite::kill()
{
    if (dead_)
        return;
    dead_ = true;
    if (registered_)
        engine_.deadList_.push_back(this);
}

QRect TSprite::boundsRect() const
{
    const int left = Trunc(x), top = Trunc(y);
    return QRect(QPoint(left, top), QPoint(edge(left, width) - 1, edge(top, height) - 1));
}

TImageSprite::TImageSprite(TSpriteEngine &engine) : TSprite(engine) {}

int TImageSprite::patternIndex() const
{
    const long long index = (long long)Trunc(frame) + frameStart;
    return int(std::clamp<long long>(index, INT_MIN, INT_MAX));
}

void TImageSprite::onDraw(QPainter &canvas)
{
    if (!image)
        return;
    const QRect r = boundsRect();
    const QPoint topLeft(r.left() + units::div(width - image->width(), 2),
                         r.top() + units::div(height - image->height(), 2));
    image->drawPlain(canvas, topLeft, patternIndex());
}

void TImageSprite::onMove(int moveCount)
{
    if (frameSpeed == 0 || !std::isfinite(frameSpeed))
        return;
    frame += frameSpeed * moveCount;
    if (!std::isfinite(frame)) {
        frame = 0;
        return;
    }
    if (frameLoop) {
        if (frameCount > 0) {
            frame = std::fmod(frame, double(frameCount));
            if (frame < 0)
                frame += frameCount;
        } else {
            frame = 0;
        }
        return;
    }
    if (frame >= frameCount) {
        frame = std::max(0, frameCount - 1);
        frameSpeed = 0;
    }
    if (frame < 0) {
        frame = 0;
        frameSpeed = 0;
    }
}

TImageSpriteEx::TImageSpriteEx(TSpriteEngine &engine) : TImageSprite(engine)
{
    kind_ = Kind::rotating;
}

void TImageSpriteEx::onDraw(QPainter &canvas)
{
    if (!image || alpha <= 0 || width <= 0 || height <= 0)
        return;
    const QRect r = boundsRect();
    const int pattern = patternIndex();
    if ((angle & 0xff) == 0) {
        if (alpha >= 255)
            image->drawStretched(canvas, r, pattern);
        else
            image->drawBlended(canvas, r, pattern, alpha);
        return;
    }
    // The exclusive right and bottom edges, as the rectangle is [left, left + width).
    const long long cx = ((long long)r.left() + r.left() + width) / 2;
    const long long cy = ((long long)r.top() + r.top() + height) / 2;
    const QPoint centre(int(std::clamp<long long>(cx, INT_MIN, INT_MAX)),
                        int(std::clamp<long long>(cy, INT_MIN, INT_MAX)));
    if (alpha >= 255)
        image->drawRotated(canvas, centre, width, height, angle, pattern);
    else
        image->drawRotatedBlended(canvas, centre, width, height, angle, pattern, alpha);
}

TBackgroundSprite::TBackgroundSprite(TSpriteEngine &engine) : TSprite(engine)
{
    kind_ = Kind::background;
    collides = false;
}

QRect TBackgroundSprite::cellRect() const
{
    if (!image)
        return {};
    return QRect(Trunc(x), Trunc(y), image->width(), image->height());
}

const ImageEntry &TBackgroundSprite::tileBlock()
{
    constexpr int minimum = 128; // pixels each way
    if (blockSource_ == image)
        return *block_;
    blockSource_ = image;
    const int w = image->width(), h = image->height();
    if (w >= minimum && h >= minimum) {
        block_ = image;
        return *block_;
    }
    const int across = (minimum + w - 1) / w, down = (minimum + h - 1) / h;
    QImage picture(w * across, h * down, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    for (int j = 0; j < down; ++j)
        for (int i = 0; i < across; ++i)
            image->drawPlain(p, QPoint(i * w, j * h), 0);
    p.end();
    block_ = std::make_shared<ImageEntry>(image->name(), picture);
    return *block_;
}

void TBackgroundSprite::onDraw(QPainter &canvas)
{
    if (!image)
        return;
    const int w = image->width(), h = image->height();
    if (w <= 0 || h <= 0 || image->patternCount() <= 0)
        return;
    const int left = Trunc(x), top = Trunc(y);
    if (!tiled) {
        image->drawPlain(canvas, QPoint(left, top), 0);
        return;
    }
    // Copies of a block of whole cells lie on the same grid as the cells themselves.
    const ImageEntry &block = tileBlock();
    const int bw = block.width(), bh = block.height();
    const QRect surface = engine().surfaceRect();
    // The first block that meets the surface in each direction; blocks repeat both ways.
    auto firstStart = [](long long origin, int size) {
        long long offset = origin % size;
        if (offset > 0)
            offset -= size;
        return offset;
    };
    const long long startX = firstStart(left, bw), startY = firstStart(top, bh);
    for (long long ty = startY; ty < surface.height(); ty += bh) {
        for (long long tx = startX; tx < surface.width(); tx += bw)
            block.drawPlain(canvas, QPoint(int(tx), int(ty)), 0);
    }
}
