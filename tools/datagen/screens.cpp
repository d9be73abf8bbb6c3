// Full-screen pictures, painted at the screen's 4:3 and stored stretched to a
// power-of-two size, and the three overlays laid over scenes.
#include <algorithm>
#include <cmath>

#include "tools/datagen/pictures.h"
#include "tools/datagen/text.h"

namespace {

const float kPi = 3.14159265358979f;
const int W = kScreenWidth, H = kScreenHeight;

// Rows of the 768-row painting that a screen y (600 rows, bottom up) maps to.
int rowOf(int screenY) { return H - screenY * H / 600; }

void starfield(CRaster &r, int count, uint32_t seed)
{
    for (int i = 0; i < count; ++i) {
        const int x = int(hash01(uint32_t(i), 1, seed) * r.width), y = int(hash01(uint32_t(i), 2, seed) * r.height);
        const float b = 0.3f + 0.7f * hash01(uint32_t(i), 3, seed);
        r.blend(x, y, {1, 1, 1, 1}, b);
        if (b > 0.9f) {
            r.blend(x + 1, y, {1, 1, 1, 1}, b * 0.4f);
            r.blend(x - 1, y, {1, 1, 1, 1}, b * 0.4f);
            r.blend(x, y + 1, {1, 1, 1, 1}, b * 0.4f);
            r.blend(x, y - 1, {1, 1, 1, 1}, b * 0.4f);
        }
    }
}

void verticalGradient(CRaster &r, SColor top, SColor bottom)
{
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x)
            r.at(x, y) = mix(top, bottom, float(y) / (r.height - 1));
}

// Text with a soft glow of its own colour behind it.
void glowText(CRaster &r, CFont &font, const std::string &text, int size, int cx, int baseline, SColor color,
              SColor glow, int glowRadius, int tracking = 0)
{
    CMask mask(r.width, r.height);
    font.drawCentred(mask, text, size, cx, baseline, tracking);
    CMask halo = mask;
    halo.blur(glowRadius);
    r.paintMask(halo, 0, 0, glow, 2.0f);
    r.paintMask(mask, 0, 0, color);
}

CRaster loading(CFont &bold, CFont &book)
{
    CRaster r(W, H);
    verticalGradient(r, {0.02f, 0.03f, 0.08f, 1}, {0.0f, 0.0f, 0.02f, 1});
    starfield(r, 500, 3);
    glowText(r, bold, "loading", 96, W / 2, H / 2, {0.9f, 0.95f, 1.0f, 1}, {0.2f, 0.4f, 1.0f, 0.6f}, 24, 6);
    // An empty progress bar: everything loads behind this one picture.
    const int x0 = W / 2 - 200, x1 = W / 2 + 200, y0 = H / 2 + 50, y1 = H / 2 + 62;
    r.fillRect(x0, y0, x1, y1, {0.3f, 0.4f, 0.7f, 0.5f});
    r.fillRect(x0 + 2, y0 + 2, x0 + 120, y1 - 2, {0.6f, 0.8f, 1.0f, 1});
    CMask small(W, H);
    book.drawCentred(small, "please wait", 30, W / 2, H / 2 + 120, 2);
    r.paintMask(small, 0, 0, {0.6f, 0.65f, 0.8f, 1});
    return r;
}

