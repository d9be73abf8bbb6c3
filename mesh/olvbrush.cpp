// Object file (.obr) reader and whole-object drawing. A file that breaks the
// format's invariants is refused whole; every count is checked against the
// bytes left before anything is allocated for it.
#include "mesh/olvbrush.h"

#include <climits>
#include <cstdint>
#include <cstring>

namespace {
const char *const kCaption = "COLVBrush::loadFromFile";
const int64_t kVertexRecord = 20;
const int64_t kFaceRecord = 12;
const int64_t kMeshHeader = 12;
// Records decoded per read: bounds the staging buffer whatever the counts.
const int kChunkRecords = 4096;

static_assert(sizeof(CVector) == 3 * sizeof(float), "normals are passed to GL as packed floats");

int32_t readInt32(const unsigned char *p)
{
    const uint32_t u = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                       (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
    int32_t value;
    memcpy(&value, &u, sizeof value);
    return value;
}

float readFloat32(const unsigned char *p)
{
    const int32_t bits = readInt32(p);
    float value;
    memcpy(&value, &bits, sizeof value);
    return value;
}

// Sequential reader that knows how many bytes the stream still holds.
class CRecordReader {
public:
    CRecordReader(FILE *file, int64_t left) : file(file), left(left) {}

    bool readBytes(unsigned char *out, int64_t count)
    {
        if (count > left || fread(out, 1, count, file) != static_cast<size_t>(count)) return false;
        left -= count;
        return true;
    }

    bool readInt(int32_t &value)
    {
        unsigned char bytes[4];
        if (!readBytes(bytes, 4)) return false;
        value = readInt32(bytes);
        return true;
    }

    bool skip(int64_t count)
    {
        if (count > left || fseek(file, static_cast<long>(count), SEEK_CUR) != 0) return false;
        left -= count;
        return true;
    }

    // True when count records of recordSize bytes can still be in the stream.
    bool holds(int64_t count, int64_t recordSize) const { return count <= left / recordSize; }

    FILE *file;
    int64_t left;
};

bool readVertices(CRecordReader &reader, CMesh &mesh, unsigned char *chunk)
{
    for (int first = 0; first < mesh.vertexCount; first += kChunkRecords) {
        const int count = mesh.vertexCount - first < kChunkRecords ? mesh.vertexCount - first
                                                                   : kChunkRecords;
        if (!reader.readBytes(chunk, count * kVertexRecord)) return false;
        for (int k = 0; k < count; ++k) {
            const unsigned char *record = chunk + k * kVertexRecord;
            float *position = mesh.positions + (first + k) * 3;
            float *texCoord = mesh.texCoords + (first + k) * 2;
            position[0] = readFloat32(record);
            position[1] = readFloat32(record + 4);
            position[2] = readFloat32(record + 8);
            texCoord[0] = 1.0f - readFloat32(record + 12);
            texCoord[1] = readFloat32(record + 16);
        }
    }
    return true;
}

bool readFaces(CRecordReader &reader, CMesh &mesh, unsigned char *chunk)
{
    for (int first = 0; first < mesh.faceCount; first += kChunkRecords) {
        const int count =
            mesh.faceCount - first < kChunkRecords ? mesh.faceCount - first : kChunkRecords;
        if (!reader.readBytes(chunk, count * kFaceRecord)) return false;
        for (int k = 0; k < count * 3; ++k) {
            const int32_t index = readInt32(chunk + k * 4);
            if (index < 0 || index >= mesh.vertexCount) return false;
            mesh.faces[first * 3 + k] = index;
        }
    }
    return true;
}

bool readMesh(CRecordReader &reader, CMesh &mesh, unsigned char *chunk)
{
    int32_t vertices, faces, blockLength;
    if (!reader.readInt(vertices) || !reader.readInt(faces) || !reader.readInt(blockLength))
        return false;
    if (vertices < 0 || faces < 0 || blockLength < 0) return false;
    if (!reader.skip(blockLength)) return false;
    // Both record arrays must fit in what is left, together.
    if (!reader.holds(vertices, kVertexRecord) ||
        !reader.holds(faces * kFaceRecord + vertices * kVertexRecord, 1))
        return false;
    if (vertices > INT_MAX / 3 || faces > INT_MAX / 3) return false;

    mesh.vertexCount = vertices;
    mesh.faceCount = faces;
    mesh.normalCount = vertices;
    mesh.texCoordCount = vertices;
    mesh.positions = new float[static_cast<size_t>(vertices) * 3];
    mesh.faces = new int[static_cast<size_t>(faces) * 3];
    mesh.normals = new CVector[vertices];
    mesh.texCoords = new float[static_cast<size_t>(vertices) * 2];
    return readVertices(reader, mesh, chunk) && readFaces(reader, mesh, chunk);
}

// Bytes from the current position to the end, or -1 if the stream cannot seek.
int64_t bytesLeft(FILE *file)
{
    const long here = ftell(file);
    if (here < 0 || fseek(file, 0, SEEK_END) != 0) return -1;
    const long end = ftell(file);
    if (end < 0 || fseek(file, here, SEEK_SET) != 0) return -1;
    return static_cast<int64_t>(end) - here;
}

void releaseMeshes(std::vector<CMesh *> &meshes)
{
    for (CMesh *mesh : meshes) delete mesh;
    meshes.clear();
}
}  // namespace

COLVBrush::COLVBrush() : meshCount(0) {}

COLVBrush::~COLVBrush()
{
    releaseMeshes(meshes);
}

bool COLVBrush::loadFromFile(const char *path)
{
    FILE *file = fopen(path, "rb");
    if (!file) {
        MessageBoxA(nullptr, "Unable to open object file", kCaption, MB_OK);
        return false;
    }
    const bool loaded = loadFromStream(file);
    fclose(file);
    return loaded;
}

bool COLVBrush::loadFromStream(FILE *file)
{
    const int64_t left = bytesLeft(file);
    // A stream that cannot tell its size cannot bound any count: nothing is read.
    CRecordReader reader(file, left < 0 ? 0 : left);
    std::vector<CMesh *> loaded;
    unsigned char *chunk = new unsigned char[kChunkRecords * kVertexRecord];

    int32_t count = 0;
    bool ok = reader.readInt(count) && count >= 0 && reader.holds(count, kMeshHeader);
    if (ok) {
        loaded.resize(count, nullptr);
        for (CMesh *&mesh : loaded) mesh = new CMesh();
        for (int i = 0; ok && i < count; ++i) ok = readMesh(reader, *loaded[i], chunk);
    }
    delete[] chunk;

    if (!ok) {
        releaseMeshes(loaded);
        MessageBoxA(nullptr, "Corrupt object file", kCaption, MB_OK);
        return false;
    }
    releaseMeshes(meshes);
    meshes.swap(loaded);
    meshCount = count;
    return true;
}

void COLVBrush::draw()
{
    for (int i = 0; i < meshCount; ++i) {
        glBindTexture(GL_TEXTURE_2D, meshes[i]->texture);
        meshes[i]->draw();
    }
}

void COLVBrush::drawImmediate()
{
    for (int i = 0; i < meshCount; ++i) {
        glBindTexture(GL_TEXTURE_2D, meshes[i]->texture);
        meshes[i]->drawImmediate();
    }
}
