// Saved games: the table's state to a saved-game record and back (the record and its bytes are
// SaveGameFile's), writing a slot file whole, and resuming a loaded game: a hand at the
// user's discard turn where it stood, a game between hands with its next hand.
#include <cstring>
#include <string>
#include <vector>

#include "engine/Mj.h"
#include "engine/SaveGameFile.h"
#include "platform/Gbk.h"
#include "platform/MessageBox.h"
#include "platform/Path.h"
#include "platform/WholeFile.h"
#include "ui/Dialogs.h"

namespace {

// A meld's open byte in the file: 1 concealed, 2 exposed (0, from an older file, reads as
// exposed).
constexpr std::uint8_t kSavedConcealed = 1;
constexpr std::uint8_t kSavedExposed = 2;
constexpr int kFirstMaleAvatar = 6;

constexpr char kNotTheMomentToSave[] = "在轮到你选择出牌时候才可以存储进度";

// The question before closing a game that could not be saved: why, with the file's name on
// disk where the write failed.
std::string CloseWithoutSavingQuestion(CMj::SaveRefusal refusal, const std::string& gbkPath) {
    const std::string why =
        refusal == CMj::SaveRefusal::NotNow
            ? std::string("现在不能存储进度：") + kNotTheMomentToSave + "。"
            : "游戏保存失败，无法写入文件：\n" +
                  platform::Utf8ToGbk(platform::ToDiskPath(gbkPath));
    return why + "\n\n不保存就退出游戏吗？（游戏档案保持上次存储的进度）";
}

void SaveSeat(const CMjPlayer& p, SavedSeat& out) {
    std::memcpy(out.name, p.name, sizeof out.name);
    out.name[sizeof out.name - 1] = 0;
    out.cardnum = p.cardnum;
    std::memcpy(out.hand, p.Mj, sizeof out.hand);
    out.meldnum = p.gangnum;
    for (int i = 0; i < 5; ++i) {
        SavedMeld& m = out.melds[i];
        std::memcpy(m.tiles, p.Gang[i].Mj, sizeof m.tiles);
        m.num = p.Gang[i].num;
        m.kind = p.Gang[i].kind;
        std::memcpy(m.flag, p.Gang[i].flag, sizeof m.flag);
        m.open = p.open[i] ? kSavedExposed : kSavedConcealed;
    }
    out.hasnew = p.hasnew;
    out.newmj = p.newmj;
    out.hued = p.hued;
    out.hutile = p.hutile;
    out.paidby = p.paidby;
    out.hidemj = p.hidemj;
    out.gain = p.gain;
    out.score = p.score;
    out.deskx = p.deskx;
    out.desky = p.desky;
    out.rivernum = p.rivernum;
    std::memcpy(out.river, p.River, sizeof out.river);
    out.menfeng = p.menfeng;
    out.quanfeng = p.quanfeng;
    out.flowers = p.flowers;
    out.ting = p.ting;
    out.avatar = p.avatar;
}

void LoadSeat(const SavedSeat& in, CMjPlayer& p) {
    std::memcpy(p.name, in.name, sizeof p.name);
    p.cardnum = in.cardnum;
    std::memcpy(p.Mj, in.hand, sizeof p.Mj);
    p.gangnum = in.meldnum;
    for (int i = 0; i < 5; ++i) {
        const SavedMeld& m = in.melds[i];
        std::memcpy(p.Gang[i].Mj, m.tiles, sizeof m.tiles);
        p.Gang[i].num = m.num;
        p.Gang[i].kind = m.kind;
        std::memcpy(p.Gang[i].flag, m.flag, sizeof m.flag);
        p.open[i] = m.open != kSavedConcealed;
    }
    p.hasnew = in.hasnew;
    p.newmj = in.newmj;
    p.hued = in.hued;
    p.hutile = in.hutile;
    p.paidby = in.paidby;
    p.hidemj = in.hidemj;
    p.gain = in.gain;
    p.score = in.score;
    p.deskx = in.deskx;
    p.desky = in.desky;
    p.rivernum = in.rivernum;
    std::memcpy(p.River, in.river, sizeof p.River);
    p.menfeng = in.menfeng;
    p.quanfeng = in.quanfeng;
    p.flowers = in.flowers;
    p.ting = in.ting;
    p.avatar = in.avatar;
    p.sex = in.avatar >= kFirstMaleAvatar ? 1 : 0;
}

// A seat's last tile, which the file does not hold: its drawn tile, else the discard that came
// to it last, the end of the river of the seat before it.
tagMj LastTileOf(const CMjPlayer& seat, const CMjPlayer& before) {
    if (seat.hasnew) return seat.newmj;
    if (before.rivernum > 0) return before.River[before.rivernum - 1];
    return tagMj{};
}

}  // namespace

