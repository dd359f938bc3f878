#include "images.h"

namespace {

// The colour key makes every pixel of exactly that colour see-through, on top of the picture's
// own alpha.
QImage drawablePicture(const QImage &source, bool transparent, QRgb colorKey)
{
    QImage picture = source.convertToFormat(QImage::Format_ARGB32);
    if (transparent) {
        const QRgb key = colorKey & 0x00ffffff;
        for (int y = 0; y < picture.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                if ((line[x] & 0x00ffffff) == key)
                    line[x] = 0;
            }
        }
    }
    return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

ImageEntry::ImageEntry(QString name, QImage picture, int patternWidth, int patternHeight,
                       bool transparent, QRgb colorKey)
    : name_(std::move(name)), source_(std::move(picture)),
      picture_(drawablePicture(source_, transparent, colorKey)),
      patternWidth_(patternWidth < 0 ? 0 : patternWidth),
      patternHeight_(patternHeight < 0 ? 0 : patternHeight), transparent_(transparent),
      colorKey_(colorKey)
{
}

int ImageEntry::patternCount() const
{
    if (source_.isNull() || width() <= 0 || height() <= 0)
        return 0;
    return (pictureWidth() / width()) * (pictureHeight() / height());
}

QRect ImageEntry::patternRect(int index) const
{
    if (index < 0 || index >= patternCount())
        return {};
    const int columns = pictureWidth() / width();
    return QRect((index % columns) * width(), (index / columns) * height(), width(), height());
}
