// The program's table in its real window (offscreen Qt), as the program wires it: the table
// drawn by its renderer, the window's events handed to the table, frames presented to the
// window.  Time is a virtual clock (the timers, the pauses and the game's seconds), the sound,
// music, message boxes and desktop are recorders, and the person at the table acts only through
// mouse and key events sent to the window.
#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/Mj.h"
#include "platform/qt/QtGameWindow.h"
#include "platform/testing/DesktopRecorder.h"
#include "platform/testing/MessageBoxRecorder.h"
#include "platform/testing/RecordingMusicPlayer.h"
#include "platform/testing/RecordingSoundSystem.h"
#include "platform/testing/ScopedService.h"
#include "platform/testing/VirtualClock.h"
#include "rules/Random.h"
#include "engine/RendererPresentation.h"
#include "shell/TableEvents.h"
#include "testsupport/engine/HeadlessTable.h"
#include "tests/engine/EngineTestSupport.h"
#include "tests/support/PngWriter.h"
#include "ui/BitForm.h"

namespace shelltest {

class WindowTable : public ::testing::Test {
protected:
    explicit WindowTable(unsigned seed = 1)
        : folder_(enginetest::ProgramFolderOfTheBuild("window")),
          // The ticks reach the table as the window's own timers deliver them.
          clock_([this](int id) {
              if (events) events->OnTimer(id);
          }),
          gameClock_(seed, clock_),
          timers_(&clock_),
          sleeps_(&clock_),
          sound_(&soundRecorder),
          music_(&musicRecorder),
          boxes_(&boxRecorder),
          desktop_(&desktopRecorder),
          presenter_(&window_) {
        nActiveForm = 0;
        table = std::make_unique<CMj>(&presentation);
        events = std::make_unique<TableEvents>(*table);
        window_.SetReceiver(events.get());
        window_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
        QCoreApplication::processEvents();
    }
    ~WindowTable() override {
        window_.SetReceiver(nullptr);
            table.reset();
        nActiveForm = 0;
    }

    CMj& T() { return *table; }
    CMjPlayer& User() { return table->Player[0]; }
    platform::testing::VirtualClock& Clock() { return clock_; }

    // --- The person's hands: mouse and keys through the window ----------------------------
    void Move(int x, int y) { Mouse(QEvent::MouseMove, Qt::NoButton, x, y); }
    void Press(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        Mouse(QEvent::MouseButtonPress, button, x, y);
    }
    void Release(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        Mouse(QEvent::MouseButtonRelease, button, x, y);
    }
    // A move onto the point, a second move inside it (a move that leaves a hovered button
    // only redraws), a press and a release.
    void ClickAt(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        Move(x, y);
        Move(x + 1, y);
        Press(x + 1, y, button);
        Release(x + 1, y, button);
    }
    // A key going down and up; `text` is what it types.
    void Key(int qtKey, const QString& text = {}) {
        Send(QKeyEvent(QEvent::KeyPress, qtKey, Qt::NoModifier, text));
        Send(QKeyEvent(QEvent::KeyRelease, qtKey, Qt::NoModifier, text));
    }

    // The middle of a table button, or of a dialog's button.
    static QPoint Middle(const CBitButton& b) {
        return {b.x + (b.pictureRect.right - b.pictureRect.left) / 10, b.y + b.GetHeight() / 2};
    }
    void ClickButton(int id) {
        const QPoint p = Middle(T().Button(id));
        ClickAt(p.x(), p.y());
    }
    void ClickDialogButton(const CBitForm& form, int index) {
        const QPoint p = Middle(*form.buttons.GetButton(index));
        ClickAt(p.x(), p.y());
    }
    // The middle of the tile at a hand position of the user (cardnum: the drawn tile), as the
    // renderer lays the hand out.
    QPoint TileAt(int position) {
        const CMjDraw& r = T().renderer;
        const CMjPlayer& p = User();
        constexpr int kDrawnGap = 20;
        const int left = r.OwnHandAnchor.x - r.nTileW * p.cardnum - kDrawnGap;
        const int gap = position >= p.cardnum ? kDrawnGap : 0;
        return {left + position * r.nTileW + gap + r.nTileW / 2, r.OwnHandAnchor.y + r.nTileH / 2};
    }
    void HoverTile(int position) {
        const QPoint p = TileAt(position);
        Move(p.x(), p.y());
        Move(p.x() + 1, p.y());
    }
    void ClickTile(int position) {
        const QPoint p = TileAt(position);
        ClickAt(p.x(), p.y());
    }

