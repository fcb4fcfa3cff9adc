#include "ui/InputNameDlg.h"

#include <string>

#include "engine/Mj.h"
#include "graphics/SurfaceHelpers.h"
#include "platform/Ini.h"
#include "platform/Path.h"
#include "rules/Random.h"
#include "ui/Dialogs.h"
#include "ui/WidgetDraw.h"

namespace {

// The strips and where each seat's picture stands on the screen, whatever the origin.
struct SeatPicture {
    const char* strip;
    int cellWidth;
    int cellHeight;
    int x;
    int y;
    const char* key;  // its SET.ini key in section Avatar
};
constexpr SeatPicture kSeatPictures[4] = {
    {"Graphic\\InputName\\对家和自己.bmp", 105, 123, 217, 332, "SPlayer"},
    {"Graphic\\InputName\\下家.bmp", 100, 142, 364, 215, "EPlayer"},
    {"Graphic\\InputName\\对家和自己.bmp", 105, 123, 217, 189, "NPlayer"},
    {"Graphic\\InputName\\上家.bmp", 100, 142, 80, 215, "WPlayer"},
};
constexpr int kForbidX = 574;
constexpr int kForbidY = 315;

// The arrows from the origin, buttons 1..8: seat 0 back and on, seat 1, seat 2, seat 3.
struct ArrowSpot {
    int x;
    int y;
};
constexpr ArrowSpot kArrows[8] = {{217, 459}, {291, 459}, {363, 175}, {437, 175},
                                  {217, 148}, {291, 148}, {78, 175},  {152, 175}};

constexpr int kEnter = 13;
constexpr int kFirstMaleAvatar = 6;

std::string SettingsPath() { return platform::ProgramPath("SET.ini"); }

}  // namespace

CInputNameDlg::CInputNameDlg(std::string_view backgroundPath, CMj* ownerTable)
    : CBitForm(backgroundPath, ownerTable) {
    KeyBackground();
    for (int s = 0; s < 4; ++s)
        LoadWidgetPicture(kSeatPictures[s].strip, &seatStrips[s], &seatStripRects[s], true);
    LoadWidgetPicture("Graphic\\InputName\\Forbid.bmp", &forbid, &forbidRect, true);
    buttons.Add("Graphic\\InputName\\queding.bmp", "");
    for (int k = 0; k < 4; ++k) {
        buttons.Add("Graphic\\InputName\\左移动.bmp", "");
        buttons.Add("Graphic\\InputName\\右移动.bmp", "");
    }
    nameEdit = std::make_unique<CDxEdit>("Graphic\\InputName\\Edit.bmp");
    nameEdit->focus = 1;
    nameEdit->textColor = 0xFFFFFF;
    const char* family[2] = {"Graphic\\InputName\\checkbox1.bmp",
                             "Graphic\\InputName\\checkbox2.bmp"};
    const char* variant[2] = {"Graphic\\InputName\\checkbox3.bmp",
                              "Graphic\\InputName\\checkbox4.bmp"};
    officialBox = std::make_unique<CBitCheckBox>(family[0], family[1]);
    secondFamilyBox = std::make_unique<CBitCheckBox>(family[0], family[1]);
    noWildBox = std::make_unique<CBitCheckBox>(variant[0], variant[1]);
    wildAfterBox = std::make_unique<CBitCheckBox>(variant[0], variant[1]);
    wildBeforeBox = std::make_unique<CBitCheckBox>(variant[0], variant[1]);
    officialBox->checked = 0;
    secondFamilyBox->checked = 1;
    noWildBox->checked = 1;
    wildAfterBox->checked = 0;
    wildBeforeBox->checked = 0;
    SetPosCentred();
}

CInputNameDlg::~CInputNameDlg() {
    for (platform::Surface*& strip : seatStrips) GReleaseSurface(&strip);
    GReleaseSurface(&forbid);
}

void CInputNameDlg::SetPos(int newX, int newY) {
    CBitForm::SetPos(newX, newY);
    nameEdit->SetPos(newX + 29, newY + 522);
    buttons.SetPos(kOk, newX + 392, newY + 516);
    for (int i = 0; i < 8; ++i) buttons.SetPos(i + 1, newX + kArrows[i].x, newY + kArrows[i].y);
    officialBox->SetPos(newX + 545, newY + 258);
    secondFamilyBox->SetPos(newX + 668, newY + 258);
    noWildBox->SetPos(newX + 551, newY + 318);
    wildAfterBox->SetPos(newX + 552, newY + 357);
    wildBeforeBox->SetPos(newX + 552, newY + 403);
}

