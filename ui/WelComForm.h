// The save slots: a full-screen dialog listing the five slot files `Save\<n>.cmj`, each with a
// new-game and a load button, and a button back to the start screen.  A new game in a slot
// that holds a game asks first (CNewGameDlg).  The background music stays off while the
// dialog is up and comes back when it closes.  Dialog id 6.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/BitForm.h"

class CWelComForm : public CBitForm {
public:
    static constexpr int kSlots = 5;
    // Buttons 0..4 start a new game in slot 1..5, 5 returns to the start screen, 6..10 load
    // slot 1..5.
    static constexpr int kFirstNewGame = 0;
    static constexpr int kBack = 5;
    static constexpr int kFirstLoad = 6;

    // The slot file of slot n (1..5): the program folder's `Save\<n>.cmj`.
    static std::string SlotPath(int n);

    CWelComForm(std::string_view backgroundPath, CMj* owner);

    // Notes which slot files exist; a load button shows "档案<n>" and takes clicks only for an
    // existing file.  The table calls it again after saving a game.
    void ScanSaveSlots();

    void SetPos(int x, int y) override;
    // Active, then the music off while its option is on.
    void Show() override;
    // Inactive, the effect in slot 2 stopped, and the music back while its option is on.
    void Close() override;
    int OnLButtonDown(int x, int y) override;
    int OnMouseMove(int x, int y) override;
    int OnLButtonUp(int x, int y) override;

    // 1 when the file of slot n + 1 existed at the last scan.
    std::uint8_t slotExists[kSlots] = {};
    // The slot chosen last by a new-game or load click, 1..5; 0 before any.
    int currentSlot = 0;

private:
    void NewGameIn(int slot);
    void LoadSlot(int slot);
};
