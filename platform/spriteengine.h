#pragma once

#include "sprites.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

// The sprite world: owns its sprites, moves them, frees the killed ones and draws them into its
// back buffer, an ARGB32 premultiplied picture of the surface's size. Everything runs on the
// user-interface thread.
class TSpriteEngine
{
public:
    explicit TSpriteEngine(QSize surfaceSize = QSize());
    ~TSpriteEngine();
    TSpriteEngine(const TSpriteEngine &) = delete;
    TSpriteEngine &operator=(const TSpriteEngine &) = delete;

    // Constructs T(*this, args...) owned by the engine: appended to the creation list and put in
    // the draw list at its z (0 unless its constructor set another).
    template <class T, class... A> T *create(A &&...args)
    {
        const int before = pendingCreates_;
        ++pendingCreates_;
        struct Restore
        {
            int &count;
            int value;
            ~Restore() { count = value; }
        } restore{pendingCreates_, before};
        return new T(*this, std::forward<A>(args)...);
    }

    // Calls onMove(moveCount) of every sprite that existed when the pass began, in creation
    // order, dead or not, if its `moves` is set.
    void advance(int moveCount);
    // Frees the killed sprites, the last killed first. Inside a pass (a hook) it does nothing;
    // the next purge frees them.
    void purge();
    // Draws every visible sprite on the surface into the back buffer in draw-list order. The
    // back buffer is not erased first: the background (or the caller) covers it.
    void render();
    // Frees every sprite, dead or not. Inside a pass it kills them all instead; the next purge
    // frees them.
    void clear();

    // Live sprites: created and not yet freed, dead ones included until purge.
    int spriteCount() const { return int(sprites_.size()); }
    // Sprites drawn by the last render.
    int drawCount() const { return drawCount_; }
    // Creation order (the order of advance and of every collision pass).
    const std::vector<TSprite *> &sprites() const { return sprites_; }
    // Ascending z.
    const std::vector<TSprite *> &drawList() const { return drawList_; }
    // Killed, not yet freed, in order of killing.
    const std::vector<TSprite *> &deadList() const { return deadList_; }

    QImage &surface() { return surface_; }
    const QImage &surface() const { return surface_; }
    // (0, 0, surface width, surface height).
    QRect surfaceRect() const { return surface_.rect(); }
    // Replaces the back buffer with one of the new size (contents cleared to transparent black).
    void setSurfaceSize(QSize size);

private:
    friend class TSprite;

    void attach(TSprite *sprite);
    void detach(TSprite *sprite);
    void placeInDrawList(TSprite *sprite);
    void removeFromDrawList(TSprite *sprite);
    void freeDead();

    struct PassGuard
    {
        explicit PassGuard(TSpriteEngine &e) : engine(e) { ++engine.passDepth_; }
        ~PassGuard() { --engine.passDepth_; }
        TSpriteEngine &engine;
    };

    std::vector<TSprite *> sprites_;
    std::vector<TSprite *> drawList_;
    std::vector<TSprite *> deadList_;
    QImage surface_;
    int drawCount_ = 0;
    int passDepth_ = 0;
    int pendingCreates_ = 0;
};
