// Test helpers: readers fed from memory, and files written into a scratch folder.
#pragma once

#include <cstdio>
#include <filesystem>
#include <iterator>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

// A read-only FILE * over a copy of `bytes`; fmemopen refuses size 0, so an
// empty file is an empty temporary file instead.
inline FILE *openMemory(const std::vector<unsigned char> &bytes)
{
    if (bytes.empty()) return tmpfile();
    return fmemopen(const_cast<unsigned char *>(bytes.data()), bytes.size(), "rb");
}

// A FILE * over a pipe already holding `bytes` (small ones): it cannot seek.
inline FILE *openPipe(const std::vector<unsigned char> &bytes)
{
    int ends[2];
    if (pipe(ends) != 0) return nullptr;
    const bool written = write(ends[1], bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    close(ends[1]);
    if (!written) {
        close(ends[0]);
        return nullptr;
    }
    return fdopen(ends[0], "rb");
}

inline std::string scratchDir()
{
    std::string dir = "/tmp/fjolbar-readers-" + std::to_string(getpid());
    std::filesystem::create_directories(dir + "/sub");
    return dir;
}

// Inputs the fuzzers once crashed on, kept as regression fixtures.
inline std::vector<std::string> regressionFiles(const std::string &kind)
{
    std::vector<std::string> paths;
    std::filesystem::path dir = std::filesystem::path(FJOLBAR_REGRESSIONS_DIR) / kind;
    if (!std::filesystem::is_directory(dir)) return paths;
    for (const auto &entry : std::filesystem::directory_iterator(dir))
        if (entry.is_regular_file()) paths.push_back(entry.path().string());
    return paths;
}

inline std::string writeScratchFile(const std::string &name, const std::vector<unsigned char> &bytes)
{
    std::string path = scratchDir() + "/" + name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

inline std::vector<unsigned char> readWholeFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>((std::istreambuf_iterator<char>(in)),
                                      std::istreambuf_iterator<char>());
}
