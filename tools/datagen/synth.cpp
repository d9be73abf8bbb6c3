// Instruments (band-limited oscillators, state-variable filters, envelopes),
// drums from noise and swept sines, a ping-pong delay and a small reverb.
#include "tools/datagen/synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <thread>

#include "tools/datagen/beatgrid.h"
#include "tools/datagen/score.h"

namespace {

const double kPi = 3.14159265358979323846;
const float kFs = float(kSampleRate);

// Cheap tanh-like saturation (exact at 0, flat beyond +-3).
float softClip(float x)
{
    if (x > 3.0f)
        return 1.0f;
    if (x < -3.0f)
        return -1.0f;
    return x * (27.0f + x * x) / (27.0f + 9.0f * x * x);
}

float midiHz(float note) { return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f); }

// Deterministic white noise.
class CNoise {
public:
    explicit CNoise(uint32_t seed) : state(seed * 2654435761u + 1u) {}
    float next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return (state >> 8) * (2.0f / 16777216.0f) - 1.0f;
    }

private:
    uint32_t state;
};

// Topology-preserving state-variable filter (stable under fast cutoff changes).
class CSvf {
public:
    void set(float cutoff, float q)
    {
        cutoff = std::max(20.0f, std::min(cutoff, kFs * 0.45f));
        g = std::tan(float(kPi) * cutoff / kFs);
        k = 1.0f / q;
        a1 = 1.0f / (1.0f + g * (g + k));
    }
    // Returns low-pass; band and high are left in the members.
    float process(float x)
    {
        const float v3 = x - ic2;
        const float v1 = a1 * (ic1 + g * v3);
        const float v2 = ic2 + g * v1;
        ic1 = 2 * v1 - ic1;
        ic2 = 2 * v2 - ic2;
        band = v1;
        high = x - k * v1 - v2;
        return v2;
    }
    float band = 0, high = 0;

private:
    float g = 0, k = 1, a1 = 1, ic1 = 0, ic2 = 0;
};

// PolyBLEP correction for a discontinuity at phase 0.
float polyBlep(float t, float dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0f;
    }
    if (t > 1.0f - dt) {
        t = (t - 1.0f) / dt;
        return t * t + t + t + 1.0f;
    }
    return 0.0f;
}

class CSaw {
public:
    explicit CSaw(float startPhase = 0) : phase(startPhase) {}
    float next(float hz)
    {
        const float dt = hz / kFs;
        const float v = 2.0f * phase - 1.0f - polyBlep(phase, dt);
        phase += dt;
        if (phase >= 1.0f)
            phase -= 1.0f;
        return v;
    }

private:
    float phase;
};

class CSquare {
public:
    float next(float hz)
    {
        const float dt = hz / kFs;
        float v = phase < 0.5f ? 1.0f : -1.0f;
        v += polyBlep(phase, dt);
        float shifted = phase + 0.5f;
        if (shifted >= 1.0f)
            shifted -= 1.0f;
        v -= polyBlep(shifted, dt);
        phase += dt;
        if (phase >= 1.0f)
            phase -= 1.0f;
        return v;
    }

private:
    float phase = 0;
};

struct SBus {
    std::vector<float> l, r;
    explicit SBus(size_t n) : l(n, 0.0f), r(n, 0.0f) {}
    void add(long i, float v, float pan)
    {
        if (i < 0 || size_t(i) >= l.size())
            return;
        // Constant-power pan, -1 left .. +1 right; a note keeps its pan, so the
        // gains are worked out again only when it changes.
        if (pan != lastPan) {
            const float a = (pan + 1.0f) * 0.25f * float(kPi);
            gainL = std::cos(a);
            gainR = std::sin(a);
            lastPan = pan;
        }
        l[size_t(i)] += v * gainL;
        r[size_t(i)] += v * gainR;
    }

private:
    float lastPan = 2.0f, gainL = 0, gainR = 0;
};

