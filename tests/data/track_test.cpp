// The track as a player and a loudness meter see it: MP3, 44.1 kHz stereo,
// 150-152 s, -14 LUFS within 2 LU, true peak at most -1 dBTP, no DC offset,
// and a real stereo image.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

const char *const kTrack = "data/music/velmora.mp3";

std::string run(const std::string &command)
{
    std::string out;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        out += buffer;
    pclose(pipe);
    return out;
}

double numberAfter(const std::string &text, const std::string &key)
{
    const size_t at = text.rfind(key);
    if (at == std::string::npos)
        return NAN;
    return std::strtod(text.c_str() + at + key.size(), nullptr);
}

TEST(Track, IsStereoMp3At44100HzOfTheRightLength)
{
    const std::string info = run(std::string("ffprobe -v error -show_entries stream=codec_name,sample_rate,channels") +
                                 " -show_entries format=duration -of default=noprint_wrappers=1 " + kTrack);
    EXPECT_NE(info.find("codec_name=mp3"), std::string::npos) << info;
    EXPECT_NE(info.find("sample_rate=44100"), std::string::npos) << info;
    EXPECT_NE(info.find("channels=2"), std::string::npos) << info;
    const double duration = numberAfter(info, "duration=");
    EXPECT_GE(duration, 150.0);
    EXPECT_LE(duration, 152.0);
}

TEST(Track, MeetsTheLoudnessAndPeakTargets)
{
    const std::string meter =
        run(std::string("ffmpeg -hide_banner -nostats -i ") + kTrack + " -af ebur128=peak=true -f null - 2>&1");
    const size_t summary = meter.rfind("Summary:");
    ASSERT_NE(summary, std::string::npos) << meter;
    const std::string tail = meter.substr(summary);
    const double loudness = numberAfter(tail, "I:");
    const double peak = numberAfter(tail, "Peak:");
    EXPECT_NEAR(loudness, -14.0, 2.0);
    EXPECT_LE(peak, -1.0);
}

TEST(Track, HasNoOffsetAndUsesBothChannels)
{
    FILE *pipe = popen((std::string("ffmpeg -v error -i ") + kTrack + " -f s16le -ac 2 -").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    double sum[2] = {0, 0}, square[2] = {0, 0}, side = 0, mid = 0;
    long frames = 0;
    int16_t buffer[2 * 4096];
    size_t got;
    while ((got = std::fread(buffer, sizeof(int16_t), 2 * 4096, pipe)) >= 2) {
        for (size_t i = 0; i + 1 < got; i += 2) {
            const double l = buffer[i] / 32768.0, r = buffer[i + 1] / 32768.0;
            sum[0] += l;
            sum[1] += r;
            square[0] += l * l;
            square[1] += r * r;
            mid += (l + r) * (l + r) / 4;
            side += (l - r) * (l - r) / 4;
            ++frames;
        }
    }
    pclose(pipe);
    ASSERT_GT(frames, 150L * 44100);
    for (int ch = 0; ch < 2; ++ch) {
        EXPECT_LT(std::fabs(sum[ch] / frames), 1e-3) << "channel " << ch;
        EXPECT_GT(square[ch] / frames, 1e-4) << "channel " << ch;
    }
    // Neither channel much quieter than the other, and not the same signal twice.
    EXPECT_NEAR(10 * std::log10(square[0] / square[1]), 0.0, 3.0);
    EXPECT_GT(side / mid, 0.02);
}

} // namespace
