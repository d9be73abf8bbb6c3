// The whole timeline with one data file removed (named by the environment
// variable FJOLBAR_REMOVE_DATA_FILE, relative to data/): it still renders to
// the end, with exactly the messages the failed load gives.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/demo.h"
#include "platform/host.h"
#include "platform/platform.h"
#include "support/demo_run.h"

namespace fs = std::filesystem;

namespace {

struct SBox {
    std::string text;
    std::string caption;
};

std::vector<SBox> &recordedBoxes()
{
    static std::vector<SBox> boxes;
    return boxes;
}

fs::path &copyDir()
{
    static fs::path dir;
    return dir;
}

// Before the demo's static objects: the flash list is read while g_timer is
// constructed, so the copy must be the working directory by then.
struct SMissingFileSetup {
    SMissingFileSetup()
    {
        const char *file = std::getenv("FJOLBAR_REMOVE_DATA_FILE");
        if (!file)
            return;
        char name[] = "/tmp/fjolbar-missing-XXXXXX";
        if (!mkdtemp(name))
            return;
        copyDir() = name;
        std::error_code error;
        fs::copy("data", copyDir() / "data", fs::copy_options::recursive, error);
        fs::remove(copyDir() / "data" / file, error);
        fs::current_path(copyDir(), error);
        hostSetMessageBoxSink([](const std::string &text, const std::string &caption) {
            recordedBoxes().push_back({text, caption});
        });
    }
    ~SMissingFileSetup()
    {
        std::error_code error;
        if (!copyDir().empty())
            fs::remove_all(copyDir(), error);
    }
};
__attribute__((init_priority(102))) SMissingFileSetup g_missingFileSetup;

bool endsWith(const std::string &s, const std::string &tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The messages a missing file gives: one per failed load of a JPEG or an
// object, none for a TGA (nor for the track, whose sound output is off here).
std::vector<SBox> expectedBoxes(const std::string &file)
{
    std::vector<SBox> boxes;
    if (endsWith(file, ".jpg"))
        boxes.push_back({"Unable to open data/" + file, "Cjpeg::loadImage()"});
    if (endsWith(file, ".obr")) {
        const int loads = file == "objects/hisphere.obr" ? 2 : 1;
        for (int i = 0; i < loads; ++i)
            boxes.push_back({"Unable to open object file", "COLVBrush::loadFromFile"});
    }
    if (file == "flashpoints")
        boxes.push_back({"Unable to open flashpoints", "CTimer::loadPoints"});
    return boxes;
}

TEST(MissingDataFile, TimelineStillRendersToTheEnd)
{
    const char *file = std::getenv("FJOLBAR_REMOVE_DATA_FILE");
    ASSERT_NE(file, nullptr) << "run with FJOLBAR_REMOVE_DATA_FILE set";
    ASSERT_FALSE(copyDir().empty());
    ASSERT_EQ(fs::current_path(), copyDir());
    ASSERT_TRUE(fs::is_directory("data/objects"));
    ASSERT_FALSE(fs::exists(std::string("data/") + file)) << file;

    int swaps = 0;
    int glErrors = 0;
    float lastTime = 0.0f;
    const int status = runDemoVirtual(2.0, [&](const unsigned char *, int, int) {
        ++swaps;
        for (GLenum e = glGetError(); e != GL_NO_ERROR; e = glGetError())
            ++glErrors;
        lastTime = g_time;
    });

    EXPECT_EQ(status, 0);
    EXPECT_GT(static_cast<double>(lastTime), 149.8);
    EXPECT_GT(swaps, 290);
    EXPECT_EQ(glErrors, 0);

    const std::vector<SBox> expected = expectedBoxes(file);
    const std::vector<SBox> &seen = recordedBoxes();
    ASSERT_EQ(seen.size(), expected.size()) << file;
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].text, expected[i].text);
        EXPECT_EQ(seen[i].caption, expected[i].caption);
    }
}

} // namespace