// Attack, exponential decay to a sustain level, release after the gate: stepped
// sample by sample, with no exponential per sample.
class CEnvelope {
public:
    CEnvelope(float length, float attack, float decay, float sustainLevel, float release)
        : gate(long(length * kFs)), attackStep(1.0f / (attack * kFs)), decayCoef(std::exp(-1.0f / (decay * kFs))),
          releaseCoef(std::exp(-1.0f / (release * kFs))), sustain(sustainLevel)
    {
    }
    float next()
    {
        float level;
        if (rising) {
            above += attackStep;
            if (above >= 1.0f) {
                above = 1.0f;
                rising = false;
            }
            level = above;
        } else {
            above *= decayCoef;
            level = sustain + (1.0f - sustain) * above;
        }
        if (n >= gate)
            tail *= releaseCoef;
        ++n;
        return level * tail;
    }

private:
    long gate, n = 0;
    float attackStep, decayCoef, releaseCoef, sustain;
    float above = 0, tail = 1;
    bool rising = true;
};

class CRenderer {
public:
    CRenderer()
        : total(size_t(kTrackSeconds * kSampleRate)), dry(total), reverb(total), delay(total), pump(total, 1.0f)
    {
    }

    long sampleAt(double seconds) const { return long(std::lround(seconds * kSampleRate)) - kCodecDelay; }

    // When the renderer only plays the harmony it still needs the kicks' ducking.
    void kick(double t, float gain, bool audible = true)
    {
        const long s0 = sampleAt(t);
        float phase = 0;
        CNoise noise{uint32_t(s0)};
        for (int i = 0; audible && i < int(0.5f * kFs); ++i) {
            const float x = i / kFs;
            const float hz = 48.0f + 110.0f * std::exp(-x / 0.035f);
            phase += hz / kFs;
            float v = std::sin(2.0f * float(kPi) * phase) * std::exp(-x / 0.28f);
            v = softClip(v * 1.6f);
            if (i < 90)
                v += noise.next() * 0.25f * (1.0f - i / 90.0f);
            dry.add(s0 + i, v * gain, 0.0f);
        }
        // Pads and bass duck under the kick.
        for (int i = 0; i < int(0.3f * kFs); ++i) {
            const long k = s0 + i;
            if (k >= 0 && size_t(k) < total)
                pump[size_t(k)] = std::min(pump[size_t(k)], 1.0f - 0.45f * std::exp(-(i / kFs) / 0.09f));
        }
    }

    void snare(double t, float gain, float pan = 0.05f)
    {
        const long s0 = sampleAt(t);
        CNoise noise(uint32_t(s0) + 7);
        CSvf hp;
        hp.set(1800.0f, 0.7f);
        for (int i = 0; i < int(0.35f * kFs); ++i) {
            const float x = i / kFs;
            const float tone = (std::sin(2 * float(kPi) * 185.0f * x) + 0.5f * std::sin(2 * float(kPi) * 330.0f * x)) *
                               std::exp(-x / 0.05f);
            hp.process(noise.next());
            const float n = hp.high * std::exp(-x / 0.11f);
            const float v = (0.55f * tone + 0.8f * n) * gain;
            dry.add(s0 + i, v, pan);
            reverb.add(s0 + i, v * 0.35f, pan);
        }
    }

    void clap(double t, float gain)
    {
        const long s0 = sampleAt(t);
        CNoise noise(uint32_t(s0) + 11);
        CSvf bp;
        bp.set(1200.0f, 1.2f);
        for (int i = 0; i < int(0.25f * kFs); ++i) {
            const float x = i / kFs;
            float env = std::exp(-x / 0.06f);
            for (int burst = 0; burst < 3; ++burst) {
                const float bx = x - burst * 0.011f;
                if (bx >= 0 && bx < 0.011f)
                    env = std::max(env, std::exp(-bx / 0.004f));
            }
            bp.process(noise.next());
            const float v = bp.band * env * gain * 2.0f;
            dry.add(s0 + i, v, -0.1f);
            reverb.add(s0 + i, v * 0.5f, 0.1f);
        }
    }

