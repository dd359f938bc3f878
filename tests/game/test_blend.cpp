// Blending a picture toward a colour: the rounding of each component and the fast path's
// agreement with the plain per-pixel loop.
#include "blend.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

TEST(Blend, ComponentsTowardWhite)
{
    struct Case
    {
        QRgb pixel;
        double factor;
        QRgb expected;
    };
    const Case cases[] = {
        {qRgb(100, 150, 200), 0.8, qRgb(224, 234, 244)},
        {qRgb(100, 150, 200), 0.2, qRgb(131, 171, 211)},
        {qRgb(100, 150, 200), 1.0, qRgb(255, 255, 255)},
        {qRgb(100, 150, 200), 0.0, qRgb(100, 150, 200)},
        {qRgb(0, 1, 3), 0.5, qRgb(128, 128, 129)}, // 127.5 -> 128, 128 -> 128, 129 -> 129
        {qRgb(0, 2, 4), 0.5, qRgb(128, 128, 130)}, // 127.5 -> 128 (even), 128.5 -> 128, 129.5 ->
                                                   // 130
    };
    for (const Case &c : cases) {
        QImage in(3, 2, QImage::Format_RGB32);
        in.fill(c.pixel);
        const QImage out = blendBitmap(in, qRgb(255, 255, 255), c.factor);
        ASSERT_EQ(out.size(), in.size());
        EXPECT_EQ(out.pixel(2, 1), c.expected) << c.factor;
    }
}

TEST(Blend, FastPathMatchesThePerPixelLoop)
{
    QImage in(97, 61, QImage::Format_ARGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < in.height(); ++y)
        for (int x = 0; x < in.width(); ++x)
            in.setPixel(x, y, random.generate());
    for (const QRgb colour : {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(10, 200, 77)})
        for (const double factor : {0.2, 0.4, 0.6, 0.8, 1.0, 0.33}) {
            const QImage fast = blendBitmap(in, colour, factor);
            EXPECT_EQ(fast, blendBitmapPerPixel(in, colour, factor)) << factor;
            // Alpha is kept.
            EXPECT_EQ(qAlpha(fast.pixel(13, 17)), qAlpha(in.pixel(13, 17)));
        }
}

TEST(Blend, EmptyPictureGivesEmptyPicture)
{
    EXPECT_TRUE(blendBitmap(QImage(), qRgb(255, 255, 255), 0.5).isNull());
}
