// Font files are read through the whole-file reader: a pipe or a folder under a font's name
// leaves that face out at once.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FontGlyphs.h"
#include "platform/testing/FifoTrap.h"

namespace fs = std::filesystem;
using namespace platform;

namespace {

TEST(FontFiles, APipeInPlaceOfAFontIsLeftOutWithoutWaiting) {
    const fs::path folder = fs::path(MJ_TEST_OUT_DIR) / "fontpipe";
    fs::remove_all(folder);
    fs::create_directories(folder / "folder.ttc");
    FifoTrap trap((folder / "pipe.ttc").string());
    ASSERT_TRUE(trap.Made());
    const FontFiles real = FindTextFontFiles();

    FontGlyphs glyphs({{(folder / "pipe.ttc").string(), 0}, real.fallback});
    EXPECT_FALSE(glyphs.Loaded());
    EXPECT_FALSE(trap.CaughtAReader());
    EXPECT_NE(glyphs.Glyph(12, "A", 1), nullptr);  // the other face still serves

    FontGlyphs folderFace({real.primary, {(folder / "folder.ttc").string(), 0}});
    EXPECT_FALSE(folderFace.Loaded());
    EXPECT_NE(folderFace.Glyph(12, "A", 1), nullptr);
}

}  // namespace
