// Message boxes, the real clock and the sound calls, through the host seams.
#include <cstdlib>
#include <ctime>
#include <fstream>

#include <gtest/gtest.h>

#include "support/message_boxes.h"
#include "platform/host.h"
#include "platform/platform.h"

namespace {
TEST(MessageBox, GoesToTheSinkWithTextAndCaption)
{
    CMessageBoxRecorder recorder;
    EXPECT_EQ(MessageBoxA(nullptr, "Unable to get displaysettings", "Error", MB_OK), 1);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "Unable to get displaysettings");
    EXPECT_EQ(recorder.boxes[0].caption, "Error");
}

TEST(MessageBox, WithoutSinkWritesCaptionAndTextToStderr)
{
    hostUseStderrMessageBoxes();
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(nullptr, "Wrong DLL?", "CFmod::init()", MB_OK), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "CFmod::init(): Wrong DLL?\n");
}

TEST(Clock, RealCounterIsTheMonotonicClockInNanoseconds)
{
    hostUseRealClock();
    LARGE_INTEGER frequency;
    ASSERT_TRUE(QueryPerformanceFrequency(&frequency));
    EXPECT_EQ(frequency.QuadPart, 1000000000);

    timespec before;
    timespec after;
    LARGE_INTEGER count;
    clock_gettime(CLOCK_MONOTONIC, &before);
    ASSERT_TRUE(QueryPerformanceCounter(&count));
    clock_gettime(CLOCK_MONOTONIC, &after);
    EXPECT_GE(count.QuadPart, before.tv_sec * 1000000000LL + before.tv_nsec);
    EXPECT_LE(count.QuadPart, after.tv_sec * 1000000000LL + after.tv_nsec);
}

TEST(Clock, VirtualCounterStandsStillUntilASwap)
{
    hostUseVirtualClock(0.02);
    LARGE_INTEGER first;
    LARGE_INTEGER second;
    QueryPerformanceCounter(&first);
    QueryPerformanceCounter(&second);
    EXPECT_EQ(first.QuadPart, 0);
    EXPECT_EQ(second.QuadPart, 0);
    hostUseRealClock();
}

TEST(Sound, VersionIsAtLeastTheOneTheDemoNeedsAndCanBeOverridden)
{
    EXPECT_GE(FSOUND_GetVersion(), 3.61f);
    hostSetSoundVersion(3.60f);
    EXPECT_EQ(FSOUND_GetVersion(), 3.60f);
    hostSetSoundVersion(-1.0f);
    EXPECT_GE(FSOUND_GetVersion(), 3.61f);
}

TEST(Sound, InitFailsWithOutputOffAndNothingLoadsOrPlays)
{
    hostSetSoundOutput(false);
    EXPECT_EQ(FSOUND_Init(44100, 128, 2), 0);
    EXPECT_EQ(FSOUND_Sample_Load(-1, FIXTURE_DIR "/tone.mp3", 0, 0), nullptr);
    EXPECT_EQ(FSOUND_PlaySound(-1, nullptr), -1);
    FSOUND_Close();  // harmless when never opened
    hostSetSoundOutput(true);
}

// SDL's silent "dummy" driver, asked for by name, stands in for a sound card.
class SoundOnDummyDevice : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        hostSetSoundOutput(true);
        ASSERT_NE(FSOUND_Init(44100, 128, 2), 0);
    }
    void TearDown() override
    {
        FSOUND_Close();
        unsetenv("SDL_AUDIODRIVER");
    }
};

TEST_F(SoundOnDummyDevice, LoadsTheMp3AndPlaysItOnAFreeChannel)
{
    FSOUND_SAMPLE *sample = FSOUND_Sample_Load(-1, FIXTURE_DIR "/tone.mp3", 0, 0);
    ASSERT_NE(sample, nullptr);
    const int first = FSOUND_PlaySound(FSOUND_FREE, sample);
    const int second = FSOUND_PlaySound(FSOUND_FREE, sample);
    EXPECT_GE(first, 0);
    EXPECT_GE(second, 0);
    EXPECT_NE(first, second);
    EXPECT_NE(FSOUND_StopSound(first), 0);
    EXPECT_EQ(FSOUND_StopSound(128), 0);  // beyond the 128 channels
}

TEST_F(SoundOnDummyDevice, MissingOrUndecodableFileGivesNoSample)
{
    EXPECT_EQ(FSOUND_Sample_Load(-1, "data/music/no-such-track.mp3", 0, 0), nullptr);
    const char *garbage = "platform_test_garbage.mp3";
    std::ofstream(garbage) << "this is not an mp3 file at all";
    EXPECT_EQ(FSOUND_Sample_Load(-1, garbage, 0, 0), nullptr);
    std::remove(garbage);
}
}  // namespace
