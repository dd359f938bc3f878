#include "synth.h"

#include <QtEndian>
#include <cmath>

namespace synth {

Signal silence(double seconds)
{
    return Signal(size_t(std::max(0.0, seconds) * rate), 0.0f);
}

Signal tone(double seconds, const std::function<double(double)> &frequency,
            const std::function<double(double)> &amplitude, int shape)
{
    Signal s = silence(seconds);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / rate;
        const double f = frequency(t);
        phase += 2 * M_PI * f / rate;
        double v = std::sin(phase);
        if (shape == 1) {
            for (int h = 3; h <= 9 && h * f < rate / 2; h += 2)
                v += std::sin(phase * h) / h;
        } else if (shape == 2) {
            for (int h = 2; h <= 8 && h * f < rate / 2; ++h)
                v += std::sin(phase * h) / h;
        }
        s[i] = float(v * amplitude(t));
    }
    return s;
}

Signal noise(double seconds, Rng &rng)
{
    Signal s = silence(seconds);
    for (float &v : s)
        v = float(rng.signedUniform());
    return s;
}

void envelope(Signal &s, const std::function<double(double)> &amplitude)
{
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = float(s[i] * amplitude(double(i) / rate));
}

Signal bandPass(const Signal &s, const std::function<double(double)> &centre, double q)
{
    Signal out(s.size());
    double low = 0, band = 0;
    const double damping = 1.0 / q;
    for (size_t i = 0; i < s.size(); ++i) {
        const double f = std::min(centre(double(i) / rate), rate / 6.0);
        const double k = 2 * std::sin(M_PI * f / rate);
        low += k * band;
        const double high = s[i] - low - damping * band;
        band += k * high;
        out[i] = float(band);
    }
    return out;
}

Signal lowPass(const Signal &s, double cutoff)
{
    Signal out(s.size());
    const double a = 1 - std::exp(-2 * M_PI * cutoff / rate);
    double y = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        y += a * (s[i] - y);
        out[i] = float(y);
    }
    return out;
}

Signal highPass(const Signal &s, double cutoff)
{
    const Signal low = lowPass(s, cutoff);
    Signal out(s.size());
    for (size_t i = 0; i < s.size(); ++i)
        out[i] = s[i] - low[i];
    return out;
}

Signal pluck(double seconds, double frequency, double decayFactor, Rng &rng)
{
    Signal out = silence(seconds);
    std::vector<double> line(size_t(std::max(2.0, rate / frequency)));
    for (double &v : line)
        v = rng.signedUniform();
    size_t pos = 0;
    for (float &v : out) {
        const size_t next = (pos + 1) % line.size();
        const double value = line[pos];
        line[pos] = (line[pos] + line[next]) * 0.5 * decayFactor;
        v = float(value);
        pos = next;
    }
    return out;
}

void mixInto(Signal &a, const Signal &b, double at, double gain)
{
    const size_t start = size_t(std::max(0.0, at) * rate);
    if (a.size() < start + b.size())
        a.resize(start + b.size(), 0.0f);
    for (size_t i = 0; i < b.size(); ++i)
        a[start + i] += float(b[i] * gain);
}

Signal makeLoop(const Signal &s, double crossfade)
{
    const size_t fade = std::min(size_t(crossfade * rate), s.size() / 2);
    const size_t length = s.size() - fade;
    Signal out(s.begin(), s.begin() + long(length));
    for (size_t i = 0; i < fade; ++i) {
        const double w = double(i) / fade;
        out[i] = float(s[i] * w + s[length + i] * (1 - w));
    }
    return out;
}

void fadeEnds(Signal &s, double seconds)
{
    const size_t n = std::min(size_t(seconds * rate), s.size() / 2);
    for (size_t i = 0; i < n; ++i) {
        const float w = float(i) / float(n);
        s[i] *= w;
        s[s.size() - 1 - i] *= w;
    }
}

void fadeOut(Signal &s, double seconds)
{
    const size_t n = std::min(size_t(seconds * rate), s.size());
    for (size_t i = 0; i < n; ++i)
        s[s.size() - 1 - i] *= float(i) / float(n);
}

double decay(double t, double speed)
{
    return std::exp(-t * speed);
}

QByteArray wav(const Signal &s)
{
    double peak = 0;
    for (float v : s)
        peak = std::max(peak, double(std::abs(v)));
    const double gain = peak > 0 ? 0.891 / peak : 0; // -1 dBFS

    const quint32 dataBytes = quint32(s.size() * 2);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    auto u32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto u16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out.append("RIFF", 4);
    u32(36 + dataBytes);
    out.append("WAVEfmt ", 8);
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out.append("data", 4);
    u32(dataBytes);
    for (float v : s) {
        const long sample = std::lround(v * gain * 32767.0);
        u16(quint16(qint16(std::clamp(sample, -32767L, 32767L))));
    }
    return out;
}

} // namespace synth
