#include "platform/qt/QtGameWindow.h"

#include <QApplication>
#include <QDropEvent>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "EventLog.h"
#include "platform/Path.h"
#include "platform/Resource.h"
#include "platform/Surface.h"
#include "platform/WindowKeys.h"
#include "tests/support/ScratchFolder.h"

namespace fs = std::filesystem;
using namespace platform;
using Lines = std::vector<std::string>;

namespace {

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
        QCoreApplication::processEvents();
        log_.Take();
    }

    // The window's picture as the screen would show it, in RGB565.
    QImage Grab() { return window_.grab().toImage().convertToFormat(QImage::Format_RGB16); }

    void Send(QEvent&& event) { QCoreApplication::sendEvent(&window_, &event); }
    void Mouse(QEvent::Type type, Qt::MouseButton button, int x, int y) {
        QPointF local(x, y);
        Send(QMouseEvent(type, local, window_.mapToGlobal(local), button,
                         type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                         Qt::NoModifier));
    }
    void Key(QEvent::Type type, int key, const QString& text = {},
             Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false) {
        Send(QKeyEvent(type, key, modifiers, text, autoRepeat));
    }

    EventLog log_;
    QtGameWindow window_{&log_};
};

// A frame with a different value in every pixel of a row, rows padded to 808 pixels.
std::vector<std::uint16_t> PatternFrame(int pitchPixels, std::uint16_t salt) {
    std::vector<std::uint16_t> pixels(static_cast<std::size_t>(pitchPixels) * 600, 0xBEEF);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            pixels[static_cast<std::size_t>(y) * pitchPixels + x] =
                static_cast<std::uint16_t>(x * 81 + y * 7 + salt);
    return pixels;
}

TEST_F(GameWindowTest, ClientAreaIsExactly800By600) {
    EXPECT_EQ(window_.size(), QSize(800, 600));
    EXPECT_EQ(window_.minimumSize(), QSize(800, 600));
    EXPECT_EQ(window_.maximumSize(), QSize(800, 600));
}

TEST_F(GameWindowTest, WindowShowsBlackUntilAFrameIsPresented) {
    QImage shown = Grab();
    EXPECT_EQ(reinterpret_cast<const std::uint16_t*>(shown.constScanLine(0))[0], 0);
    EXPECT_EQ(reinterpret_cast<const std::uint16_t*>(shown.constScanLine(599))[799], 0);
}

