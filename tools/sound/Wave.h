// RIFF/WAVE files: 16-bit PCM, mono, at the rate every sound of the game uses.
#pragma once

#include <string>
#include <vector>

namespace soundgen {

constexpr int kSampleRate = 22050;

// A mono signal at kSampleRate, samples in -1..1.
using Signal = std::vector<float>;

// The bytes of a WAVE file holding the signal as 16-bit PCM (clipped to the 16-bit range).
std::string EncodeWave(const Signal& signal);

}  // namespace soundgen
