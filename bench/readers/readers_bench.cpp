// Reader benchmarks: JPEG decode against libjpeg-turbo's djpeg on the same
// file, and the object reader's throughput in MB/s.
// Usage: readers_bench [data dir] (default data/, as seen from the build folder).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <jpeglib.h>
#include <unistd.h>

#include "image/jpeg.h"
#include "mesh/olvbrush.h"

namespace {
using CClock = std::chrono::steady_clock;

double secondsSince(CClock::time_point start)
{
    return std::chrono::duration<double>(CClock::now() - start).count();
}

// Fastest of `runs` single calls: the least disturbed measurement, taken the
// same way for every contender.
template <typename F>
double bestSecondsPerRun(int runs, F &&call)
{
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        CClock::time_point start = CClock::now();
        call();
        best = std::min(best, secondsSince(start));
    }
    return best;
}

// One djpeg process per run, started directly (no shell), its output discarded.
double djpegSeconds(const std::string &path, int runs)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::string program = "djpeg", flag = "-outfile", sink = "/dev/null", file = path;
    char *args[] = {program.data(), flag.data(), sink.data(), file.data(), nullptr};
    double seconds = bestSecondsPerRun(runs, [&] {
        pid_t child = 0;
        int status = 0;
        if (posix_spawnp(&child, "djpeg", &actions, nullptr, args, environ) != 0 ||
            waitpid(child, &status, 0) < 0 || status != 0)
            std::fprintf(stderr, "djpeg failed on %s\n", path.c_str());
    });
    posix_spawn_file_actions_destroy(&actions);
    return seconds;
}

// The library alone, in this process: what any reader must pay.
double libraryOnlySeconds(const std::string &path, int runs)
{
    return bestSecondsPerRun(runs, [&] {
        FILE *file = std::fopen(path.c_str(), "rb");
        jpeg_decompress_struct info;
        jpeg_error_mgr errors;
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_stdio_src(&info, file);
        jpeg_read_header(&info, TRUE);
        jpeg_start_decompress(&info);
        std::vector<unsigned char> row(static_cast<size_t>(info.output_width) * info.output_components);
        JSAMPROW pointer = row.data();
        while (info.output_scanline < info.output_height) jpeg_read_scanlines(&info, &pointer, 1);
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        std::fclose(file);
    });
}

double ourSeconds(const std::string &path, int runs)
{
    // The reader reports every load on the standard output stream; keep it off the terminal.
    std::fflush(stdout);
    const int saved = dup(1);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    double seconds = bestSecondsPerRun(runs, [&] {
        Cjpeg image;
        image.loadImage(path.c_str());
    });
    std::fflush(stdout);
    dup2(saved, 1);
    close(null);
    close(saved);
    return seconds;
}

void benchJpeg(const std::string &path, const std::string &tiny)
{
    Cjpeg probe;
    std::fflush(stdout);
    const int saved = dup(1);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    const bool ok = probe.loadImage(path.c_str());
    dup2(saved, 1);
    close(null);
    close(saved);
    if (!ok) return;

    const int runs = 60;
    const double djpeg = djpegSeconds(path, runs);
    // djpeg pays process start-up on every run; a 1 x 1 file measures that part.
    const double startup = djpegSeconds(tiny, runs);
    const double library = libraryOnlySeconds(path, runs);
    const double ours = ourSeconds(path, runs);
    const double djpegDecode = djpeg - startup;
    std::printf("JPEG %s (%d x %d)\n", path.c_str(), probe.width, probe.height);
    std::printf("  djpeg, whole process     %8.3f ms\n", djpeg * 1e3);
    std::printf("  djpeg, less start-up     %8.3f ms\n", djpegDecode * 1e3);
    std::printf("  libjpeg alone, in process %7.3f ms\n", library * 1e3);
    std::printf("  Cjpeg::loadImage         %8.3f ms\n", ours * 1e3);
    std::printf("  ours vs djpeg less start-up: %+.1f%%  (target <= +10%%: %s)\n",
                (ours / djpegDecode - 1) * 100, ours <= djpegDecode * 1.10 ? "met" : "MISSED");
    std::printf("  ours vs libjpeg alone:       %+.1f%%\n", (ours / library - 1) * 100);
}

void writeFile(const std::string &path, const std::vector<unsigned char> &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void putInt(std::vector<unsigned char> &out, int32_t value)
{
    unsigned char bytes[4];
    std::memcpy(bytes, &value, 4);
    out.insert(out.end(), bytes, bytes + 4);
}

void putFloat(std::vector<unsigned char> &out, float value)
{
    int32_t bits;
    std::memcpy(&bits, &value, 4);
    putInt(out, bits);
}

// A grid of side x side vertices, two triangles per cell, in one mesh.
std::vector<unsigned char> makeGridObject(int side)
{
    std::vector<unsigned char> out;
    putInt(out, 1);
    putInt(out, side * side);
    putInt(out, 2 * (side - 1) * (side - 1));
    putInt(out, 0);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            putFloat(out, static_cast<float>(x));
            putFloat(out, static_cast<float>(y));
            putFloat(out, 0.01f * static_cast<float>(x * y));
            putFloat(out, static_cast<float>(x) / side);
            putFloat(out, static_cast<float>(y) / side);
        }
    }
    for (int y = 0; y + 1 < side; ++y) {
        for (int x = 0; x + 1 < side; ++x) {
            const int k = y * side + x;
            for (int index : {k, k + 1, k + side + 1, k, k + side + 1, k + side}) putInt(out, index);
        }
    }
    return out;
}

void benchObject(const std::string &path)
{
    const double bytes = static_cast<double>(std::filesystem::file_size(path));
    COLVBrush probe;
    if (!probe.loadFromFile(path.c_str())) return;
    int vertices = 0;
    for (CMesh *mesh : probe.meshes) vertices += mesh->vertexCount;
    const int runs = 400;
    const double seconds = bestSecondsPerRun(runs, [&] {
        COLVBrush object;
        object.loadFromFile(path.c_str());
    });
    std::printf("OBR %s (%d vertices, %.0f bytes): %.3f ms, %.0f MB/s\n", path.c_str(), vertices,
                bytes, seconds * 1e3, bytes / seconds / 1e6);
}
}  // namespace

int main(int argc, char **argv)
{
    const std::string data = argc > 1 ? argv[1] : "data";
    const std::string scratch = "/tmp/fjolbar-readers-bench-" + std::to_string(getpid());
    std::filesystem::create_directories(scratch);

    const std::string tiny = scratch + "/tiny.jpg";
    const std::string plasma = scratch + "/plasma.jpg";
    if (std::system(("convert -size 1x1 xc:gray '" + tiny + "'").c_str()) != 0 ||
        std::system(("convert -size 1024x1024 plasma: -quality 90 '" + plasma + "'").c_str()) != 0) {
        std::fprintf(stderr, "ImageMagick's convert is needed to make the test images\n");
        return 1;
    }
    benchJpeg(plasma, tiny);
    for (const char *name : {"/backgrounds/logo.jpg", "/textures/tonne.jpg"})
        if (std::filesystem::exists(data + name)) benchJpeg(data + name, tiny);

    const std::string grid = scratch + "/grid.obr";
    writeFile(grid, makeGridObject(70));
    benchObject(grid);
    for (const char *name : {"/objects/hisphere.obr", "/objects/tunnel.obr"})
        if (std::filesystem::exists(data + name)) benchObject(data + name);

    std::filesystem::remove_all(scratch);
    return 0;
}
