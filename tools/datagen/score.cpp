// The arrangement, bar by bar, and the flash times taken from the same accents.
#include "tools/datagen/score.h"

#include <algorithm>
#include <cmath>

#include "tools/datagen/beatgrid.h"

ESection sectionOfBar(int bar)
{
    if (bar < 12) return ESection::Intro;
    if (bar < 20) return ESection::Spheres;
    if (bar < 28) return ESection::TunnelA;
    if (bar < 32) return ESection::TunnelB;
    if (bar < 36) return ESection::TunnelC;
    if (bar < 41) return ESection::BarrelsA;
    if (bar < 44) return ESection::BarrelsB;
    if (bar < 46) return ESection::Whiteout;
    if (bar < 54) return ESection::Greetings;
    if (bar < 62) return ESection::RoomOpening;
    if (bar < 76) return ESection::Glow;
    return ESection::Outro;
}

namespace {

// Chords in A minor, voiced around middle C (MIDI 60).
const int kAm[4] = {57, 60, 64, 69}, kF[4] = {53, 57, 60, 65}, kC[4] = {48, 55, 60, 64}, kG[4] = {55, 59, 62, 67};
const int kDm[4] = {50, 57, 62, 65}, kE[4] = {52, 56, 59, 64}, kEm[4] = {52, 55, 59, 64}, kBb[4] = {46, 53, 58, 62};

const int *chordOf(ESection s, int bar)
{
    static const int *const main[4] = {kAm, kF, kC, kG};
    static const int *const tunnel[4] = {kDm, kF, kAm, kG};
    static const int *const barrels[4] = {kAm, kAm, kBb, kE};
    static const int *const greetings[4] = {kF, kG, kEm, kAm};
    const int step = bar % 4;
    switch (s) {
    case ESection::TunnelA:
    case ESection::TunnelB:
    case ESection::TunnelC:
        return tunnel[step];
    case ESection::BarrelsA:
    case ESection::BarrelsB:
    case ESection::Whiteout:
        return barrels[step];
    case ESection::Greetings:
        return greetings[step];
    case ESection::Outro:
        return kAm;
    default:
        return main[step];
    }
}

} // namespace

const int kMelody[kPhraseBars][8] = {
    {76, -1, -1, 72, -1, 69, 72, 76}, {77, -1, 76, -1, 72, -1, 69, -1},
    {79, -1, -1, 76, -1, 72, 74, 76}, {74, -1, -1, -1, 71, -1, 67, -1},
    {76, -1, -1, 72, -1, 69, 72, 76}, {77, -1, 79, -1, 81, -1, 77, -1},
    {79, -1, 76, -1, 72, -1, 74, -1}, {71, -1, 72, -1, 69, -1, -1, -1}};

