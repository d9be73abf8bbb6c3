// The musical grid the track, the flash list and their checks share:
// 126 beats per minute, four beats to the bar, first downbeat at 1.08 s.
#pragma once

const double kBpm = 126.0;
const double kBeat = 60.0 / kBpm;
const double kBar = 4.0 * kBeat;
const double kFirstDownbeat = 1.08;
// The demo's timeline ends here; the track runs a little longer.
const double kTimelineEnd = 149.8;
const double kTrackSeconds = 151.0;
const int kSampleRate = 44100;

// Time of beat n (beat 0 is the first downbeat; negative beats lie before it).
inline double beatTime(double n) { return kFirstDownbeat + n * kBeat; }
inline double barTime(double n) { return kFirstDownbeat + n * kBar; }
