// The game's cursor comes from the program folder, which may hold anything under its name.
#include <QApplication>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Path.h"
#include "platform/Resource.h"
#include "platform/qt/QtGameWindow.h"
#include "platform/testing/FifoTrap.h"

namespace fs = std::filesystem;
using namespace platform;

namespace {

// The program starts by giving its window the cursor of `MjRes\IDC_WCUR.bmp`; a pipe there
// once kept it waiting before any window showed.
TEST(GameCursor, PipeInPlaceOfTheCursorIsRefusedWithoutWaiting) {
    const fs::path root = fs::path(MJ_TEST_OUT_DIR) / "cursorpipe";
    fs::remove_all(root);
    fs::create_directories(root / "MjRes");
    SetProgramFolder(root.string());
    FifoTrap trap((root / "MjRes" / "IDC_WCUR.bmp").string());
    ASSERT_TRUE(trap.Made());
    QtGameWindow window;
    EXPECT_FALSE(window.SetGameCursor(LoadResourceCursor("IDC_WCUR")));
    EXPECT_FALSE(trap.CaughtAReader());
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
