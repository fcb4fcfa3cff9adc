// The spoken calls, made with espeak-ng's Mandarin voice: synthesised to memory, brought to
// the game's sample rate, trimmed of silence and levelled.
#pragma once

#include <string_view>

#include "tools/sound/SoundTable.h"
#include "tools/sound/Wave.h"

namespace soundgen {

// The espeak-ng voice (language plus speaker variant) a speaker talks with.
std::string_view EspeakVoiceName(Speaker speaker);

// One speech engine for the life of the object.  espeak-ng keeps global state, so only one
// object may exist at a time and it is used from one thread.
class VoiceSynth {
public:
    VoiceSynth();
    ~VoiceSynth();
    VoiceSynth(const VoiceSynth&) = delete;
    VoiceSynth& operator=(const VoiceSynth&) = delete;

    bool Ready() const { return rate_ > 0; }
    // The call's words (GBK) spoken by the speaker; empty when synthesis fails.
    Signal Speak(std::string_view gbkWords, Speaker speaker);

private:
    int rate_ = 0;
};

// Sound-level helpers, shared with the tests that check the result.
Signal Resample(const Signal& in, int fromRate, int toRate);
// Cuts leading and trailing stretches quieter than `fraction` of the peak, keeping a margin.
Signal TrimSilence(const Signal& in, float fraction, double marginSeconds);

}  // namespace soundgen