TEST_F(GameWindowTest, PresentedFrameIsWhatTheWindowShows) {
    const int pitch = 808;
    std::vector<std::uint16_t> frame = PatternFrame(pitch, 0);
    window_.Present(frame.data(), 800, 600, pitch * 2);
    QImage shown = Grab();
    ASSERT_EQ(shown.size(), QSize(800, 600));
    int wrong = 0;
    for (int y = 0; y < 600; ++y) {
        const auto* row = reinterpret_cast<const std::uint16_t*>(shown.constScanLine(y));
        for (int x = 0; x < 800; ++x)
            wrong += row[x] != frame[static_cast<std::size_t>(y) * pitch + x];
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(GameWindowTest, PresentRepaintsBeforeItReturns) {
    // A blocking animation presents frame after frame without returning to the event loop:
    // each one must be painted at once, without asking the game to compose again.
    PaintCounter counter;
    window_.installEventFilter(&counter);
    Surface surface(800, 600);
    for (int step = 0; step < 3; ++step) {
        surface.Row(300)[400] = static_cast<std::uint16_t>(0x1000 + step);
        int before = counter.paints;
        window_.Present(surface.Pixels(), 800, 600, surface.Pitch());
        EXPECT_GT(counter.paints, before) << step;
        EXPECT_EQ(reinterpret_cast<const std::uint16_t*>(window_.Frame().constScanLine(300))[400],
                  0x1000 + step);
    }
    window_.removeEventFilter(&counter);
    EXPECT_TRUE(log_.TakeInput().empty());
    for (const auto& line : log_.lines) EXPECT_NE(line, "paint");
}

TEST_F(GameWindowTest, PaintAsksTheReceiverForAFrameAndShowsIt) {
    Surface red(800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) red.Row(y)[x] = Rgb565(0xFF, 0, 0);
    log_.onPaint = [&] { window_.Present(red.Pixels(), 800, 600, red.Pitch()); };
    window_.repaint();
    log_.onPaint = nullptr;
    EXPECT_EQ(log_.Take(), (Lines{"paint"}));  // presenting inside the paint does not recurse
    EXPECT_EQ(reinterpret_cast<const std::uint16_t*>(Grab().constScanLine(10))[10], 0xF800);
}

TEST_F(GameWindowTest, BadFramesAreIgnored) {
    std::vector<std::uint16_t> frame(800 * 600, 0xFFFF);
    window_.Present(nullptr, 800, 600, 1600);
    window_.Present(frame.data(), 800, 600, 1598);
    window_.Present(frame.data(), 0, 600, 1600);
    window_.Present(frame.data(), 800, -1, 1600);
    EXPECT_EQ(reinterpret_cast<const std::uint16_t*>(window_.Frame().constScanLine(0))[0], 0);
    // A smaller frame covers its own corner only.
    window_.Present(frame.data(), 10, 10, 20);
    EXPECT_EQ(reinterpret_cast<const std::uint16_t*>(window_.Frame().constScanLine(9))[9], 0xFFFF);
    EXPECT_EQ(reinterpret_cast<const std::uint16_t*>(window_.Frame().constScanLine(10))[10], 0);
}

TEST_F(GameWindowTest, MouseReachesTheReceiverWithClientCoordinates) {
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, 10, 20);
    Mouse(QEvent::MouseMove, Qt::NoButton, 11, 22);
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, 12, 24);
    Mouse(QEvent::MouseButtonPress, Qt::RightButton, 799, 599);
    Mouse(QEvent::MouseButtonRelease, Qt::RightButton, 798, 598);
    Mouse(QEvent::MouseButtonPress, Qt::MiddleButton, 5, 5);  // not reported
    Mouse(QEvent::MouseButtonRelease, Qt::MiddleButton, 6, 6);  // any release is
    EXPECT_EQ(log_.TakeInput(), (Lines{"down 10 20 0", "move 11 22", "up 12 24", "down 799 599 1",
                                       "up 798 598", "up 6 6"}));
}

struct KeyCase {
    int qtKey;
    const char* text;
    Qt::KeyboardModifiers modifiers;
    Lines expected;  // press then release
};

const KeyCase kKeyCases[] = {
    {Qt::Key_Return, "\r", Qt::NoModifier, {"keydown 13", "char 0D", "keyup 13"}},
    {Qt::Key_Return, "", Qt::NoModifier, {"keydown 13", "char 0D", "keyup 13"}},
    {Qt::Key_Enter, "\r", Qt::KeypadModifier, {"keydown 13", "char 0D", "keyup 13"}},
    {Qt::Key_Escape, "\x1b", Qt::NoModifier, {"keydown 27", "char 1B", "keyup 27"}},
    {Qt::Key_Backspace, "", Qt::NoModifier, {"keydown 8", "char 08", "keyup 8"}},
    {Qt::Key_Space, " ", Qt::NoModifier, {"keydown 32", "char 20", "keyup 32"}},
    {Qt::Key_Tab, "\t", Qt::NoModifier, {"keydown 9", "keyup 9", "char 09"}},
    {Qt::Key_F1, "", Qt::NoModifier, {"keydown 112", "keyup 112"}},
    {Qt::Key_F2, "", Qt::NoModifier, {"keydown 113", "keyup 113"}},
    {Qt::Key_F3, "", Qt::NoModifier, {"keydown 114", "keyup 114"}},
    {Qt::Key_F7, "", Qt::NoModifier, {"keydown 118", "keyup 118"}},
    {Qt::Key_F12, "", Qt::NoModifier, {"keydown 123", "keyup 123"}},
    {Qt::Key_A, "a", Qt::NoModifier, {"keydown 65", "char 61", "keyup 65"}},
    {Qt::Key_A, "A", Qt::ShiftModifier, {"keydown 65", "char 41", "keyup 65"}},
    {Qt::Key_7, "7", Qt::NoModifier, {"keydown 55", "char 37", "keyup 55"}},
    {Qt::Key_7, "7", Qt::KeypadModifier, {"keydown 103", "char 37", "keyup 103"}},
    {Qt::Key_Left, "", Qt::NoModifier, {"keydown 37", "keyup 37"}},
    {Qt::Key_Down, "", Qt::NoModifier, {"keydown 40", "keyup 40"}},
    {Qt::Key_Delete, "\x7f", Qt::NoModifier, {"keydown 46", "keyup 46"}},
    {Qt::Key_Exclam, "!", Qt::ShiftModifier, {"keydown 49", "char 21", "keyup 49"}},
    {Qt::Key_Comma, ",", Qt::NoModifier, {"keydown 188", "char 2C", "keyup 188"}},
    {Qt::Key_VolumeUp, "", Qt::NoModifier, {}},
};

