// The arrangement of the track: which parts play in which bar, the chords and
// the melody, and the accents that become the demo's flash times.
#pragma once

#include <vector>

// Sections follow the demo's scenes; bars count from the first downbeat.
enum class ESection {
    Intro,       // bars 0-11: the logo and the credits, parts enter one by one
    Spheres,     // 12-19
    TunnelA,     // 20-27
    TunnelB,     // 28-31: the scroll turns, the lead enters
    TunnelC,     // 32-35: the camera swings
    BarrelsA,    // 36-40: the flight down the helix
    BarrelsB,    // 41-43: the jump
    Whiteout,    // 44-45: the build into white
    Greetings,   // 46-53
    RoomOpening, // 54-61
    Glow,        // 62-75: the finale, camera cuts every two bars
    Outro        // 76-: the fade to black
};

const int kBarCount = 79; // bar 78 holds the end of the timeline

ESection sectionOfBar(int bar);

// One bar of the arrangement: what plays and how.
struct SBarPlan {
    ESection section;
    int chord[4];       // MIDI notes of the bar's chord, root first
    bool kick, snare, hats, hats16, openHats, claps, toms;
    bool pad, bass, arp, lead, stabs, chime;
    int bassStyle;      // 0 long notes, 1 quarters, 2 off-beat eighths, 3 rolling sixteenths
    float padBright;    // 0..1, the pad filter's opening
    bool crash;         // a crash cymbal on the downbeat
    bool riser;         // a noise sweep over this bar into the next
    bool snareRoll;     // sixteenth snares growing over the bar
    bool fill;          // a drum fill on the last beat
    int melody;         // index of the lead's phrase bar, -1 none
};

SBarPlan planBar(int bar);

// Lead phrases: eight eighth-note steps per bar; 0 rests, -1 holds the last note.
const int kPhraseBars = 8;
extern const int kMelody[kPhraseBars][8];

// Accents of the score, in seconds, sorted, on whole beats, inside the timeline.
std::vector<double> flashTimes();
