#include "tools/art/AssetTable.h"

#include "platform/Gbk.h"

namespace art {

namespace {

constexpr bool K = true;   // keyed: transparent pixels are the colour key
constexpr bool O = false;  // opaque: no pixel is the colour key

// Sizes follow what the drawing code fixes: 43-cell tile sheets, 5-frame button strips,
// 9 x 4 or 9 x 5 face grids, and the limits of the fixed screen positions.
const std::vector<AssetEntry> kTable = {
    // Classic table: tiles, walls, dice, chips.
    {"Graphic\\chouma.bmp", 0, 0, 36, 24, 1, 1, Art::Chips, 0, "", K, false},
    {"Graphic\\自己站立.bmp", 0, 0, 43 * 42, 58, 43, 1, Art::TilesStanding, 0, "", K, false},
    {"MjRes\\IDB_BACK_S.bmp", 0, 0, 42, 58, 1, 1, Art::TileBack, BackOwnSmall, "", K, false},
    {"Graphic\\cc1.bmp", 0, 0, 16, 24, 1, 1, Art::TileBack, BackWallSide, "", K, false},
    {"Graphic\\cc2.bmp", 0, 0, 24, 30, 1, 1, Art::TileBack, BackWallFront, "", K, false},
    {"Graphic\\上家侧面.bmp", 0, 0, 18, 36, 1, 1, Art::TileBack, BackSide, "", K, false},
    {"Graphic\\下家侧面.bmp", 0, 0, 18, 36, 1, 1, Art::TileBack, BackSide, "", K, false},
    {"Graphic\\对家立起.bmp", 0, 0, 28, 38, 1, 1, Art::TileBack, BackStanding, "", K, false},
    {"Graphic\\Dice.bmp", 0, 0, 21 * 33, 33, 21, 1, Art::DiceSheet, 0, "", K, false},
    {"Graphic\\Room.bmp", 0, 0, 800, 600, 1, 1, Art::Screen, ScreenFelt, "", O, false},
    {"Graphic\\自己牌倒.bmp", 0, 0, 43 * 36, 50, 43, 1, Art::TilesLying, 0, "", K, false},
    {"Graphic\\下家牌倒.bmp", 0, 0, 43 * 40, 30, 43, 1, Art::TilesLying, 1, "", K, false},
    {"Graphic\\对家牌倒.bmp", 0, 0, 43 * 28, 38, 43, 1, Art::TilesLying, 2, "", K, false},
    {"Graphic\\上家牌倒.bmp", 0, 0, 43 * 40, 30, 43, 1, Art::TilesLying, 3, "", K, false},
    {"Graphic\\桌面牌.bmp", 0, 0, 43 * 26, 37, 43, 1, Art::TilesLying, 4, "", K, false},
    {"Graphic\\ScoreForm\\mj.bmp", 0, 0, 43 * 26, 36, 43, 1, Art::TilesStanding, 2, "", K, false},

    // New-style table: tiles, walls, backs, dice.
    {"Graphic\\NewStyle\\mj.bmp", 0, 0, 43 * 44, 62, 43, 1, Art::TilesStanding, 1, "", K, false},
    {"Graphic\\MainForm\\ccps.bmp", 0, 0, 30, 40, 1, 1, Art::TileBack, BackStanding | NewStyleTiles, "", K, false},
    {"Graphic\\MainForm\\ccpe.bmp", 0, 0, 20, 34, 1, 1, Art::TileBack, BackSide | NewStyleTiles, "", K, false},
    {"Graphic\\MainForm\\ccpn.bmp", 0, 0, 24, 32, 1, 1, Art::TileBack, BackStanding | NewStyleTiles, "", K, false},
    {"Graphic\\MainForm\\ccpw.bmp", 0, 0, 20, 34, 1, 1, Art::TileBack, BackSide | NewStyleTiles, "", K, false},
    {"Graphic\\色子动画.bmp", 0, 0, 15 * 132, 75, 15, 1, Art::DiceThrow, 0, "", K, false},
    {"Graphic\\NewStyle\\Room.bmp", 0, 0, 800, 600, 1, 1, Art::Screen, ScreenWood, "", O, false},
    {"Graphic\\pai.bmp", 0, 0, 624, 75, 13, 1, Art::TileBodySheet, 0, "", K, false},
    {"Graphic\\mj.bmp", 0, 0, 9 * 45, 5 * 48, 9, 5, Art::TileFaceGrid, 0, "", O, false},
    {"Graphic\\色子点数.bmp", 0, 0, 240, 40, 6, 1, Art::DiceFaces, 0, "", K, false},
    {"Graphic\\摸牌底.bmp", 0, 0, 136, 209, 1, 1, Art::DrawBase, 0, "", K, false},
    {"Graphic\\摸牌.bmp", 0, 0, 9 * 136, 209, 9, 1, Art::DrawAnimation, 0, "", K, false},
    {"Graphic\\下家牌背.bmp", 0, 0, 14 * 39, 54, 14, 1, Art::TileBackStrip, BackPerspSide | NewStyleTiles, "", K, false},
    {"Graphic\\上家牌背.bmp", 0, 0, 14 * 39, 54, 14, 1, Art::TileBackStrip, BackPerspSide | NewStyleTiles, "", K, false},
    {"Graphic\\对家牌背.bmp", 0, 0, 7 * 24, 37, 7, 1, Art::TileBackStrip, BackPerspOpposite | NewStyleTiles, "", K, false},
    {"Graphic\\自家长城.bmp", 0, 0, 14 * 31, 31, 14, 1, Art::TileBackStrip, BackPerspOwn | NewStyleTiles, "", K, false},
    {"Graphic\\下家长城.bmp", 0, 0, 34, 26, 1, 1, Art::TileBackStrip, BackPerspSide | NewStyleTiles, "", K, false},
    {"Graphic\\对家长城.bmp", 0, 0, 14 * 27, 28, 14, 1, Art::TileBackStrip, BackPerspOpposite | NewStyleTiles, "", K, false},
    {"Graphic\\上家长城.bmp", 0, 0, 34, 26, 1, 1, Art::TileBackStrip, BackPerspSide | NewStyleTiles, "", K, false},
    {"Graphic\\麻将倾斜.bmp", 0, 0, 44, 52, 1, 1, Art::TiltedTile, 0, "", K, false},
    {"Graphic\\NewStyle\\右边牌倒.bmp", 0, 0, 9 * 50, 4 * 33, 9, 4, Art::TileLaidGrid, 1, "", K, false},
    {"Graphic\\NewStyle\\左边牌倒.bmp", 0, 0, 9 * 50, 4 * 33, 9, 4, Art::TileLaidGrid, 3, "", K, false},
    {"Graphic\\NewStyle\\自己牌倒.bmp", 0, 0, 9 * 36, 4 * 48, 9, 4, Art::TileLaidGrid, 0, "", K, false},
    {"Graphic\\NewStyle\\对家牌面.bmp", 0, 0, 9 * 26, 4 * 33, 9, 4, Art::TileLaidGrid, 2, "", K, false},
    {"Graphic\\NewStyle\\牌打出0{}.bmp", 1, 5, 9 * 26, 4 * 34, 9, 4, Art::TileLaidGrid, 10, "", K, false},
    {"Graphic\\NewStyle\\自己牌倒0{}.bmp", 1, 5, 0, 0, 9, 4, Art::TileLaidGrid, 0, "", K, false},

    // Portraits and seat figures.
    {"Graphic\\{}.gif", 1, 12, 140, 226, 1, 1, Art::Portrait, 0, "", K, true},
    {"male.gif", 0, 0, 140, 226, 1, 1, Art::Portrait, 13, "", K, true},
    {"female.gif", 0, 0, 140, 226, 1, 1, Art::Portrait, 14, "", K, true},
    {"Graphic\\Avatar\\{}\\Up\\role.bmp", 1, 12, 320, 200, 2, 1, Art::SeatFigure, FigureUpRole, "", K, false},
    {"Graphic\\Avatar\\{}\\Up\\出牌.bmp", 1, 12, 320, 200, 2, 1, Art::SeatFigure, FigureUpPose, "", K, false},
    {"Graphic\\Avatar\\{}\\Left\\role.bmp", 1, 12, 360, 220, 2, 1, Art::SeatFigure, FigureLeftRole, "", K, false},
    {"Graphic\\Avatar\\{}\\Left\\出牌.bmp", 1, 12, 360, 220, 2, 1, Art::SeatFigure, FigureLeftPose, "", K, false},
    {"Graphic\\Avatar\\{}\\Right\\role.bmp", 1, 12, 360, 220, 2, 1, Art::SeatFigure, FigureRightRole, "", K, false},
    {"Graphic\\Avatar\\{}\\Right\\出牌.bmp", 1, 12, 360, 220, 2, 1, Art::SeatFigure, FigureRightPose, "", K, false},
    {"Graphic\\avatarnone.bmp", 0, 0, 140, 226, 1, 1, Art::Portrait, 0, "", O, false},
    {"Graphic\\Face\\小头像.bmp", 0, 0, 12 * 32, 32, 12, 1, Art::FaceStrip, 0, "", K, false},
    {"Graphic\\InputName\\对家和自己.bmp", 0, 0, 12 * 105, 123, 12, 1, Art::PortraitStrip, 0, "", K, false},
    {"Graphic\\InputName\\下家.bmp", 0, 0, 12 * 100, 142, 12, 1, Art::PortraitStrip, 1, "", K, false},
    {"Graphic\\InputName\\上家.bmp", 0, 0, 12 * 100, 142, 12, 1, Art::PortraitStrip, 3, "", K, false},
    {"Graphic\\NetForm\\role.bmp", 0, 0, 12 * 80, 125, 12, 1, Art::PortraitStrip, 0, "", K, false},

    // Table marks, banners and the centre.
    {"Graphic\\NewStyle\\state.bmp", 0, 0, 36, 22, 1, 1, Art::Label, LabelGreen, u8"听", K, false},
    {"Graphic\\state.bmp", 0, 0, 36, 22, 1, 1, Art::Label, LabelGreen, u8"听", K, false},
    {"Graphic\\国标麻将.bmp", 0, 0, 88, 30, 1, 1, Art::Label, LabelTitle, u8"国标麻将", K, false},
    {"Graphic\\大众麻将.bmp", 0, 0, 88, 30, 1, 1, Art::Label, LabelTitle, u8"大众麻将", K, false},
    {"Graphic\\Center\\qelu.bmp", 0, 0, 120, 48, 1, 1, Art::Label, LabelGold, u8"翠岭麻将", K, false},
    {"Graphic\\碰.bmp", 0, 0, 96, 96, 1, 1, Art::Banner, 0, u8"碰", K, false},
    {"Graphic\\杠.bmp", 0, 0, 96, 96, 1, 1, Art::Banner, 1, u8"杠", K, false},
    {"Graphic\\胡.bmp", 0, 0, 96, 96, 1, 1, Art::Banner, 2, u8"胡", K, false},
    {"Graphic\\点炮.bmp", 0, 0, 96, 96, 1, 1, Art::Banner, 3, u8"点炮", K, false},
    {"Graphic\\吃.bmp", 0, 0, 96, 96, 1, 1, Art::Banner, 4, u8"吃", K, false},
    {"Graphic\\Center\\1-1.bmp", 0, 0, 56, 56, 1, 1, Art::CenterPlate, 0, "", K, false},
    {"Graphic\\Center\\1-{}.bmp", 2, 5, 0, 0, 1, 1, Art::TurnArrow, 0, "", K, false},
    {"Graphic\\Center\\1-6.bmp", 0, 0, 10 * 16, 22, 10, 1, Art::Digits, DigitsLed, "", K, false},
    {"Graphic\\Effect_{}.bmp", 0, 11, 96, 96, 1, 1, Art::Effect, 0, "", K, false},
    {"Graphic\\level.bmp", 0, 0, 20 * 15, 16, 20, 1, Art::LevelMarks, 0, "", K, false},
    {"Graphic\\圈.bmp", 0, 0, 4 * 40, 40, 4, 1, Art::WindMarks, WindsRound, "", K, false},
    {"Graphic\\windps.bmp", 0, 0, 4 * 36, 36, 4, 1, Art::WindMarks, WindsSeat, "", K, false},
    {"Graphic\\windpe.bmp", 0, 0, 4 * 36, 36, 4, 1, Art::WindMarks, WindsSeat, "", K, false},
    {"Graphic\\windpn.bmp", 0, 0, 4 * 36, 36, 4, 1, Art::WindMarks, WindsSeat, "", K, false},
    {"Graphic\\windpw.bmp", 0, 0, 4 * 36, 36, 4, 1, Art::WindMarks, WindsSeat, "", K, false},
    {"Graphic\\pan.bmp", 0, 0, 540, 40, 1, 1, Art::Plate, 0, "", K, false},
    {"Graphic\\NewStyle\\弹出.bmp", 0, 0, 82, 240, 1, 1, Art::Panel, 1, "", K, false},
    {"Graphic\\offline.bmp", 0, 0, 40, 20, 1, 1, Art::Label, LabelGrey, u8"托管", K, false},
    {"Graphic\\kaishi.bmp", 0, 0, 72, 32, 1, 1, Art::Label, LabelRed, u8"开始", K, false},
    {"Graphic\\shuzi.bmp", 0, 0, 10 * 24, 32, 10, 1, Art::Digits, DigitsGold, "", K, false},
    {"Graphic\\DeskMj.bmp", 0, 0, 26, 37, 1, 1, Art::TileBack, BackStanding, "", K, false},
    {"Graphic\\NewStyle\\pan.bmp", 0, 0, 170, 36, 1, 1, Art::Plate, 1, "", K, false},
    {"Graphic\\NewStyle\\position.bmp", 0, 0, 4 * 28, 28, 4, 1, Art::WindMarks, WindsPosition, "", K, false},
    {"Graphic\\NewStyle\\wind.bmp", 0, 0, 4 * 28, 28, 4, 1, Art::WindMarks, WindsPlate, "", K, false},
    {"Graphic\\NewStyle\\num.bmp", 0, 0, 11 * 12, 17, 11, 1, Art::Digits, DigitsSmall, "", K, false},
    {"Graphic\\NewStyle\\banker.bmp", 0, 0, 28, 28, 1, 1, Art::Label, LabelRed, u8"庄", K, false},
    {"Graphic\\Flower\\Flower_0.bmp", 0, 0, 46, 29, 1, 1, Art::FlowerBox, 0, "", K, false},
    {"Graphic\\Flower\\Flower_1.bmp", 0, 0, 22, 22, 1, 1, Art::FlowerBox, 1, "", K, false},
    {"Graphic\\Flower\\Flower_{}.bmp", 2, 9, 18, 20, 1, 1, Art::FlowerBox, 2, "", K, false},
    {"Graphic\\cursor.bmp", 0, 0, 24, 24, 1, 1, Art::Pointer, 0, "", K, false},
    {"Graphic\\sparkling.bmp", 0, 0, 4 * 10, 10, 4, 1, Art::Sparkle, 0, "", K, false},
    {"Graphic\\Logo.bmp", 0, 0, 420, 220, 1, 1, Art::Logo, 0, u8"翠岭麻将", O, false},
    {"Graphic\\LoadGame.bmp", 0, 0, 800, 600, 1, 1, Art::Screen, ScreenLoading, u8"正在载入……", O, false},

    // Table buttons.
    {"Graphic\\peng.bmp", 0, 0, 5 * 42, 42, 5, 1, Art::Button, ButtonClaim, u8"碰", K, false},
    {"Graphic\\gang.bmp", 0, 0, 5 * 42, 42, 5, 1, Art::Button, ButtonClaim, u8"杠", K, false},
    {"Graphic\\hu.bmp", 0, 0, 5 * 42, 42, 5, 1, Art::Button, ButtonClaim, u8"胡", K, false},
    {"Graphic\\guo.bmp", 0, 0, 5 * 42, 42, 5, 1, Art::Button, ButtonClaim, u8"过", K, false},
    {"Graphic\\chi.bmp", 0, 0, 5 * 42, 42, 5, 1, Art::Button, ButtonClaim, u8"吃", K, false},
    {"Graphic\\ting.bmp", 0, 0, 5 * 42, 42, 5, 1, Art::Button, ButtonClaim, u8"听", K, false},
    {"Graphic\\tang.bmp", 0, 0, 5 * 42, 42, 5, 1, Art::Button, ButtonClaim, u8"躺", K, false},
    {"Graphic\\piao.bmp", 0, 0, 5 * 42, 42, 5, 1, Art::Button, ButtonClaim, u8"飘", K, false},
    {"Graphic\\piaono.bmp", 0, 0, 5 * 42, 42, 5, 1, Art::Button, ButtonClaim, u8"不飘", K, false},
    {"MjRes\\IDB_BUTTON.bmp", 0, 0, 5 * 38, 22, 5, 1, Art::Button, ButtonPlain, "", K, false},
    {"MjRes\\IDB_BUTTON_QUEDING.bmp", 0, 0, 5 * 52, 24, 5, 1, Art::Button, ButtonPlain, u8"确定", K, false},
    {"MjRes\\IDB_BUTTON_CANCEL.bmp", 0, 0, 5 * 60, 28, 5, 1, Art::Button, ButtonPlain, u8"取消", K, false},
    {"MjRes\\IDC_WCUR.bmp", 0, 0, 32, 32, 1, 1, Art::MouseCursor, 0, "", K, false},
    {"Graphic\\MainForm\\newgame.bmp", 0, 0, 5 * 38, 24, 5, 1, Art::Button, ButtonPlain, u8"新局", K, false},
    {"Graphic\\MainForm\\Close.bmp", 0, 0, 5 * 40, 22, 5, 1, Art::Button, ButtonPlain, u8"退出", K, false},
    {"Graphic\\MainForm\\max.bmp", 0, 0, 5 * 24, 22, 5, 1, Art::Button, ButtonPlain, u8"□", K, false},
    {"Graphic\\MainForm\\btn_invite.bmp", 0, 0, 5 * 60, 24, 5, 1, Art::Button, ButtonPlain, u8"邀请", K, false},
    {"Graphic\\NewStyle\\btn_invite.bmp", 0, 0, 5 * 60, 24, 5, 1, Art::Button, ButtonRound, u8"邀请", K, false},
    {"Graphic\\start.bmp", 0, 0, 5 * 80, 32, 5, 1, Art::Button, ButtonPlain, u8"开始", K, false},
    {"Graphic\\NewStyle\\start.bmp", 0, 0, 5 * 80, 32, 5, 1, Art::Button, ButtonRound, u8"开始", K, false},
    {"Graphic\\MainMenu.bmp", 0, 0, 5 * 60, 24, 5, 1, Art::Button, ButtonPlain, u8"菜单", K, false},
    {"Graphic\\NewStyle\\MainMenu.bmp", 0, 0, 5 * 60, 24, 5, 1, Art::Button, ButtonRound, u8"菜单", K, false},
    {"Graphic\\ChatWnd\\send.bmp", 0, 0, 5 * 44, 24, 5, 1, Art::Button, ButtonPlain, u8"发送", K, false},
    {"Graphic\\NewStyle\\send.bmp", 0, 0, 5 * 44, 24, 5, 1, Art::Button, ButtonRound, u8"发送", K, false},
    {"Graphic\\ChatWnd\\up.bmp", 0, 0, 5 * 22, 22, 5, 1, Art::Button, ButtonArrowUp, "", K, false},
    {"Graphic\\ChatWnd\\down.bmp", 0, 0, 5 * 22, 22, 5, 1, Art::Button, ButtonArrowDown, "", K, false},
    {"Graphic\\ChatWnd\\senddefault.bmp", 0, 0, 5 * 24, 24, 5, 1, Art::Button, ButtonPlain, u8"语", K, false},
    {"Graphic\\ChatWnd\\BackGround.bmp", 0, 0, 250, 140, 1, 1, Art::Panel, 0, "", K, false},
    {"Graphic\\input.bmp", 0, 0, 300, 24, 1, 1, Art::EditField, 0, "", K, false},
    {"Graphic\\NewStyle\\设置.bmp", 0, 0, 5 * 52, 26, 5, 1, Art::Button, ButtonRound, u8"设置", K, false},
    {"Graphic\\NewStyle\\网站.bmp", 0, 0, 5 * 44, 26, 5, 1, Art::Button, ButtonRound, u8"网站", K, false},
    {"Graphic\\NewStyle\\帮助.bmp", 0, 0, 5 * 52, 26, 5, 1, Art::Button, ButtonRound, u8"帮助", K, false},
    {"Graphic\\NewStyle\\离开.bmp", 0, 0, 5 * 60, 26, 5, 1, Art::Button, ButtonRound, u8"离开", K, false},

    // Start screen, save slots, new-game question.
    {"Graphic\\ModeForm\\background.bmp", 0, 0, 800, 600, 1, 1, Art::Screen, ScreenMenu, u8"翠岭麻将", O, false},
    {"Graphic\\ModeForm\\btexit.bmp", 0, 0, 5 * 218, 40, 5, 1, Art::Button, ButtonRound, u8"退出游戏", K, false},
    {"Graphic\\ModeForm\\btnet.bmp", 0, 0, 5 * 218, 40, 5, 1, Art::Button, ButtonRound, u8"网络对战", K, false},
    {"Graphic\\ModeForm\\btgame.bmp", 0, 0, 5 * 218, 40, 5, 1, Art::Button, ButtonRound, u8"单机游戏", K, false},
    {"Graphic\\ModeForm\\bthome.bmp", 0, 0, 5 * 218, 40, 5, 1, Art::Button, ButtonRound, u8"游戏主页", K, false},
    {"Graphic\\ModeForm\\moregame.bmp", 0, 0, 5 * 218, 40, 5, 1, Art::Button, ButtonRound, u8"更多游戏", K, false},
    {"Graphic\\LoadForm\\background.bmp", 0, 0, 800, 600, 1, 1, Art::Screen, ScreenSlots, u8"游戏存档", O, false},
    {"Graphic\\LoadForm\\newgame.bmp", 0, 0, 5 * 70, 34, 5, 1, Art::Button, ButtonRound, u8"新游戏", K, false},
    {"Graphic\\LoadForm\\load.bmp", 0, 0, 5 * 170, 34, 5, 1, Art::Button, ButtonRound, "", K, false},
    {"Graphic\\LoadForm\\close.bmp", 0, 0, 5 * 100, 34, 5, 1, Art::Button, ButtonRound, u8"返回", K, false},
    {"Graphic\\MessageBox\\background.bmp", 0, 0, 280, 116, 1, 1, Art::Dialog, DialogRounded, u8"开始新游戏吗？\n新游戏保存时会替换这个存档", K, false},
    {"Graphic\\MessageBox\\queding.bmp", 0, 0, 5 * 72, 28, 5, 1, Art::Button, ButtonRound, u8"确定", K, false},
    {"Graphic\\MessageBox\\quxiao.bmp", 0, 0, 5 * 72, 28, 5, 1, Art::Button, ButtonRound, u8"取消", K, false},

    // Score sheet.
    {"Graphic\\ScoreForm\\background.bmp", 0, 0, 500, 450, 1, 1, Art::Dialog, DialogScore, u8"本局结果", O, false},
    {"Graphic\\ScoreForm\\replay.bmp", 0, 0, 5 * 80, 30, 5, 1, Art::Button, ButtonRound, u8"继续", K, false},
    {"Graphic\\ScoreForm\\exit.bmp", 0, 0, 5 * 80, 30, 5, 1, Art::Button, ButtonRound, u8"离开", K, false},
    {"Graphic\\ScoreForm\\Exit.bmp", 0, 0, 5 * 80, 30, 5, 1, Art::Button, ButtonRound, u8"退出", K, false},
    {"Graphic\\ScoreForm\\up.bmp", 0, 0, 5 * 20, 20, 5, 1, Art::Button, ButtonArrowUp, "", K, false},
    {"Graphic\\ScoreForm\\down.bmp", 0, 0, 5 * 20, 20, 5, 1, Art::Button, ButtonArrowDown, "", K, false},
    {"Graphic\\ScoreForm\\barcenter.bmp", 0, 0, 20, 20, 1, 1, Art::Panel, 2, "", O, false},
    {"Graphic\\ScoreForm\\huangpai.bmp", 0, 0, 160, 56, 1, 1, Art::Label, LabelGrey, u8"荒庄", K, false},
    {"Graphic\\ScoreForm\\he.bmp", 0, 0, 84, 56, 1, 1, Art::Label, LabelRed, u8"和牌", K, false},
    {"Graphic\\ScoreForm\\lresultnumber1.bmp", 0, 0, 10 * 23, 23, 10, 1, Art::Digits, DigitsScore, "", K, false},
    {"Graphic\\ScoreForm\\lresultnumber2.bmp", 0, 0, 10 * 17, 17, 10, 1, Art::Digits, DigitsScore, "", K, false},
    {"Graphic\\ScoreForm\\lresultSign1.bmp", 0, 0, 42, 21, 2, 1, Art::Signs, 0, "", K, false},
    {"Graphic\\ScoreForm\\lresultSign2.bmp", 0, 0, 28, 12, 2, 1, Art::Signs, 0, "", K, false},

    // Player names and rules.
    {"Graphic\\InputName\\background.bmp", 0, 0, 800, 600, 1, 1, Art::Screen, ScreenNames, u8"玩家与规则", O, false},
    {"Graphic\\InputName\\Edit.bmp", 0, 0, 160, 24, 1, 1, Art::EditField, 0, "", K, false},
    {"Graphic\\InputName\\checkbox1.bmp", 0, 0, 20, 20, 1, 1, Art::CheckBox, 0, "", K, false},
    {"Graphic\\InputName\\checkbox2.bmp", 0, 0, 20, 20, 1, 1, Art::CheckBox, 1, "", K, false},
    {"Graphic\\InputName\\checkbox3.bmp", 0, 0, 20, 20, 1, 1, Art::CheckBox, 2, "", K, false},
    {"Graphic\\InputName\\checkbox4.bmp", 0, 0, 20, 20, 1, 1, Art::CheckBox, 3, "", K, false},
    {"Graphic\\InputName\\queding.bmp", 0, 0, 5 * 80, 32, 5, 1, Art::Button, ButtonRound, u8"确定", K, false},
    {"Graphic\\InputName\\左移动.bmp", 0, 0, 5 * 30, 24, 5, 1, Art::Button, ButtonArrowLeft, "", K, false},
    {"Graphic\\InputName\\右移动.bmp", 0, 0, 5 * 30, 24, 5, 1, Art::Button, ButtonArrowRight, "", K, false},
    {"Graphic\\InputName\\Forbid.bmp", 0, 0, 190, 40, 1, 1, Art::Forbid, 0, "", K, false},

    // Options.
    {"Graphic\\OptionForm\\background.bmp", 0, 0, 300, 260, 1, 1, Art::Dialog, DialogOptions, u8"游戏设置", O, false},
    {"Graphic\\OptionForm\\checkbox1.bmp", 0, 0, 20, 20, 1, 1, Art::CheckBox, 0, "", K, false},
    {"Graphic\\OptionForm\\checkbox2.bmp", 0, 0, 20, 20, 1, 1, Art::CheckBox, 1, "", K, false},
    {"Graphic\\OptionForm\\key.bmp", 0, 0, 14, 20, 1, 1, Art::Panel, 3, "", K, false},
    {"Graphic\\OptionForm\\Restart.bmp", 0, 0, 5 * 100, 32, 5, 1, Art::Button, ButtonRound, u8"确定", K, false},
    {"Graphic\\OptionForm\\Exit.bmp", 0, 0, 5 * 100, 32, 5, 1, Art::Button, ButtonRound, u8"取消", K, false},

    // Message boxes, invitations, item choice.
    {"Graphic\\ShowMessage\\background.bmp", 0, 0, 250, 100, 1, 1, Art::Dialog, DialogRounded, "", K, false},
    {"Graphic\\ShowMessage\\queding.bmp", 0, 0, 5 * 80, 28, 5, 1, Art::Button, ButtonRound, u8"确定", K, false},
    {"Graphic\\InviteForm\\background.bmp", 0, 0, 336, 356, 1, 1, Art::Dialog, DialogRounded, u8"邀请玩家\n选一位玩家，再按“邀请”", K, false},
    {"Graphic\\InviteForm\\btinvite.bmp", 0, 0, 5 * 80, 30, 5, 1, Art::Button, ButtonRound, u8"邀请", K, false},
    {"Graphic\\InviteForm\\btcancel.bmp", 0, 0, 5 * 80, 30, 5, 1, Art::Button, ButtonRound, u8"取消", K, false},
    {"Graphic\\InviteMessage\\background.bmp", 0, 0, 250, 110, 1, 1, Art::Dialog, DialogRounded, "", K, false},
    {"Graphic\\InviteMessage\\queding.bmp", 0, 0, 5 * 80, 28, 5, 1, Art::Button, ButtonRound, u8"确定", K, false},
    {"Graphic\\InviteMessage\\quxiao.bmp", 0, 0, 5 * 80, 28, 5, 1, Art::Button, ButtonRound, u8"取消", K, false},
    {"Graphic\\Form\\item.bmp", 0, 0, 340, 150, 1, 1, Art::Dialog, DialogRounded, u8"选择道具", K, false},
    {"Graphic\\Button\\samecolor_item.bmp", 0, 0, 5 * 72, 72, 5, 1, Art::Button, ButtonItem, u8"清一色", K, false},
    {"Graphic\\Button\\pair_item.bmp", 0, 0, 5 * 72, 72, 5, 1, Art::Button, ButtonItem, u8"对子", K, false},

    // Exit window.
    {"Res\\closeform.bmp", 0, 0, 330, 431, 1, 1, Art::ExitWindow, 0, u8"确定要离开游戏吗？", O, false},
    {"Res\\mask_conner{}.bmp", 1, 4, 16, 16, 1, 1, Art::CornerMask, 0, "", O, false},
    {"Res\\Button\\queding.bmp", 0, 0, 5 * 72, 32, 5, 1, Art::Button, ButtonGdi, u8"确定", O, false},
    {"Res\\Button\\quxiao.bmp", 0, 0, 5 * 72, 32, 5, 1, Art::Button, ButtonGdi, u8"取消", O, false},
    {"Res\\Button\\close.bmp", 0, 0, 5 * 20, 20, 5, 1, Art::Button, ButtonGdiClose, "", O, false},

    // Server lines, login, sign-up.
    {"Graphic\\ChooseNetForm\\background.bmp", 0, 0, 800, 600, 1, 1, Art::Screen, ScreenMenu, u8"选择线路", O, false},
    {"Graphic\\ChooseNetForm\\load.bmp", 0, 0, 5 * 200, 34, 5, 1, Art::Button, ButtonRound, "", K, false},
    {"Graphic\\LoginForm\\background.bmp", 0, 0, 800, 600, 1, 1, Art::Screen, ScreenLogin, u8"登录", O, false},
    {"Graphic\\LoginForm\\Enter.bmp", 0, 0, 5 * 90, 32, 5, 1, Art::Button, ButtonRound, u8"登录", K, false},
    {"Graphic\\LoginForm\\Close.bmp", 0, 0, 5 * 90, 32, 5, 1, Art::Button, ButtonRound, u8"返回", K, false},
    {"Graphic\\LoginForm\\Reg.bmp", 0, 0, 5 * 90, 32, 5, 1, Art::Button, ButtonRound, u8"注册", K, false},
    {"Graphic\\LoginForm\\Daili.bmp", 0, 0, 5 * 90, 32, 5, 1, Art::Button, ButtonRound, u8"代理", K, false},
    {"Graphic\\LoginForm\\edit.bmp", 0, 0, 160, 24, 1, 1, Art::EditField, 0, "", K, false},
    {"Graphic\\RegForm\\background.bmp", 0, 0, 800, 600, 1, 1, Art::Screen, ScreenSignUp, u8"注册新帐号", O, false},
    {"Graphic\\RegForm\\submit.bmp", 0, 0, 5 * 90, 32, 5, 1, Art::Button, ButtonRound, u8"提交", K, false},
    {"Graphic\\RegForm\\return.bmp", 0, 0, 5 * 90, 32, 5, 1, Art::Button, ButtonRound, u8"返回", K, false},
    {"Graphic\\RegForm\\edit.bmp", 0, 0, 160, 24, 1, 1, Art::EditField, 0, "", K, false},
    {"Graphic\\RegForm\\checkbox1.bmp", 0, 0, 20, 20, 1, 1, Art::CheckBox, 0, "", K, false},
    {"Graphic\\RegForm\\checkbox2.bmp", 0, 0, 20, 20, 1, 1, Art::CheckBox, 1, "", K, false},

    // Lobby.
    {"Graphic\\NetForm\\Room.bmp", 0, 0, 800, 600, 1, 1, Art::Screen, ScreenLobby, u8"游戏大厅", O, false},
    {"Graphic\\NetForm\\table.bmp", 0, 0, 160, 160, 1, 1, Art::LobbyTable, 0, "", K, false},
    {"Graphic\\NetForm\\tableingame.bmp", 0, 0, 160, 160, 1, 1, Art::LobbyTable, 1, "", K, false},
    {"Graphic\\NetForm\\PS.bmp", 0, 0, 36, 36, 1, 1, Art::SeatMarker, 0, "", K, false},
    {"Graphic\\NetForm\\PE.bmp", 0, 0, 36, 36, 1, 1, Art::SeatMarker, 1, "", K, false},
    {"Graphic\\NetForm\\PN.bmp", 0, 0, 36, 36, 1, 1, Art::SeatMarker, 2, "", K, false},
    {"Graphic\\NetForm\\PW.bmp", 0, 0, 36, 36, 1, 1, Art::SeatMarker, 3, "", K, false},
    {"Graphic\\NetForm\\handup.bmp", 0, 0, 24, 24, 1, 1, Art::Label, LabelGreen, u8"举", K, false},
    {"Graphic\\NetForm\\Chat.bmp", 0, 0, 250, 140, 1, 1, Art::Panel, 0, "", K, false},
    {"Graphic\\NetForm\\edit.bmp", 0, 0, 300, 24, 1, 1, Art::EditField, 0, "", K, false},
    {"Graphic\\NetForm\\bar.bmp", 0, 0, 5 * 16, 30, 5, 1, Art::Button, ButtonThumb, "", K, false},
    {"Graphic\\NetForm\\barcenter.bmp", 0, 0, 16, 16, 1, 1, Art::Panel, 2, "", O, false},
    {"Graphic\\NetForm\\up.bmp", 0, 0, 5 * 16, 16, 5, 1, Art::Button, ButtonArrowUp, "", K, false},
    {"Graphic\\NetForm\\down.bmp", 0, 0, 5 * 16, 16, 5, 1, Art::Button, ButtonArrowDown, "", K, false},
    {"Graphic\\NetForm\\prev.bmp", 0, 0, 5 * 64, 26, 5, 1, Art::Button, ButtonRound, u8"设置", K, false},
    {"Graphic\\NetForm\\next.bmp", 0, 0, 5 * 64, 26, 5, 1, Art::Button, ButtonRound, u8"网站", K, false},
    {"Graphic\\NetForm\\Close.bmp", 0, 0, 5 * 64, 26, 5, 1, Art::Button, ButtonRound, u8"退出", K, false},
    {"Graphic\\NetForm\\autoadd.bmp", 0, 0, 5 * 64, 26, 5, 1, Art::Button, ButtonRound, u8"找座", K, false},
    {"Graphic\\NetForm\\UserMarks.bmp", 0, 0, 5 * 16, 16, 5, 1, Art::UserMarks, 0, "", K, false},
    {"Graphic\\NetForm\\btavatar.bmp", 0, 0, 5 * 80, 30, 5, 1, Art::Button, ButtonRound, u8"换头像", K, false},
};

// Families whose size depends on the number: the five own laid-tile sheets grow from the
// smallest to the largest (cells at most 48 wide); the turn arrows lie across (below and above
// the centre) or stand upright (right and left of it).
struct Size { int width, height; };

Size FamilySize(const AssetEntry& e, int n) {
    if (e.art == Art::TileLaidGrid) {
        static const Size kOwnCells[] = {{30, 40}, {33, 44}, {36, 48}, {40, 53}, {44, 58}};
        const Size cell = kOwnCells[n - 1];
        return {cell.width * e.cols, cell.height * e.rows};
    }
    if (e.art == Art::TurnArrow) return n % 2 == 0 ? Size{30, 16} : Size{16, 30};
    return {e.width, e.height};
}

}  // namespace

const std::vector<AssetEntry>& AssetTable() { return kTable; }

std::vector<AssetFile> ExpandAssetTable() {
    std::vector<AssetFile> files;
    for (const AssetEntry& e : kTable) {
        std::string pattern = e.path;
        std::size_t slot = pattern.find("{}");
        if (slot == std::string::npos) {
            files.push_back({pattern, 0, e.width, e.height, &e});
            continue;
        }
        for (int n = e.first; n <= e.last; ++n) {
            std::string path = pattern;
            path.replace(slot, 2, std::to_string(n));
            Size size = e.width > 0 ? Size{e.width, e.height} : FamilySize(e, n);
            files.push_back({path, n, size.width, size.height, &e});
        }
    }
    return files;
}

std::string AssetDiskPath(const std::string& folder, const std::string& gbkPath) {
    std::string relative = platform::GbkToUtf8(gbkPath);
    for (char& c : relative)
        if (c == '\\') c = '/';
    return folder + "/" + relative;
}

}  // namespace art
