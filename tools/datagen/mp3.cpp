// LAME encoder wrapper.
#include "tools/datagen/mp3.h"

#include <cstdio>
#include <vector>

#include <lame/lame.h>

#include "tools/datagen/beatgrid.h"

bool writeMp3(const std::string &path, const SStereo &audio, int kbps)
{
    lame_global_flags *lame = lame_init();
    if (!lame)
        return false;
    lame_set_in_samplerate(lame, kSampleRate);
    lame_set_out_samplerate(lame, kSampleRate);
    lame_set_num_channels(lame, 2);
    lame_set_mode(lame, JOINT_STEREO);
    lame_set_VBR(lame, vbr_off);
    lame_set_brate(lame, kbps);
    lame_set_quality(lame, 7);
    lame_set_write_id3tag_automatic(lame, 0);
    lame_set_bWriteVbrTag(lame, 0);
    if (lame_init_params(lame) < 0) {
        lame_close(lame);
        return false;
    }
    std::vector<unsigned char> out;
    const size_t n = audio.left.size(), chunk = 8192;
    std::vector<unsigned char> buffer(size_t(1.25 * chunk + 7200));
    for (size_t i = 0; i < n; i += chunk) {
        const int count = int(std::min(chunk, n - i));
        const int bytes = lame_encode_buffer_ieee_float(lame, audio.left.data() + i, audio.right.data() + i, count,
                                                        buffer.data(), int(buffer.size()));
        if (bytes < 0) {
            lame_close(lame);
            return false;
        }
        out.insert(out.end(), buffer.begin(), buffer.begin() + bytes);
    }
    const int bytes = lame_encode_flush(lame, buffer.data(), int(buffer.size()));
    if (bytes > 0)
        out.insert(out.end(), buffer.begin(), buffer.begin() + bytes);
    lame_close(lame);
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}
