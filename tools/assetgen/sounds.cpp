#include "sounds.h"

#include "synth.h"

#include <cmath>

using namespace synth;

namespace {

SoundRecord record(const QString &name, Signal s, int volume, int maxPlaying, bool looped = false)
{
    if (!looped)
        fadeEnds(s);
    SoundRecord r;
    r.name = name;
    r.data = wav(s);
    r.fileName = QString(name).replace(' ', '_') + ".wav";
    r.volume = volume;
    r.looped = looped;
    r.maxPlaying = looped ? 1 : maxPlaying;
    return r;
}

// A dull body blow against a wall: a falling low thump under a short burst of muffled noise.
Signal fall()
{
    Rng rng(101);
    Signal s = tone(
        0.32, [](double t) { return 95 - 45 * std::min(1.0, t / 0.2); },
        [](double t) { return decay(t, 14); });
    Signal n = lowPass(noise(0.12, rng), 700);
    envelope(n, [](double t) { return decay(t, 40); });
    fadeOut(n, 0.05);
    mixInto(s, n, 0, 1.6);
    return s;
}

// Robes gliding over stone: a hiss that swells and ebbs twice per loop.
Signal slide()
{
    Rng rng(102);
    const double length = 1.2, fade = 0.2;
    Signal s = bandPass(
        noise(length + fade, rng),
        [](double t) { return 1800 + 500 * std::sin(2 * M_PI * t / 0.6); }, 1.5);
    envelope(s, [](double t) { return 0.75 + 0.25 * std::sin(2 * M_PI * t / 0.6); });
    return makeLoop(s, fade);
}

// A bright chord that rises and shimmers as the bubble forms, with a glassy overtone on top.
Signal shieldOn()
{
    Signal s = silence(0.7);
    for (double base : {523.25, 659.25, 783.99}) {
        auto rising = [base](double t) { return base * (1 + 0.5 * std::min(1.0, t / 0.35)); };
        auto swell = [](double t) {
            return std::min(1.0, t / 0.05) * decay(t, 3.5) *
                   (0.75 + 0.25 * std::sin(2 * M_PI * 14 * t));
        };
        mixInto(s, tone(0.7, rising, swell), 0);
        mixInto(s,
                tone(
                    0.7, [rising](double t) { return rising(t) * 2.0; },
                    [swell](double t) { return 0.3 * swell(t) * std::sin(M_PI * t / 0.7); }),
                0);
    }
    return s;
}

// The chord falls apart: a sinking sweep with crackling sparks.
Signal shieldOff()
{
    Rng rng(104);
    Signal s = silence(0.6);
    for (double base : {783.99, 987.77})
        mixInto(s,
                tone(
                    0.6, [base](double t) { return base * (1 - 0.6 * std::min(1.0, t / 0.5)); },
                    [](double t) { return std::min(1.0, t / 0.01) * decay(t, 5); }, 2),
                0, 0.6);
    Signal crackle = highPass(noise(0.6, rng), 2500);
    for (size_t i = 0; i < crackle.size(); ++i)
        crackle[i] *= (rng.uniform() < 0.02 ? 1.0f : 0.1f) * float(decay(double(i) / rate, 4));
    mixInto(s, crackle, 0, 1.2);
    return s;
}

// A metallic ping: inharmonic partials of a struck plate.
Signal shieldHit()
{
    Signal s = silence(0.4);
    const double partials[][2] = {{1.0, 1.0}, {2.76, 0.6}, {5.40, 0.4}, {8.93, 0.25}};
    for (const auto &pt : partials) {
        const double f = 640 * pt[0], a = pt[1];
        mixInto(s,
                tone(
                    0.4, [f](double) { return f; },
                    [a, pt](double t) { return a * decay(t, 8 + 6 * pt[0]); }),
                0);
    }
    Rng rng(105);
    Signal click = highPass(noise(0.01, rng), 3000);
    mixInto(s, click, 0, 0.8);
    return s;
}

// A punch landing: a quick low knock and a slap of noise.
Signal hit()
{
    Rng rng(106);
    Signal s = tone(
        0.22, [](double t) { return 170 - 100 * std::min(1.0, t / 0.1); },
        [](double t) { return decay(t, 22); });
    Signal slap = bandPass(
        noise(0.08, rng), [](double) { return 1400; }, 1.2);
    envelope(slap, [](double t) { return decay(t, 60); });
    mixInto(s, slap, 0, 2.5);
    return s;
}

// A roaring blaze with crackles; loops while flames are in flight.
Signal flame()
{
    Rng rng(107);
    const double length = 1.5, fade = 0.25;
    Signal roar = lowPass(lowPass(noise(length + fade, rng), 500), 900);
    envelope(roar, [](double t) { return 0.8 + 0.2 * std::sin(2 * M_PI * t / 0.75); });
    Signal crackle = highPass(noise(length + fade, rng), 1800);
    for (float &v : crackle)
        v *= rng.uniform() < 0.004 ? 1.0f : 0.03f;
    Signal s = roar;
    mixInto(s, lowPass(crackle, 5000), 0, 0.9);
    for (float &v : s)
        v *= 4.0f;
    return makeLoop(s, fade);
}

// A wailing "woooo": a wavering tone over a breath of noise.
Signal ghost()
{
    Rng rng(108);
    auto amplitude = [](double t) {
        return std::min(1.0, t / 0.25) * decay(std::max(0.0, t - 0.5), 3);
    };
    Signal s = tone(
        1.2,
        [](double t) {
            return 330 + 60 * std::sin(M_PI * t / 1.2) + 18 * std::sin(2 * M_PI * 5.5 * t);
        },
        amplitude);
    mixInto(s,
            tone(
                1.2,
                [](double t) {
                    return 495 + 90 * std::sin(M_PI * t / 1.2) + 25 * std::sin(2 * M_PI * 5.5 * t);
                },
                amplitude),
            0, 0.35);
    Signal breath = bandPass(
        noise(1.2, rng), [](double) { return 900; }, 2);
    envelope(breath, amplitude);
    mixInto(s, breath, 0, 0.6);
    return s;
}

// A bowstring twang and the whoosh of the arrow leaving.
Signal fire(double pitch, uint32_t seed)
{
    Rng rng(seed);
    Signal s = pluck(0.4, pitch, 0.992, rng);
    envelope(s, [](double t) { return decay(t, 9); });
    Signal whoosh = bandPass(
        noise(0.3, rng), [](double t) { return 2600 - 5000 * t; }, 3);
    envelope(whoosh, [](double t) { return std::min(1.0, t / 0.03) * decay(t, 12); });
    fadeOut(whoosh, 0.12);
    mixInto(s, whoosh, 0.01, 0.8);
    return s;
}

// A clank as the mine is set down, then its two arming beeps.
Signal mine()
{
    Rng rng(110);
    Signal s = silence(0.45);
    Signal clank = bandPass(
        noise(0.08, rng), [](double) { return 900; }, 8);
    envelope(clank, [](double t) { return decay(t, 45); });
    mixInto(s, clank, 0, 1.5);
    for (int i = 0; i < 2; ++i)
        mixInto(s,
                tone(
                    0.07, [i](double) { return i ? 1760.0 : 1320.0; },
                    [](double t) { return std::min(1.0, t / 0.005) * (t < 0.06 ? 0.35 : 0.0); }, 1),
                0.18 + i * 0.13);
    return s;
}

// A dying wail sinking into a soft burst and a low boom.
Signal dead()
{
    Rng rng(111);
    Signal s = lowPass(tone(
                           1.0, [](double t) { return 440 * std::pow(0.25, t / 0.9); },
                           [](double t) { return std::min(1.0, t / 0.02) * decay(t, 2.5); }, 2),
                       2500);
    Signal boom = tone(
        1.2, [](double t) { return 70 - 30 * std::min(1.0, t); },
        [](double t) { return decay(t, 4); });
    mixInto(s, boom, 0.55, 1.0);
    Signal burst = lowPass(noise(0.8, rng), 1200);
    envelope(burst, [](double t) { return decay(t, 6); });
    fadeOut(burst, 0.3);
    mixInto(s, burst, 0.55, 1.5);
    return s;
}

// Healing: a rising arpeggio of small bells.
Signal cure()
{
    Signal s = silence(0.7);
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i) {
        const double f = notes[i];
        mixInto(s,
                tone(
                    0.35, [f](double) { return f; },
                    [](double t) { return std::min(1.0, t / 0.004) * decay(t, 11); }),
                i * 0.08);
        mixInto(s,
                tone(
                    0.2, [f](double) { return f * 3.01; },
                    [](double t) { return 0.25 * decay(t, 25); }),
                i * 0.08);
    }
    return s;
}

