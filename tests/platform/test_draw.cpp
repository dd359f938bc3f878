#include "spriteengine.h"
#include "units.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QRgb red = qRgb(255, 0, 0);
const QRgb blue = qRgb(0, 0, 255);
const QRgb green = qRgb(0, 255, 0);
const QRgb white = qRgb(255, 255, 255);
const QRgb magenta = qRgb(255, 0, 255);

QImage filled(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// An arrow along +x: the right half red, the left half blue.
ImagePtr arrow(int size = 16)
{
    QImage image = filled(size, size, blue);
    QPainter(&image).fillRect(size / 2, 0, size - size / 2, size, red);
    return std::make_shared<ImageEntry>("arrow", image);
}

ImagePtr solid(QRgb colour, int w = 8, int h = 8)
{
    return std::make_shared<ImageEntry>("solid", filled(w, h, colour));
}

QRgb at(const TSpriteEngine &engine, int x, int y)
{
    return engine.surface().pixel(x, y) | 0xff000000;
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

class Drawing : public testing::Test
{
protected:
    void SetUp() override { engine.surface().fill(white); }

    TImageSpriteEx *sprite(ImagePtr image, int x, int y, int w, int h)
    {
        auto *s = engine.create<TImageSpriteEx>();
        s->image = std::move(image);
        s->x = x;
        s->y = y;
        s->width = w;
        s->height = h;
        return s;
    }

    TSpriteEngine engine{QSize(48, 48)};
};

} // namespace

TEST_F(Drawing, TurnsInTheSenseOfTheDirection)
{
    // The sprite's rectangle is (16, 16)-(32, 32), its centre (24, 24); a point 5 pixels along the
    // direction is red (the arrow's head), 5 pixels against it blue.
    for (int angle : {0, 16, 32, 64, 100, 128, 192, 256, -256, -64, 320}) {
        engine.clear();
        engine.surface().fill(white);
        sprite(arrow(), 16, 16, 16, 16)->angle = angle;
        engine.render();
        const QPointF d = directionOf(angle) * 5;
        const QPoint head = QPoint(24, 24) + d.toPoint(), tail = QPoint(24, 24) - d.toPoint();
        EXPECT_TRUE(near(at(engine, head.x(), head.y()), red, 40)) << angle;
        EXPECT_TRUE(near(at(engine, tail.x(), tail.y()), blue, 40)) << angle;
    }
}

TEST_F(Drawing, WholeTurnsAndHighAlphaDrawLikeTheUnturnedOpaquePicture)
{
    sprite(arrow(), 5, 7, 16, 12);
    engine.render();
    const QImage reference = engine.surface().copy();
    const struct
    {
        int angle, alpha;
    } cases[] = {{256, 255}, {-256, 255}, {512, 255}, {0, 256}, {256, 256}, {0, 1000}};
    for (const auto &c : cases) {
        engine.clear();
        engine.surface().fill(white);
        auto *s = sprite(arrow(), 5, 7, 16, 12);
        s->angle = c.angle;
        s->alpha = c.alpha;
        engine.render();
        EXPECT_EQ(engine.surface(), reference) << c.angle << " " << c.alpha;
    }
    // Stretched: the 16 x 16 picture squeezed into 16 x 12, red on the right half only.
    EXPECT_EQ(at(engine, 5 + 12, 7 + 6), red);
    EXPECT_EQ(at(engine, 5 + 3, 7 + 6), blue);
    EXPECT_EQ(at(engine, 4, 7), white);
    EXPECT_EQ(at(engine, 5 + 16, 7), white);
}

TEST_F(Drawing, AlphaBlendsOverTheSurface)
{
    const struct
    {
        int angle, alpha;
        QRgb expected;
    } cases[] = {
        {0, 128, qRgb(127, 127, 127)},
        {64, 128, qRgb(127, 127, 127)},
        {0, 0, white},
        {64, 0, white},
        {0, -5, white},
        {0, 255, qRgb(0, 0, 0)},
    };
    for (const auto &c : cases) {
        engine.clear();
        engine.surface().fill(white);
        auto *s = sprite(solid(qRgb(0, 0, 0), 8, 8), 10, 10, 16, 16);
        s->angle = c.angle;
        s->alpha = c.alpha;
        engine.render();
        EXPECT_TRUE(near(at(engine, 18, 18), c.expected, 2))
            << c.angle << " " << c.alpha << " " << std::hex << at(engine, 18, 18);
    }
}

TEST_F(Drawing, ColourKeyIsSeeThrough)
{
    // A green picture with a magenta cross; magenta is the key.
    QImage picture = filled(8, 8, green);
    for (int i = 0; i < 8; ++i) {
        picture.setPixel(i, 3, magenta);
        picture.setPixel(3, i, magenta);
    }
    auto keyed = std::make_shared<ImageEntry>("keyed", picture, 0, 0, true, magenta);
    auto opaque = std::make_shared<ImageEntry>("opaque", picture, 0, 0, false, magenta);
    const struct
    {
        ImagePtr image;
        int size, angle;
        QRgb onKey;
    } cases[] = {
        {keyed, 8, 0, white},    {keyed, 16, 0, white},    {keyed, 8, 128, white},
        {opaque, 8, 0, magenta}, {opaque, 16, 0, magenta},
    };
    for (const auto &c : cases) {
        engine.clear();
        engine.surface().fill(white);
        auto *s = sprite(c.image, 0, 0, c.size, c.size);
        s->angle = c.angle;
        engine.render();
        const int scale = c.size / 8;
        // Pixel (3, 5) of the picture is on the cross; with the half turn it lands on (4, 2).
        const QPoint onKey = c.angle ? QPoint(4, 2) : QPoint(3, 5);
        const QPoint onGreen = c.angle ? QPoint(6, 6) : QPoint(1, 1);
        EXPECT_EQ(at(engine, onKey.x() * scale, onKey.y() * scale), c.onKey)
            << c.image->name().toStdString() << " " << c.size << " " << c.angle;
        EXPECT_TRUE(near(at(engine, onGreen.x() * scale, onGreen.y() * scale), green, 40));
    }
    // Plain image sprites honour the key too.
    engine.clear();
    engine.surface().fill(white);
    auto *plain = engine.create<TImageSprite>();
    plain->image = keyed;
    plain->width = 8;
    plain->height = 8;
    engine.render();
    EXPECT_EQ(at(engine, 3, 5), white);
    EXPECT_EQ(at(engine, 1, 1), green);
}

TEST_F(Drawing, TiledBackgroundCoversTheSurfaceExactly)
{
    // Every pixel of the 4 x 3 cell has its own colour, so a misplaced copy shows.
    QImage cell(4, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            cell.setPixel(x, y, qRgb(x * 60, y * 80, 200));
    const struct
    {
        double x, y;
        int w, h;
    } cases[] = {{0, 0, 10, 7}, {0, 0, 8, 6}, {2, 1, 10, 7}, {-1, -5, 9, 5}};
    for (const auto &c : cases) {
        TSpriteEngine world(QSize(c.w, c.h));
        world.surface().fill(Qt::black);
        auto *background = world.create<TBackgroundSprite>();
        background->image = std::make_shared<ImageEntry>("cell", cell);
        background->tiled = true;
        background->x = c.x;
        background->y = c.y;
        background->setZ(-2);
        world.render();
        EXPECT_EQ(world.drawCount(), 1);
        for (int y = 0; y < c.h; ++y) {
            for (int x = 0; x < c.w; ++x) {
                const int cx = ((x - int(c.x)) % 4 + 4) % 4, cy = ((y - int(c.y)) % 3 + 3) % 3;
                ASSERT_EQ(world.surface().pixel(x, y), cell.pixel(cx, cy))
                    << "at " << x << "," << y << " offset " << c.x << "," << c.y;
            }
        }
    }
}

TEST_F(Drawing, BackgroundImageCanBeReplacedAndUntiledDrawsOneCell)
{
    auto *background = engine.create<TBackgroundSprite>();
    background->tiled = true;
    background->image = solid(red, 5, 5);
    engine.render();
    EXPECT_EQ(at(engine, 47, 47), red);
    background->image = solid(blue, 7, 3);
    engine.render();
    EXPECT_EQ(at(engine, 47, 47), blue);
    engine.surface().fill(white);
    background->tiled = false;
    background->x = 10;
    background->y = 20;
    engine.render();
    EXPECT_EQ(at(engine, 10, 20), blue);
    EXPECT_EQ(at(engine, 16, 22), blue);
    EXPECT_EQ(at(engine, 17, 22), white);
    EXPECT_EQ(at(engine, 10, 23), white);
}

TEST_F(Drawing, PlainSpriteIsCentredAtItsNaturalSize)
{
    auto *s = engine.create<TImageSprite>();
    s->image = solid(red, 4, 2);
    s->x = 10.7; // column 10
    s->y = 20;
    s->width = 11;
    s->height = 7;
    engine.render();
    // (11 - 4) div 2 = 3, (7 - 2) div 2 = 2: the picture covers (13, 22)-(16, 23).
    EXPECT_EQ(at(engine, 13, 22), red);
    EXPECT_EQ(at(engine, 16, 23), red);
    EXPECT_EQ(at(engine, 12, 22), white);
    EXPECT_EQ(at(engine, 17, 22), white);
    EXPECT_EQ(at(engine, 13, 24), white);
}

TEST_F(Drawing, NothingToShowDrawsNothing)
{
    // Two patterns of 4 x 4 side by side.
    QImage sheet = filled(8, 4, red);
    QPainter(&sheet).fillRect(4, 0, 4, 4, blue);
    auto patterned = std::make_shared<ImageEntry>("sheet", sheet, 4, 4);
    const QImage before = engine.surface().copy();
    sprite(nullptr, 0, 0, 10, 10);
    sprite(patterned, 10, 10, 8, 8)->frameStart = 2;
    sprite(patterned, 10, 10, 8, 8)->frameStart = -1;
    auto *turned = sprite(patterned, 20, 20, 8, 8);
    turned->frameStart = 7;
    turned->angle = 30;
    sprite(patterned, 30, 30, 0, 8);
    auto *plain = engine.create<TImageSprite>();
    plain->image = patterned;
    plain->width = 4;
    plain->height = 4;
    plain->frame = 5.5;
    engine.create<TBackgroundSprite>()->tiled = true;
    engine.render();
    EXPECT_EQ(engine.surface(), before);
    EXPECT_EQ(engine.drawCount(), 7);
    // Pattern 1 is the blue one.
    sprite(patterned, 0, 0, 4, 4)->frameStart = 1;
    engine.render();
    EXPECT_EQ(at(engine, 1, 1), blue);
}

TEST_F(Drawing, PreparedPicturesAreKeptApartBySizeAngleEntryAndPattern)
{
    // One entry of two patterns, red and blue, turned at two sizes and two angles; another entry.
    QImage sheet = filled(16, 8, red);
    QPainter(&sheet).fillRect(8, 0, 8, 8, blue);
    auto two = std::make_shared<ImageEntry>("two", sheet, 8, 8);
    sprite(two, 0, 0, 16, 16)->angle = 32;
    auto *small = sprite(two, 0, 24, 8, 8);
    small->angle = 32;
    auto *second = sprite(two, 24, 0, 16, 16);
    second->angle = 32;
    second->frameStart = 1;
    auto *upright = sprite(two, 24, 24, 16, 8);
    upright->angle = 64; // 8 wide and 16 tall once turned
    sprite(solid(green, 8, 8), 40, 40, 8, 8)->angle = 32;
    engine.render();
    EXPECT_EQ(at(engine, 8, 8), red);
    EXPECT_EQ(at(engine, 32, 8), blue);
    EXPECT_EQ(at(engine, 44, 44), green);
    // Turned by 45 degrees the 8 x 8 square reaches 5.66 pixels either side of its centre along
    // the axes, not the 11.3 of its 16 x 16 brother.
    EXPECT_TRUE(near(at(engine, 4 + 4, 28), red, 60));
    EXPECT_EQ(at(engine, 4 + 7, 28), white);
    EXPECT_EQ(at(engine, 4, 28 - 8), white);
    // The centre of (24, 24)-(40, 32) is (32, 28): the turned 16 x 8 spans y 20 to 36, x 28 to 36.
    EXPECT_EQ(at(engine, 32, 21), red);
    EXPECT_EQ(at(engine, 32, 35), red);
    EXPECT_EQ(at(engine, 37, 28), white);
}

TEST_F(Drawing, HugeSpritesAndTinyTilesDrawWithoutPreparingHugePictures)
{
    // Far beyond what a prepared picture may hold: drawn straight through the painter.
    for (int angle : {0, 30}) {
        engine.clear();
        engine.surface().fill(white);
        auto *s = sprite(solid(red, 4, 4), -100000, -100000, 200000, 200000);
        s->angle = angle;
        engine.render();
        EXPECT_EQ(at(engine, 24, 24), red) << angle;
    }
    // Sizes a hand-edited arena may give: their turned bounds do not fit an int.
    for (int angle : {0, 30, 64}) {
        engine.clear();
        auto *s = sprite(solid(red, 4, 4), 0, 0, 2000000000, 2000000000);
        s->angle = angle;
        engine.render();
        EXPECT_EQ(engine.drawCount(), 1) << angle;
    }
    // A one-pixel background on a big surface.
    TSpriteEngine world(QSize(1920, 1080));
    auto *background = world.create<TBackgroundSprite>();
    background->image = solid(blue, 1, 1);
    background->tiled = true;
    world.render();
    EXPECT_EQ(world.surface().pixel(1919, 1079), blue);
    EXPECT_EQ(world.surface().pixel(0, 0), blue);
}
