// The generator paints the same program folder on every run: nothing in it depends on time,
// chance or uninitialised memory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/Gbk.h"
#include "tools/art/AssetTable.h"

namespace fs = std::filesystem;

namespace {

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(Generator, PaintsTheSameFilesOnEveryRun) {
    const fs::path again = fs::path(MJ_TEST_OUT_DIR) / "again";
    fs::remove_all(again);
    const fs::path sheet = fs::path(MJ_TEST_OUT_DIR) / "contact-sheet.png";
    const std::string command = std::string("\"") + MJ_ART_EXE + "\" \"" + again.string() +
                                "\" \"" + sheet.string() + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_GT(fs::file_size(sheet), 0u);
    for (const art::AssetFile& f : art::ExpandAssetTable()) {
        const std::string built = Bytes(art::AssetDiskPath(MJ_GAME_DIR, f.path));
        ASSERT_FALSE(built.empty()) << platform::GbkToUtf8(f.path);
        EXPECT_EQ(Bytes(art::AssetDiskPath(again.string(), f.path)), built)
            << platform::GbkToUtf8(f.path);
    }
}

TEST(Generator, GamePathsSurviveTheTripThroughUtf8) {
    for (const art::AssetFile& f : art::ExpandAssetTable())
        EXPECT_EQ(platform::Utf8ToGbk(platform::GbkToUtf8(f.path)), f.path)
            << platform::GbkToUtf8(f.path);
}