    void hat(double t, float gain, float length, float pan)
    {
        const long s0 = sampleAt(t);
        CNoise noise(uint32_t(s0) + 13);
        CSvf hp;
        hp.set(7500.0f, 0.8f);
        for (int i = 0; i < int((length * 6 + 0.01f) * kFs); ++i) {
            const float x = i / kFs;
            hp.process(noise.next());
            dry.add(s0 + i, hp.high * std::exp(-x / length) * gain, pan);
        }
    }

    void crash(double t, float gain)
    {
        const long s0 = sampleAt(t);
        CNoise noiseL(uint32_t(s0) + 17), noiseR(uint32_t(s0) + 19);
        CSvf hpL, hpR;
        hpL.set(4000.0f, 0.7f);
        hpR.set(4200.0f, 0.7f);
        const float partials[6] = {587.0f, 845.0f, 1230.0f, 1513.0f, 2371.0f, 3130.0f};
        for (int i = 0; i < int(2.5f * kFs); ++i) {
            const float x = i / kFs;
            float metal = 0;
            for (float p : partials)
                metal += std::sin(2 * float(kPi) * p * x + p);
            const float env = std::exp(-x / 0.8f) * std::min(1.0f, x / 0.002f);
            hpL.process(noiseL.next() + metal * 0.1f);
            hpR.process(noiseR.next() + metal * 0.1f);
            const long k = s0 + i;
            if (k >= 0 && size_t(k) < total) {
                dry.l[size_t(k)] += hpL.high * env * gain;
                dry.r[size_t(k)] += hpR.high * env * gain;
                reverb.add(k, (hpL.high + hpR.high) * env * gain * 0.2f, 0.0f);
            }
        }
    }

    void tom(double t, float gain, float pitch, float pan)
    {
        const long s0 = sampleAt(t);
        float phase = 0;
        for (int i = 0; i < int(0.45f * kFs); ++i) {
            const float x = i / kFs;
            phase += (pitch + pitch * 0.6f * std::exp(-x / 0.04f)) / kFs;
            const float v = std::sin(2 * float(kPi) * phase) * std::exp(-x / 0.18f) * gain;
            dry.add(s0 + i, v, pan);
            reverb.add(s0 + i, v * 0.3f, -pan);
        }
    }

    // A noise sweep over `length` seconds, ending at t + length.
    void riser(double t, double length, float gain)
    {
        const long s0 = sampleAt(t);
        const long n = long(length * kSampleRate);
        CNoise noiseL(uint32_t(s0) + 23), noiseR(uint32_t(s0) + 29);
        CSvf bpL, bpR;
        for (long i = 0; i < n; ++i) {
            const float x = float(i) / float(n);
            if (i % 32 == 0) {
                bpL.set(300.0f * std::pow(30.0f, x), 2.5f);
                bpR.set(320.0f * std::pow(30.0f, x), 2.5f);
            }
            bpL.process(noiseL.next());
            bpR.process(noiseR.next());
            const float env = x * x * gain;
            const long k = s0 + i;
            if (k >= 0 && size_t(k) < total) {
                dry.l[size_t(k)] += bpL.band * env;
                dry.r[size_t(k)] += bpR.band * env;
            }
            reverb.add(k, (bpL.band + bpR.band) * env * 0.3f, 0.0f);
        }
    }

