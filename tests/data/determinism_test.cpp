// Same generator, same bytes: two runs into fresh folders give identical files.
#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(Generator, TwoRunsGiveIdenticalBytes)
{
    const fs::path base = fs::temp_directory_path() / ("fjolbar-datagen-" + std::to_string(::getpid()));
    fs::remove_all(base);
    const fs::path a = base / "a", b = base / "b";
    ASSERT_EQ(std::system((std::string(FJOLBAR_DATAGEN) + " " + a.string() + " >/dev/null").c_str()), 0);
    ASSERT_EQ(std::system((std::string(FJOLBAR_DATAGEN) + " " + b.string() + " >/dev/null").c_str()), 0);
    int files = 0;
    for (const auto &entry : fs::recursive_directory_iterator(a)) {
        if (!entry.is_regular_file())
            continue;
        const fs::path other = b / fs::relative(entry.path(), a);
        ASSERT_TRUE(fs::exists(other)) << other;
        EXPECT_TRUE(contents(entry.path()) == contents(other)) << fs::relative(entry.path(), a);
        ++files;
    }
    EXPECT_EQ(files, 33); // 23 pictures, 8 objects, the track and the flash times
    fs::remove_all(base);
}

} // namespace
