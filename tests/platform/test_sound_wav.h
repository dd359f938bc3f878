#pragma once

#include <QByteArray>
#include <QtEndian>
#include <cmath>

// A mono 16-bit PCM WAV file holding a sine tone.
inline QByteArray sineWav(int milliseconds, int rate = 22050, double hz = 440.0,
                          double amplitude = 0.8)
{
    const int frames = int(qint64(rate) * milliseconds / 1000);
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const qint16 s =
            qint16(std::lround(amplitude * 32767.0 * std::sin(2 * M_PI * hz * i / rate)));
        char c[2];
        qToLittleEndian(s, c);
        data.append(c, 2);
    }
    auto u32 = [](quint32 v) {
        char c[4];
        qToLittleEndian(v, c);
        return QByteArray(c, 4);
    };
    auto u16 = [](quint16 v) {
        char c[2];
        qToLittleEndian(v, c);
        return QByteArray(c, 2);
    };
    return "RIFF" + u32(quint32(36 + data.size())) + "WAVEfmt " + u32(16) + u16(1) + u16(1) +
           u32(quint32(rate)) + u32(quint32(rate * 2)) + u16(2) + u16(16) + "data" +
           u32(quint32(data.size())) + data;
}
