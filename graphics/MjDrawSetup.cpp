// The renderer's construction, the windowed set-up with the graphics catalogue of each style,
// the start-up logo fade and the destruction.
#include <string>

#include "graphics/AlphaBlend.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "graphics/ImageLoader.h"
#include "graphics/ScreenConvert.h"
#include "graphics/SurfaceHelpers.h"
#include "platform/Blit.h"
#include "platform/Ini.h"
#include "platform/Path.h"
#include "platform/Sleep.h"
#include "rules/Log.h"

namespace {

enum class Key { Keyed, Opaque };

// A catalogue name with a number in it, written in decimal without leading zeros.
std::string Numbered(const char* prefix, int n, const char* suffix) {
    return prefix + std::to_string(n) + suffix;
}

// The logo fade: twenty frames, 50 ms apart, the logo's weight growing by 12 of 256 a frame.
constexpr int kFadeFrames = 20;
constexpr int kFadeStep = 12;
constexpr unsigned kFadePauseMs = 50;

}  // namespace

// One picture of the catalogue: where it comes from and the field it is loaded into.
struct CMjDraw::Picture {
    std::string path;
    platform::Surface** surface;
    platform::Rect* rect;
    Key key = Key::Keyed;
};

CMjDraw::CMjDraw() {
    bClassic = bNewStyle == 0 ? 1 : 0;
    nTableTop = 50;
    ClearDesk();
    for (std::string& name : AvatarName) name.clear();
}

CMjDraw::~CMjDraw() {
    // The style in use becomes the default of the next start, whether or not the display was
    // ever set up.
    platform::WriteProfileString("Window", "Style", bClassic ? "0" : "1",
                                 platform::ProgramPath("SET.ini"));
    // Only a renderer that set up the display owns the composition surface and the catalogue
    // pictures kept in globals; a table run headless never did.
    ReleaseCatalogue();
    if (bWindowed) {
        GReleaseSurface(&lpDDSPla);
        ReleaseSharedPictures();
    }
    GReleaseSurface(&lpDDSRipple);
    delete lpDDSSame;
    lpDDSSame = nullptr;
}

bool CMjDraw::InitWindowed() {
    bWindowed = 1;
    delete lpDDSSame;
    lpDDSSame = nullptr;
    // The window host takes RGB565 frames, so the screen is always format 1 and the frame
    // needs no conversion copy.
    nScreenFormat = 1;
    bScreen565 = 1;
    GReleaseSurface(&lpDDSPla);
    lpDDSPla = new platform::Surface(nWidth, nHeight);
    if (!bNetworkStart) ShowLoadingPicture();
    lpDDSRipple = new platform::Surface(nWidth, nHeight);
    rcRipple = {0, 0, nWidth, nHeight};

    if (bClassic)
        LoadClassicGroup();
    else
        LoadNewStyleGroup();
    LoadPortraits();
    LoadCommonPictures();
    InitRipple();
    Log.Write("初始化操作成功.");
    return true;
}

// "Graphic\LoadGame.bmp" fills the window while the catalogue loads.
void CMjDraw::ShowLoadingPicture() {
    platform::Surface* loading = nullptr;
    platform::Rect rect;
    GLoadBitmap(platform::ProgramPath("Graphic\\LoadGame.bmp"), &loading, &rect, false);
    const platform::Rect whole{0, 0, nWidth, nHeight};
    platform::Blt(lpDDSPla, &whole, loading, &rect, 0);
    DrawFullScreen();
    GReleaseSurface(&loading);
}

void CMjDraw::LoadPicture(const Picture& picture) {
    GLoadBitmap(picture.path, picture.surface, picture.rect, true);
    if (picture.key == Key::Keyed) GSetColorKey(picture.surface);
}

void CMjDraw::LoadPictures(std::initializer_list<Picture> pictures) {
    for (const Picture& picture : pictures) LoadPicture(picture);
}