TEST_F(GameWindowTest, KeysArriveAsVirtualKeysAndCharacters) {
    for (const auto& c : kKeyCases) {
        Key(QEvent::KeyPress, c.qtKey, QString::fromLatin1(c.text), c.modifiers);
        Key(QEvent::KeyRelease, c.qtKey, QString::fromLatin1(c.text), c.modifiers);
        EXPECT_EQ(log_.TakeInput(), c.expected) << "Qt key 0x" << std::hex << c.qtKey;
    }
}

TEST_F(GameWindowTest, HeldKeyRepeatsItsKeyDownOnly) {
    Key(QEvent::KeyPress, Qt::Key_Space, " ");
    Key(QEvent::KeyRelease, Qt::Key_Space, " ", Qt::NoModifier, true);
    Key(QEvent::KeyPress, Qt::Key_Space, " ", Qt::NoModifier, true);
    Key(QEvent::KeyRelease, Qt::Key_Space, " ");
    EXPECT_EQ(log_.TakeInput(),
              (Lines{"keydown 32", "char 20", "keydown 32", "char 20", "keyup 32"}));
}

TEST_F(GameWindowTest, TabStaysWithTheGameInsteadOfMovingTheFocus) {
    QWidget other(&window_);
    other.setFocusPolicy(Qt::StrongFocus);
    window_.setFocus();
    QTest::keyClick(&window_, Qt::Key_Tab);
    EXPECT_EQ(log_.TakeInput(), (Lines{"keydown 9", "keyup 9", "char 09"}));
}

TEST_F(GameWindowTest, TypedChineseArrivesAsGbkBytes) {
    Key(QEvent::KeyPress, Qt::Key_unknown, QString::fromUtf8(u8"中"));
    EXPECT_EQ(log_.TakeInput(), (Lines{"char D6", "char D0"}));
}

TEST_F(GameWindowTest, InputMethodCommitArrivesAsGbkBytes) {
    EXPECT_TRUE(window_.testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(window_.inputMethodQuery(Qt::ImEnabled).toBool());
    QInputMethodEvent preedit(QString::fromUtf8(u8"zhong"), {});
    Send(std::move(preedit));  // text still being composed is not typed
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8(u8"中文"));
    Send(std::move(commit));
    QInputMethodEvent unencodable;
    unencodable.setCommitString(QString::fromUtf8(u8"😀"));
    Send(std::move(unencodable));
    EXPECT_EQ(log_.TakeInput(), (Lines{"char D6", "char D0", "char CE", "char C4", "char 3F"}));
}

TEST_F(GameWindowTest, CloseIsUpToTheReceiver) {
    log_.allowClose = false;
    EXPECT_FALSE(window_.close());
    EXPECT_TRUE(window_.isVisible());
    log_.allowClose = true;
    EXPECT_TRUE(window_.close());
    EXPECT_FALSE(window_.isVisible());
    EXPECT_EQ(log_.TakeInput(), (Lines{"close", "close"}));
}

TEST_F(GameWindowTest, PostedNoticesArriveLaterWithTheirOwnPayload) {
    std::string buffer = "first notice";
    window_.Post(kUserMessage + 1, buffer);
    buffer = "changed right after posting";
    std::thread other([&] { window_.Post(kUserMessage + 6, "from a thread"); });
    other.join();
    EXPECT_TRUE(log_.TakeInput().empty());  // nothing until the event loop runs
    QCoreApplication::sendPostedEvents(&window_);
    EXPECT_EQ(log_.TakeInput(), (Lines{"posted 1025 first notice", "posted 1030 from a thread"}));
}