// A short, dry gunshot: crack and thump.
Signal gun()
{
    Rng rng(113);
    Signal crack = highPass(noise(0.12, rng), 1200);
    envelope(crack, [](double t) { return decay(t, 55); });
    Signal s = tone(
        0.12, [](double t) { return 140 - 60 * t / 0.12; }, [](double t) { return decay(t, 35); });
    mixInto(s, crack, 0, 1.3);
    return s;
}

// Power draining away: a buzzy tone sliding down while its brightness closes.
Signal lowPower()
{
    Signal raw = tone(
        0.8, [](double t) { return 520 * std::pow(0.2, t / 0.8) + 6 * std::sin(2 * M_PI * 9 * t); },
        [](double t) { return std::min(1.0, t / 0.02) * (1 - t / 0.8); }, 1);
    return bandPass(
        raw, [](double t) { return 2400 * std::pow(0.15, t / 0.8) + 200; }, 2.5);
}

// A splash: a slosh of noise and a handful of rising bubbles.
Signal water()
{
    Rng rng(115);
    Signal s = lowPass(noise(0.5, rng), 1500);
    envelope(s, [](double t) { return std::min(1.0, t / 0.01) * decay(t, 9); });
    for (int i = 0; i < 9; ++i) {
        const double start = 0.05 + rng.uniform() * 0.45, f0 = 350 + rng.uniform() * 500;
        mixInto(s,
                tone(
                    0.06, [f0](double t) { return f0 * (1 + 8 * t); },
                    [](double t) { return std::sin(M_PI * t / 0.06) * 0.5; }),
                start);
    }
    return s;
}

