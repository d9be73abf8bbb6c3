// Loudness of a stereo mix (K-weighted, gated as broadcast meters do), its true
// peak, and the normaliser that brings the track to its target with a limiter.
#pragma once

#include "tools/datagen/synth.h"

// Integrated loudness in LUFS: 400 ms blocks every 100 ms, gates at -70 LUFS
// and 10 LU below the ungated mean.
double integratedLoudness(const SStereo &audio);
// Highest absolute value of the signal oversampled four times, in dBFS.
double truePeakDb(const SStereo &audio);

struct SLoudnessReport {
    double loudness; // LUFS after normalising
    double truePeak; // dBTP after normalising
    double gainDb;   // gain applied before the limiter
};

// Scales and limits the audio in place to targetLufs with peaks under ceilingDb.
SLoudnessReport normalise(SStereo &audio, double targetLufs, double ceilingDb);
