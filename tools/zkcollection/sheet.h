#pragma once

#include <QImage>
#include <QString>

// A contact sheet of an image collection: every picture at 1x (or zoomed) on a checkerboard,
// with its name and size under it, in collection order, left to right, then top to bottom.
QImage collectionSheet(const QString &path, int zoom);
