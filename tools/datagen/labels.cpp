// Credit and greeting images: names set in DejaVu over real transparency, so
// the scenes can blend them over their backgrounds.
#include <cmath>

#include "tools/datagen/pictures.h"
#include "tools/datagen/text.h"

namespace {

struct SCredit {
    const char *name;
    const char *role;
    SColor color;
};

// The text's colour is spread under the transparent parts too, so that filtered
// edges do not darken.
CRaster label(int w, int h, const CMask &text, const CMask &halo, SColor color, SColor glow)
{
    CRaster r(w, h, {glow.r, glow.g, glow.b, 0});
    r.paintMask(halo, 0, 0, glow, 1.6f);
    // A dark outline keeps the text legible over bright backgrounds.
    CMask outline = text;
    outline.blur(4);
    r.paintMask(outline, 0, 0, {0, 0, 0, 0.9f}, 3.0f);
    r.paintMask(text, 0, 0, color);
    return r;
}

// 160 x 160 on screen. The first credit pokes 50 pixels above the top edge, so
// everything sits in the lower two thirds.
SPicture credit(CFont &bold, CFont &book, const SCredit &c)
{
    const int n = 256;
    CMask text(n, n);
    book.drawCentred(text, c.role, 30, n / 2, 118, 3);
    int size = 60;
    while (bold.measure(c.name, size) > n - 24)
        size -= 2;
    bold.drawCentred(text, c.name, size, n / 2, 186);
    CMask halo = text;
    halo.blur(14);
    return {std::string("data/textures/by_") + c.name + ".tga", label(n, n, text, halo, {1, 1, 1, 1}, c.color),
            EImageFormat::Tga32};
}

// Shown between about 2:1 and 1:1, always full width: one big word per image.
SPicture greeting(CFont &bold, CFont &book, const char *group, SColor color)
{
    const int w = 512, h = 256;
    CMask text(w, h);
    book.drawCentred(text, "greetings to", 34, w / 2, 78, 4);
    int size = 120;
    while (bold.measure(group, size) > w - 40)
        size -= 4;
    bold.drawCentred(text, group, size, w / 2, 200);
    CMask halo = text;
    halo.blur(20);
    return {std::string("data/textures/greet_") + group + ".tga", label(w, h, text, halo, {1, 1, 1, 1}, color),
            EImageFormat::Tga32};
}

} // namespace

std::vector<SPicture> makeLabels()
{
    CFont bold(kFontBold), book(kFontBook);
    const SCredit credits[5] = {{"quenn", "code", {0.3f, 0.6f, 1.0f, 0.9f}},
                                {"trosk", "music", {1.0f, 0.4f, 0.3f, 0.9f}},
                                {"plimb", "graphics", {0.3f, 1.0f, 0.5f, 0.9f}},
                                {"varrik", "models", {1.0f, 0.8f, 0.2f, 0.9f}},
                                {"dorsel", "design", {0.9f, 0.3f, 1.0f, 0.9f}}};
    std::vector<SPicture> out;
    for (const SCredit &c : credits)
        out.push_back(credit(bold, book, c));
    out.push_back(greeting(bold, book, "brimvale", {1.0f, 0.5f, 0.2f, 0.9f}));
    out.push_back(greeting(bold, book, "ostinak", {0.3f, 0.8f, 1.0f, 0.9f}));
    out.push_back(greeting(bold, book, "fjellbo", {0.4f, 1.0f, 0.4f, 0.9f}));
    out.push_back(greeting(bold, book, "kestral9", {1.0f, 0.3f, 0.7f, 0.9f}));
    return out;
}
