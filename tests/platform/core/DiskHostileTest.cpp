// What the program folder and the user's home may hold instead of the files the program reads:
// a named pipe under a file's name must be refused at once, by every loader.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/Adapter.h"
#include "platform/Bmp.h"
#include "platform/Ini.h"
#include "platform/KeyStore.h"
#include "platform/Resource.h"
#include "platform/Wav.h"
#include "platform/WholeFile.h"
#include "platform/testing/FifoTrap.h"
#include "tests/support/ScratchFolder.h"

namespace fs = std::filesystem;
using namespace platform;

namespace {

struct PipeCase {
    const char* what;
    const char* file;                         // relative to the program folder
    std::function<bool(const fs::path&)> load;  // true when the loader gave something
};

const PipeCase kPipeCases[] = {
    {"whole-file reader", "SET.ini",
     [](const fs::path& root) {
         return ReadWholeFile((root / "SET.ini").string(), 1 << 20).has_value();
     }},
    {"picture", "Graphic/Room.bmp",
     [](const fs::path&) { return LoadBmpFile(ProgramPath("Graphic\\Room.bmp")) != nullptr; }},
    {"resource cursor", "MjRes/IDC_WCUR.bmp",
     [](const fs::path&) { return LoadResourceCursor("IDC_WCUR").image != nullptr; }},
    {"sound", "Wave/Hu.wav",
     [](const fs::path&) { return LoadWavFile(ProgramPath("Wave\\Hu.wav")).has_value(); }},
    {"settings", "SET.ini",
     [](const fs::path&) {
         return ReadProfileString("Set", "Music", "", ProgramPath("SET.ini")) != "";
     }},
    {"key store", "registry.txt",
     [](const fs::path& root) { return KeyStore((root / "registry.txt").string()).Load(); }},
    {"network adapter", "net/eth0/address",
     [](const fs::path& root) {
         return AdapterMacHexIn((root / "net").string()) != "000000000000";
     }},
};

TEST(DiskHostile, EveryLoaderRefusesAPipeWithoutWaiting) {
    for (const PipeCase& c : kPipeCases) {
        const fs::path root = testsupport::FreshProgramFolder("hostile");
        fs::create_directories((root / c.file).parent_path());
        std::ofstream(root / "net" / "eth0" / "type") << "1\n";
        FifoTrap trap((root / c.file).string());
        ASSERT_TRUE(trap.Made()) << c.what;
        EXPECT_FALSE(c.load(root)) << c.what;
        EXPECT_FALSE(trap.CaughtAReader()) << c.what << " waited on the pipe";
    }
}

TEST(DiskHostile, ReaderTakesKernelFilesThatAnnounceNoSize) {
    // /proc files report a size of 0; what counts is what a read gives.
    const std::optional<std::string> status = ReadWholeFile("/proc/self/status", 1 << 20);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(status->rfind("Name:", 0), 0u);
    EXPECT_EQ(ReadWholeFile("/proc/self/status", 8), std::nullopt);  // still bounded
    EXPECT_EQ(ReadWholeFile("/dev/null", 1 << 20), std::nullopt);    // not a regular file
}

}  // namespace
