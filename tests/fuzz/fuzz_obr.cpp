// Fuzz target: the object reader on arbitrary bytes, then the geometry
// operations the start-up applies to every mesh it loaded.
#include "fuzz_support.h"
#include "mesh/olvbrush.h"

FJOLBAR_FUZZ_MESSAGE_BOX

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FILE *file = openFuzzInput(data, size);
    if (!file) return 0;
    COLVBrush object;
    if (object.loadFromStream(file)) {
        for (CMesh *mesh : object.meshes) {
            mesh->scale(0.5f);
            mesh->invert();
            mesh->computeNormals();
        }
    }
    fclose(file);
    return 0;
}