    // Three detuned saws per note, the outer two spread left and right, each
    // side through its own soft low-pass.
    void padChord(double t, double length, const int *notes, int count, float bright, float gain)
    {
        const long s0 = sampleAt(t);
        const long n = long((length + 1.2) * kSampleRate);
        for (int v = 0; v < count; ++v) {
            CSaw low(0.13f * v), mid(0.41f + 0.11f * v), high(0.77f - 0.07f * v);
            CSvf lpL, lpR;
            CEnvelope envelope(float(length), 0.25f, 1.5f, 0.75f, 0.5f);
            const float hz = midiHz(float(notes[v]));
            const float hzLow = hz * 0.99365f, hzHigh = hz * 1.00695f; // about -11 and +12 cents
            const float spread = 0.55f + 0.1f * v;
            for (long i = 0; i < n; ++i) {
                const long k = s0 + i;
                if (i % 64 == 0) {
                    const float x = float(i) / kFs;
                    const float cutoff = 300.0f + 3500.0f * bright * bright + 400.0f * std::sin(x * 1.3f + v);
                    lpL.set(cutoff, 0.8f);
                    lpR.set(cutoff * 1.07f, 0.8f);
                }
                const float env = envelope.next() * gain * 0.14f;
                const float a = low.next(hzLow), m = mid.next(hz), h = high.next(hzHigh);
                const float l = lpL.process(a + m * 0.5f * spread + h * (1.0f - spread));
                const float r = lpR.process(h + m * 0.5f * spread + a * (1.0f - spread));
                if (k < 0 || size_t(k) >= total)
                    continue;
                const float duck = pump[size_t(k)] * env;
                dry.l[size_t(k)] += l * duck;
                dry.r[size_t(k)] += r * duck;
                reverb.l[size_t(k)] += r * duck * 0.6f;
                reverb.r[size_t(k)] += l * duck * 0.6f;
            }
        }
    }

    void bassNote(double t, double length, int note, float gain, float bright)
    {
        const long s0 = sampleAt(t);
        const long n = long((length + 0.15) * kSampleRate);
        CSaw saw;
        CSquare sub;
        CSvf lp;
        const float hz = midiHz(float(note));
        CEnvelope envelope(float(length), 0.004f, 0.3f, 0.7f, 0.04f);
        for (long i = 0; i < n; ++i) {
            const float x = float(i) / kFs;
            if (i % 16 == 0)
                lp.set(120.0f + (400.0f + 1800.0f * bright) * std::exp(-x / 0.12f), 1.6f);
            const float env = envelope.next();
            const float raw = saw.next(hz) * 0.7f + sub.next(hz * 0.5f) * 0.5f;
            float s = softClip(lp.process(raw) * 1.8f) * env * gain;
            const long k = s0 + i;
            if (k < 0 || size_t(k) >= total)
                continue;
            s *= 0.5f + 0.5f * pump[size_t(k)];
            dry.add(k, s, 0.0f);
        }
    }

    // Plucked saw with a fast filter envelope, for the arpeggio and the stabs.
    void pluck(double t, double length, int note, float gain, float pan, float bright, float send)
    {
        const long s0 = sampleAt(t);
        const long n = long((length + 0.4) * kSampleRate);
        CSaw a, b(0.5f);
        CSvf lp;
        const float hz = midiHz(float(note));
        CEnvelope envelope(float(length), 0.002f, 0.15f, 0.2f, 0.12f);
        for (long i = 0; i < n; ++i) {
            const float x = float(i) / kFs;
            if (i % 16 == 0)
                lp.set(400.0f + 5000.0f * bright * std::exp(-x / 0.09f), 1.4f);
            const float env = envelope.next();
            const float s = lp.process(a.next(hz) + b.next(hz * 1.006f)) * env * gain * 0.5f;
            dry.add(s0 + i, s, pan);
            delay.add(s0 + i, s * send, pan);
            reverb.add(s0 + i, s * 0.3f, -pan);
        }
    }

