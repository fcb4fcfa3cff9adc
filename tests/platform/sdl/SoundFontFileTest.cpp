// The soundfont is read through the whole-file reader: a pipe or a folder under its name
// leaves the music player unavailable at once.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/sdl/FluidMusic.h"
#include "platform/testing/FifoTrap.h"

namespace fs = std::filesystem;
using namespace platform;

namespace {

TEST(SoundFontFile, APipeOrAFolderLeavesTheMusicUnavailableWithoutWaiting) {
    const fs::path folder = fs::path(MJ_TEST_OUT_DIR) / "soundfontpipe";
    fs::remove_all(folder);
    fs::create_directories(folder / "folder.sf2");
    FifoTrap trap((folder / "pipe.sf2").string());
    ASSERT_TRUE(trap.Made());
    SoundMixer mixer;
    {
        FluidMusic music(mixer, (folder / "pipe.sf2").string());
        EXPECT_FALSE(music.IsAvailable());
    }
    EXPECT_FALSE(trap.CaughtAReader());
    FluidMusic inFolder(mixer, (folder / "folder.sf2").string());
    EXPECT_FALSE(inFolder.IsAvailable());
    FluidMusic real(mixer);
    EXPECT_TRUE(real.IsAvailable());
}

}  // namespace