    // Advances the clock tick by tick until `done` holds or `ms` of virtual time have passed.
    template <typename Done>
    bool RunUntil(Done done, std::uint64_t ms = 120000) {
        const std::uint64_t end = clock_.Now() + ms;
        while (!done() && clock_.Now() < end)
            if (!clock_.AdvanceToNextTick()) break;
        return done();
    }

    // The window's picture (or a frame kept on the way) as PNG under MJ_TEST_OUT_DIR/window/,
    // for a person to look at.
    void WriteGolden(const std::string& name) {
        const QImage& frame = window_.Frame();
        platform::Surface copy(frame.width(), frame.height());
        for (int y = 0; y < frame.height(); ++y)
            std::memcpy(copy.Row(y), frame.constScanLine(y), static_cast<std::size_t>(copy.Pitch()));
        WriteGolden(name, copy);
    }
    static void WriteGolden(const std::string& name, const platform::Surface& frame) {
        const auto dir = std::filesystem::path(MJ_TEST_OUT_DIR) / "window";
        std::filesystem::create_directories(dir);
        EXPECT_TRUE(testsupport::WritePng(frame, (dir / (name + ".png")).string())) << name;
    }
    const QImage& Frame() const { return window_.Frame(); }

    // Passes every frame on to the window and keeps a copy of the one numbered `keep` (from 1).
    class FrameTap : public platform::Presenter {
    public:
        FrameTap(platform::Presenter& next, int keep) : next_(next), keep_(keep) {}
        void Present(const std::uint16_t* pixels, int width, int height, int pitchBytes) override {
            if (++count == keep_ && width == kept.Width() && height == kept.Height())
                for (int y = 0; y < height; ++y)
                    std::memcpy(kept.Row(y), reinterpret_cast<const char*>(pixels) + y * pitchBytes,
                                static_cast<std::size_t>(kept.Pitch()));
            next_.Present(pixels, width, height, pitchBytes);
        }
        int count = 0;
        platform::Surface kept{800, 600};

    private:
        platform::Presenter& next_;
        int keep_;
    };
    FrameTap Tap(int keep) { return FrameTap(window_, keep); }

    // Seat 0's player: decides as the scripted user does and acts with the mouse on the window.
    class Person : public enginetest::ScriptedUser {
    public:
        explicit Person(WindowTable& w) : ScriptedUser(*w.table), w_(w) {}

        // Chows and kongs picked by a tile click among several options.
        int chowPicks = 0;
        int kongPicks = 0;

    protected:
        void ClickButton(int id) override { w_.ClickButton(id); }
        void PlayTileAt(int position) override { w_.ClickTile(position); }
        // A kong choice takes the mouse on the first hand tile that holds it, else the drawn one.
        void PickKong(const tagMj& tile) override {
            const CMjPlayer& p = t_.Player[0];
            int position = p.cardnum;
            for (int i = p.cardnum - 1; i >= 0; --i)
                if (TileEqual(p.Mj[i], tile) && p.canplay[i]) position = i;
            ++kongPicks;
            w_.ClickTile(position);
        }
        // A chow choice is picked by its lower hand tile, whose partner is the higher one.
        void PickChow(const tagMj& first, const tagMj&) override {
            ++chowPicks;
            w_.ClickTile(Position(t_.Player[0], first));
        }

    private:
        WindowTable& w_;
    };

    platform::testing::RecordingSoundSystem soundRecorder;
    platform::testing::RecordingMusicPlayer musicRecorder;
    platform::testing::MessageBoxRecorder boxRecorder;
    platform::testing::DesktopRecorder desktopRecorder;
    RendererPresentation presentation;
    std::unique_ptr<CMj> table;
    std::unique_ptr<TableEvents> events;

private:
    void Send(QEvent&& event) { QCoreApplication::sendEvent(&window_, &event); }
    void Mouse(QEvent::Type type, Qt::MouseButton button, int x, int y) {
        const QPointF local(x, y);
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        Send(QMouseEvent(type, local, window_.mapToGlobal(local), button, held, Qt::NoModifier));
    }

    std::filesystem::path folder_;
    platform::QtGameWindow window_;
    platform::testing::VirtualClock clock_;
    enginetest::SeededGameClock gameClock_;
    platform::testing::ScopedTimerService timers_;
    platform::testing::ScopedSleepService sleeps_;
    platform::testing::ScopedSoundSystem sound_;
    platform::testing::ScopedMusicPlayer music_;
    platform::testing::ScopedMessageBoxes boxes_;
    platform::testing::ScopedDesktop desktop_;
    platform::testing::ScopedPresenter presenter_;
};

}  // namespace shelltest
