// The room finale's sphere deformation.
#include "scenes/deform.h"

#include <cmath>

namespace {

// Between 1 and 2.
double swell(float u, float phi)
{
    return 1.5 + 0.5 * std::sin(0.5 * u + phi);
}

} // namespace

bool sphereMorphReady(const COLVBrush &source, const COLVBrush &morph)
{
    if (source.meshCount < 1 || morph.meshCount < 1 || source.meshes.empty() ||
        morph.meshes.empty())
        return false;
    const CMesh *src = source.meshes[0];
    const CMesh *dst = morph.meshes[0];
    return src != nullptr && dst != nullptr && src->vertexCount == dst->vertexCount;
}

void deformSphere(const CMesh &src, CMesh &dst, float phi)
{
    for (int i = 0; i < src.vertexCount; ++i) {
        const float *s = src.positions + 3 * i;
        float *d = dst.positions + 3 * i;
        // Each step stores floats and the next reads them back.
        d[0] = static_cast<float>(s[0] * swell(s[2], phi));
        d[1] = static_cast<float>(s[1] * swell(s[2], phi));
        d[2] = s[2];
        const float y1 = d[1];
        d[0] = static_cast<float>(d[0] * swell(y1, phi));
        d[2] = static_cast<float>(d[2] * swell(y1, phi));
        const float x2 = d[0];
        d[1] = static_cast<float>(d[1] * swell(x2, phi));
        d[2] = static_cast<float>(d[2] * swell(x2, phi));
    }
    dst.computeNormals();
}