    // The lead: two detuned squares with delayed vibrato, into the delay and the reverb.
    void leadNote(double t, double length, int note, float gain)
    {
        const long s0 = sampleAt(t);
        const long n = long((length + 0.3) * kSampleRate);
        CSquare a, b;
        CSvf lp;
        lp.set(3400.0f, 0.9f);
        const float hz = midiHz(float(note));
        CEnvelope envelope(float(length), 0.01f, 0.4f, 0.6f, 0.12f);
        for (long i = 0; i < n; ++i) {
            const float x = float(i) / kFs;
            const float vib = 1.0f + 0.004f * std::min(1.0f, x / 0.3f) * std::sin(2 * float(kPi) * 5.5f * x);
            const float env = envelope.next();
            const float s = lp.process(a.next(hz * vib) * 0.5f + b.next(hz * vib * 1.004f) * 0.5f) * env * gain;
            dry.add(s0 + i, s, 0.1f);
            delay.add(s0 + i, s * 0.5f, 0.0f);
            reverb.add(s0 + i, s * 0.45f, 0.0f);
        }
    }

    // Bell from two-operator FM, for the credits' entrances.
    void chime(double t, int note, float gain)
    {
        const long s0 = sampleAt(t);
        const float hz = midiHz(float(note));
        for (int i = 0; i < int(3.0f * kFs); ++i) {
            const float x = i / kFs;
            const float index = 3.0f * std::exp(-x / 0.6f);
            const float v = std::sin(2 * float(kPi) * hz * x + index * std::sin(2 * float(kPi) * hz * 3.5f * x)) *
                            std::exp(-x / 0.9f) * gain;
            dry.add(s0 + i, v, -0.3f);
            delay.add(s0 + i, v * 0.4f, 0.3f);
            reverb.add(s0 + i, v * 0.7f, 0.0f);
        }
    }

    // Ping-pong delay of three eighths, then a Schroeder reverb, then the master.
    SStereo mixdown()
    {
        const size_t d = size_t(3 * kBeat / 2 * kSampleRate);
        std::vector<float> dl(total, 0.0f), dr(total, 0.0f);
        for (size_t i = 0; i < total; ++i) {
            const float inL = delay.l[i], inR = delay.r[i];
            const float fromR = i >= d ? dr[i - d] : 0.0f, fromL = i >= d ? dl[i - d] : 0.0f;
            dl[i] = inL + inR + fromR * 0.45f; // mono in, bounced left then right
            dr[i] = fromL * 0.45f;
            dry.l[i] += (i >= d ? dl[i - d] : 0.0f) * 0.6f;
            dry.r[i] += (i >= d ? dr[i - d] : 0.0f) * 0.6f;
            reverb.l[i] += dl[i] * 0.1f;
            reverb.r[i] += dr[i] * 0.1f;
        }
        reverberate();
        SStereo out;
        out.left.resize(total);
        out.right.resize(total);
        float dcL = 0, dcR = 0, prevL = 0, prevR = 0;
        const float kDc = 1.0f - 2.0f * float(kPi) * 20.0f / kFs;
        for (size_t i = 0; i < total; ++i) {
            const float t = float(i + kCodecDelay) / kFs;
            float fade = 1.0f;
            if (t > 145.0f)
                fade = std::max(0.0f, 1.0f - (t - 145.0f) / 5.8f);
            fade *= fade;
            const float l = dry.l[i] * fade, r = dry.r[i] * fade;
            // One-pole DC blocker: the mix carries no offset.
            dcL = l - prevL + kDc * dcL;
            dcR = r - prevR + kDc * dcR;
            prevL = l;
            prevR = r;
            out.left[i] = dcL;
            out.right[i] = dcR;
        }
        return out;
    }

    // Adds another renderer's buses to this one's (their effects are linear).
    void absorb(const CRenderer &other)
    {
        for (size_t i = 0; i < total; ++i) {
            dry.l[i] += other.dry.l[i];
            dry.r[i] += other.dry.r[i];
            reverb.l[i] += other.reverb.l[i];
            reverb.r[i] += other.reverb.r[i];
            delay.l[i] += other.delay.l[i];
            delay.r[i] += other.delay.r[i];
        }
    }