void CInputNameDlg::Show() {
    nActiveForm = kInputNameDlgId;
    officialBox->checked = 0;
    secondFamilyBox->checked = 1;
    MjSrand(static_cast<unsigned>(MjTime()));
    for (int& id : avatarId) id = MjRand() % kAvatars;
    // A missing key reads as 0, so only a stored value outside 0..11 keeps the random picture.
    for (int s = 0; s < 4; ++s) {
        const int stored =
            platform::ReadProfileInt("Avatar", kSeatPictures[s].key, 0, SettingsPath());
        if (stored >= 0 && stored < kAvatars) avatarId[s] = stored;
    }
    ApplyAvatars();
    Redraw();
}

void CInputNameDlg::Draw() {
    DrawKeyedBackground();
    if (officialBox->checked) DrawKeyed(forbid, forbidRect, kForbidX, kForbidY);
    for (int s = 0; s < 4; ++s) {
        const SeatPicture& p = kSeatPictures[s];
        const int id = avatarId[s];
        if (id < 0 || id >= kAvatars) continue;
        DrawKeyed(seatStrips[s], {id * p.cellWidth, 0, (id + 1) * p.cellWidth, p.cellHeight}, p.x,
                  p.y);
    }
    buttons.DrawAll();
    for (CBitCheckBox* box : {officialBox.get(), secondFamilyBox.get(), noWildBox.get(),
                              wildAfterBox.get(), wildBeforeBox.get()})
        box->Draw();
    nameEdit->Draw();
}

// The two families exclude each other; the Official family has no wild tile.  While the second
// family is checked the three variants are one radio group, in which a checked box does not
// react.
int CInputNameDlg::OnLButtonDown(int px, int py) {
    const int index = buttons.MouseDown(px, py);
    nameEdit->MouseDown(px, py);
    if (officialBox->Click(px, py)) {
        secondFamilyBox->checked = !officialBox->checked;
        if (officialBox->checked) ResetVariants();
    } else if (secondFamilyBox->Click(px, py)) {
        officialBox->checked = !secondFamilyBox->checked;
        if (officialBox->checked) ResetVariants();
    }
    if (secondFamilyBox->checked) {
        CBitCheckBox* variants[3] = {noWildBox.get(), wildAfterBox.get(), wildBeforeBox.get()};
        for (CBitCheckBox* box : variants) {
            if (box->checked || !box->Click(px, py)) continue;
            for (CBitCheckBox* other : variants)
                if (other != box) other->checked = 0;
            break;
        }
    }
    Redraw();
    return index;
}

void CInputNameDlg::ResetVariants() {
    noWildBox->checked = 1;
    wildAfterBox->checked = 0;
    wildBeforeBox->checked = 0;
}

int CInputNameDlg::OnMouseMove(int px, int py) { return HoverButtons(px, py); }

int CInputNameDlg::OnLButtonUp(int px, int py) {
    const int index = buttons.MouseUp(px, py);
    if (index < 0) return index;
    if (index == kOk)
        Confirm();
    else
        StepAvatar(index);
    ApplyAvatars();
    Redraw();
    return index;
}

// Odd buttons turn back, even ones on, without wrapping around.
void CInputNameDlg::StepAvatar(int button) {
    int& id = avatarId[(button - 1) / 2];
    if (button % 2 == 1 && id > 0) --id;
    if (button % 2 == 0 && id < kAvatars - 1) ++id;
}

int CInputNameDlg::OnKeyPress(int character) {
    nameEdit->OnChar(static_cast<unsigned char>(character));
    if (character == kEnter) {
        Confirm();
        return 1;
    }
    Redraw();
    return 0;
}

void CInputNameDlg::Confirm() {
    ApplyRules();
    if (owner) owner->PlayMusic();
    for (int s = 0; s < 4; ++s)
        platform::WriteProfileString("Avatar", kSeatPictures[s].key, std::to_string(avatarId[s]),
                                     SettingsPath());
    nActiveForm = 0;
    if (!owner) return;
    char name[kNameBytes + 1] = {};
    nameEdit->GetText(name, kNameBytes);
    owner->SetPlayerName(name);
    owner->NewGame();
}

// Official: a minimum of 8 and no wild tile; the second family: no minimum, and the wild tile
// after (rule 2) or before (rule 3) the indicator unless "no wild tile" is checked.
void CInputNameDlg::ApplyRules() {
    bWildRule = 0;
    if (owner) owner->wildkind = kWildNextTile;
    MinFan = officialBox->checked ? kOfficialMinFan : 0;
    if (secondFamilyBox->checked && !noWildBox->checked) {
        bWildRule = 1;
        if (owner) owner->wildkind = wildAfterBox->checked ? kWildNextTile : kWildPreviousTile;
    }
}

void CInputNameDlg::ApplyAvatars() {
    if (!owner) return;
    for (int s = 0; s < 4; ++s) {
        CMjPlayer& seat = *owner->GetPlayer(s);
        seat.avatar = avatarId[s];
        seat.sex = avatarId[s] >= kFirstMaleAvatar ? 1 : 0;
    }
}