CRaster logo(CFont &bold, CFont &book)
{
    CRaster r(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float fy = float(y) / H, fx = float(x) / W;
            const float n = fractalNoise(fx * 6, fy * 6, 1 << 12, 5, 61);
            const float band = std::exp(-std::pow((fy - 0.5f) * 4.0f, 2.0f));
            SColor c = mix({0.05f, 0.02f, 0.12f, 1}, {0.25f, 0.05f, 0.30f, 1}, band * (0.5f + 0.5f * n));
            c = mix(c, {0.0f, 0.25f, 0.35f, 1}, clamp01((fy - 0.7f) * 3.0f) * n);
            r.at(x, y) = c;
        }
    starfield(r, 700, 7);
    // A thin horizon line under the title.
    const int lineRow = rowOf(300) + 40;
    for (int x = 0; x < W; ++x) {
        const float k = std::exp(-std::pow((x - W / 2.0f) / 320.0f, 2.0f));
        r.blend(x, lineRow, {1.0f, 0.6f, 0.9f, 1}, k);
        r.blend(x, lineRow + 1, {1.0f, 0.6f, 0.9f, 1}, k * 0.5f);
    }
    glowText(r, bold, "2468 fjolbar", 120, W / 2, rowOf(300) + 20, {1.0f, 0.95f, 1.0f, 1},
             {0.9f, 0.3f, 0.9f, 0.7f}, 30, 2);
    CMask sub(W, H);
    book.drawCentred(sub, "a realtime production", 28, W / 2, lineRow + 48, 6);
    r.paintMask(sub, 0, 0, {0.85f, 0.75f, 0.95f, 1});
    return r;
}

// Warm dusk behind a girl seen in profile; the greetings grow over it.
CRaster jente(CFont &book)
{
    CRaster r(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float fy = float(y) / H;
            SColor c = mix({0.10f, 0.05f, 0.25f, 1}, {0.95f, 0.45f, 0.25f, 1}, std::pow(fy, 1.3f));
            const float sx = x - 300.0f, sy = y - 520.0f;
            const float sun = std::sqrt(sx * sx + sy * sy);
            c = mix(c, {1.0f, 0.85f, 0.5f, 1}, clamp01((130 - sun) / 4.0f));
            c = mix(c, {1.0f, 0.7f, 0.4f, 1}, 0.5f * std::exp(-sun / 180.0f));
            r.at(x, y) = c;
        }
    // Silhouette of a girl in profile, facing right: one smooth outline for
    // head, neck and shoulders, and a ponytail swinging behind.
    const SColor shadow = {0.06f, 0.02f, 0.08f, 1};
    const std::vector<SPoint> profile = {
        {380, 800}, {410, 700}, {500, 650}, {560, 600}, {560, 530}, {530, 460}, {525, 380}, {560, 290},
        {630, 230}, {710, 215}, {775, 245}, {805, 300}, {812, 345}, {808, 365}, {838, 405}, {826, 418},
        {812, 422}, {818, 440}, {808, 452}, {814, 466}, {800, 478}, {798, 500}, {778, 514}, {735, 518},
        {700, 545}, {705, 610}, {760, 655}, {880, 690}, {960, 740}, {990, 800}};
    const std::vector<SPoint> ponytail = {{560, 300}, {520, 280}, {470, 320}, {445, 400}, {430, 480},
                                          {445, 560}, {470, 520}, {490, 440}, {520, 380}, {560, 350}};
    CMask figure(W, H);
    fillPolygon(figure, smoothOutline(profile, 10));
    fillPolygon(figure, smoothOutline(ponytail, 10));
    // A thin warm rim where the sun catches the edge.
    CMask rim = figure;
    rim.blur(6);
    r.paintMask(rim, 0, 0, {1.0f, 0.6f, 0.35f, 0.5f}, 0.8f);
    r.paintMask(figure, 0, 0, shadow);
    CMask word(W, H);
    book.drawCentred(word, "greetings", 26, 180, 740, 10);
    r.paintMask(word, 0, 0, {1.0f, 0.9f, 0.8f, 0.9f});
    return r;
}

// Laid translucently over the barrel corridor: green scanlines and a vignette.
CRaster tunnelOverlay()
{
    CRaster r(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float fx = float(x) / W - 0.5f, fy = float(y) / H - 0.5f;
            const float vignette = clamp01(1.2f - std::sqrt(fx * fx + fy * fy) * 1.6f);
            const float scan = 0.6f + 0.4f * std::sin(y * kPi / 2.0f);
            const float grid = (x % 64 < 2 || y % 64 < 2) ? 1.0f : 0.0f;
            const float n = fractalNoise(fx * 40, fy * 40, 1 << 12, 2, 71);
            const float g = (0.35f + 0.5f * n) * scan * vignette;
            r.at(x, y) = {g * 0.3f + grid * 0.2f, g + grid * 0.5f, g * 0.4f + grid * 0.2f, 1};
        }
    return r;
}

