#include "platform/Resource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/Path.h"
#include "tests/support/ScratchFolder.h"
#include "tests/platform/surface/BmpWriter.h"

namespace fs = std::filesystem;
using namespace platform;

namespace {

class ResourceFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = testsupport::FreshProgramFolder("resources");
    }
    void PutBitmap(const std::string& name, int w, int h, std::uint32_t rgb) {
        const auto bytes = bmptest::WriteBmp(w, h, std::vector<std::uint32_t>(w * h, rgb), {});
        std::ofstream(root_ / "MjRes" / (name + ".bmp"), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    fs::path root_;
};

}  // namespace

TEST_F(ResourceFolderTest, MissingFolderIsDetected) {
    EXPECT_FALSE(ResourceFolderExists());
    EXPECT_FALSE(LoadResourceBitmap("IDB_BUTTON"));
    std::ofstream(root_ / "MjRes") << "a file, not a folder";
    EXPECT_FALSE(ResourceFolderExists());
}

TEST_F(ResourceFolderTest, LoadsBitmapsByName) {
    fs::create_directories(root_ / "MjRes");
    EXPECT_TRUE(ResourceFolderExists());
    PutBitmap("IDB_BUTTON", 190, 30, 0x00FF00);
    auto button = LoadResourceBitmap("IDB_BUTTON");
    ASSERT_TRUE(button);
    EXPECT_EQ(button->Width(), 190);
    EXPECT_EQ(button->Row(29)[189], 0x07E0);
    EXPECT_TRUE(LoadResourceBitmap("idb_button"));  // names are found whatever their case
    EXPECT_FALSE(LoadResourceBitmap("IDB_BACK_S"));
}

TEST_F(ResourceFolderTest, RefusesNamesThatLeaveTheFolder) {
    fs::create_directories(root_ / "MjRes");
    PutBitmap("IDB_BUTTON", 4, 4, 0);
    std::ofstream(root_ / "outside.bmp") << "x";
    for (const char* name : {"", "..\\outside", "../outside", "MjRes\\IDB_BUTTON", "."})
        EXPECT_FALSE(LoadResourceBitmap(name)) << name;
}

TEST_F(ResourceFolderTest, CursorIsKeyedWithTheHotSpotAtTheCorner) {
    fs::create_directories(root_ / "MjRes");
    PutBitmap("IDC_WCUR", 32, 32, 0xFF00FF);
    ResourceCursor cursor = LoadResourceCursor("IDC_WCUR");
    ASSERT_TRUE(cursor.image);
    EXPECT_EQ(cursor.image->Width(), 32);
    EXPECT_TRUE(cursor.image->HasColorKey());
    EXPECT_EQ(cursor.image->ColorKey(), 0xF81F);
    EXPECT_EQ(cursor.image->Row(0)[0], cursor.image->ColorKey());
    EXPECT_EQ(cursor.hotX, 0);
    EXPECT_EQ(cursor.hotY, 0);
    EXPECT_FALSE(LoadResourceCursor("IDC_OTHER").image);
}
