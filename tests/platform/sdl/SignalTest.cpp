// The sound device leaves the program's signals alone: SIGTERM and SIGINT still end it.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include "platform/sdl/SdlAudioOutput.h"
#include "platform/sdl/SoundMixer.h"

namespace {

bool DefaultAction(int signal) {
    struct sigaction action {};
    sigaction(signal, nullptr, &action);
    return action.sa_handler == SIG_DFL;
}

TEST(SdlAudioOutput, LeavesTerminationSignalsToTheirDefaultAction) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::SoundMixer mixer;
    platform::SdlAudioOutput output(mixer);
    ASSERT_TRUE(output.IsOpen());
    EXPECT_TRUE(DefaultAction(SIGTERM));
    EXPECT_TRUE(DefaultAction(SIGINT));
}

}  // namespace