// The magazine going in: a metallic click, a short slide, and the bolt clacking home.
Signal reload()
{
    Rng rng(116);
    Signal s = silence(0.55);
    auto knock = [&rng](double centre, double speed) {
        Signal k = bandPass(
            noise(0.06, rng), [centre](double) { return centre; }, 6);
        envelope(k, [speed](double t) { return decay(t, speed); });
        return k;
    };
    mixInto(s, knock(3200, 90), 0.0, 1.0);
    Signal slideNoise = bandPass(
        noise(0.18, rng), [](double t) { return 1500 + 4000 * t; }, 2);
    envelope(slideNoise, [](double t) { return 0.2 * std::sin(M_PI * t / 0.18); });
    mixInto(s, slideNoise, 0.08);
    mixInto(s, knock(1900, 70), 0.3, 1.2);
    mixInto(s, knock(900, 50), 0.31, 0.9);
    return s;
}

// A struck surface: a ringing band of noise for the material over a dying low body tone.
struct Strike
{
    uint32_t seed;
    double noiseLength, centre, q, noiseDecay; // seconds, Hz, resonance, decay speed
    double toneLength, toneFrequency, toneLevel, toneDecay;
};

Signal strike(const Strike &k)
{
    Rng rng(k.seed);
    Signal s = bandPass(
        noise(k.noiseLength, rng), [&k](double) { return k.centre; }, k.q);
    envelope(s, [&k](double t) { return decay(t, k.noiseDecay); });
    mixInto(s,
            tone(
                k.toneLength, [&k](double) { return k.toneFrequency; },
                [&k](double t) { return k.toneLevel * decay(t, k.toneDecay); }),
            0);
    return s;
}

// Arena: a shot striking stone, a knock on wood, a crate bursting apart.
Signal stone()
{
    return strike({201, 0.16, 2200, 3, 45, 0.1, 210, 0.5, 40});
}

Signal wood()
{
    return strike({202, 0.2, 620, 9, 30, 0.15, 310, 0.4, 35});
}

Signal crash()
{
    Rng rng(203);
    Signal s = lowPass(noise(0.8, rng), 2500);
    envelope(s, [](double t) { return std::min(1.0, t / 0.005) * decay(t, 7); });
    for (int i = 0; i < 7; ++i) {
        const double centre = 400 + rng.uniform() * 900;
        Signal k = bandPass(
            noise(0.12, rng), [centre](double) { return centre; }, 8);
        envelope(k, [](double t) { return decay(t, 35); });
        mixInto(s, k, rng.uniform() * 0.35, 2.0);
    }
    return s;
}

} // namespace

std::vector<SoundRecord> playerSounds()
{
    return {
        record("fall", fall(), 80, 3),
        record("slide", slide(), 45, 1, true),
        record("shield on", shieldOn(), 75, 2),
        record("shield off", shieldOff(), 75, 2),
        record("shield hit", shieldHit(), 70, 4),
        record("hit", hit(), 80, 4),
        record("flame", flame(), 60, 1, true),
        record("ghost", ghost(), 75, 2),
        record("fire", fire(220, 109), 75, 4),
        record("mine", mine(), 75, 2),
        record("dead", dead(), 100, 1),
        record("cure", cure(), 55, 2),
        record("gun", gun(), 60, 12),
        record("lowpwr", lowPower(), 75, 2),
        record("water", water(), 75, 3),
        record("reload", reload(), 75, 1),
    };
}

std::vector<SoundRecord> arenaSounds()
{
    return {
        record("kusa", fire(110, 204), 80, 3),
        record("kamen", stone(), 55, 6),
        record("drevo", wood(), 70, 4),
        record("rozbitie", crash(), 85, 3),
    };
}
