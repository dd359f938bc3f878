#include "sheet.h"

#include "collection.h"
#include "error.h"
#include "images.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int margin = 8;
constexpr int columnsWanted = 6;
// A sheet beyond this side stops being something to look at and costs gigabytes.
constexpr int maxSheetSide = 16384;

void checkerboard(QPainter &p, const QRect &r)
{
    constexpr int cell = 8; // screen pixels, whatever the zoom
    p.save();
    p.setClipRect(r);
    for (int y = r.top(); y <= r.bottom(); y += cell)
        for (int x = r.left(); x <= r.right(); x += cell)
            p.fillRect(x, y, cell, cell,
                       ((x - r.left()) / cell + (y - r.top()) / cell) % 2 ? QColor(204, 204, 204)
                                                                          : QColor(255, 255, 255));
    p.restore();
}

} // namespace

QImage collectionSheet(const QString &path, int zoom)
{
    ImageList list;
    list.loadFromFile(path);
    if (list.count() == 0)
        throw Error(QStringLiteral("Collection '%1' holds no pictures").arg(path));

    QFont font;
    font.setPixelSize(12);
    const QFontMetrics metrics(font);
    const int textLines = 2;
    const int textHeight = metrics.height() * textLines;

    // One cell size for the whole grid: the largest picture or caption.
    int cellWidth = 64, cellHeight = 0;
    for (int i = 0; i < list.count(); ++i) {
        const ImagePtr &e = list.entry(i);
        cellWidth = std::max(
            {cellWidth, e->pictureWidth() * zoom, metrics.horizontalAdvance(e->name()) + 4});
        cellHeight = std::max(cellHeight, e->pictureHeight() * zoom);
    }
    const int columns = std::min(list.count(), columnsWanted);
    const int rows = (list.count() + columns - 1) / columns;
    const qint64 width = margin + qint64(columns) * (cellWidth + margin);
    const qint64 height = margin + qint64(rows) * (cellHeight + textHeight + margin);
    if (width > maxSheetSide || height > maxSheetSide)
        throw Error(QStringLiteral("The sheet of '%1' would be %2 x %3 pixels, larger than %4 x %4")
                        .arg(path)
                        .arg(width)
                        .arg(height)
                        .arg(maxSheetSide));

    QImage sheet(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(96, 96, 96));
    QPainter p(&sheet);
    p.setFont(font);
    for (int i = 0; i < list.count(); ++i) {
        const ImagePtr &e = list.entry(i);
        const int x = margin + (i % columns) * (cellWidth + margin);
        const int y = margin + (i / columns) * (cellHeight + textHeight + margin);
        const QRect target(x, y, e->pictureWidth() * zoom, e->pictureHeight() * zoom);
        checkerboard(p, target);
        // The picture as the game draws it: its own alpha and, when transparent, the colour key.
        p.drawImage(target, e->picture());
        p.setPen(Qt::white);
        const QRect caption(x, y + cellHeight, cellWidth, textHeight);
        QString size = QStringLiteral("%1 x %2").arg(e->pictureWidth()).arg(e->pictureHeight());
        if (e->patternWidth() > 0 || e->patternHeight() > 0)
            size += QStringLiteral(", pattern %1 x %2").arg(e->width()).arg(e->height());
        p.drawText(caption, Qt::AlignLeft | Qt::AlignTop, e->name() + QLatin1Char('\n') + size);
    }
    p.end();
    return sheet;
}
