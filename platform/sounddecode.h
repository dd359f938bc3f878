#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// Sound data (WAV, FLAC, Ogg Vorbis, or anything else libsndfile reads) decoded from memory to
// 16-bit mono, so that pan can place it between the speakers.
struct DecodedSound
{
    int sampleRate = 0;
    std::vector<std::int16_t> samples;
};

// Longest sound accepted after decoding, in frames (about 6 minutes at 48 kHz).
constexpr std::int64_t maxDecodedFrames = 16 * 1024 * 1024;

// Reads only the header. Returns an empty text when the data is a sound libsndfile recognises
// with a sane rate and channel count, else the reason.
QString probeSound(const QByteArray &data);
// Throws Error("<what>: <reason>") when the data does not decode.
DecodedSound decodeSound(const QByteArray &data, const QString &what);
