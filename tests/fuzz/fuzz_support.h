// Shared by the fuzz targets: the platform calls the readers make, without the
// SDL-backed platform layer, and a FILE * over the fuzzer's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "platform/platform.h"

// Message boxes are expected on bad input; the fuzzer only cares about what follows.
inline int discardMessageBox(LPCSTR, LPCSTR) { return 0; }

// fmemopen refuses an empty buffer; an empty temporary file stands in for it.
inline FILE *openFuzzInput(const uint8_t *data, size_t size)
{
    if (size == 0) return tmpfile();
    return fmemopen(const_cast<uint8_t *>(data), size, "rb");
}

#define FJOLBAR_FUZZ_MESSAGE_BOX                                                   \
    int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT)                       \
    {                                                                              \
        return discardMessageBox(text, caption);                                   \
    }