// The style's first picture gives the colour key every keyed picture shares: its top-left
// pixel.
void CMjDraw::LoadKeySource(const char* path, platform::Surface** surface, platform::Rect* rect) {
    GLoadBitmap(path, surface, rect, true);
    platform::SurfaceLock lock;
    if (platform::Lock(*surface, &lock)) ColorKey = lock.bits[0];
    GSetColorKey(surface);
}

void CMjDraw::LoadClassicGroup() {
    LoadKeySource("Graphic\\chouma.bmp", &lpDDSChips, &rcChips);
    LoadPictures({
        {"Graphic\\自己站立.bmp", &lpDDSHandTiles, &rcHandTiles},
        {"Graphic\\cc1.bmp", &lpDDSWallStack[3], &rcWallStack[3]},
        {"Graphic\\cc1.bmp", &lpDDSWallStack[1], &rcWallStack[1]},
        {"Graphic\\cc2.bmp", &lpDDSWallStack[2], &rcWallStack[2]},
        {"Graphic\\cc2.bmp", &lpDDSWallStack[0], &rcWallStack[0]},
        {"Graphic\\上家侧面.bmp", &lpDDSSeatHand[3], &rcSeatHand[3]},
        {"Graphic\\下家侧面.bmp", &lpDDSSeatHand[1], &rcSeatHand[1]},
        {"IDB_BACK_S", &lpDDSSeatHand[0], &rcSeatHand[0]},
        {"Graphic\\对家立起.bmp", &lpDDSSeatHand[2], &rcSeatHand[2]},
        {"Graphic\\Dice.bmp", &lpDDSDice, &rcDice},
        {"Graphic\\Room.bmp", &lpDDSRoom, &rcRoom, Key::Opaque},
        {"Graphic\\上家牌倒.bmp", &lpDDSLaidTiles[3], &rcLaidTiles[3]},
        {"Graphic\\下家牌倒.bmp", &lpDDSLaidTiles[1], &rcLaidTiles[1]},
        {"Graphic\\自己牌倒.bmp", &lpDDSLaidTiles[0], &rcLaidTiles[0]},
        {"Graphic\\对家牌倒.bmp", &lpDDSLaidTiles[2], &rcLaidTiles[2]},
    });
    // The standing and face-up sheets hold 43 cells across.
    nTileW = rcHandTiles.right / 43;
    nTileH = rcHandTiles.bottom;
    for (int seat = 0; seat < 4; ++seat)
        nLaidTileW[seat] = {rcLaidTiles[seat].right / 43, rcLaidTiles[seat].bottom};
}

void CMjDraw::LoadNewStyleGroup() {
    LoadKeySource("Graphic\\NewStyle\\mj.bmp", &lpDDSHandTiles, &rcHandTiles);
    LoadPictures({
        {"Graphic\\MainForm\\ccpw.bmp", &lpDDSWallStack[3], &rcWallStack[3]},
        {"Graphic\\MainForm\\ccpe.bmp", &lpDDSWallStack[1], &rcWallStack[1]},
        {"Graphic\\MainForm\\ccps.bmp", &lpDDSWallStack[0], &rcWallStack[0]},
        {"Graphic\\MainForm\\ccpn.bmp", &lpDDSWallStack[2], &rcWallStack[2]},
        {"Graphic\\MainForm\\ccpw.bmp", &lpDDSSeatHand[3], &rcSeatHand[3]},
        {"Graphic\\MainForm\\ccpe.bmp", &lpDDSSeatHand[1], &rcSeatHand[1]},
        {"Graphic\\MainForm\\ccps.bmp", &lpDDSSeatHand[0], &rcSeatHand[0]},
        {"Graphic\\MainForm\\ccpn.bmp", &lpDDSSeatHand[2], &rcSeatHand[2]},
        {"Graphic\\chouma.bmp", &lpDDSChips, &rcChips},
        {"Graphic\\色子动画.bmp", &lpDDSDice, &rcDice},
        {"Graphic\\NewStyle\\Room.bmp", &lpDDSRoom, &rcRoom, Key::Opaque},
    });
}

