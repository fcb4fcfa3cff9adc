// Plays offline hands (one unless told otherwise) headless with the program's real sound
// system, as a player hears them through the sound device, and measures what the device was
// given.  The table runs on the virtual clock kept in step with the wall clock, so the device
// pulls the mix in real time; seat 0 is played by the scripted user.  Run it with SDL_AUDIODRIVER=disk: SDL writes the
// device's 16-bit stereo into SDL_DISKAUDIOFILE, and the tool reads that file back at the end
// and prints its peak and the count of samples at full scale.
//
//   mj_record_hand <program folder> [seed] [hands]
//
// The program folder's SET.ini chooses effects, spoken calls and music, as it does for the
// game; the tool writes SET.ini back when the table goes, as the game does, so give it a copy.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "graphics/FrameDialogs.h"
#include "platform/Music.h"
#include "platform/Path.h"
#include "platform/Sound.h"
#include "platform/WholeFile.h"
#include "platform/sdl/AudioSystem.h"
#include "testsupport/engine/HeadlessTable.h"

namespace {

using Clock = std::chrono::steady_clock;

// The score sheet's two seconds, and the last sounds ringing out.
constexpr int kTailMs = 3000;
constexpr std::uint64_t kLongestRecordingMs = 30 * 60 * 1000;

// Plays the hands, each until its score sheet shows, the next one started as the sheet's
// next-hand button does; returns their length in virtual milliseconds.
std::uint64_t PlayHands(unsigned seed, int hands) {
    enginetest::HeadlessTable h(seed);
    CMj& t = *h.table;
    enginetest::ScriptedUser user(t);
    h.StartGame(enginetest::kOfficial);
    const auto start = Clock::now();
    std::uint64_t endAt = 0;
    while (h.Clock().Now() < kLongestRecordingMs) {
        while (user.Act()) {
        }
        if (nActiveForm == 1 && endAt == 0) {
            if (--hands > 0) {
                nActiveForm = 0;
                t.StartHand();
                if (bMessageShown) {  // somebody went bankrupt: a new game
                    bMessageShown = 0;
                    h.StartGame(enginetest::kOfficial);
                }
            } else {
                endAt = h.Clock().Now() + kTailMs;
            }
        }
        if (endAt != 0 && h.Clock().Now() >= endAt) break;
        const auto wall = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        const auto target = static_cast<std::uint64_t>(wall.count());
        if (target > h.Clock().Now())
            h.Clock().Advance(target - h.Clock().Now());
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return h.Clock().Now();
}

// The peak and the full-scale samples of a raw 16-bit recording.
struct Figures {
    std::size_t samples = 0;
    int peak = 0;
    std::size_t atFullScale = 0;
    int secondsWithFullScale = 0;
    std::size_t mostInOneSecond = 0;
};

Figures Measure(const std::string& raw) {
    Figures f;
    f.samples = raw.size() / 2;
    const std::size_t perSecond = platform::SoundMixer::kSampleRate * platform::SoundMixer::kChannels;
    std::size_t thisSecond = 0;
    for (std::size_t i = 0; i < f.samples; ++i) {
        const auto lo = static_cast<unsigned char>(raw[2 * i]);
        const auto hi = static_cast<unsigned char>(raw[2 * i + 1]);
        const int s = static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | hi << 8));
        const int magnitude = std::abs(s);
        if (magnitude > f.peak) f.peak = magnitude;
        if (magnitude >= 32767) ++thisSecond;
        if ((i + 1) % perSecond == 0 || i + 1 == f.samples) {
            f.atFullScale += thisSecond;
            f.secondsWithFullScale += thisSecond > 0;
            f.mostInOneSecond = std::max(f.mostInOneSecond, thisSecond);
            thisSecond = 0;
        }
    }
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: mj_record_hand <program folder> [seed] [hands]\n");
        return 2;
    }
    const char* file = std::getenv("SDL_DISKAUDIOFILE");
    const std::string recording = file ? file : "sdlaudio.raw";
    platform::SetProgramFolder(argv[1]);
    const unsigned seed = argc >= 3 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1;
    const int hands = argc >= 4 ? std::max(1, std::atoi(argv[3])) : 1;
    std::uint64_t ms = 0;
    {
        platform::AudioSystem audio;
        if (!audio.Sound().IsAvailable()) {
            std::fprintf(stderr, "no sound device could be opened\n");
            return 1;
        }
        platform::InstallSoundSystem(&audio.Sound());
        platform::InstallMusicPlayer(&audio.Music());
        ms = PlayHands(seed, hands);
        platform::InstallMusicPlayer(nullptr);
        platform::InstallSoundSystem(nullptr);
    }
    const auto raw = platform::ReadWholeFile(recording, std::size_t(1) << 30);
    if (!raw) {
        std::fprintf(stderr, "cannot read the recording %s\n", recording.c_str());
        return 1;
    }
    const Figures f = Measure(*raw);
    const double seconds = double(f.samples) / platform::SoundMixer::kChannels / platform::SoundMixer::kSampleRate;
    const double peakDb = f.peak > 0 ? 20.0 * std::log10(f.peak / 32768.0) : -200.0;
    std::printf("%d hands of %.1f s, recording of %.1f s: peak %d (%.2f dBFS), %zu samples at full "
                "scale in %d seconds, at most %zu in one second\n",
                hands, ms / 1000.0, seconds, f.peak, peakDb, f.atFullScale, f.secondsWithFullScale,
                f.mostInOneSecond);
    return 0;
}
