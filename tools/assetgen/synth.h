#pragma once

#include "paint.h"

#include <QByteArray>
#include <functional>
#include <vector>

// A few building blocks for synthesised effects, mono at one fixed rate.
namespace synth {

constexpr int rate = 22050;
using Signal = std::vector<float>;

Signal silence(double seconds);
// A tone whose frequency (Hz) and amplitude follow functions of the time in seconds; shape 0 is a
// sine, 1 a soft square (odd harmonics), 2 a soft saw.
Signal tone(double seconds, const std::function<double(double)> &frequency,
            const std::function<double(double)> &amplitude, int shape = 0);
Signal noise(double seconds, Rng &rng);
// Shapes a signal by an amplitude function of time.
void envelope(Signal &s, const std::function<double(double)> &amplitude);
// Resonant band-pass (state-variable filter) with a centre that may move over time.
Signal bandPass(const Signal &s, const std::function<double(double)> &centre, double q);
Signal lowPass(const Signal &s, double cutoff);
Signal highPass(const Signal &s, double cutoff);
// A plucked string (Karplus-Strong).
Signal pluck(double seconds, double frequency, double decay, Rng &rng);
// Adds b into a starting at the given time, growing a when needed.
void mixInto(Signal &a, const Signal &b, double at, double gain = 1.0);
// Makes a signal loop without a click: its tail is cross-faded into its head over the given time,
// and the result is that much shorter.
Signal makeLoop(const Signal &s, double crossfade);
// Short fades at both ends so that a one-shot never starts or stops with a click.
void fadeEnds(Signal &s, double seconds = 0.004);
// Fades the last part of a signal to silence, so that a component cut short ends softly.
void fadeOut(Signal &s, double seconds);
// Exponential decay envelope helper: exp(-t * speed).
double decay(double t, double speed);

// 16-bit PCM WAV bytes, normalised to a peak of about -1 dBFS (never clipped).
QByteArray wav(const Signal &s);

} // namespace synth