// Seats 0, 2, 1, 3, keyed once all four are in.  The GIF portraits go through the image loader
// with the program folder in front.
void CMjDraw::LoadPortraits() {
    GLoadImage(platform::ProgramPath("Graphic\\1.gif"), &lpDDSPortrait[0], &rcPortrait[0], true);
    if (bClassic) {
        const std::string other = platform::ProgramPath("Graphic\\2.gif");
        for (int seat : {2, 1, 3}) GLoadImage(other, &lpDDSPortrait[seat], &rcPortrait[seat], true);
    } else {
        LoadPictures({
            {"Graphic\\Avatar\\1\\Up\\role.bmp", &lpDDSPortrait[2], &rcPortrait[2], Key::Opaque},
            {"Graphic\\Avatar\\2\\Right\\role.bmp", &lpDDSPortrait[1], &rcPortrait[1], Key::Opaque},
            {"Graphic\\Avatar\\2\\Left\\role.bmp", &lpDDSPortrait[3], &rcPortrait[3], Key::Opaque},
        });
    }
    for (platform::Surface*& portrait : lpDDSPortrait) GSetColorKey(&portrait);
}

void CMjDraw::LoadCommonPictures() {
    LoadPictures({
        {bNewStyle ? "Graphic\\NewStyle\\state.bmp" : "Graphic\\state.bmp", &lpDDSState, &rcState},
        {"Graphic\\国标麻将.bmp", &lpDDSRuleBadge[0], &rcRuleBadge[0]},
        {"Graphic\\大众麻将.bmp", &lpDDSRuleBadge[1], &rcRuleBadge[1]},
        {"Graphic\\Center\\qelu.bmp", &lpDDSCenterLogo, &rcCenterLogo},
        {"Graphic\\碰.bmp", &lpDDSClaim[0], &rcClaim[0]},
        {"Graphic\\杠.bmp", &lpDDSClaim[1], &rcClaim[1]},
        {"Graphic\\胡.bmp", &lpDDSClaim[2], &rcClaim[2]},
        {"Graphic\\点炮.bmp", &lpDDSClaim[3], &rcClaim[3]},
        {"Graphic\\吃.bmp", &lpDDSClaim[4], &rcClaim[4]},
    });
    for (int i = 0; i < 4; ++i)
        LoadPicture({Numbered("Graphic\\Center\\1-", i + 2, ".bmp"), &lpDDSCenterMid[i],
                     &rcCenterMid[i]});
    LoadPictures({
        {"Graphic\\Center\\1-1.bmp", &lpDDSCenter1, &rcCenter1},
        {"Graphic\\Center\\1-6.bmp", &lpDDSCenter6, &rcCenter6},
    });
    for (int i = 0; i < 12; ++i)
        LoadPicture({Numbered("Graphic\\Effect_", i, ".bmp"), &lpDDSEffect[i], &rcEffect[i]});
    LoadPicture({"Graphic\\pai.bmp", &lpDDSPaiSheet, &rcPaiSheet});
    if (!bClassic) {
        // The new-style standing hand steps by one of the 13 cells of the tile-body sheet.
        nTileW = rcPaiSheet.right / 13;
        nTileH = rcPaiSheet.bottom;
    }
    LoadPictures({
        {"Graphic\\mj.bmp", &lpDDSMjSheet, &rcMjSheet},
        {"Graphic\\色子点数.bmp", &lpDDSDiceFaces, &rcDiceFaces},
        {"Graphic\\摸牌底.bmp", &lpDDSDrawBase, &rcDrawBase},
        {"Graphic\\摸牌.bmp", &lpDDSDrawTile, &rcDrawTile},
        {"Graphic\\下家牌背.bmp", &lpDDSTileBack[1], &rcTileBack[1]},
        {"Graphic\\上家牌背.bmp", &lpDDSTileBack[3], &rcTileBack[3]},
        {"Graphic\\对家牌背.bmp", &lpDDSTileBack[2], &rcTileBack[2]},
        {"Graphic\\自家长城.bmp", &lpDDSWall[0], &rcWall[0]},
        {"Graphic\\下家长城.bmp", &lpDDSWall[1], &rcWall[1]},
        {"Graphic\\对家长城.bmp", &lpDDSWall[2], &rcWall[2]},
        {"Graphic\\上家长城.bmp", &lpDDSWall[3], &rcWall[3]},
        {"Graphic\\麻将倾斜.bmp", &lpDDSTilted, &rcTilted},
        {"Graphic\\NewStyle\\右边牌倒.bmp", &lpDDSNewLaid[1], &rcNewLaid[1]},
        {"Graphic\\NewStyle\\左边牌倒.bmp", &lpDDSNewLaid[3], &rcNewLaid[3]},
        {"Graphic\\NewStyle\\自己牌倒.bmp", &lpDDSNewLaid[0], &rcNewLaid[0]},
        {"Graphic\\NewStyle\\对家牌面.bmp", &lpDDSNewLaid[2], &rcNewLaid[2]},
    });
    if (!bClassic) {
        // The new-style face-up tiles are grids of 9 values by 4 suits.
        for (int seat = 0; seat < 4; ++seat)
            nLaidTileW[seat] = {rcNewLaid[seat].right / 9, rcNewLaid[seat].bottom / 4};
    }
    for (int i = 0; i < 5; ++i)
        LoadPicture({Numbered("Graphic\\NewStyle\\牌打出0", i + 1, ".bmp"), &lpDDSNewDiscard[i],
                     &rcNewDiscard[i]});
    for (int i = 0; i < 5; ++i)
        LoadPicture({Numbered("Graphic\\NewStyle\\自己牌倒0", i + 1, ".bmp"), &lpDDSNewOwnLaid[i],
                     &rcNewOwnLaid[i]});
    LoadPicture({"Graphic\\桌面牌.bmp", &lpDDSDeskTiles, &rcDeskTiles});
    nDeskTileW = rcDeskTiles.right / 43;
    nDeskTileH = rcDeskTiles.bottom;
    LoadPictures({
        {"Graphic\\level.bmp", &lpDDSLevel, &rcLevel},
        {"Graphic\\圈.bmp", &lpDDSRound, &rcRound},
        {"Graphic\\windps.bmp", &lpDDSWind[0], &rcWind[0]},
        {"Graphic\\windpe.bmp", &lpDDSWind[1], &rcWind[1]},
        {"Graphic\\windpn.bmp", &lpDDSWind[2], &rcWind[2]},
        {"Graphic\\windpw.bmp", &lpDDSWind[3], &rcWind[3]},
        {"Graphic\\pan.bmp", &lpDDSPan, &rcPan},
        {"Graphic\\NewStyle\\弹出.bmp", &lpDDSPopup, &rcPopup},
        {"Graphic\\avatarnone.bmp", &lpDDSNoAvatar, &rcNoAvatar},
        {"Graphic\\offline.bmp", &lpDDSOffline, &rcOffline},
        {"Graphic\\kaishi.bmp", &lpDDSStart, &rcStart},
        {"Graphic\\shuzi.bmp", &lpDDSDigits, &rcDigits},
        {"Graphic\\DeskMj.bmp", &lpDDSDeskMj, &rcDeskMj},
        {"Graphic\\NewStyle\\pan.bmp", &lpDDSCenterPan, &rcCenterPan},
        {"Graphic\\NewStyle\\position.bmp", &lpDDSPosition, &rcPosition},
        {"Graphic\\NewStyle\\wind.bmp", &lpDDSWindSheet, &rcWindSheet},
        {"Graphic\\NewStyle\\num.bmp", &lpDDSNum, &rcNum},
        {"Graphic\\NewStyle\\banker.bmp", &lpDDSBanker, &rcBanker},
    });
    for (int i = 0; i < 10; ++i)
        LoadPicture({Numbered("Graphic\\Flower\\Flower_", i, ".bmp"), &lpDDSFlower[i],
                     &rcFlower[i]});
    // The seat figures start empty; the pose of the three other seats comes with the
    // start-up pictures, the rest when the seats' avatars are known.
    for (auto& poses : lpDDSSeatPose)
        for (platform::Surface*& pose : poses) pose = nullptr;
    LoadPictures({
        {"Graphic\\Avatar\\1\\Up\\出牌.bmp", &lpDDSSeatPose[2][0], &rcSeatPose[2][0]},
        {"Graphic\\Avatar\\2\\Left\\出牌.bmp", &lpDDSSeatPose[3][0], &rcSeatPose[3][0]},
        {"Graphic\\Avatar\\2\\Right\\出牌.bmp", &lpDDSSeatPose[1][0], &rcSeatPose[1][0]},
        {"Graphic\\cursor.bmp", &lpDDSCursor, &rcCursor},
        {"Graphic\\sparkling.bmp", &lpDDSSparkle, &rcSparkle},
    });
}

