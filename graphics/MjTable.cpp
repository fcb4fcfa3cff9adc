// The table composition: what each active dialog does to the frame.  The table itself is
// composed in MjDrawTable.cpp.
#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "platform/Blit.h"
#include "ui/BitForm.h"

namespace {

enum class DialogPlace {
    OverTable,      // the table is composed and the dialog drawn last
    Alone,          // the dialog covers the whole frame; no table
    OverSaveSlots,  // the save-slot dialog, then this one over it; no table
};

struct DialogDraw {
    int id;
    DialogPlace place;
};

// The frame's dialog table; an id that is not here draws the table alone.
constexpr DialogDraw kDialogDraws[] = {
    {1, DialogPlace::OverTable},      // score sheet
    {2, DialogPlace::OverTable},      // options
    {6, DialogPlace::Alone},          // save slots
    {7, DialogPlace::OverSaveSlots},  // new-game confirmation
    {8, DialogPlace::OverTable},      // names and rules
    {9, DialogPlace::OverTable},      // item choice
    {10, DialogPlace::Alone},         // lobby
    {11, DialogPlace::Alone},         // start mode
    {12, DialogPlace::Alone},         // login
    {13, DialogPlace::Alone},         // sign-up
    {14, DialogPlace::OverTable},     // invitation
    {18, DialogPlace::Alone},         // server lines
};

constexpr int kSaveSlotsId = 6;

const DialogDraw* FindDialogDraw(int id) {
    for (const DialogDraw& d : kDialogDraws)
        if (d.id == id) return &d;
    return nullptr;
}

}  // namespace

void CMjDraw::DrawTable(CMj* owner, const std::uint8_t* heights) {
    const DialogDraw* how = FindDialogDraw(nActiveForm);
    CBitForm* dialog = how ? DialogForId(how->id) : nullptr;
    if (dialog && how->place == DialogPlace::OverSaveSlots) {
        if (CBitForm* saveSlots = DialogForId(kSaveSlotsId)) saveSlots->Draw();
        dialog->Draw();
        return;
    }
    if (dialog && how->place == DialogPlace::Alone) {
        dialog->Draw();
        return;
    }
    ComposeTable(owner, heights);
    if (dialog) dialog->Draw();
}
