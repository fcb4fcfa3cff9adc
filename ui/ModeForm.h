// The start screen: a full-screen dialog with five buttons that choose online play, a single
// offline game (the save slots), the product's home page, the maker's page of more games, or
// leaving the program.  It is the first thing the table shows, and the save slots return to
// it.  Dialog id 11; while it is active the frame draws nothing else.
#pragma once

#include <string_view>

#include "ui/BitForm.h"

class CModeForm : public CBitForm {
public:
    enum ButtonId : int { kExit = 0, kNet = 1, kGame = 2, kHome = 3, kMoreGames = 4 };

    CModeForm(std::string_view backgroundPath, CMj* owner);

    // The dialog stops being active only when another dialog's Show replaces the id.
    void Close() override {}
    // The buttons stand at fixed screen positions whatever the origin.
    void SetPos(int x, int y) override;
    void Show() override;
    int OnLButtonDown(int x, int y) override;
    int OnMouseMove(int x, int y) override;
    // Acts on the button clicked; returns its index or -1.
    int OnLButtonUp(int x, int y) override;
};

// The pages buttons 3 and 4 open.
extern const char* const kHomePageAddress;
extern const char* const kMoreGamesAddress;
