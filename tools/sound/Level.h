// The common level of every effect and spoken call, so that no sound of the game stands out
// from the others and each leaves the mix room for the rest: a sound's loudness is the RMS of
// its loudest 400 ms (the whole sound when shorter), brought to kLoudnessDb, unless its peak
// would then pass kPeakCeiling; a sound of sharp clicks stops at the ceiling a little quieter.
#pragma once

#include "tools/sound/Wave.h"

namespace soundgen {

constexpr double kLoudnessDb = -20.0;
constexpr float kPeakCeiling = 0.5f;  // -6 dB of full scale
constexpr double kLoudnessWindowSeconds = 0.4;

// The RMS of the signal's loudest 400 ms in dB of full scale; -200 for silence.
double LoudnessDb(const Signal& s);
// Scales the signal to the common level; a silent signal stays as it is.
void Level(Signal& s);

}  // namespace soundgen
