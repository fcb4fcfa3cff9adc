// Without a sound device the program runs silent and says so in one line of its own on
// standard error, whatever the sound libraries under SDL would have printed.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/sdl/SdlAudioOutput.h"
#include "platform/sdl/SoundMixer.h"

namespace {

struct NoDeviceCase {
    const char* what;
    const char* driver;
    const char* alsaConfig;  // null: ALSA's own
};

// A driver SDL does not know; ALSA with no configuration to read, which fails on any machine
// and complains about it at length.
const NoDeviceCase kCases[] = {
    {"an unknown driver", "no-such-driver", nullptr},
    {"ALSA without a device", "alsa", "/nonexistent/alsa.conf"},
};

// Opens the output in a child process with the case's environment; returns what the child
// wrote to standard error.  `opened` tells whether the output opened after all.
std::string StandardErrorOfOutput(const NoDeviceCase& c, bool* opened) {
    // One file per test process: CTest runs the cases side by side.
    const std::string log = std::string(MJ_TEST_OUT_DIR) + "/no_device_stderr_" + std::to_string(getpid()) + ".txt";
    const pid_t child = fork();
    if (child == 0) {
        const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, STDERR_FILENO);
        setenv("SDL_AUDIODRIVER", c.driver, 1);
        if (c.alsaConfig) setenv("ALSA_CONFIG_PATH", c.alsaConfig, 1);
        platform::SoundMixer mixer;
        const bool open = platform::SdlAudioOutput(mixer).IsOpen();
        _exit(open ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    *opened = !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    std::ifstream in(log);
    const std::string said{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::remove(log.c_str());
    return said;
}

}  // namespace

TEST(NoSoundDevice, TheOutputStaysClosedAndSaysSoInOneLine) {
    for (const NoDeviceCase& c : kCases) {
        bool opened = true;
        const std::string said = StandardErrorOfOutput(c, &opened);
        EXPECT_FALSE(opened) << c.what;
        EXPECT_EQ(said.rfind("sound: no sound device could be opened", 0), 0u) << c.what << ": " << said;
        EXPECT_NE(said.find("the game plays without sound\n"), std::string::npos) << c.what << ": " << said;
        EXPECT_EQ(said.find('\n'), said.size() - 1) << c.what << ": " << said;
    }
}

TEST(NoSoundDevice, AnOpenDeviceSaysNothing) {
    bool opened = false;
    EXPECT_EQ(StandardErrorOfOutput({"the dummy driver", "dummy", nullptr}, &opened), "");
    EXPECT_TRUE(opened);
}
