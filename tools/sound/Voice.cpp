#include "tools/sound/Voice.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/Gbk.h"
#include "tools/sound/Level.h"
#include "tools/sound/Synth.h"

namespace soundgen {

namespace {

constexpr float kSilenceFraction = 0.02f;  // below 2 % of the peak counts as silence
constexpr double kMarginSeconds = 0.012;
constexpr double kEdgeFadeSeconds = 0.006;

std::vector<short>* gCapture = nullptr;  // the buffer the synthesis callback fills

int Capture(short* wav, int count, espeak_EVENT*) {
    if (wav && count > 0 && gCapture) gCapture->insert(gCapture->end(), wav, wav + count);
    return 0;  // go on
}

// Fades the first and last few milliseconds so the cut edges do not click.
void FadeEdges(Signal& s) {
    const std::size_t n = std::min(s.size() / 2, static_cast<std::size_t>(kEdgeFadeSeconds * kSampleRate));
    for (std::size_t i = 0; i < n; ++i) {
        const float g = static_cast<float>(i) / static_cast<float>(n);
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
}

}  // namespace

std::string_view EspeakVoiceName(Speaker speaker) {
    // The pinyin flavour of the Mandarin voice: its dictionary turns characters into pinyin and
    // reads that pinyin as Mandarin (the plain flavour reads it as English words).
    return speaker == Speaker::Male ? "cmn-latn-pinyin+m3" : "cmn-latn-pinyin+f2";
}

VoiceSynth::VoiceSynth() {
    rate_ = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
    if (rate_ > 0) espeak_SetSynthCallback(Capture);
}

VoiceSynth::~VoiceSynth() {
    if (rate_ > 0) espeak_Terminate();
}

Signal VoiceSynth::Speak(std::string_view gbkWords, Speaker speaker) {
    if (!Ready()) return {};
    if (espeak_SetVoiceByName(std::string(EspeakVoiceName(speaker)).c_str()) != EE_OK) return {};
    const std::string utf8 = platform::GbkToUtf8(gbkWords);
    std::vector<short> pcm;
    gCapture = &pcm;
    const espeak_ERROR result = espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, nullptr);
    espeak_Synchronize();
    gCapture = nullptr;
    if (result != EE_OK || pcm.empty()) return {};

    Signal raw(pcm.size());
    std::transform(pcm.begin(), pcm.end(), raw.begin(), [](short x) { return x / 32768.0f; });
    Signal voice = TrimSilence(Resample(raw, rate_, kSampleRate), kSilenceFraction, kMarginSeconds);
    FadeEdges(voice);
    Level(voice);
    return voice;
}

Signal Resample(const Signal& in, int fromRate, int toRate) {
    if (fromRate == toRate || in.empty()) return in;
    const double step = static_cast<double>(fromRate) / toRate;
    const auto count = static_cast<std::size_t>(std::floor((in.size() - 1) / step)) + 1;
    Signal out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double pos = i * step;
        const auto k = static_cast<std::size_t>(pos);
        const double frac = pos - k;
        const float next = k + 1 < in.size() ? in[k + 1] : in[k];
        out[i] = static_cast<float>(in[k] * (1 - frac) + next * frac);
    }
    return out;
}

Signal TrimSilence(const Signal& in, float fraction, double marginSeconds) {
    float peak = 0;
    for (float x : in) peak = std::max(peak, std::fabs(x));
    if (peak <= 0) return {};
    const float floor = peak * fraction;
    auto loud = [floor](float x) { return std::fabs(x) > floor; };
    const auto first = static_cast<std::size_t>(std::find_if(in.begin(), in.end(), loud) - in.begin());
    const auto last = in.size() - static_cast<std::size_t>(std::find_if(in.rbegin(), in.rend(), loud) - in.rbegin());
    const auto margin = static_cast<std::size_t>(marginSeconds * kSampleRate);
    const std::size_t from = first > margin ? first - margin : 0;
    const std::size_t to = std::min(in.size(), last + margin);
    return Signal(in.begin() + static_cast<std::ptrdiff_t>(from), in.begin() + static_cast<std::ptrdiff_t>(to));
}

}  // namespace soundgen
