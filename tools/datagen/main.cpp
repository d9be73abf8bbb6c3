// fjolbar-datagen OUTDIR: writes the demo's whole data set (objects, pictures,
// the track and the flash times) into OUTDIR, the folder the demo calls "data".
// The track is made on a second thread while the pictures are painted.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "tools/datagen/beatgrid.h"
#include "tools/datagen/imagefiles.h"
#include "tools/datagen/loudness.h"
#include "tools/datagen/mp3.h"
#include "tools/datagen/obr.h"
#include "tools/datagen/pictures.h"
#include "tools/datagen/score.h"
#include "tools/datagen/shapes.h"
#include "tools/datagen/synth.h"

namespace {

std::string g_outDir;
bool g_failed = false;

// Paths are written as the demo names them ("data/..."); OUTDIR stands for "data".
std::string outPath(const std::string &demoPath)
{
    const std::string prefix = "data/";
    return g_outDir + "/" + (demoPath.compare(0, prefix.size(), prefix) == 0 ? demoPath.substr(prefix.size()) : demoPath);
}

void check(bool ok, const std::string &what)
{
    if (!ok) {
        std::fprintf(stderr, "fjolbar-datagen: cannot write %s\n", what.c_str());
        g_failed = true;
    }
}

void writeObjects()
{
    const struct {
        const char *path;
        std::vector<SObrMesh> meshes;
    } objects[] = {{"data/objects/spikie.obr", {makeSpikie()}},     {"data/objects/gsphere.obr", {makeGsphere()}},
                   {"data/objects/cube.obr", {makeCube()}},         {"data/objects/hisphere.obr", {makeHisphere()}},
                   {"data/objects/bildegrid.obr", {makeBildegrid()}}, {"data/objects/tonne.obr", {makeTonne()}},
                   {"data/objects/rom.obr", makeRoom()},            {"data/objects/tunnel.obr", {makeTunnel()}}};
    for (const auto &object : objects)
        check(writeObr(outPath(object.path), object.meshes), object.path);
}

void writePictures(const std::vector<SPicture> &pictures)
{
    for (const SPicture &p : pictures) {
        const std::string path = outPath(p.path);
        const bool ok = p.format == EImageFormat::Jpeg ? writeJpeg(path, p.image) : writeTga(path, p.image, true);
        check(ok, p.path);
    }
}

void writeFlashpoints()
{
    const std::string path = outPath("data/flashpoints");
    FILE *file = std::fopen(path.c_str(), "w");
    check(file != nullptr, "data/flashpoints");
    if (!file)
        return;
    for (double t : flashTimes())
        std::fprintf(file, "%.4f\n", t);
    check(std::fclose(file) == 0, "data/flashpoints");
}

SLoudnessReport g_loudness;
bool g_trackWritten = false;

void makeTrack()
{
    SStereo audio = renderTrack();
    // A touch under the codec's overshoot, so the decoded track stays under -1 dBTP.
    g_loudness = normalise(audio, -14.0, -1.6);
    g_trackWritten = writeMp3(outPath("data/music/velmora.mp3"), audio);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fjolbar-datagen OUTDIR\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    g_outDir = argv[1];
    std::error_code error;
    for (const char *sub : {"", "/textures", "/backgrounds", "/objects", "/music"})
        std::filesystem::create_directories(g_outDir + sub, error);

    std::thread track(makeTrack);
    writeObjects();
    writeFlashpoints();
    writePictures(makeTextures());
    writePictures(makeScreens());
    writePictures(makeLabels());
    track.join();
    check(g_trackWritten, "data/music/velmora.mp3");

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("fjolbar-datagen: %s in %.2f s; track %.2f LUFS, %.2f dBTP before encoding\n",
                g_failed ? "FAILED" : "data written", seconds, g_loudness.loudness, g_loudness.truePeak);
    return g_failed ? 1 : 0;
}
