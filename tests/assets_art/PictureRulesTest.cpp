// The colour key, the button frames and the masks follow the rules the drawing code relies on.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "PictureFile.h"
#include "platform/Gbk.h"
#include "tools/art/AssetTable.h"

using art::AssetFile;

namespace {

constexpr std::uint32_t kKey = 0xFF00FF;

std::string Disk(const std::string& gbkPath) { return art::AssetDiskPath(MJ_GAME_DIR, gbkPath); }

Picture Load(const std::string& gbkPath) {
    std::optional<Picture> pic = ReadBmp(Disk(gbkPath));
    EXPECT_TRUE(pic.has_value()) << platform::GbkToUtf8(gbkPath);
    return pic.value_or(Picture{});
}

bool NearKey(std::uint32_t c) {
    return (c >> 16) >= 248 && ((c >> 8) & 0xFF) <= 3 && (c & 0xFF) >= 248;
}

// The pixels of frame i of a five-frame strip.
std::vector<std::uint32_t> Frame(const Picture& strip, int i) {
    const int w = strip.width / 5;
    std::vector<std::uint32_t> out;
    for (int y = 0; y < strip.height; ++y)
        for (int x = 0; x < w; ++x) out.push_back(strip.At(i * w + x, y));
    return out;
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(ColourKey, BothKeySourcesStartWithTheKeyColour) {
    for (const char* path : {"Graphic\\chouma.bmp", "Graphic\\NewStyle\\mj.bmp"})
        EXPECT_EQ(Load(path).At(0, 0), kKey) << platform::GbkToUtf8(path);
}

TEST(ColourKey, OpaqueArtNeverComesNearTheKey) {
    for (const AssetFile& f : art::ExpandAssetTable()) {
        if (f.entry->gif) continue;
        const Picture pic = Load(f.path);
        int near = 0, keyed = 0;
        for (std::uint32_t c : pic.pixels) {
            if (c == kKey) ++keyed;
            else if (NearKey(c)) ++near;
        }
        EXPECT_EQ(near, 0) << platform::GbkToUtf8(f.path);
        if (!f.entry->keyed) {
            EXPECT_EQ(keyed, 0) << platform::GbkToUtf8(f.path);
        }
    }
}

// The portraits are cut out: their background is the transparent index (the loader writes it
// as the key); no other palette entry may come near the key.
TEST(ColourKey, PortraitsAreCutOutThroughTheirTransparentIndex) {
    for (const AssetFile& f : art::ExpandAssetTable()) {
        if (!f.entry->gif) continue;
        SCOPED_TRACE(platform::GbkToUtf8(f.path));
        std::optional<Picture> gif = ReadGifSize(Disk(f.path));
        ASSERT_TRUE(gif.has_value());
        ASSERT_GE(gif->transparentIndex, 0);
        ASSERT_LT(gif->transparentIndex, static_cast<int>(gif->palette.size()));
        for (std::size_t i = 0; i < gif->palette.size(); ++i)
            if (static_cast<int>(i) != gif->transparentIndex) {
                EXPECT_FALSE(NearKey(gif->palette[i])) << i;
            }
    }
}

TEST(ColourKey, TableBackgroundsAreWhollyOpaque) {
    for (const char* path : {"Graphic\\Room.bmp", "Graphic\\NewStyle\\Room.bmp", "Graphic\\LoadGame.bmp"}) {
        const Picture pic = Load(path);
        for (std::uint32_t c : pic.pixels) ASSERT_FALSE(NearKey(c)) << platform::GbkToUtf8(path);
    }
}

TEST(ButtonStrip, ShowsThreeDistinctStates) {
    for (const AssetFile& f : art::ExpandAssetTable()) {
        if (f.entry->art != art::Art::Button) continue;
        SCOPED_TRACE(platform::GbkToUtf8(f.path));
        const Picture strip = Load(f.path);
        ASSERT_EQ(strip.width % 5, 0);
        EXPECT_NE(Frame(strip, 0), Frame(strip, 1));
        EXPECT_NE(Frame(strip, 0), Frame(strip, 2));
        EXPECT_NE(Frame(strip, 1), Frame(strip, 2));
    }
}

// The exit window's buttons are drawn by AND with frame 4, then OR with a face: a face must be
// black wherever the mask keeps the window (white), or it would tint the window around it.
TEST(ButtonStrip, ExitWindowButtonsAreBlackOutsideTheirMask) {
    for (const char* path : {"Res\\Button\\queding.bmp", "Res\\Button\\quxiao.bmp", "Res\\Button\\close.bmp"}) {
        SCOPED_TRACE(platform::GbkToUtf8(path));
        const Picture strip = Load(path);
        const std::vector<std::uint32_t> mask = Frame(strip, 4);
        int shown = 0;
        for (std::uint32_t m : mask) {
            EXPECT_TRUE(m == 0 || m == 0xFFFFFF);
            shown += m == 0;
        }
        EXPECT_GT(shown, static_cast<int>(mask.size()) / 3);
        for (int frame = 0; frame < 4; ++frame) {
            const std::vector<std::uint32_t> face = Frame(strip, frame);
            for (std::size_t i = 0; i < mask.size(); ++i)
                if (mask[i] == 0xFFFFFF) {
                    ASSERT_EQ(face[i], 0u) << "frame " << frame;
                }
        }
        EXPECT_NE(Frame(strip, 3), Frame(strip, 0));  // disabled differs from normal
    }
}

// Each corner mask cuts away (black) its own corner of the window and keeps the far one.
TEST(ExitWindow, CornerMasksCutTheirOwnCorner) {
    struct Corner { int n; bool right, bottom; };
    for (const Corner c : {Corner{1, false, false}, Corner{2, true, false}, Corner{3, false, true},
                           Corner{4, true, true}}) {
        const Picture mask = Load("Res\\mask_conner" + std::to_string(c.n) + ".bmp");
        const int x = c.right ? mask.width - 1 : 0, y = c.bottom ? mask.height - 1 : 0;
        EXPECT_EQ(mask.At(x, y), 0u) << c.n;
        EXPECT_EQ(mask.At(mask.width - 1 - x, mask.height - 1 - y), 0xFFFFFFu) << c.n;
    }
}

TEST(Portraits, TwelvePortraitsAndTheDefaultsAllDiffer) {
    std::set<std::string> seen;
    for (int n = 1; n <= 12; ++n)
        seen.insert(Bytes(Disk("Graphic\\" + std::to_string(n) + ".gif")));
    seen.insert(Bytes(Disk("male.gif")));
    seen.insert(Bytes(Disk("female.gif")));
    EXPECT_EQ(seen.size(), 14u);
}

TEST(Portraits, SeatFiguresChangeBetweenTheirHalves) {
    for (int n = 1; n <= 12; ++n)
        for (const char* side : {"Right", "Up", "Left"})
            for (const char* name : {"role.bmp", "出牌.bmp"}) {
                const std::string path = "Graphic\\Avatar\\" + std::to_string(n) + "\\" + side + "\\" + name;
                const Picture fig = Load(path);
                const int half = fig.width / 2;
                bool differs = false;
                for (int y = 0; y < fig.height && !differs; ++y)
                    for (int x = 0; x < half && !differs; ++x)
                        differs = fig.At(x, y) != fig.At(half + x, y);
                EXPECT_TRUE(differs) << platform::GbkToUtf8(path);
            }
}

TEST(Cursor, TipIsTheHotSpotOnAKeyedSquare) {
    const Picture cursor = Load("MjRes\\IDC_WCUR.bmp");
    EXPECT_EQ(cursor.width, 32);
    EXPECT_EQ(cursor.height, 32);
    EXPECT_NE(cursor.At(0, 0), kKey);
    EXPECT_EQ(cursor.At(31, 0), kKey);
    EXPECT_EQ(cursor.At(31, 31), kKey);
}
