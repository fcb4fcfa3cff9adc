#include "ui/ModeForm.h"

#include <iterator>

#include "engine/Mj.h"
#include "platform/Desktop.h"
#include "platform/WindowPost.h"
#include "ui/Dialogs.h"
#include "ui/WelComForm.h"

const char* const kHomePageAddress = "https://cuiling.example/";
const char* const kMoreGamesAddress = "https://cuiling.example/moregames?from=cuiling";

namespace {

struct ModeButton {
    const char* picture;
    int x;
    int y;
};
// In index order.
constexpr ModeButton kModeButtons[] = {
    {"Graphic\\ModeForm\\btexit.bmp", 291, 462},   {"Graphic\\ModeForm\\btnet.bmp", 291, 324},
    {"Graphic\\ModeForm\\btgame.bmp", 291, 278},   {"Graphic\\ModeForm\\bthome.bmp", 291, 371},
    {"Graphic\\ModeForm\\moregame.bmp", 291, 416},
};

}  // namespace

CModeForm::CModeForm(std::string_view backgroundPath, CMj* ownerTable)
    : CBitForm(backgroundPath, ownerTable) {
    for (const ModeButton& b : kModeButtons) buttons.Add(b.picture, "");
    SetPos(0, 0);
}

void CModeForm::SetPos(int newX, int newY) {
    CBitForm::SetPos(newX, newY);
    for (int i = 0; i < static_cast<int>(std::size(kModeButtons)); ++i)
        buttons.SetPos(i, kModeButtons[i].x, kModeButtons[i].y);
}

void CModeForm::Show() {
    nActiveForm = kModeFormId;
    Redraw();
}

int CModeForm::OnLButtonDown(int px, int py) { return PressButtons(px, py); }

int CModeForm::OnMouseMove(int px, int py) { return HoverButtons(px, py); }

int CModeForm::OnLButtonUp(int px, int py) {
    const int index = buttons.MouseUp(px, py);
    switch (index) {
        case kExit:
            // The main window closes as from its close box, without asking while this dialog is
            // the active one.
            platform::PostNotice(platform::kCloseRequest, "");
            break;
        case kNet:
            // The server-line chooser comes with online play.
            break;
        case kGame:
            if (pWelComForm) pWelComForm->Show();
            break;
        case kHome:
            Redraw();
            platform::OpenUrl(kHomePageAddress);
            break;
        case kMoreGames:
            Redraw();
            platform::OpenUrl(kMoreGamesAddress);
            break;
        default: break;
    }
    return index;
}