    size_t total;

private:
    void reverberate()
    {
        std::thread right(&CRenderer::reverberateChannel, this, 1);
        reverberateChannel(0);
        right.join();
    }

    void reverberateChannel(int ch)
    {
        const int combs[2][4] = {{1557, 1617, 1491, 1422}, {1580, 1640, 1514, 1445}};
        const int allpasses[2][2] = {{225, 556}, {248, 579}};
        {
            std::vector<float> &in = ch == 0 ? reverb.l : reverb.r;
            std::vector<float> &out = ch == 0 ? dry.l : dry.r;
            std::vector<float> wet(total, 0.0f);
            for (int c = 0; c < 4; ++c) {
                const int len = combs[ch][c] * 2;
                std::vector<float> line(size_t(len), 0.0f);
                float damp = 0;
                size_t pos = 0;
                for (size_t i = 0; i < total; ++i) {
                    const float y = line[pos];
                    damp = y * 0.6f + damp * 0.4f;
                    line[pos] = in[i] + damp * 0.84f;
                    wet[i] += y;
                    if (++pos == size_t(len))
                        pos = 0;
                }
            }
            for (int a = 0; a < 2; ++a) {
                const int len = allpasses[ch][a];
                std::vector<float> line(size_t(len), 0.0f);
                size_t pos = 0;
                for (size_t i = 0; i < total; ++i) {
                    const float buffered = line[pos];
                    const float y = -wet[i] + buffered;
                    line[pos] = wet[i] + buffered * 0.5f;
                    wet[i] = y;
                    if (++pos == size_t(len))
                        pos = 0;
                }
            }
            for (size_t i = 0; i < total; ++i)
                out[i] += wet[i] * 0.12f;
        }
    }

    SBus dry, reverb, delay;
    std::vector<float> pump;
};

// The track is played in two halves on two threads: the rhythm section, and
// the harmony and melody.
enum class EParts { Rhythm, Harmony };

