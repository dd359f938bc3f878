#pragma once

#include <QImage>

// The picture with every pixel moved toward a colour: each of red, green and blue c becomes
// Round((t - c) * factor + c), t being that component of the colour (halves to even). Alpha is
// kept. The result has the size of the picture, in ARGB32.
QImage blendBitmap(const QImage &picture, QRgb colour, double factor);

// The same, one pixel at a time through QImage's pixel accessors: the plain loop the fast one is
// measured and checked against.
QImage blendBitmapPerPixel(const QImage &picture, QRgb colour, double factor);
