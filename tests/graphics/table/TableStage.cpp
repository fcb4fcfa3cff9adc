#include "TableStage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>


namespace tabletest {

namespace {

namespace fs = std::filesystem;

// A program folder of the running test's own that sees the built pictures, so the renderer
// writes its settings there and tests run side by side.
std::string UseBuiltPictures() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path root = fs::path(MJ_TEST_OUT_DIR) / "stage" /
                          (std::string(test->test_suite_name()) + "." + test->name());
    fs::remove_all(root);
    fs::create_directories(root);
    for (const char* folder : {"Graphic", "MjRes"})
        fs::create_directory_symlink(fs::path(MJ_GAME_DIR) / folder, root / folder);
    return root.string();
}

}  // namespace

// The style the test program draws: the new style, unless built with MJ_STAGE_CLASSIC.
#if MJ_STAGE_CLASSIC
constexpr TableStyle kStageStyle = TableStyle::Classic;
#else
constexpr TableStyle kStageStyle = TableStyle::NewStyle;
#endif

Stage& MidHand() {
    static const std::string folder = UseBuiltPictures();
    return MidHand(folder, kStageStyle);
}

namespace {

tagMj T(int value, int suit) {
    return tagMj{static_cast<signed char>(value), static_cast<signed char>(suit)};
}

GetMj Meld(std::initializer_list<tagMj> tiles, unsigned char kind) {
    GetMj meld;
    for (const tagMj& t : tiles) meld.Mj[meld.num++] = t;
    meld.kind = kind;
    return meld;
}

}  // namespace

DeskCursor HiddenDiscardCell(const Stage& stage) {
    DeskCursor cell{-1, -1};
    stage.draw->desk.CellOfDiscard(0, 1, &cell);
    return cell;
}

Stage& LateHandWithMelds() {
    Stage& stage = MidHand();
    CMjPlayer* seats = stage.table->Player;
    CMjPlayer& own = seats[0];
    own.cardnum = 7;
    own.Mj[own.cardnum] = own.newmj;
    own.Gang[own.gangnum++] = Meld({T(2, 2), T(3, 2), T(4, 2)}, kKindChow);
    CMjPlayer& right = seats[1];
    right.cardnum = 1;
    right.hasnew = 0;
    right.action = 0;
    right.Gang[right.gangnum++] = Meld({T(5, 0), T(5, 0), T(5, 0)}, kKindPung);
    right.Gang[right.gangnum++] = Meld({T(4, 3), T(4, 3), T(4, 3), T(4, 3)}, kKindKong);
    right.Gang[right.gangnum++] = Meld({T(8, 2), T(8, 2), T(8, 2)}, kKindPung);
    const DeskCursor hidden = HiddenDiscardCell(stage);
    stage.table->deskhidden[hidden.a * kDeskSize + hidden.b] = 1;
    own.score = -250;
    seats[2].score = 0;
    return stage;
}

bool SameRect(const platform::Rect& a, const platform::Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::ostream& operator<<(std::ostream& out, const At& at) {
    return out << "(" << at.x << ", " << at.y << ")";
}

std::ostream& operator<<(std::ostream& out, const Body& body) {
    return out << body.at << (body.dim ? " dim" : "");
}

std::vector<At> CornersOf(const platform::testing::DrawRecorder& drawn,
                          const platform::Surface* source, const platform::Rect* part) {
    std::vector<At> out;
    for (const platform::DrawCall& call : drawn.From(source))
        if (!part || SameRect(call.src, *part)) out.push_back({call.dst.left, call.dst.top});
    return out;
}

std::vector<Body> TileBodies(const platform::testing::DrawRecorder& drawn, const CMjDraw& draw) {
    const platform::Rect body{330, 0, 385, 75};
    std::vector<Body> out;
    for (const platform::DrawCall& call : drawn.From(draw.lpDDSPaiSheet))
        if (SameRect(call.src, body))
            out.push_back({{call.dst.left, call.dst.top}, call.kind == platform::DrawKind::AlphaBlt});
    return out;
}

}  // namespace tabletest