void playBar(CRenderer &r, int bar, EParts parts)
{
    const SBarPlan p = planBar(bar);
    const double t0 = barTime(bar);
    const double beat = kBeat, eighth = kBeat / 2, sixteenth = kBeat / 4;
    const bool last = bar == kBarCount - 1;
    if (last)
        return;
    const bool rhythm = parts == EParts::Rhythm, harmony = !rhythm;

    if (p.kick)
        for (int b = 0; b < 4; ++b) {
            const bool halfTime = p.section == ESection::RoomOpening && bar < 58 && b % 2 == 1;
            const bool sparse = p.section == ESection::Intro && bar < 10 && b % 2 == 1;
            if (!halfTime)
                r.kick(t0 + b * beat, sparse ? 0.55f : 0.85f, rhythm);
        }
    if (p.snare && rhythm) {
        r.snare(t0 + beat, 0.5f);
        r.snare(t0 + 3 * beat, 0.55f);
    }
    if (p.claps && rhythm) {
        r.clap(t0 + beat, 0.35f);
        r.clap(t0 + 3 * beat, 0.35f);
    }
    if (p.snareRoll && rhythm)
        for (int s = 0; s < 16; ++s)
            r.snare(t0 + s * sixteenth, 0.12f + 0.3f * s / 15.0f, s % 2 ? 0.25f : -0.25f);
    if (p.fill && rhythm)
        for (int s = 12; s < 16; ++s)
            r.tom(t0 + s * sixteenth, 0.45f, 140.0f - 15.0f * (s - 12), -0.5f + 0.33f * (s - 12));
    if (p.toms && rhythm) {
        r.tom(t0 + 1.5 * beat, 0.4f, 90.0f, -0.4f);
        r.tom(t0 + 3.5 * beat, 0.4f, 70.0f, 0.4f);
    }
    if (p.hats && rhythm)
        for (int e = 0; e < 8; ++e)
            r.hat(t0 + e * eighth, e % 2 ? 0.16f : 0.08f, 0.03f, 0.3f);
    if (p.hats16 && rhythm)
        for (int s = 0; s < 16; ++s)
            r.hat(t0 + s * sixteenth, s % 4 == 2 ? 0.16f : 0.07f, 0.02f, s % 2 ? 0.35f : -0.2f);
    if (p.openHats && rhythm)
        for (int b = 0; b < 4; ++b)
            r.hat(t0 + b * beat + eighth, 0.09f, 0.12f, -0.35f);
    if (p.crash && rhythm)
        r.crash(t0, 0.22f);
    if (p.riser && rhythm)
        r.riser(t0, 4 * beat, 0.5f);
    if (p.chime && harmony)
        r.chime(t0, p.chord[3] + 12, 0.18f);

    const int root = p.chord[0] - 24;
    if (p.bass && rhythm) {
        switch (p.bassStyle) {
        case 0:
            r.bassNote(t0, 4 * beat - 0.05, root, 0.32f, 0.1f);
            break;
        case 1:
            for (int b = 0; b < 4; ++b)
                r.bassNote(t0 + b * beat, beat * 0.8, root, 0.3f, 0.25f);
            break;
        case 2:
            for (int e = 0; e < 8; ++e)
                r.bassNote(t0 + e * eighth, eighth * 0.7, root + (e % 4 == 3 ? 12 : 0), e % 2 ? 0.34f : 0.22f, 0.45f);
            break;
        default:
            for (int s = 0; s < 16; ++s)
                r.bassNote(t0 + s * sixteenth, sixteenth * 0.75, root + (s % 8 == 6 ? 12 : 0),
                           s % 4 == 0 ? 0.22f : 0.3f, 0.3f + 0.3f * (s % 4 == 2));
        }
    }
    if (p.pad && harmony)
        r.padChord(t0, 4 * beat, p.chord, 4, p.padBright, 1.0f);
    if (bar == kBarCount - 2 && harmony) // the closing chord rings past the end of the timeline
        r.padChord(t0 + 4 * beat, 3.0, p.chord, 4, 0.3f, 0.8f);
    if (p.arp && harmony) {
        const int order[8] = {0, 1, 2, 3, 2, 1, 3, 1};
        for (int s = 0; s < 16; ++s) {
            const int note = p.chord[order[s % 8]] + 12 + (s >= 8 ? 12 : 0) * (s % 3 == 0);
            r.pluck(t0 + s * sixteenth, sixteenth * 0.8, note, 0.16f, s % 2 ? 0.5f : -0.5f,
                    0.3f + 0.5f * p.padBright, 0.45f);
        }
    }
    if (p.stabs && harmony)
        for (int b = 0; b < 4; ++b)
            for (int v = 1; v < 4; ++v)
                r.pluck(t0 + b * beat + eighth, eighth * 0.6, p.chord[v] + 12, 0.12f, 0.0f, 0.9f, 0.2f);
    if (p.lead && p.melody >= 0 && harmony) {
        const int *steps = kMelody[p.melody];
        for (int e = 0; e < 8; ++e) {
            if (steps[e] <= 0)
                continue;
            int length = 1;
            while (e + length < 8 && steps[e + length] == -1)
                ++length;
            const float gain = p.section == ESection::Greetings ? 0.16f : 0.18f;
            r.leadNote(t0 + e * eighth, length * eighth - 0.03, steps[e], gain);
        }
    }
}

} // namespace

SStereo renderTrack()
{
    CRenderer rhythm, harmony;
    std::thread second([&harmony] {
        for (int bar = 0; bar < kBarCount; ++bar)
            playBar(harmony, bar, EParts::Harmony);
    });
    // A swell into the first downbeat as the logo fades in.
    rhythm.riser(0.0, kFirstDownbeat, 0.25f);
    for (int bar = 0; bar < kBarCount; ++bar)
        playBar(rhythm, bar, EParts::Rhythm);
    second.join();
    rhythm.absorb(harmony);
    return rhythm.mixdown();
}
