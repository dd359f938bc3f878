#include "spriteengine.h"

#include <QPainter>
#include <algorithm>

namespace {

// Strict overlap of [l, r) x [t, b) with the surface (0, 0, w, h): a rectangle of zero size
// counts when its corner lies strictly inside.
bool onSurface(const QRect &r, int w, int h)
{
    const long long right = (long long)r.left() + r.width();
    const long long bottom = (long long)r.top() + r.height();
    return r.left() < w && right > 0 && r.top() < h && bottom > 0;
}

} // namespace

TSpriteEngine::TSpriteEngine(QSize surfaceSize)
{
    setSurfaceSize(surfaceSize);
}

TSpriteEngine::~TSpriteEngine()
{
    passDepth_ = 0;
    clear();
}

void TSpriteEngine::setSurfaceSize(QSize size)
{
    if (!size.isValid() || size.isEmpty()) {
        surface_ = QImage();
        return;
    }
    surface_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    surface_.fill(Qt::transparent);
}

void TSpriteEngine::attach(TSprite *sprite)
{
    sprites_.push_back(sprite);
    sprite->registered_ = true;
    placeInDrawList(sprite);
}

void TSpriteEngine::detach(TSprite *sprite)
{
    sprite->registered_ = false;
    std::erase(sprites_, sprite);
    std::erase(deadList_, sprite);
    removeFromDrawList(sprite);
}

void TSpriteEngine::placeInDrawList(TSprite *sprite)
{
    // Before the first sprite whose z is greater than or equal: the newest of a layer lies beneath.
    const int z = sprite->z_;
    auto at = std::lower_bound(drawList_.begin(), drawList_.end(), z,
                               [](const TSprite *s, int value) { return s->z_ < value; });
    drawList_.insert(at, sprite);
}

void TSpriteEngine::removeFromDrawList(TSprite *sprite)
{
    // The sprite sits within the run of its own z.
    const int z = sprite->z_;
    auto first = std::lower_bound(drawList_.begin(), drawList_.end(), z,
                                  [](const TSprite *s, int value) { return s->z_ < value; });
    auto it = std::find(first, drawList_.end(), sprite);
    if (it == drawList_.end())
        it = std::find(drawList_.begin(), drawList_.end(), sprite);
    if (it != drawList_.end())
        drawList_.erase(it);
}

void TSpriteEngine::advance(int moveCount)
{
    PassGuard guard(*this);
    const size_t count = sprites_.size();
    for (size_t i = 0; i < count; ++i) {
        TSprite *sprite = sprites_[i];
        if (sprite->moves)
            sprite->onMove(moveCount);
    }
}

void TSpriteEngine::freeDead()
{
    // Destructors may kill further sprites; those are freed in the same purge.
    while (!deadList_.empty()) {
        std::vector<TSprite *> batch;
        batch.swap(deadList_);
        for (TSprite *s : batch)
            s->registered_ = false;
        std::erase_if(sprites_, [](const TSprite *s) { return !s->registered_; });
        std::erase_if(drawList_, [](const TSprite *s) { return !s->registered_; });
        for (auto it = batch.rbegin(); it != batch.rend(); ++it)
            delete *it;
    }
}

void TSpriteEngine::purge()
{
    if (passDepth_ > 0)
        return;
    freeDead();
}

void TSpriteEngine::render()
{
    drawCount_ = 0;
    if (surface_.isNull())
        return;
    PassGuard guard(*this);
    const int w = surface_.width(), h = surface_.height();
    // Hooks may create sprites or change layers while drawing; walk the list as it was.
    const std::vector<TSprite *> order = drawList_;
    QPainter painter(&surface_);
    for (TSprite *sprite : order) {
        if (!sprite->visible)
            continue;
        bool shown = true;
        switch (sprite->kind_) {
        case TSprite::Kind::rotating:
            break;
        case TSprite::Kind::background: {
            auto *background = static_cast<TBackgroundSprite *>(sprite);
            shown = background->tiled || onSurface(background->cellRect(), w, h);
            break;
        }
        case TSprite::Kind::plain:
            shown = onSurface(sprite->boundsRect(), w, h);
            break;
        }
        if (!shown)
            continue;
        sprite->onDraw(painter);
        ++drawCount_;
    }
}

void TSpriteEngine::clear()
{
    if (passDepth_ > 0) {
        const size_t count = sprites_.size();
        for (size_t i = 0; i < count; ++i)
            sprites_[i]->kill();
        return;
    }
    // Destructors may make or kill sprites; free until none is left.
    while (!sprites_.empty()) {
        std::vector<TSprite *> all;
        all.swap(sprites_);
        drawList_.clear();
        deadList_.clear();
        for (TSprite *s : all)
            s->registered_ = false;
        for (auto it = all.rbegin(); it != all.rend(); ++it)
            delete *it;
    }
    drawCount_ = 0;
}
