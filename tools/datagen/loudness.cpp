// K-weighting biquads for any sample rate, block gating, a look-ahead limiter
// whose gain never exceeds what each sample allows, and a 4x true-peak meter.
#include "tools/datagen/loudness.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "tools/datagen/beatgrid.h"

namespace {

const double kPi = 3.14159265358979323846;

struct SBiquad {
    double b0, b1, b2, a1, a2;
    double z1 = 0, z2 = 0;
    double process(double x)
    {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
};

// The two K-weighting stages: a high shelf near 1.7 kHz and a high-pass near 38 Hz.
void kWeighting(double fs, SBiquad &shelf, SBiquad &highPass)
{
    {
        const double f0 = 1681.974450955533, gain = 3.999843853973347, q = 0.7071752369554196;
        const double k = std::tan(kPi * f0 / fs);
        const double vh = std::pow(10.0, gain / 20.0), vb = std::pow(vh, 0.4996667741545416);
        const double a0 = 1.0 + k / q + k * k;
        shelf.b0 = (vh + vb * k / q + k * k) / a0;
        shelf.b1 = 2.0 * (k * k - vh) / a0;
        shelf.b2 = (vh - vb * k / q + k * k) / a0;
        shelf.a1 = 2.0 * (k * k - 1.0) / a0;
        shelf.a2 = (1.0 - k / q + k * k) / a0;
    }
    {
        const double f0 = 38.13547087602444, q = 0.5003270373238773;
        const double k = std::tan(kPi * f0 / fs);
        const double a0 = 1.0 + k / q + k * k;
        highPass.b0 = 1.0;
        highPass.b1 = -2.0;
        highPass.b2 = 1.0;
        highPass.a1 = 2.0 * (k * k - 1.0) / a0;
        highPass.a2 = (1.0 - k / q + k * k) / a0;
    }
}

void applyGain(SStereo &audio, double gain)
{
    for (float &v : audio.left)
        v = float(v * gain);
    for (float &v : audio.right)
        v = float(v * gain);
}

// Gain that keeps every sample under the ceiling: a future-looking minimum of
// the allowed gain, given a release, then averaged over the look-ahead window.
void limit(SStereo &audio, double ceiling)
{
    const size_t n = audio.left.size();
    const size_t window = 96; // about 2 ms
    std::vector<float> allowed(n);
    for (size_t i = 0; i < n; ++i) {
        const double peak = std::max(std::fabs(audio.left[i]), std::fabs(audio.right[i]));
        allowed[i] = peak > ceiling ? float(ceiling / peak) : 1.0f;
    }
    std::vector<float> minimum(n);
    std::deque<size_t> queue; // indices of increasing allowed values
    for (size_t i = n; i-- > 0;) {
        while (!queue.empty() && allowed[queue.back()] >= allowed[i])
            queue.pop_back();
        queue.push_back(i);
        while (queue.front() >= i + window)
            queue.pop_front();
        minimum[i] = allowed[queue.front()];
    }
    const double release = 1.0 - std::exp(-1.0 / (0.08 * kSampleRate));
    double envelope = 1.0;
    for (size_t i = 0; i < n; ++i) {
        envelope = std::min(double(minimum[i]), envelope + (1.0 - envelope) * release);
        minimum[i] = float(envelope);
    }
    double sum = 0;
    for (size_t i = 0; i < n; ++i) {
        sum += minimum[i];
        if (i >= window)
            sum -= minimum[i - window];
        const double average = sum / double(std::min(i + 1, window));
        // Rounding in the running sum must never let a sample through too loud.
        const double gain = std::min(average, double(allowed[i]));
        audio.left[i] = float(audio.left[i] * gain);
        audio.right[i] = float(audio.right[i] * gain);
    }
}

} // namespace

double integratedLoudness(const SStereo &audio)
{
    const size_t n = audio.left.size();
    const size_t step = kSampleRate / 10, block = 4 * step;
    std::vector<double> power(n / step + 1, 0.0);
    for (int ch = 0; ch < 2; ++ch) {
        const std::vector<float> &x = ch == 0 ? audio.left : audio.right;
        SBiquad shelf, highPass;
        kWeighting(kSampleRate, shelf, highPass);
        for (size_t i = 0; i < n; ++i) {
            const double y = highPass.process(shelf.process(x[i]));
            power[i / step] += y * y;
        }
    }
    std::vector<double> blocks;
    for (size_t start = 0; start + 4 <= n / step; ++start)
        blocks.push_back((power[start] + power[start + 1] + power[start + 2] + power[start + 3]) / double(block));
    auto lufs = [](double p) { return -0.691 + 10.0 * std::log10(std::max(p, 1e-20)); };
    double sum = 0;
    int count = 0;
    for (double p : blocks)
        if (lufs(p) > -70.0) {
            sum += p;
            ++count;
        }
    if (count == 0)
        return -100.0;
    const double relativeGate = lufs(sum / count) - 10.0;
    sum = 0;
    count = 0;
    for (double p : blocks)
        if (lufs(p) > -70.0 && lufs(p) > relativeGate) {
            sum += p;
            ++count;
        }
    return count ? lufs(sum / count) : -100.0;
}

double truePeakDb(const SStereo &audio)
{
    // Windowed-sinc interpolation at three points between each pair of samples.
    const int kTaps = 16;
    double kernel[3][2 * kTaps];
    for (int phase = 1; phase <= 3; ++phase)
        for (int k = 0; k < 2 * kTaps; ++k) {
            const double x = (k - kTaps + 1) - phase / 4.0;
            const double sinc = std::sin(kPi * x) / (kPi * x);
            const double w = 0.5 + 0.5 * std::cos(kPi * x / kTaps);
            kernel[phase - 1][k] = sinc * w;
        }
    double peak = 0;
    for (int ch = 0; ch < 2; ++ch) {
        const std::vector<float> &x = ch == 0 ? audio.left : audio.right;
        for (size_t i = 0; i < x.size(); ++i) {
            peak = std::max(peak, double(std::fabs(x[i])));
            if (i < size_t(kTaps) || i + kTaps >= x.size())
                continue;
            // Between samples the signal rises at most a few dB above them, so
            // only the neighbourhood of loud samples can hold a new peak.
            if (std::max(std::fabs(x[i]), std::fabs(x[i + 1])) < 0.5 * peak)
                continue;
            for (int phase = 0; phase < 3; ++phase) {
                double y = 0;
                for (int k = 0; k < 2 * kTaps; ++k)
                    y += kernel[phase][k] * x[i + k - kTaps + 1];
                peak = std::max(peak, std::fabs(y));
            }
        }
    }
    return 20.0 * std::log10(std::max(peak, 1e-20));
}

SLoudnessReport normalise(SStereo &audio, double targetLufs, double ceilingDb)
{
    const SStereo original = audio;
    double gainDb = targetLufs - integratedLoudness(original);
    // Peaks between samples run a little above the samples: start under the ceiling.
    double sampleCeiling = std::pow(10.0, (ceilingDb - 0.4) / 20.0);
    SLoudnessReport report = {};
    // The limiter takes some loudness away, and inter-sample peaks can exceed
    // the sample ceiling: a few rounds settle both.
    for (int round = 0; round < 8; ++round) {
        audio = original;
        applyGain(audio, std::pow(10.0, gainDb / 20.0));
        limit(audio, sampleCeiling);
        report.loudness = integratedLoudness(audio);
        report.gainDb = gainDb;
        if (std::fabs(report.loudness - targetLufs) > 0.05) {
            gainDb += targetLufs - report.loudness;
            continue;
        }
        report.truePeak = truePeakDb(audio);
        if (report.truePeak <= ceilingDb)
            break;
        sampleCeiling *= std::pow(10.0, (ceilingDb - report.truePeak - 0.05) / 20.0);
    }
    return report;
}
