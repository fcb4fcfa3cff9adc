// The two voice banks: every call is speech of its own words, trimmed and levelled, the male
// bank lower than the female, and no two calls alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "GameFolder.h"
#include "WaveReader.h"
#include "tools/sound/SoundTable.h"
#include "tools/sound/Voice.h"

namespace {

using soundgen::Speaker;

// What each voice file must say, written as pinyin with tones, apart from the table's words.
const std::map<std::string, std::string> kPinyin = {
    {"wan_1.wav", "yi1 wan4"}, {"wan_2.wav", "er4 wan4"}, {"wan_3.wav", "san1 wan4"},
    {"wan_4.wav", "si4 wan4"}, {"wan_5.wav", "wu3 wan4"}, {"wan_6.wav", "liu4 wan4"},
    {"wan_7.wav", "qi1 wan4"}, {"wan_8.wav", "ba1 wan4"}, {"wan_9.wav", "jiu3 wan4"},
    {"tiao_1.wav", "yi1 tiao2"}, {"tiao_2.wav", "er4 tiao2"}, {"tiao_3.wav", "san1 tiao2"},
    {"tiao_4.wav", "si4 tiao2"}, {"tiao_5.wav", "wu3 tiao2"}, {"tiao_6.wav", "liu4 tiao2"},
    {"tiao_7.wav", "qi1 tiao2"}, {"tiao_8.wav", "ba1 tiao2"}, {"tiao_9.wav", "jiu3 tiao2"},
    {"bing_1.wav", "yi1 bing3"}, {"bing_2.wav", "er4 bing3"}, {"bing_3.wav", "san1 bing3"},
    {"bing_4.wav", "si4 bing3"}, {"bing_5.wav", "wu3 bing3"}, {"bing_6.wav", "liu4 bing3"},
    {"bing_7.wav", "qi1 bing3"}, {"bing_8.wav", "ba1 bing3"}, {"bing_9.wav", "jiu3 bing3"},
    {"dong.wav", "dong1 feng1"}, {"nan.wav", "nan2 feng1"}, {"xi.wav", "xi1 feng1"},
    {"bei.wav", "bei3 feng1"}, {"hongzhong.wav", "hong2 zhong1"}, {"facai.wav", "fa1 cai2"},
    {"baiban.wav", "bai2 ban3"}, {"peng.wav", "peng4"}, {"gang.wav", "gang4"},
    {"hu.wav", "hu2"}, {"zimo.wav", "zi4 mo1"}, {"buhua.wav", "bu3 hua1"},
    {"chi.wav", "chi1"}, {"ting.wav", "ting1"},
};

WaveFile LoadVoice(const soundgen::VoiceBank& bank, const soundgen::VoiceCall& call) {
    WaveFile w;
    std::string error;
    const std::string path = std::string(bank.folder) + std::string(call.file);
    EXPECT_TRUE(ParseWave(ReadBytes(ExactDiskPath(path)), &w, &error)) << path << ": " << error;
    return w;
}

std::vector<WaveFile> LoadBank(const soundgen::VoiceBank& bank) {
    std::vector<WaveFile> waves;
    for (const auto& call : soundgen::VoiceCalls()) waves.push_back(LoadVoice(bank, call));
    return waves;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

TEST(VoiceCalls, FollowTheGameSlotOrder) {
    // Slot = suit * 9 + value - 1 for the numbered suits, then the honours and the seven calls.
    std::vector<std::string> expected;
    for (const char* suit : {"wan_", "tiao_", "bing_"})
        for (int n = 1; n <= 9; ++n) expected.push_back(suit + std::to_string(n) + ".wav");
    for (const char* name : {"dong", "nan", "xi", "bei", "hongzhong", "facai", "baiban", "peng", "gang",
                             "hu", "zimo", "buhua", "chi", "ting"})
        expected.push_back(std::string(name) + ".wav");
    std::vector<std::string> actual;
    for (const auto& call : soundgen::VoiceCalls()) actual.push_back(std::string(call.file));
    EXPECT_EQ(actual, expected);
}

// Two renderings of the same words lie within about 2.5 dB of each other; different calls
// mostly 5 dB and more apart, but calls that share a syllable (四饼 and 九饼) come closer.
constexpr double kSameWordsDb = 3.5;
constexpr double kOtherCallDb = 3.0;

TEST(VoiceBanks, EveryCallIsTheSpeechOfItsOwnWords) {
    // Each file sounds like the expected pinyin spoken again, and more like it than like any
    // other call: a file holding another call, silence or English words fails.
    soundgen::VoiceSynth synth;
    ASSERT_TRUE(synth.Ready());
    const auto& calls = soundgen::VoiceCalls();
    for (const auto& bank : soundgen::VoiceBanks()) {
        std::vector<Spectrogram> expected;
        for (const auto& call : calls) {
            const auto pinyin = kPinyin.find(std::string(call.file));
            ASSERT_NE(pinyin, kPinyin.end()) << call.file;
            expected.push_back(SpectrogramOf(synth.Speak(pinyin->second, bank.speaker), 22050));
        }
        for (std::size_t i = 0; i < calls.size(); ++i) {
            const WaveFile w = LoadVoice(bank, calls[i]);
            const Spectrogram heard = SpectrogramOf(w.samples, w.sampleRate);
            std::vector<double> distance;
            for (const auto& e : expected) distance.push_back(SpectralDistance(heard, e));
            const std::size_t nearest = std::min_element(distance.begin(), distance.end()) - distance.begin();
            EXPECT_LT(distance[i], kSameWordsDb) << bank.folder << calls[i].file;
            EXPECT_EQ(calls[nearest].file, calls[i].file) << bank.folder << calls[i].file;
        }
    }
}

TEST(VoiceBanks, CallsAreAudibleAndTrimmed) {
    for (const auto& bank : soundgen::VoiceBanks()) {
        for (const auto& call : soundgen::VoiceCalls()) {
            const WaveFile w = LoadVoice(bank, call);
            const std::string name = std::string(bank.folder) + std::string(call.file);
            EXPECT_GE(w.Seconds(), 0.2) << name;
            EXPECT_LE(w.Seconds(), 2.5) << name;
            EXPECT_GT(Rms(w.samples), 0.05) << name;
            float peak = 0;
            for (float x : w.samples) peak = std::max(peak, std::fabs(x));
            // Speech (a soft leading consonant included) starts and stops within a few
            // milliseconds of the file's edges.
            const auto loud = [peak](float x) { return std::fabs(x) > peak / 60; };
            const auto lead = std::find_if(w.samples.begin(), w.samples.end(), loud) - w.samples.begin();
            const auto tail = std::find_if(w.samples.rbegin(), w.samples.rend(), loud) - w.samples.rbegin();
            EXPECT_LT(lead, 22050 / 40) << name;
            EXPECT_LT(tail, 22050 / 40) << name;
        }
    }
}

TEST(VoiceBanks, NoTwoCallsOfABankSoundAlike) {
    for (const auto& bank : soundgen::VoiceBanks()) {
        std::vector<Spectrogram> heard;
        for (const WaveFile& w : LoadBank(bank)) heard.push_back(SpectrogramOf(w.samples, w.sampleRate));
        const auto& calls = soundgen::VoiceCalls();
        for (std::size_t i = 0; i < heard.size(); ++i)
            for (std::size_t j = i + 1; j < heard.size(); ++j)
                EXPECT_GT(SpectralDistance(heard[i], heard[j]), kOtherCallDb)
                    << bank.folder << calls[i].file << " and " << calls[j].file;
    }
}

TEST(VoiceBanks, TheMaleSpeakerIsLowerThanTheFemale) {
    std::map<Speaker, double> median;
    for (const auto& bank : soundgen::VoiceBanks()) {
        std::vector<double> pitches;
        for (const WaveFile& w : LoadBank(bank)) pitches.push_back(PitchOfLoudestFrame(w.samples, w.sampleRate));
        median[bank.speaker] = Median(pitches);
    }
    EXPECT_GT(median[Speaker::Male], 70.0);
    EXPECT_LT(median[Speaker::Male], 180.0);
    EXPECT_GT(median[Speaker::Female], median[Speaker::Male] * 1.3);
}

}  // namespace