CRaster transparent() { return CRaster(W, H, {0, 0, 0, 0}); }

// Over the corridor after its jump: letterbox bars, corner marks and a caption.
CRaster klosserOverlay(CFont &mono)
{
    CRaster r = transparent();
    const int bar = H / 9;
    for (int y = 0; y < H; ++y) {
        const float a = y < bar || y >= H - bar ? 0.92f : 0.0f;
        for (int x = 0; x < W; ++x)
            if (a > 0)
                r.at(x, y) = {0, 0.02f, 0, a};
    }
    const SColor mark = {0.6f, 1.0f, 0.6f, 0.9f};
    const int m = 40, len = 60, t = 4;
    r.fillRect(m, bar + m, m + len, bar + m + t, mark);
    r.fillRect(m, bar + m, m + t, bar + m + len, mark);
    r.fillRect(W - m - len, bar + m, W - m, bar + m + t, mark);
    r.fillRect(W - m - t, bar + m, W - m, bar + m + len, mark);
    r.fillRect(m, H - bar - m - t, m + len, H - bar - m, mark);
    r.fillRect(m, H - bar - m - len, m + t, H - bar - m, mark);
    r.fillRect(W - m - len, H - bar - m - t, W - m, H - bar - m, mark);
    r.fillRect(W - m - t, H - bar - m - len, W - m, H - bar - m, mark);
    CMask caption(W, H);
    mono.draw(caption, "200 KLOSSER", 34, 60, H - bar / 2 + 12, 8);
    mono.draw(caption, "REC", 34, W - 150, bar / 2 + 12, 4);
    r.paintMask(caption, 0, 0, {0.7f, 1.0f, 0.7f, 1});
    for (int y = -12; y <= 12; ++y)
        for (int x = -12; x <= 12; ++x)
            if (x * x + y * y <= 144)
                r.blend(W - 180 + x, bar / 2 + y, {1, 0.1f, 0.1f, 1}, 1);
    return r;
}

// Over the room finale's glow: a dark vignette and the title in a corner.
CRaster tonnerOverlay(CFont &bold)
{
    CRaster r = transparent();
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float fx = float(x) / W - 0.5f, fy = float(y) / H - 0.5f;
            const float d = std::sqrt(fx * fx * 1.2f + fy * fy);
            r.at(x, y) = {0, 0, 0.02f, clamp01((d - 0.42f) * 2.2f)};
        }
    CMask title(W, H);
    bold.draw(title, "2468 fjolbar", 40, W - 330, H - 50, 2);
    CMask halo = title;
    halo.blur(10);
    r.paintMask(halo, 0, 0, {0.2f, 0.6f, 1.0f, 1}, 1.5f);
    r.paintMask(title, 0, 0, {1, 1, 1, 1});
    return r;
}

SPicture stored(const std::string &path, const CRaster &painted, EImageFormat format)
{
    return {path, painted.resized(kStoredWidth, kStoredHeight), format};
}

} // namespace

std::vector<SPicture> makeScreens()
{
    CFont bold(kFontBold), book(kFontBook), mono(kFontMono);
    std::vector<SPicture> out;
    out.push_back(stored("data/backgrounds/loading.jpg", loading(bold, book), EImageFormat::Jpeg));
    out.push_back(stored("data/backgrounds/logo.jpg", logo(bold, book), EImageFormat::Jpeg));
    out.push_back(stored("data/backgrounds/jente.jpg", jente(book), EImageFormat::Jpeg));
    out.push_back(stored("data/textures/tunnel_overlay.jpg", tunnelOverlay(), EImageFormat::Jpeg));
    out.push_back(stored("data/textures/klosser_overlay.tga", klosserOverlay(mono), EImageFormat::Tga32));
    out.push_back(stored("data/textures/tonner_overlay.tga", tonnerOverlay(bold), EImageFormat::Tga32));
    return out;
}
