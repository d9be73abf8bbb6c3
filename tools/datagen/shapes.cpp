// Builders of the demo's objects. Closed shapes run counter-clockwise seen from
// outside, so computed normals point out (and in again after the demo inverts them).
#include "tools/datagen/shapes.h"

#include <cmath>
#include <map>
#include <utility>

namespace {

const float kPi = 3.14159265358979f;

struct SVec {
    float x, y, z;
};

SVec add(SVec a, SVec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
SVec sub(SVec a, SVec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
SVec mul(SVec a, float f) { return {a.x * f, a.y * f, a.z * f}; }
float dot(SVec a, SVec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
SVec cross(SVec a, SVec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
SVec unit(SVec a) { return mul(a, 1.0f / std::sqrt(dot(a, a))); }

// Unit icosphere: subdivided icosahedron with shared vertices.
struct SIcosphere {
    std::vector<SVec> points;
    std::vector<int> faces;
};

SIcosphere icosphere(int levels)
{
    const float t = (1.0f + std::sqrt(5.0f)) / 2.0f;
    SIcosphere s;
    const float base[12][3] = {{-1, t, 0}, {1, t, 0}, {-1, -t, 0}, {1, -t, 0}, {0, -1, t}, {0, 1, t},
                               {0, -1, -t}, {0, 1, -t}, {t, 0, -1}, {t, 0, 1}, {-t, 0, -1}, {-t, 0, 1}};
    for (const auto &p : base)
        s.points.push_back(unit({p[0], p[1], p[2]}));
    s.faces = {0, 11, 5, 0, 5, 1, 0, 1, 7, 0, 7, 10, 0, 10, 11, 1, 5, 9, 5, 11, 4, 11, 10, 2, 10, 7, 6, 7, 1, 8,
               3, 9, 4, 3, 4, 2, 3, 2, 6, 3, 6, 8, 3, 8, 9, 4, 9, 5, 2, 4, 11, 6, 2, 10, 8, 6, 7, 9, 8, 1};
    for (int level = 0; level < levels; ++level) {
        std::map<std::pair<int, int>, int> middles;
        auto middle = [&](int a, int b) {
            const std::pair<int, int> key(std::min(a, b), std::max(a, b));
            auto found = middles.find(key);
            if (found != middles.end())
                return found->second;
            s.points.push_back(unit(add(s.points[a], s.points[b])));
            const int index = int(s.points.size()) - 1;
            middles[key] = index;
            return index;
        };
        std::vector<int> next;
        for (size_t f = 0; f < s.faces.size(); f += 3) {
            const int a = s.faces[f], b = s.faces[f + 1], c = s.faces[f + 2];
            const int ab = middle(a, b), bc = middle(b, c), ca = middle(c, a);
            const int split[12] = {a, ab, ca, b, bc, ab, c, ca, bc, ab, bc, ca};
            next.insert(next.end(), split, split + 12);
        }
        s.faces = next;
    }
    return s;
}

// Texture coordinates of a direction on a sphere: longitude and latitude.
void sphereUv(SVec d, float &u, float &v)
{
    u = 0.5f + std::atan2(d.x, d.z) / (2.0f * kPi);
    v = 0.5f - std::asin(std::fmax(-1.0f, std::fmin(1.0f, d.y))) / kPi;
}

// One flat polygon (convex, corners in order) with its own vertices, wound so
// that its normal points away from the shape's centre at the origin.
void addFlatPolygon(SObrMesh &mesh, const std::vector<SVec> &corners, float uvScale)
{
    SVec normal = cross(sub(corners[1], corners[0]), sub(corners[2], corners[0]));
    SVec centre = {0, 0, 0};
    for (SVec c : corners)
        centre = add(centre, c);
    const bool flip = dot(normal, centre) < 0;
    if (flip)
        normal = mul(normal, -1);
    // Planar mapping on the two axes the face spreads over.
    const float ax = std::fabs(normal.x), ay = std::fabs(normal.y), az = std::fabs(normal.z);
    std::vector<int> indices;
    for (SVec c : corners) {
        float u, v;
        if (ax >= ay && ax >= az) {
            u = c.z;
            v = c.y;
        } else if (ay >= az) {
            u = c.x;
            v = c.z;
        } else {
            u = c.x;
            v = c.y;
        }
        indices.push_back(mesh.addVertex(c.x, c.y, c.z, 0.5f + u * uvScale, 0.5f - v * uvScale));
    }
    for (size_t i = 1; i + 1 < indices.size(); ++i) {
        if (flip)
            mesh.addTriangle(indices[0], indices[i + 1], indices[i]);
        else
            mesh.addTriangle(indices[0], indices[i], indices[i + 1]);
    }
}

// A grid of quads over a rectangle: origin corner, "right" and "down" edges as
// seen from the side it faces. Images map upright and unmirrored from that side.
void addPanel(SObrMesh &mesh, SVec origin, SVec right, SVec down, int columns, int rows, float uRepeat,
              float vRepeat)
{
    const int first = mesh.vertexCount();
    for (int r = 0; r <= rows; ++r) {
        for (int c = 0; c <= columns; ++c) {
            const float fc = float(c) / columns, fr = float(r) / rows;
            const SVec p = add(origin, add(mul(right, fc), mul(down, fr)));
            // The loader turns u into 1 - u; store it so that s grows to the right.
            mesh.addVertex(p.x, p.y, p.z, 1.0f - fc * uRepeat, fr * vRepeat);
        }
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int a = first + r * (columns + 1) + c;
            const int b = a + 1, d = a + columns + 1, e = d + 1;
            // right x down points away from the viewer, so this order faces it.
            mesh.addQuad(a, d, e, b);
        }
    }
}

} // namespace

SObrMesh makeSpikie()
{
    const SIcosphere base = icosphere(4);
    // Spikes along the icosahedron's corners and edge middles: all are vertices
    // of the subdivided sphere, so every tip is a sharp vertex.
    const SIcosphere corners = icosphere(1);
    const float kBody = 85.0f, kSpike = 95.0f, kWidth = 15.0f * kPi / 180.0f;
    SObrMesh mesh;
    for (SVec d : base.points) {
        float lift = 0.0f;
        for (SVec s : corners.points) {
            const float angle = std::acos(std::fmax(-1.0f, std::fmin(1.0f, dot(d, s))));
            if (angle < kWidth)
                lift = std::fmax(lift, 1.0f - angle / kWidth);
        }
        const float r = kBody + kSpike * lift * lift * (3.0f - 2.0f * lift) * 0.35f + kSpike * 0.65f * lift;
        float u, v;
        sphereUv(d, u, v);
        mesh.addVertex(d.x * r, d.y * r, d.z * r, u, v);
    }
    mesh.faces = base.faces;
    return mesh;
}

SObrMesh makeGsphere()
{
    const SIcosphere base = icosphere(2);
    const float kRadius = 24.0f;
    SObrMesh mesh;
    for (size_t f = 0; f < base.faces.size(); f += 3) {
        std::vector<SVec> tri;
        for (int k = 0; k < 3; ++k)
            tri.push_back(mul(base.points[base.faces[f + k]], kRadius));
        const int first = mesh.vertexCount();
        for (SVec p : tri) {
            float u, v;
            sphereUv(unit(p), u, v);
            mesh.addVertex(p.x, p.y, p.z, u, v);
        }
        mesh.addTriangle(first, first + 1, first + 2);
    }
    return mesh;
}

SObrMesh makeCube()
{
    const float h = 55.0f, b = 45.0f; // half side, and where the bevel starts
    SObrMesh mesh;
    const float uv = 0.5f / h;
    // Six faces.
    for (int axis = 0; axis < 3; ++axis) {
        for (int sign = -1; sign <= 1; sign += 2) {
            std::vector<SVec> quad;
            const float c[4][2] = {{-b, -b}, {b, -b}, {b, b}, {-b, b}};
            for (const auto &q : c) {
                float p[3];
                p[axis] = sign * h;
                p[(axis + 1) % 3] = q[0];
                p[(axis + 2) % 3] = q[1];
                quad.push_back({p[0], p[1], p[2]});
            }
            addFlatPolygon(mesh, quad, uv);
        }
    }
    // Twelve bevels between two faces, along the third axis.
    for (int along = 0; along < 3; ++along) {
        const int a1 = (along + 1) % 3, a2 = (along + 2) % 3;
        for (int s1 = -1; s1 <= 1; s1 += 2) {
            for (int s2 = -1; s2 <= 1; s2 += 2) {
                std::vector<SVec> quad;
                const float ends[2] = {-b, b};
                const float rims[2][2] = {{h, b}, {b, h}};
                for (int e = 0; e < 2; ++e) {
                    for (int r = 0; r < 2; ++r) {
                        const int rr = e == 0 ? r : 1 - r;
                        float p[3];
                        p[along] = ends[e];
                        p[a1] = s1 * rims[rr][0];
                        p[a2] = s2 * rims[rr][1];
                        quad.push_back({p[0], p[1], p[2]});
                    }
                }
                addFlatPolygon(mesh, quad, uv);
            }
        }
    }
    // Eight corners.
    for (int sx = -1; sx <= 1; sx += 2) {
        for (int sy = -1; sy <= 1; sy += 2) {
            for (int sz = -1; sz <= 1; sz += 2) {
                addFlatPolygon(mesh, {{sx * h, sy * b, sz * b}, {sx * b, sy * h, sz * b}, {sx * b, sy * b, sz * h}},
                               uv);
            }
        }
    }
    return mesh;
}

SObrMesh makeHisphere()
{
    const int kSegments = 64, kRings = 40;
    const float kRadius = 100.0f;
    SObrMesh mesh;
    for (int r = 0; r <= kRings; ++r) {
        const float lat = kPi * r / kRings; // 0 at the top pole
        for (int s = 0; s <= kSegments; ++s) {
            const float lon = 2.0f * kPi * s / kSegments;
            const SVec d = {std::sin(lat) * std::sin(lon), std::cos(lat), std::sin(lat) * std::cos(lon)};
            mesh.addVertex(d.x * kRadius, d.y * kRadius, d.z * kRadius, float(s) / kSegments, float(r) / kRings);
        }
    }
    for (int r = 0; r < kRings; ++r) {
        for (int s = 0; s < kSegments; ++s) {
            const int a = r * (kSegments + 1) + s, b = a + 1, c = a + kSegments + 1, d = c + 1;
            if (r != 0)
                mesh.addTriangle(a, c, b);
            if (r != kRings - 1)
                mesh.addTriangle(b, c, d);
        }
    }
    return mesh;
}

SObrMesh makeTonne()
{
    const int kSegments = 40, kRows = 24;
    const float kHeight = 350.0f, kEnd = 100.0f, kBulge = 20.0f;
    SObrMesh mesh;
    auto radius = [&](float z) { return kEnd + kBulge * std::sin(kPi * z / kHeight); };
    // The staves: u around, v along the axis, so the texture's rows run round it.
    for (int r = 0; r <= kRows; ++r) {
        const float z = kHeight * r / kRows;
        for (int s = 0; s <= kSegments; ++s) {
            const float a = 2.0f * kPi * s / kSegments;
            mesh.addVertex(radius(z) * std::cos(a), radius(z) * std::sin(a), z, float(s) / kSegments * 2.0f,
                           float(r) / kRows);
        }
    }
    for (int r = 0; r < kRows; ++r) {
        for (int s = 0; s < kSegments; ++s) {
            const int a = r * (kSegments + 1) + s, b = a + 1, c = a + kSegments + 1, d = c + 1;
            mesh.addQuad(a, b, d, c);
        }
    }
    // The two lids, a little inset as in a real barrel.
    for (int end = 0; end < 2; ++end) {
        const float z = end == 0 ? 8.0f : kHeight - 8.0f;
        const float rim = radius(z) - 6.0f;
        const int centre = mesh.addVertex(0, 0, z, 0.5f, 0.5f);
        const int first = mesh.vertexCount();
        for (int s = 0; s <= kSegments; ++s) {
            const float a = 2.0f * kPi * s / kSegments;
            mesh.addVertex(rim * std::cos(a), rim * std::sin(a), z, 0.5f + 0.25f * std::cos(a),
                           0.5f + 0.25f * std::sin(a));
        }
        for (int s = 0; s < kSegments; ++s) {
            if (end == 0)
                mesh.addTriangle(centre, first + s + 1, first + s); // faces -z
            else
                mesh.addTriangle(centre, first + s, first + s + 1); // faces +z
        }
    }
    return mesh;
}

std::vector<SObrMesh> makeRoom()
{
    const float w = kRoomHalfWidth, top = kRoomCeilingZ, floorZ = kRoomFloorZ;
    const float height = floorZ - top;
    // Seen from inside, "down" runs toward the floor at +z.
    const SVec down = {0, 0, height};
    std::vector<SObrMesh> room(4);
    const float wallTiles = 4.0f, wallRows = 2.0f;
    // Walls at x = -w, x = +w and y = -w; "right" is as seen from the room's middle.
    addPanel(room[0], {-w, w, top}, {0, -2 * w, 0}, down, 16, 8, wallTiles, wallRows);
    addPanel(room[0], {w, -w, top}, {0, 2 * w, 0}, down, 16, 8, wallTiles, wallRows);
    addPanel(room[0], {-w, -w, top}, {2 * w, 0, 0}, down, 16, 8, wallTiles, wallRows);
    // The wall with the screen, at y = +w, one picture across it.
    addPanel(room[1], {w, w, top}, {-2 * w, 0, 0}, down, 16, 8, 1.0f, 1.0f);
    // Floor (faces -z, up into the room) and ceiling (faces +z, down into it).
    addPanel(room[2], {w, w, floorZ}, {-2 * w, 0, 0}, {0, -2 * w, 0}, 16, 16, 5.0f, 5.0f);
    addPanel(room[3], {-w, w, top}, {2 * w, 0, 0}, {0, -2 * w, 0}, 16, 16, 4.0f, 4.0f);
    return room;
}

SObrMesh makeTunnel()
{
    const int kSegments = 32, kRings = 120;
    const float kRadius = 24.0f, kHalfLength = 2400.0f;
    const float kAround = 3.0f;                       // texture repeats around
    const float kAlong = 2.0f * kHalfLength / 80.0f; // one repeat every 80 units
    SObrMesh mesh;
    for (int r = 0; r <= kRings; ++r) {
        const float z = -kHalfLength + 2.0f * kHalfLength * r / kRings;
        for (int s = 0; s <= kSegments; ++s) {
            const float a = 2.0f * kPi * s / kSegments;
            mesh.addVertex(kRadius * std::cos(a), kRadius * std::sin(a), z, kAround * s / kSegments,
                           kAlong * r / kRings);
        }
    }
    for (int r = 0; r < kRings; ++r) {
        for (int s = 0; s < kSegments; ++s) {
            const int a = r * (kSegments + 1) + s, b = a + 1, c = a + kSegments + 1, d = c + 1;
            mesh.addQuad(a, b, d, c);
        }
    }
    return mesh;
}

SObrMesh makeBildegrid()
{
    SObrMesh mesh;
    addPanel(mesh, {-500, 375, 0}, {1000, 0, 0}, {0, -750, 0}, 32, 24, 1.0f, 1.0f);
    return mesh;
}
