// The track's synthesiser: renders the score to 44.1 kHz stereo floats.
#pragma once

#include <vector>

struct SStereo {
    std::vector<float> left;
    std::vector<float> right;
};

// Samples encoded ahead of the music so that it starts in time after decoding
// (the encoder's and the decoder's delays together).
const int kCodecDelay = 1105;

// The whole mix, before loudness normalisation; sample n plays at (n + kCodecDelay) / rate.
SStereo renderTrack();
