// The score sheet shown after every hand: after a win the winning tile, the winner's hand in
// its melds and groups, the fans with their values, the fan total, and every seat's name and
// score change; after an exhausted wall only its picture.  Replay starts the next hand, leave
// saves the game and returns to the save slots.  Six fan lines show at a time and scroll line
// by line; holding Space hides the sheet so the revealed hands show.  Dialog id 1.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Rect.h"
#include "platform/Surface.h"
#include "rules/Tile.h"
#include "ui/BitForm.h"

class CMjPlayer;
struct GetMj;

class CScoreForm : public CBitForm {
public:
    enum ButtonId : int { kReplay = 0, kLeave = 1, kHiddenExit = 2, kUp = 3, kDown = 4 };
    static constexpr int kVisibleLines = 6;
    // A score change this large or larger is not drawn.
    static constexpr int kUndrawnChange = 10000;

    CScoreForm(std::string_view backgroundPath, CMj* owner);
    ~CScoreForm() override;

    void Draw() override;
    void SetPos(int x, int y) override;
    // The winner is found again, the list back at its top, the sheet visible and active.
    void Show() override;
    // A press off the buttons starts a drag that nothing ever applies: until the release the
    // hover of the buttons does not change.
    int OnLButtonDown(int x, int y) override;
    int OnMouseMove(int x, int y) override;
    int OnLButtonUp(int x, int y) override;
    // Space down hides the sheet, Space up shows it again; both answer 0.
    int OnKeyDown(int key);
    int OnKeyUp(int key);

    // One picture of the tile strip at (x, y).
    void BlitTile(const tagMj& tile, int x, int y);

    // The first seat (0..3) whose winner flag is set, or -1.
    int FindWinner() const;
    // The fan lines of a seat: its set fans 0..88, then its set extra fans 0..6.
    static int CountFanLines(const CMjPlayer& seat);

    int firstLine = 0;         // list lines scrolled off the top
    std::uint8_t visible = 1;  // 0 while Space is held; the sheet stays active

    platform::Surface* tiles = nullptr;
    platform::Surface* exhausted = nullptr;
    platform::Surface* winPicture = nullptr;
    platform::Surface* largeDigits = nullptr;
    platform::Surface* smallDigits = nullptr;
    platform::Surface* largeSigns = nullptr;
    platform::Surface* smallSigns = nullptr;
    platform::Surface* barPiece = nullptr;
    platform::Rect tilesRect;
    platform::Rect exhaustedRect;
    platform::Rect winRect;
    platform::Rect largeDigitsRect;
    platform::Rect smallDigitsRect;
    platform::Rect largeSignsRect;
    platform::Rect smallSignsRect;
    platform::Rect barRect;
    int tileWidth = 0;  // the strip holds 43 tile pictures side by side

private:
    void DrawScrollTrack();
    void DrawWinnerHand(CMjPlayer& winner);
    void DrawGroup(const GetMj& group, int& penX, int penY);
    void DrawScoreChanges();
    void DrawTexts(CMjPlayer& winner);
    void DrawFanLines(CMjPlayer& winner);
    void ScrollUp();
    void ScrollDown();
};