SavedGame CMj::SaveRecord() const {
    SavedGame g;
    g.state = state;
    for (int s = 0; s < kSeats; ++s) SaveSeat(Player[s], g.seats[s]);
    // Only the user's turn is ever saved in a running hand.
    if (state == kHandRunning) g.seats[0].nodraw = nodraw;
    g.minFan = MinFan;
    g.quanfeng = quanfeng;
    g.dealer = dealer;
    g.handDealer = handdealer;
    g.wallBreak = changchengstart;
    g.taken = taken;
    std::memcpy(g.wall, wall, sizeof g.wall);
    std::memcpy(g.seen, seen, sizeof g.seen);
    std::memcpy(g.deskHidden, deskhidden, sizeof g.deskHidden);
    g.wildRule = bWildRule;
    g.wildTile = WildTile;
    g.indicator = indicator;
    g.wildKind = wildkind;
    std::vector<std::uint8_t> desk;
    renderer.SaveDesk(desk);
    static_assert(sizeof g.desk == kDeskSavedBytes, "the saved desk is the renderer's grid");
    std::memcpy(g.desk, desk.data(), sizeof g.desk);
    return g;
}

void CMj::TakeSaveRecord(const SavedGame& g) {
    state = g.state;
    for (int s = 0; s < kSeats; ++s) LoadSeat(g.seats[s], Player[s]);
    nodraw = g.seats[0].nodraw;
    MinFan = g.minFan;
    quanfeng = g.quanfeng;
    dealer = g.dealer;
    handdealer = g.handDealer;
    changchengstart = g.wallBreak;
    taken = g.taken;
    std::memcpy(wall, g.wall, sizeof wall);
    std::memcpy(seen, g.seen, sizeof seen);
    std::memcpy(deskhidden, g.deskHidden, sizeof deskhidden);
    bWildRule = g.wildRule;
    WildTile = g.wildTile;
    indicator = g.indicator;
    wildkind = g.wildKind;
    renderer.LoadDesk(g.desk);
    for (int s = 0; s < kSeats; ++s)
        Player[s].winmj = LastTileOf(Player[s], Player[(s + kSeats - 1) % kSeats]);
}

CMj::SaveRefusal CMj::WriteProgress(const std::string& gbkPath) {
    const bool userDiscardTurn = curplayer == 0 && !Button(kButtonPass).visible && maydiscard;
    if (state == kHandRunning && !userDiscardTurn) return SaveRefusal::NotNow;
    const std::string bytes = WriteSavedGame(SaveRecord());
    if (!platform::MakeFolderOf(gbkPath) ||
        !platform::ReplaceFileContents(platform::ToDiskPath(gbkPath), bytes))
        return SaveRefusal::WriteFailed;
    return SaveRefusal::None;
}

bool CMj::SaveProgress(const std::string& gbkPath) {
    switch (WriteProgress(gbkPath)) {
        case SaveRefusal::None: return true;
        case SaveRefusal::NotNow: ShowMessageForm(kNotTheMomentToSave); break;
        case SaveRefusal::WriteFailed:
            platform::ShowMessage("游戏保存失败。", "错误", platform::MbIcon::Error);
            break;
    }
    return false;
}