SBarPlan planBar(int bar)
{
    SBarPlan p = {};
    p.section = sectionOfBar(bar);
    const int *chord = chordOf(p.section, bar);
    std::copy(chord, chord + 4, p.chord);
    p.melody = -1;
    p.padBright = 0.5f;
    switch (p.section) {
    case ESection::Intro:
        p.pad = true;
        p.padBright = 0.3f + 0.04f * bar;
        p.bass = bar >= 4;
        p.bassStyle = bar < 8 ? 0 : 1;
        p.hats = bar >= 6;
        p.kick = bar >= 8;
        p.arp = bar >= 8;
        p.snare = bar >= 10;
        p.chime = bar == 4 || bar == 6 || bar == 8 || bar == 10;
        p.fill = bar == 11;
        p.riser = bar == 11;
        break;
    case ESection::Spheres:
        p.kick = p.snare = p.hats = p.openHats = p.pad = p.bass = p.arp = true;
        p.bassStyle = 2;
        p.padBright = 0.6f;
        p.crash = bar == 12 || bar == 16;
        p.fill = bar == 19;
        break;
    case ESection::TunnelA:
    case ESection::TunnelB:
    case ESection::TunnelC:
        p.kick = p.snare = p.hats16 = p.pad = p.bass = true;
        p.bassStyle = 3;
        p.claps = p.section != ESection::TunnelA;
        p.lead = p.section != ESection::TunnelA;
        p.arp = p.section == ESection::TunnelC;
        p.stabs = p.section == ESection::TunnelC;
        p.padBright = p.section == ESection::TunnelA ? 0.45f : 0.7f;
        p.melody = p.lead ? (bar - 28) % kPhraseBars : -1;
        p.crash = bar == 20 || bar == 28 || bar == 32;
        p.fill = bar == 27 || bar == 31 || bar == 35;
        p.riser = bar == 35;
        break;
    case ESection::BarrelsA:
        p.kick = p.toms = p.bass = p.hats = true;
        p.bassStyle = 2;
        p.pad = bar >= 38;
        p.padBright = 0.2f;
        p.crash = bar == 36;
        p.fill = bar == 40;
        p.riser = bar == 40;
        break;
    case ESection::BarrelsB:
        p.kick = p.snare = p.hats16 = p.openHats = p.bass = p.pad = p.stabs = true;
        p.bassStyle = 3;
        p.padBright = 0.5f;
        p.crash = bar == 41;
        break;
    case ESection::Whiteout:
        p.kick = p.bass = p.pad = p.hats16 = true;
        p.bassStyle = 3;
        p.padBright = bar == 44 ? 0.6f : 0.85f;
        p.snareRoll = true;
        p.riser = true;
        break;
    case ESection::Greetings:
        p.pad = p.arp = true;
        p.padBright = 0.55f;
        p.lead = true;
        p.melody = (bar - 46) % kPhraseBars;
        p.hats = bar >= 50;
        p.bass = bar >= 48;
        p.bassStyle = 0;
        p.crash = bar == 46;
        p.chime = bar == 46 || bar == 50;
        break;
    case ESection::RoomOpening:
        p.pad = p.bass = p.kick = true;
        p.bassStyle = bar < 58 ? 1 : 2;
        p.padBright = 0.3f + 0.06f * (bar - 54);
        p.hats = bar >= 56;
        p.arp = bar >= 58;
        p.snare = bar >= 58;
        p.snareRoll = bar >= 60;
        p.riser = bar >= 60;
        break;
    case ESection::Glow:
        p.kick = p.snare = p.hats16 = p.openHats = p.claps = p.pad = p.bass = p.arp = p.lead = true;
        p.bassStyle = 2;
        p.padBright = 0.8f;
        p.stabs = bar >= 70;
        p.melody = (bar - 62) % kPhraseBars;
        p.crash = bar == 62 || bar % 2 == 0;
        p.fill = bar % 8 == 5;
        break;
    case ESection::Outro:
        p.pad = true;
        p.padBright = 0.4f;
        p.bass = bar == 76;
        p.bassStyle = 0;
        p.crash = bar == 76;
        p.chime = bar == 76;
        break;
    }
    return p;
}

std::vector<double> flashTimes()
{
    std::vector<double> beats;
    // The cuts of the timeline, each on the beat nearest to it.
    const double cuts[] = {8.7,  12.5, 16.3,  20.1,  24.0,  39.3,  54.5,  62.2,  69.8,  79.0,
                           89.2, 103.8, 119.2, 122.9, 126.7, 130.6, 134.5, 138.3, 142.1};
    for (double t : cuts)
        beats.push_back(std::round((t - kFirstDownbeat) / kBeat));
    // Snares and downbeats of the driving sections.
    for (int bar = 0; bar < kBarCount; ++bar) {
        const SBarPlan p = planBar(bar);
        const bool driving = p.section == ESection::Spheres || p.section == ESection::TunnelC ||
                             p.section == ESection::BarrelsB || p.section == ESection::Glow;
        if (driving)
            beats.push_back(bar * 4.0 + 3.0); // the snare on the fourth beat
        if (p.crash)
            beats.push_back(bar * 4.0);
    }
    std::sort(beats.begin(), beats.end());
    beats.erase(std::unique(beats.begin(), beats.end()), beats.end());
    std::vector<double> times;
    for (double b : beats) {
        const double t = beatTime(b);
        if (t > 0.0 && t < kTimelineEnd)
            times.push_back(t);
    }
    return times;
}
