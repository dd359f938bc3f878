#include "blend.h"

#include "units.h"

#include <array>
#include <cstdint>

namespace {

int blendComponent(int c, int t, double factor)
{
    return Round((t - c) * factor + c);
}

// The blend as a table per component: with one colour and one factor a component's result
// depends on nothing but its own value.
std::array<std::uint8_t, 256> componentTable(int t, double factor)
{
    std::array<std::uint8_t, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = std::uint8_t(qBound(0, blendComponent(c, t, factor), 255));
    return table;
}

} // namespace

QImage blendBitmap(const QImage &picture, QRgb colour, double factor)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    if (out.isNull())
        return out;
    const auto red = componentTable(qRed(colour), factor);
    const auto green = componentTable(qGreen(colour), factor);
    const auto blue = componentTable(qBlue(colour), factor);
    const int width = out.width();
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb p = line[x];
            line[x] = (p & 0xff000000u) | (QRgb(red[(p >> 16) & 0xff]) << 16) |
                      (QRgb(green[(p >> 8) & 0xff]) << 8) | QRgb(blue[p & 0xff]);
        }
    }
    return out;
}

QImage blendBitmapPerPixel(const QImage &picture, QRgb colour, double factor)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = out.pixel(x, y);
            const auto blend = [&](int c, int t) {
                return qBound(0, blendComponent(c, t, factor), 255);
            };
            out.setPixel(x, y,
                         qRgba(blend(qRed(p), qRed(colour)), blend(qGreen(p), qGreen(colour)),
                               blend(qBlue(p), qBlue(colour)), qAlpha(p)));
        }
    return out;
}
