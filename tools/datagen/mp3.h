// MP3 encoding of the track through LAME: constant bit rate, no tags, so the
// same samples always give the same bytes.
#pragma once

#include <string>

#include "tools/datagen/synth.h"

bool writeMp3(const std::string &path, const SStereo &audio, int kbps = 192);
