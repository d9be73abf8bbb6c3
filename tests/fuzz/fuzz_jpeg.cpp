// Fuzz target: the JPEG reader on arbitrary bytes.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "fuzz_support.h"
#include "image/jpeg.h"

FJOLBAR_FUZZ_MESSAGE_BOX

namespace {
struct SQuietErrors {
    jpeg_error_mgr standard;
    jmp_buf recovery;
};

void quietExit(j_common_ptr info)
{
    longjmp(reinterpret_cast<SQuietErrors *>(info->err)->recovery, 1);
}

void quietMessage(j_common_ptr) {}

// Pixels the header claims, or 0 when it does not parse. Inputs claiming more
// than a few megapixels are skipped, as libjpeg-turbo's own fuzzers do: a tiny
// file can make the decoder fill 16384 x 16384 samples, which only slows the
// search. The reader's own size limit is checked by the unit tests.
unsigned long long claimedPixels(const uint8_t *data, size_t size)
{
    jpeg_decompress_struct info;
    SQuietErrors errors;
    info.err = jpeg_std_error(&errors.standard);
    errors.standard.error_exit = quietExit;
    errors.standard.output_message = quietMessage;
    if (setjmp(errors.recovery)) {
        jpeg_destroy_decompress(&info);
        return 0;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    const unsigned long long pixels =
        static_cast<unsigned long long>(info.image_width) * info.image_height;
    const bool refusedAnyway = info.image_width > 16384 || info.image_height > 16384;
    jpeg_destroy_decompress(&info);
    return refusedAnyway ? 0 : pixels;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 0 && claimedPixels(data, size) > 4000000ull) return 0;
    FILE *file = openFuzzInput(data, size);
    if (!file) return 0;
    Cjpeg image;
    if (image.loadFromStream(file, "fuzz.jpg")) {
        const size_t bytes = static_cast<size_t>(image.rowStride) * image.height;
        unsigned sum = 0;
        for (size_t i = 0; i < bytes; ++i) sum += image.data[i];
        if (sum == 0xffffffffu) fputc(0, stderr);
    }
    fclose(file);
    return 0;
}
