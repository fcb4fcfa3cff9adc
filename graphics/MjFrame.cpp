// One frame: the table and the active dialog composed on the composition surface, the shown
// overlay boxes over them, and the finished frame copied to the window.  There is no frame loop:
// the table object asks for a frame after every change of state.
#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "platform/Presenter.h"
#include "ui/BitForm.h"

namespace {

// A frame whose presentation reports lost surfaces is rebuilt after the surfaces are restored,
// at most this many times in all; after that it waits for the next redraw.
constexpr int kFrameTries = 3;

}  // namespace

long CMjDraw::RenderFrame(CMj* owner, const std::uint8_t* heights) {
    long result = kPresentOk;
    for (int attempt = 0; attempt < kFrameTries; ++attempt) {
        DrawTable(owner, heights);
        DrawOverlays();
        result = DrawFullScreen();
        if (result != kSurfaceLost || RestoreSurfaces() != kPresentOk) break;
    }
    return result;
}

void CMjDraw::DrawTableOnly(CMj* owner, const std::uint8_t* heights) { DrawTable(owner, heights); }

// The information box first, which hides the message box and the invitation prompt for good;
// the prompt lies above the message box.
void CMjDraw::DrawOverlays() {
    if (bInfoShown) {
        if (pInfoForm) pInfoForm->Draw();
        bMessageShown = 0;
        bInviteShown = 0;
    }
    if (bMessageShown && pShowMessageForm) pShowMessageForm->Draw();
    if (bInviteShown && pInviteMessage) pInviteMessage->Draw();
}

// The window takes the RGB565 frame as it is: 800 × 600 pixels at its client origin, whatever
// the size of its client area.
long CMjDraw::DrawFullScreen() {
    if (lpDDSPla) platform::PresentSurface(*lpDDSPla);
    return kPresentOk;
}

// The composition surface lives in memory and the window keeps no surface of its own, so
// nothing is ever lost.
long CMjDraw::RestoreSurfaces() { return kPresentOk; }

// The table always stays in its window.
void CMjDraw::SwitchDisplayMode() {}
