#include "engine/TableButtons.h"

#include "ui/BitButtonArray.h"

namespace {
constexpr bool kDisabled = true;
constexpr bool kEnabled = false;
constexpr bool kShown = true;
constexpr bool kHidden = false;
}  // namespace

const TableButtonDef kTableButtonDefs[kTableButtonCount] = {
    {"Graphic\\peng.bmp", "Graphic\\peng.bmp", "", kDisabled, kHidden, kHidden},
    {"Graphic\\gang.bmp", "Graphic\\gang.bmp", "", kDisabled, kHidden, kHidden},
    {"Graphic\\hu.bmp", "Graphic\\hu.bmp", "", kDisabled, kHidden, kHidden},
    {"Graphic\\guo.bmp", "Graphic\\guo.bmp", "", kDisabled, kHidden, kHidden},
    {"IDB_BUTTON", "IDB_BUTTON", "出", kEnabled, kHidden, kHidden},
    {"IDB_BUTTON", "IDB_BUTTON", "OK", kEnabled, kHidden, kHidden},
    {"Graphic\\MainForm\\newgame.bmp", "Graphic\\MainForm\\newgame.bmp", "", kEnabled, kHidden,
     kHidden},
    {"IDB_BUTTON", "IDB_BUTTON", "设置", kEnabled, kHidden, kHidden},
    {"IDB_BUTTON", "IDB_BUTTON", "规则", kEnabled, kHidden, kHidden},
    {"Graphic\\MainForm\\Close.bmp", "Graphic\\MainForm\\Close.bmp", "", kEnabled, kShown,
     kHidden},
    {"IDB_BUTTON", "IDB_BUTTON", "缩小", kEnabled, kHidden, kHidden},
    {"IDB_BUTTON_QUEDING", "IDB_BUTTON_QUEDING", "", kEnabled, kHidden, kHidden},
    {"Graphic\\chi.bmp", "Graphic\\chi.bmp", "", kDisabled, kHidden, kHidden},
    {"Graphic\\chi.bmp", "Graphic\\chi.bmp", "", kEnabled, kHidden, kHidden},
    {"Graphic\\chi.bmp", "Graphic\\chi.bmp", "", kEnabled, kHidden, kHidden},
    {"Graphic\\start.bmp", "Graphic\\NewStyle\\start.bmp", "", kEnabled, kHidden, kHidden},
    {"Graphic\\MainMenu.bmp", "Graphic\\NewStyle\\MainMenu.bmp", "", kEnabled, kShown, kShown},
    {"Graphic\\ChatWnd\\send.bmp", "Graphic\\NewStyle\\send.bmp", "", kEnabled, kHidden,
     kHidden},
    {"Graphic\\ChatWnd\\up.bmp", "Graphic\\ChatWnd\\up.bmp", "", kEnabled, kHidden, kHidden},
    {"Graphic\\ChatWnd\\down.bmp", "Graphic\\ChatWnd\\down.bmp", "", kEnabled, kHidden, kHidden},
    {"Graphic\\MainForm\\btn_invite.bmp", "Graphic\\NewStyle\\btn_invite.bmp", "", kEnabled,
     kHidden, kHidden},
    {"Graphic\\ChatWnd\\senddefault.bmp", "Graphic\\ChatWnd\\senddefault.bmp", "", kEnabled,
     kHidden, kHidden},
    {"Graphic\\ting.bmp", "Graphic\\ting.bmp", "", kDisabled, kHidden, kHidden},
    {"Graphic\\tang.bmp", "Graphic\\tang.bmp", "", kEnabled, kHidden, kHidden},
    {"Graphic\\piao.bmp", "Graphic\\piao.bmp", "", kEnabled, kHidden, kHidden},
    {"Graphic\\piaono.bmp", "Graphic\\piaono.bmp", "", kEnabled, kHidden, kHidden},
    {"Graphic\\MainForm\\max.bmp", "Graphic\\MainForm\\max.bmp", "", kEnabled, kHidden, kHidden},
    {"Graphic\\NewStyle\\设置.bmp", "Graphic\\NewStyle\\设置.bmp", "", kEnabled, kHidden, kHidden},
    {"Graphic\\NewStyle\\网站.bmp", "Graphic\\NewStyle\\网站.bmp", "", kEnabled, kHidden, kHidden},
    {"Graphic\\NewStyle\\帮助.bmp", "Graphic\\NewStyle\\帮助.bmp", "", kEnabled, kHidden, kHidden},
    {"Graphic\\NewStyle\\离开.bmp", "Graphic\\NewStyle\\离开.bmp", "", kEnabled, kHidden, kHidden},
};

void AddTableButtons(CBitButtonArray& buttons, bool newStylePictures, bool classicTable) {
    for (const TableButtonDef& def : kTableButtonDefs) {
        buttons.Add(newStylePictures ? def.newStyleBitmap : def.classicBitmap, def.caption);
        CBitButton& button = *buttons.GetButton(buttons.count - 1);
        button.enabled = def.disabled ? 0 : 1;
        button.visible = (classicTable ? def.shownInClassic : def.shownInNewStyle) ? 1 : 0;
    }
}
