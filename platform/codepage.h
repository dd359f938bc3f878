#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows-1250, the code page of the Slovak texts in our files. Decoding never fails: the five
// bytes the code page leaves undefined decode to the control characters of the same number, so
// any byte string survives a round trip.
QString fromWindows1250(QByteArrayView bytes);

// Characters the code page lacks become their base letter when they have one (ñ -> n), else '?'.
QByteArray toWindows1250(const QString &text);

// Whether the bytes are well-formed UTF-8 holding at least one non-ASCII character: such a file
// was saved by a UTF-8 editor rather than in the code page.
bool looksLikeUtf8(QByteArrayView bytes);
