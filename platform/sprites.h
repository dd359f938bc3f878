#pragma once

#include "images.h"

#include <QRect>

class QPainter;
class TSpriteEngine;

// The base sprite. Sprites are made only through TSpriteEngine::create<T>(...), which owns them;
// kill() marks a sprite and the engine frees it at its next purge(). Hooks may create and kill
// sprites at any time.
class TSprite
{
public:
    explicit TSprite(TSpriteEngine &engine);
    virtual ~TSprite();
    TSprite(const TSprite &) = delete;
    TSprite &operator=(const TSprite &) = delete;

    // Called by collide() of this sprite for every other sprite it overlaps.
    virtual void onHit(TSprite &other);
    // Called by render() for a visible sprite that lies on the surface. A hook must leave the
    // painter's state (transform, opacity, composition mode) as it found it.
    virtual void onDraw(QPainter &canvas);
    // Called by advance() for every sprite whose `moves` is set, dead or not.
    virtual void onMove(int moveCount);

    TSpriteEngine &engine() const { return engine_; }
    bool dead() const { return dead_; }
    int z() const { return z_; }
    // Moves the sprite to another draw layer; among equal z the sprite layered last is drawn
    // first (beneath the others).
    void setZ(int z);
    // Tests this sprite against every other colliding sprite of the engine (creation order),
    // calling onHit for each overlap; returns the number of overlaps. 0 for a dead sprite or one
    // that does not collide.
    int collide();
    // Marks the sprite for the next purge(); a second kill does nothing.
    void kill();
    // [Trunc(x), Trunc(x) + width) x [Trunc(y), Trunc(y) + height).
    QRect boundsRect() const;

    double x = 0; // top-left corner in pixels
    double y = 0;
    int width = 0;
    int height = 0;
    bool collides = true; // takes part in collision tests
    bool moves = true;    // advance() calls onMove
    bool visible = true;  // render() draws it

private:
    friend class TSpriteEngine;
    friend class TImageSpriteEx;
    friend class TBackgroundSprite;

    enum class Kind { plain, rotating, background };

    TSpriteEngine &engine_;
    bool dead_ = false;
    bool registered_ = false;
    int z_ = 0;
    Kind kind_ = Kind::plain;
};

// A sprite showing a pattern of an image entry at its natural size, centred in its rectangle.
class TImageSprite : public TSprite
{
public:
    explicit TImageSprite(TSpriteEngine &engine);
    void onDraw(QPainter &canvas) override;
    // The animation step: frame advances by moveCount * frameSpeed, wrapping at frameCount when
    // frameLoop is set, else stopping at its last frame.
    void onMove(int moveCount) override;

    ImagePtr image; // none draws nothing
    double frame = 0;
    double frameSpeed = 0; // frames per move
    int frameCount = 0;
    int frameStart = 0;
    bool frameLoop = false;
    bool tiled = false;      // stored; drawing is never tiled
    bool transparent = true; // stored; an entry's own transparent flag decides its colour key

protected:
    // Trunc(frame) + frameStart.
    int patternIndex() const;
};

// An image sprite stretched to width x height, turned by `angle` and blended by `alpha`. It is
// always drawn and found by collision passes wherever it lies, on the surface or not.
class TImageSpriteEx : public TImageSprite
{
public:
    explicit TImageSpriteEx(TSpriteEngine &engine);
    void onDraw(QPainter &canvas) override;

    int angle = 0;   // 256 units per turn, never wrapped; 64 turns +x toward +y
    int alpha = 255; // 0 invisible, 255 and above opaque
};

// One image on a map of 1 x 1 cell. When tiled, copies of the image cover the whole surface,
// cell (i, j) at (x + i * entry width, y + j * entry height); otherwise the single cell is drawn at
// (x, y). The image may be replaced at any time.
class TBackgroundSprite : public TSprite
{
public:
    explicit TBackgroundSprite(TSpriteEngine &engine);
    void onDraw(QPainter &canvas) override;

    ImagePtr image;
    bool tiled = false;

private:
    friend class TSpriteEngine;
    // The single cell's rectangle, in surface pixels.
    QRect cellRect() const;
    // Small cells are tiled from a block of several copies, so a tiny picture never costs
    // thousands of draws per frame.
    const ImageEntry &tileBlock();

    ImagePtr blockSource_;
    ImagePtr block_;
};
