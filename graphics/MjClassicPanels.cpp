// The classic seat panels: each seat's picture (online with the other players' names and level
// titles), the user's name and title, and the chips, level marks and scores.  Online a seat
// that nobody occupies shows none of them, except that the user's own score is always shown.
#include <cstring>
#include <string>

#include "engine/Mj.h"
#include "graphics/AlphaBlend.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/LevelTable.h"
#include "graphics/MjDraw.h"
#include "graphics/TileCells.h"
#include "platform/Text.h"

namespace {

// Panel texts: 宋体 of 12 pixels, regular.
constexpr platform::Font kPanelFont{-12, 400, false};
constexpr std::uint32_t kPanelNameColor = 0xC6AA84;  // RGB(132, 170, 198)
constexpr std::uint32_t kOwnNameColor = 0x808080;    // RGB(128, 128, 128)
constexpr std::uint32_t kScoreColor = 0xFFFFFF;

// Seat pictures fill 140 × 226 from each seat's corner; during a hand they are blended in
// their own size.
constexpr MjPoint kAvatarAt[4] = {{330, 354}, {654, 187}, {548, 28}, {6, 187}};
constexpr int kAvatarW = 140;
constexpr int kAvatarH = 226;
constexpr int kAvatarOpacity = 200;
constexpr int kPanelOrder[4] = {3, 1, 2, 0};

// The other players' names and titles under (or beside) their pictures, online.
struct NamePlace {
    int seat;
    platform::Rect name;
    platform::Rect title;
    unsigned format;
};
constexpr NamePlace kNamePlaces[] = {
    {3, {6, 177, 146, 195}, {6, 197, 146, 215}, platform::kDtCenter},
    {1, {654, 177, 794, 195}, {654, 197, 794, 215}, platform::kDtCenter},
    {2, {656, 43, 796, 83}, {686, 63, 796, 81}, 0},
};

// The user's name and title at the bottom left.
constexpr platform::Rect kOwnNameRect{16, 564, 100, 584};
constexpr platform::Rect kOwnTitleRect{38, 581, 128, 601};

// The chips of seats 2 and 0 move to fixed places every frame; level marks are cells 15 pixels
// wide, 20 of them.
constexpr MjPoint kChipsOpposite{656, 86};
constexpr MjPoint kChipsOwn{113, 574};
constexpr int kLevelCellW = 15;
constexpr int kLastLevel = 19;
constexpr MjPoint kLevelOpposite{656, 63};
constexpr MjPoint kLevelOwn{16, 584};
constexpr int kSideLevelDrop = 45;
constexpr platform::Rect kOppositeScoreRect{690, 86, 750, 106};
constexpr MjPoint kOwnScoreAt{138, 583};

void Text(platform::Rect rect, const char* text, const platform::Font& font, unsigned format,
          std::uint32_t color) {
    platform::DrawText(*lpDDSPla, &rect, text, std::strlen(text), font, format,
                       platform::TextPaint{color});
}

// A seat's name: at most its 20 bytes, up to the terminator.
std::string NameOf(const CMjPlayer& p) { return std::string(p.name, strnlen(p.name, sizeof p.name)); }

}  // namespace

void CMjDraw::DrawAvatars(CMjPlayer* seats) {
    const bool online = pMj && pMj->IsNetGame();
    const bool handRunning = pMj && pMj->state == kHandRunning;
    for (int s : kPanelOrder) {
        const CMjPlayer& p = seats[s];
        const MjPoint at = kAvatarAt[s];
        rcAvatar[s] = {at.x, at.y, at.x + kAvatarW, at.y + kAvatarH};
        const platform::Rect& picture = rcPortrait[s];
        if (handRunning || (online && p.occupied && p.started))
            GAlphaBlt(lpDDSPortrait[s], at.x, at.y, 0, 0, picture.right, picture.bottom,
                      kAvatarOpacity);
        else if (!online || p.occupied)
            platform::Blt(lpDDSPla, &rcAvatar[s], lpDDSPortrait[s], &picture,
                          platform::kBltKeySrc | platform::kBltWait);
    }
    if (!online) return;
    for (const NamePlace& place : kNamePlaces) {
        const CMjPlayer& p = seats[place.seat];
        if (!p.occupied) continue;
        Text(place.name, NameOf(p).c_str(), kPanelFont, place.format, kPanelNameColor);
        Text(place.title, LevelForScore(p.score).title, kPanelFont, place.format,
             kPanelNameColor);
    }
}

void CMjDraw::DrawOwnNameClassic(CMjPlayer* seats) {
    const CMjPlayer& own = seats[0];
    Text(kOwnNameRect, NameOf(own).c_str(), platform::kIconTitleFont, 0, kOwnNameColor);
    if (pMj == nullptr || !pMj->IsNetGame() || own.occupied)
        Text(kOwnTitleRect, LevelForScore(own.score).title, platform::kIconTitleFont, 0,
             kOwnNameColor);
}

void CMjDraw::DrawLevels(CMjPlayer* seats) {
    const bool online = pMj && pMj->IsNetGame();
    const auto shown = [&](int s) { return !online || seats[s].occupied; };
    ChipsPos[2] = kChipsOpposite;
    ChipsPos[0] = kChipsOwn;

    for (int s = 0; s < 4; ++s)
        if (shown(s)) DrawKeyedCell(lpDDSChips, rcChips, ChipsPos[s].x, ChipsPos[s].y);

    const MjPoint levelAt[4] = {kLevelOwn,
                                {ChipsPos[1].x, ChipsPos[1].y + kSideLevelDrop},
                                kLevelOpposite,
                                {ChipsPos[3].x, ChipsPos[3].y + kSideLevelDrop}};
    for (int s : {1, 3, 2, 0}) {
        if (!shown(s)) continue;
        int level = LevelIndexForScore(seats[s].score);
        if (level < 0 || level > kLastLevel) level = kLastLevel;
        const platform::Rect cell{kLevelCellW * level, 0, kLevelCellW * (level + 1), rcLevel.bottom};
        DrawKeyedCell(lpDDSLevel, cell, levelAt[s].x, levelAt[s].y);
    }

    const int cw = rcChips.right;
    const int ch = rcChips.bottom;
    for (int s : {1, 3}) {
        if (!shown(s)) continue;
        const MjPoint c = ChipsPos[s];
        Text({c.x - 30, c.y + ch + 3, c.x + cw + 30, c.y + ch + 23},
             std::to_string(seats[s].score).c_str(), kPanelFont, platform::kDtCenter, kScoreColor);
    }
    if (shown(2))
        Text(kOppositeScoreRect, std::to_string(seats[2].score).c_str(), kPanelFont, 0,
             kScoreColor);
    const std::string own = std::to_string(seats[0].score);
    platform::TextOut(*lpDDSPla, kOwnScoreAt.x, kOwnScoreAt.y, own.c_str(), own.size(), kPanelFont,
                      platform::TextPaint{kScoreColor});
}