namespace {

template <std::size_t N>
void ReleaseEach(platform::Surface* (&surfaces)[N]) {
    for (platform::Surface*& surface : surfaces) GReleaseSurface(&surface);
}

}  // namespace

// The catalogue pictures kept in globals.
void CMjDraw::ReleaseSharedPictures() {
    for (platform::Surface** single : {&lpDDSDrawBase, &lpDDSDrawTile, &lpDDSLevel, &lpDDSPan,
                                       &lpDDSPopup, &lpDDSSparkle})
        GReleaseSurface(single);
    ReleaseEach(lpDDSNewLaid);
    ReleaseEach(lpDDSNewDiscard);
    ReleaseEach(lpDDSNewOwnLaid);
}

// The renderer's own pictures of the catalogue.
void CMjDraw::ReleaseCatalogue() {
    for (platform::Surface** single :
         {&lpDDSHandTiles, &lpDDSChips, &lpDDSDice, &lpDDSRoom, &lpDDSDeskMj, &lpDDSCenterPan,
          &lpDDSCursor, &lpDDSStart, &lpDDSNoAvatar, &lpDDSDigits, &lpDDSOffline,
          &lpDDSDeskTiles, &lpDDSCenter6, &lpDDSCenter1, &lpDDSPaiSheet, &lpDDSMjSheet,
          &lpDDSDiceFaces, &lpDDSTilted, &lpDDSRound, &lpDDSState, &lpDDSCenterLogo,
          &lpDDSPosition, &lpDDSWindSheet, &lpDDSNum, &lpDDSBanker})
        GReleaseSurface(single);
    ReleaseEach(lpDDSSeatHand);
    ReleaseEach(lpDDSWallStack);
    ReleaseEach(lpDDSLaidTiles);
    ReleaseEach(lpDDSClaim);
    ReleaseEach(lpDDSPortrait);
    for (auto& poses : lpDDSSeatPose) ReleaseEach(poses);
    ReleaseEach(lpDDSEffect);
    ReleaseEach(lpDDSCenterMid);
    ReleaseEach(lpDDSTileBack);
    ReleaseEach(lpDDSWall);
    ReleaseEach(lpDDSFlower);
    ReleaseEach(lpDDSWind);
    ReleaseEach(lpDDSRuleBadge);
}

void CMjDraw::Banner() {
    platform::Surface* logo = nullptr;
    platform::Rect rect;
    GLoadBitmap(platform::ProgramPath("Graphic\\Logo.bmp"), &logo, &rect, false);
    const platform::Rect whole{0, 0, nWidth, nHeight};
    const int x = (nWidth - rect.right) / 2;
    const int y = (nHeight - rect.bottom) / 2;
    for (int i = 0; i < kFadeFrames; ++i) {
        platform::ColorFill(lpDDSPla, &whole, 0xFFFFFF);
        GAlphaBlt(logo, x, y, 0, 0, rect.right, rect.bottom, kFadeStep * i);
        DrawFullScreen();
        platform::Sleep(kFadePauseMs);
    }
    GReleaseSurface(&logo);
}