bool CMj::LoadProgress(const std::string& gbkPath) {
    if (!platform::FileExists(gbkPath)) return false;
    const auto bytes = platform::ReadWholeFile(platform::ToDiskPath(gbkPath), kSavedGameBytes);
    const auto game = bytes ? ReadSavedGame(*bytes) : std::nullopt;
    if (!game) {
        platform::ShowMessage("该文件版本太低或者已经被损坏。", "信息", platform::MbIcon::Warning);
        return false;
    }
    StopFlowTimers();
    TakeSaveRecord(*game);
    SpreadRules();
    for (CMjPlayer& p : Player) p.SortHand();
    for (int id : {kButtonPung, kButtonKong, kButtonWin, kButtonPass}) Button(id).enabled = 0;
    presentation_->SetRevealHands(false);
    for (int s = 0; s < kSeats; ++s) presentation_->LoadSeatAvatar(s, Player[s].avatar + 1);
    backtaken = 0;
    savefile = gbkPath;
    if (state == kHandRunning)
        ResumeSavedHand();
    else
        StartHand();
    return true;
}

// The user's discard turn comes back: a seat that has won is scored again, the wall shows what
// was taken, and the turn is offered without a draw: as after the user's pung or chow when the
// file says the turn came so or the user holds no drawn tile (an older file's turn after a
// claim, whose last hand tile then stands as the drawn tile, as the live table has it), else
// as after a draw.
void CMj::ResumeSavedHand() {
    if (!Player[0].hasnew) {
        nodraw = 1;
        LastTileAsDrawn();
    }
    for (CMjPlayer& p : Player) {
        if (!p.hued) continue;
        tagMj tiles[kMaxHandTiles + 1];
        std::memcpy(tiles, p.Mj, sizeof(tagMj) * p.cardnum);
        tiles[p.cardnum] = p.hutile;
        SortTiles(tiles, p.cardnum + 1);
        hu.Hu(&p, tiles, p.cardnum + 1, seen, TilesLeft());
    }
    RebuildWallPicture();
    Redraw();
    curplayer = 0;
    chosen = 0;
    if (nodraw)
        OfferClaimantTurn();
    else
        GiveMj(true);
}

// Every stack full again, then the tiles taken off as the hand took them, with a counter that
// runs as the draws did: the front tiles first, then the flowers' replacements from the back.
void CMj::RebuildWallPicture() {
    for (auto& h : stackheight) h = 2;
    int flowers = 0;
    for (const CMjPlayer& p : Player) flowers += p.flowers;
    const int savedTaken = taken;
    const int front = savedTaken + 1 - flowers;
    backtaken = 0;
    for (int i = 0; i < front; ++i) {
        taken = i;
        TakeWallFront();
    }
    for (int i = 0; i < flowers; ++i) {
        taken = front + i;
        TakeWallBack();
    }
    taken = savedTaken;
}

// A tick still pending from the game on the table must not act on the loaded one.
void CMj::StopFlowTimers() {
    for (unsigned id : {kTimerStep, kTimerReveal, kTimerClaims, kTimerPung, kTimerFlower,
                        kTimerComputerTurn, kTimerDice, kTimerDrawFlight, kTimerReadyDraw})
        Timer(id)->SetEnabled(false);
}

bool CMj::SaveToItsFile() { return savefile.empty() || SaveProgress(savefile); }

// Between games (the save slots with their new-game question, the names dialog, the start
// screen) the game was saved on leaving or the file already names the next: nothing to save.
// A game that cannot be saved never keeps the player from closing: the question offers to end
// without it.
bool CMj::SaveGameOnClose() {
    if (IsNetGame() || state == kNoHand || !GameOnTable(nActiveForm) || savefile.empty())
        return true;
    const SaveRefusal refusal = WriteProgress(savefile);
    if (refusal == SaveRefusal::None) return true;
    platform::MessageBoxRequest question;
    question.text = CloseWithoutSavingQuestion(refusal, savefile);
    question.caption = "询问";
    question.icon = platform::MbIcon::Question;
    question.buttons = platform::MbButtons::YesNo;
    question.defaultButton = platform::MbResult::No;
    question.owner = platform::MbOwner::MainWindow;
    return platform::ShowBox(question) == platform::MbResult::Yes;
}