TEST_F(GameWindowTest, DroppedFilesArriveAsGbkGamePaths) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromUtf8(u8"/home/玩家/Save/1.cmj")),
                  QUrl(QStringLiteral("http://example.com/x.cmj")),
                  QUrl::fromLocalFile(QStringLiteral("/tmp/b.CMJ"))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    Send(std::move(enter));
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    Send(std::move(drop));
    EXPECT_EQ(log_.TakeInput(),
              (Lines{"drop \\home\\\xCD\xE6\xBC\xD2\\Save\\1.cmj \\tmp\\b.CMJ"}));

    QMimeData text;
    text.setText(QStringLiteral("not files"));
    QDropEvent none(QPointF(1, 1), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    Send(std::move(none));
    EXPECT_TRUE(log_.TakeInput().empty());
}

// Writes a 32 × 32, 24-bit BMP: #FF00FF everywhere but an opaque 8 × 8 square at (4, 4).
void WriteCursorBmp(const fs::path& path) {
    const int size = 32, rowBytes = size * 3, imageBytes = rowBytes * size;
    std::vector<unsigned char> file(54 + imageBytes);
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, size);
    put32(22, size);  // bottom-up rows
    file[26] = 1;
    file[28] = 24;
    put32(34, imageBytes);
    for (int row = 0; row < size; ++row) {
        int y = size - 1 - row;
        for (int x = 0; x < size; ++x) {
            unsigned char* p = &file[54 + row * rowBytes + x * 3];
            bool square = x >= 4 && x < 12 && y >= 4 && y < 12;
            p[0] = square ? 0x10 : 0xFF;  // blue
            p[1] = square ? 0x20 : 0x00;  // green
            p[2] = square ? 0x31 : 0xFF;  // red (as five bits give it back)
        }
    }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
}

TEST_F(GameWindowTest, CursorComesFromABmpWithMagentaTransparent) {
    const fs::path folder = testsupport::ScratchFolder("cursor");
    fs::create_directories(folder / "MjRes");
    WriteCursorBmp(folder / "MjRes" / "IDC_WCUR.bmp");
    SetProgramFolder(folder.string());
    ASSERT_TRUE(window_.SetGameCursor(LoadResourceCursor("IDC_WCUR")));
    QCursor cursor = window_.cursor();
    EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
    QImage picture = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(picture.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(31, 31)), 0);
    EXPECT_EQ(picture.pixel(4, 4), qRgb(0x31, 0x20, 0x10));
    EXPECT_EQ(picture.pixel(11, 11), qRgb(0x31, 0x20, 0x10));
    EXPECT_EQ(qAlpha(picture.pixel(12, 4)), 0);

    window_.SetCursorVisible(false);
    EXPECT_EQ(window_.cursor().shape(), Qt::BlankCursor);
    window_.SetCursorVisible(true);
    EXPECT_EQ(window_.cursor().hotSpot(), QPoint(0, 0));
    EXPECT_EQ(window_.cursor().pixmap().size(), QSize(32, 32));
}

TEST_F(GameWindowTest, MissingOrDamagedCursorFileIsRefused) {
    const fs::path folder = testsupport::ScratchFolder("cursor");
    fs::create_directories(folder / "MjRes");
    std::ofstream(folder / "MjRes" / "damaged.bmp", std::ios::binary)
        << "BM\x10\0\0\0 not a picture";
    SetProgramFolder(folder.string());
    EXPECT_FALSE(window_.SetGameCursor(LoadResourceCursor("missing")));
    EXPECT_FALSE(window_.SetGameCursor(LoadResourceCursor("damaged")));
    EXPECT_EQ(window_.cursor().shape(), Qt::ArrowCursor);
}

}  // namespace

namespace {

TEST(GameWindowLifetime, ClosingTheWindowEndsTheEventLoop) {
    EventLog log;
    QtGameWindow window(&log);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTimer::singleShot(0, &window, [&] { window.close(); });
    QTimer guard;  // only ends a loop that the close failed to end
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(log.TakeInput(), (Lines{"close"}));
}

}  // namespace
