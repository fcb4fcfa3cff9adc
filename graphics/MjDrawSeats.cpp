// The seat pictures: each seat's avatar loaded when the seat's player changes, and the
// new-style figures of the three other seats drawn at their places.
#include <algorithm>
#include <cstring>
#include <string>

#include "engine/Mj.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/ImageLoader.h"
#include "graphics/MjDraw.h"
#include "graphics/SurfaceHelpers.h"
#include "graphics/TileCells.h"
#include "online/AvatarCache.h"
#include "platform/Path.h"
#include "ui/DxGameChatWnd.h"

namespace {

// The chat pane's frame on the screen (its background's corner stands out of the text
// rectangle by the frame inset); empty while the pane is hidden.
platform::Rect ChatPaneOnScreen(const CDxGameChatWnd* chat) {
    if (chat == nullptr || !chat->visible) return {};
    const int left = chat->rect.left - CChatWindow::kFrameInset;
    const int top = chat->rect.top - CChatWindow::kFrameInset;
    return {left, top, left + chat->backgroundRect.right, top + chat->backgroundRect.bottom};
}

// Copies `part` of `picture` keyed to `at`, leaving out what would fall inside `hole`: the
// bands above and below it, then those left and right of it.
void KeyedAround(platform::Surface* picture, const platform::Rect& part, MjPoint at,
                 const platform::Rect& hole) {
    const platform::Rect dst{at.x, at.y, at.x + part.right - part.left,
                             at.y + part.bottom - part.top};
    const platform::Rect cut{std::max(dst.left, hole.left), std::max(dst.top, hole.top),
                             std::min(dst.right, hole.right), std::min(dst.bottom, hole.bottom)};
    if (cut.left >= cut.right || cut.top >= cut.bottom) {
        platform::BltFast(lpDDSPla, at.x, at.y, picture, &part, kKeyedCopy);
        return;
    }
    const auto band = [&](int left, int top, int right, int bottom) {
        if (left >= right || top >= bottom) return;
        const platform::Rect src{part.left + left - at.x, part.top + top - at.y,
                                 part.left + right - at.x, part.top + bottom - at.y};
        platform::BltFast(lpDDSPla, left, top, picture, &src, kKeyedCopy);
    };
    band(dst.left, dst.top, dst.right, cut.top);
    band(dst.left, cut.bottom, dst.right, dst.bottom);
    band(dst.left, cut.top, cut.left, cut.bottom);
    band(cut.right, cut.top, dst.right, cut.bottom);
}

constexpr int kFirstAvatar = 1;
constexpr int kLastAvatar = 12;
// The largest downloaded portrait shown.
constexpr int kMaxPortraitWidth = 140;
constexpr int kMaxPortraitHeight = 226;

// Portrait frames the table sets on a seat: at rest, discarding, blinking.
constexpr int kFaceDiscard = 1;
constexpr int kFaceBlink = 11;

// The folder of a new-style seat's figures, by the side of the table the seat sits on.
const char* SideFolder(int seat) {
    static const char* const kSides[4] = {"", "Right", "Up", "Left"};
    return kSides[seat];
}

std::string FigurePath(int picture, int seat, const char* file) {
    return platform::ProgramPath("Graphic\\Avatar\\" + std::to_string(picture) + "\\" +
                                 SideFolder(seat) + "\\" + file);
}

}  // namespace

// A seat remembers the path it loaded last and does not load it again.  The path is taken as
// loaded even when the picture could not be read, so it is not tried again until another one
// has been loaded.
void CMjDraw::LoadSeatAvatar(int seat, int picture) {
    if (picture < kFirstAvatar || picture > kLastAvatar) return;
    if (!bClassic) {
        if (seat < 1 || seat > 3 || pMj == nullptr) return;
        if (pMj->IsNetGame() && !pMj->Player[seat].occupied) return;
        const std::string role = FigurePath(picture, seat, "role.bmp");
        if (AvatarName[seat] == role) return;
        AvatarName[seat] = role;
        GReloadBitmap(role, &lpDDSPortrait[seat], &rcPortrait[seat]);
        GSetColorKey(&lpDDSPortrait[seat]);
        GReloadBitmap(FigurePath(picture, seat, "出牌.bmp"), &lpDDSSeatPose[seat][0],
                      &rcSeatPose[seat][0]);
        GSetColorKey(&lpDDSSeatPose[seat][0]);
        return;
    }
    if (seat < 0 || seat > 3 || pMj == nullptr) return;
    if (pMj->IsNetGame()) {
        LoadNetSeatPortrait(seat);
        return;
    }
    LoadSeatPortrait(seat, platform::ProgramPath("Graphic\\" + std::to_string(picture) + ".gif"), false);
}

// Online a seat a user sits in shows the user's downloaded picture once it is cached and
// current (cut to 140 x 226), else the default picture of the seat's sex.
void CMjDraw::LoadNetSeatPortrait(int seat) {
    const CMjPlayer& p = pMj->Player[seat];
    if (!p.occupied) return;
    char name[sizeof p.name + 1] = {};
    std::memcpy(name, p.name, sizeof p.name);
    const std::int32_t id = pMj->AvatarIdOf(name);
    const std::string path = AvatarCachePath(id);
    if (pMj->FindPendingAvatar(id) && platform::FileExists(path) && GIsGifFile(path))
        LoadSeatPortrait(seat, path, true);
    else
        LoadSeatPortrait(seat, platform::ProgramPath(p.sex == 1 ? "male.gif" : "female.gif"), false);
}

void CMjDraw::LoadSeatPortrait(int seat, const std::string& path, bool clipped) {
    if (AvatarName[seat] == path) return;
    AvatarName[seat] = path;
    if (clipped)
        GReloadImageClipped(path, &lpDDSPortrait[seat], &rcPortrait[seat], kMaxPortraitWidth,
                            kMaxPortraitHeight);
    else
        GReloadImage(path, &lpDDSPortrait[seat], &rcPortrait[seat]);
    GSetColorKey(&lpDDSPortrait[seat]);
}

// Each figure picture holds two halves side by side: the left at rest, the right blinking
// (the role picture) or discarding (the pose picture).  Online an empty seat shows none.
//
// The table's chat pane, when shown, stands in front of the figures: a figure is left out where
// the pane lies, so that only the room shows through the pane's translucent background and no
// figure lies under its text.
void CMjDraw::DrawSeatFigures() {
    if (pMj == nullptr) return;
    const platform::Rect pane = ChatPaneOnScreen(pMj->chatlog);
    for (int s = 1; s <= 3; ++s) {
        const CMjPlayer& seat = pMj->Player[s];
        if (pMj->IsNetGame() && !seat.occupied) continue;
        const bool discarding = seat.face == kFaceDiscard;
        platform::Surface* picture = discarding ? lpDDSSeatPose[s][0] : lpDDSPortrait[s];
        const platform::Rect& whole = discarding ? rcSeatPose[s][0] : rcPortrait[s];
        const int half = whole.right / 2;
        const bool right = discarding || seat.face == kFaceBlink;
        const platform::Rect part{right ? half : 0, 0, right ? whole.right : half, whole.bottom};
        KeyedAround(picture, part, FigurePos[s], pane);
    }
}
