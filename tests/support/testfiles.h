#pragma once

// Files the tests make and read back: pictures, sounds and plain bytes.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>

// A w x h picture of one colour, encoded as PNG.
inline QByteArray pngBytes(int w, int h, QColor colour = Qt::red)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A mono 16-bit PCM WAV file around the given little-endian samples.
inline QByteArray monoWav(const QByteArray &samples, int rate)
{
    const auto u32 = [](quint32 v) {
        char c[4];
        qToLittleEndian(v, c);
        return QByteArray(c, 4);
    };
    const auto u16 = [](quint16 v) {
        char c[2];
        qToLittleEndian(v, c);
        return QByteArray(c, 2);
    };
    return "RIFF" + u32(quint32(36 + samples.size())) + "WAVEfmt " + u32(16) + u16(1) + u16(1) +
           u32(quint32(rate)) + u32(quint32(rate * 2)) + u16(2) + u16(16) + "data" +
           u32(quint32(samples.size())) + samples;
}

// A mono 16-bit WAV of that many frames of silence at 8000 Hz.
inline QByteArray silentWav(int frames)
{
    return monoWav(QByteArray(frames * 2, '\0'), 8000);
}

// A mono 16-bit WAV holding a sine tone.
inline QByteArray sineWav(int milliseconds, int rate = 22050, double hz = 440.0,
                          double amplitude = 0.8)
{
    const int frames = int(qint64(rate) * milliseconds / 1000);
    QByteArray samples;
    for (int i = 0; i < frames; ++i) {
        const qint16 s =
            qint16(std::lround(amplitude * 32767.0 * std::sin(2 * M_PI * hz * i / rate)));
        char c[2];
        qToLittleEndian(s, c);
        samples.append(c, 2);
    }
    return monoWav(samples, rate);
}

// Replaces the file with these bytes; the folder must exist.
inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

// The whole file; a file that cannot be read fails the test.
inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}
