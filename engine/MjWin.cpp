// A win: the final scoring of the winner's hand, the calls and captions, the flight of the
// winning tile, the payment, and the end of the hand.
#include <cstring>

#include "engine/Mj.h"
#include "graphics/DxSound.h"
#include "platform/MessageBox.h"
#include "rules/Payment.h"

namespace {
constexpr int kChipFlightSpeed = 30;
}  // namespace

void CMj::DeclareWin(int winner) {
    CMjPlayer& p = Player[winner];
    const bool ownTurn = winner == curplayer;
    if (ownTurn) {
        p.zimo = 1;
        if (p.kongdraw) p.kongwin = 1;
    }
    // A win on a kong's tile always counts the robbed kong.
    if (comprob || userrob) p.robkong = 1;
    const bool won = FinalWinTest(winner);
    p.robkong = p.zimo = p.kongwin = 0;
    if (!won) {
        // The hand cannot go on from a refused win: it ends as if the wall were exhausted.
        platform::ShowMessage("重新开始游戏", "翠岭", platform::MbIcon::Information);
        EndHand();
        return;
    }
    std::memcpy(p.FanFlag, hu.fan, sizeof p.FanFlag);
    std::memcpy(p.ExFan, hu.exfan, sizeof p.ExFan);
    PlayAction(winner, ownTurn ? kVoiceSelfDrawn : kVoiceWin);
    if (winner == 0) maydiscard = 0;

    const int discarder = curplayer;
    if (!ownTurn) {
        Player[discarder].played = 0;
        ShowCaption(discarder, 4);
        ShowCaption(winner, 3);
        Redraw();
        if (animate) {
            ClaimFlight(winner, discarder, p.hutile);
            Redraw();
        }
    }
    p.hued = 1;
    if (ownTurn) {
        if (p.kongdraw && p.kongfrom >= 0) p.paidby = p.kongfrom;
        PayScore(winner, p.fan, true, -1);
    } else {
        PayScore(winner, p.fan, false, discarder);
        p.paidby = discarder;
    }
    curplayer = winner;
    curplayer = NextPlayer();
    GiveMj(false);
}

// The win test of the declared hand, by case; sets the winner's last tile and winning tile.
bool CMj::FinalWinTest(int winner) {
    CMjPlayer& p = Player[winner];
    tagMj tiles[15];
    int count = p.cardnum;
    std::memcpy(tiles, p.Mj, sizeof(tagMj) * count);
    if (winner == 0) {
        // The drawn tile, or the discard or kong tile placed in the slot after the hand.
        p.winmj = p.Mj[p.cardnum];
        tiles[count++] = p.winmj;
    } else if (winner == curplayer) {
        p.winmj = p.newmj;
    } else {
        p.winmj = curmj;
        tiles[count++] = curmj;
    }
    SortTiles(tiles, count);
    if (!hu.Hu(&p, tiles, count, seen, TilesLeft())) return false;
    if (winner != 0 && winner == curplayer) p.DeleteMj(p.newmj);
    p.hutile = p.winmj;
    return true;
}

void CMj::PayScore(int winner, int fan, bool selfDrawn, int payer) {
    bool won[kSeats];
    for (int s = 0; s < kSeats; s++) won[s] = Player[s].hued != 0;
    SeatPayment pay[kSeats];
    WinPayments(winner, fan, unit, MinFan, selfDrawn, payer, won, pay);
    for (int s = 0; s < kSeats; s++)
        if (pay[s].pays) Transfer(s, winner, pay[s].points);
}

// One payment with its chip flight.
void CMj::Transfer(int from, int to, int points) {
    Redraw();
    presentation_->StartChipFlight(from, to);
    RunFlight(kAnimChips, kChipFlightSpeed);
    Redraw();
    Player[from].score -= points;
    Player[from].gain -= points;
    Player[to].score += points;
    Player[to].gain += points;
    PlayEffect(kEffectChips);
}
