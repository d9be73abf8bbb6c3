// Writes the fuzzers' starting corpus from the same fixture builders the unit
// tests use: seeds <corpus dir>, which receives tga/, jpeg/, obr/ and flashpoints/.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "image/jpeg_fixture.h"
#include "image/tga_fixture.h"
#include "mesh/obr_fixture.h"

namespace {
void writeSeed(const std::filesystem::path &dir, const std::string &name,
               const std::vector<unsigned char> &bytes)
{
    std::filesystem::create_directories(dir);
    std::ofstream out(dir / name, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> text(const std::string &s)
{
    return std::vector<unsigned char>(s.begin(), s.end());
}
}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) return 2;
    const std::filesystem::path root = argv[1];

    writeSeed(root / "tga", "rgb.tga", makeCountingTga(3, 2, 24));
    writeSeed(root / "tga", "rgba.tga", makeCountingTga(4, 4, 32));
    writeSeed(root / "tga", "depth16.tga", makeCountingTga(2, 2, 16));
    writeSeed(root / "tga", "short.tga", makeTga(8, 8, 24, {1, 2, 3}));

    writeSeed(root / "jpeg", "rgb.jpg", makeJpeg(17, 9, 3));
    writeSeed(root / "jpeg", "grey.jpg", makeJpeg(8, 8, 1));
    writeSeed(root / "jpeg", "cmyk.jpg", makeJpeg(8, 8, 4));
    writeSeed(root / "jpeg", "low.jpg", makeJpeg(32, 32, 3, 10));

    SObrMesh block = makeTriangleMesh();
    block.block = {9, 8, 7, 6};
    writeSeed(root / "obr", "empty.obr", makeObr({}));
    writeSeed(root / "obr", "triangle.obr", makeObr({makeTriangleMesh()}));
    writeSeed(root / "obr", "two.obr", makeObr({makeTriangleMesh(), block}));

    writeSeed(root / "flashpoints", "two", text("1.5\n2.5\n"));
    writeSeed(root / "flashpoints", "word", text("1.5 word 2.5"));
    writeSeed(root / "flashpoints", "forms", text("\t-3 +4.25e1 .5 7. 1e-3\r\n1e40 nan inf 0x10"));
    return 0;
}
