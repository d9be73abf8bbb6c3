// The music's version check and its silent failures.
#include <gtest/gtest.h>

#include "support/message_boxes.h"
#include "music/fmod.h"
#include "platform/host.h"

namespace {
struct SVersionCase {
    float version;
    bool wrongDll;
};
}  // namespace

TEST(Music, VersionCheck)
{
    hostSetSoundOutput(false);
    const SVersionCase cases[] = {{3.61f, false}, {3.7f, false}, {3.6f, true}, {2.0f, true}};
    for (const SVersionCase &c : cases) {
        CMessageBoxRecorder recorder;
        hostSetSoundVersion(c.version);
        CFmod music;
        // With no output device the library does not open: false either way.
        EXPECT_FALSE(music.init("data/music/velmora.mp3"));
        if (c.wrongDll) {
            ASSERT_EQ(recorder.boxes.size(), 1u) << c.version;
            EXPECT_EQ(recorder.boxes[0].text, "Wrong DLL?");
            EXPECT_EQ(recorder.boxes[0].caption, "CFmod::init()");
        } else {
            EXPECT_TRUE(recorder.boxes.empty()) << c.version;
        }
        EXPECT_FALSE(music.opened);
        EXPECT_EQ(music.sample, nullptr);
    }
    hostSetSoundVersion(-1.0f);
}

TEST(Music, MissingTrackIsSilent)
{
    CMessageBoxRecorder recorder;
    hostSetSoundOutput(false);
    CFmod music;
    EXPECT_FALSE(music.init("data/music/no-such-track.mp3"));
    EXPECT_FALSE(music.loadSample(nullptr));
    // After a failed init, play, stop and close hand the library nothing.
    EXPECT_EQ(music.play(), 0);
    music.stop();
    music.close();
    EXPECT_TRUE(recorder.boxes.empty());
}
