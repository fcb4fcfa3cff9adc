// A new game and each of its hands: scores and names, the two dice throws, the shuffle, the
// break of the wall, the deal shown group by group, the flowers set aside after it, the wild
// tile of the hand and the dealer's first turn.
#include <cstring>

#include "engine/Mj.h"
#include "graphics/DxSound.h"
#include "rules/Random.h"

namespace {

// Where the front of the wall begins, by the seat of the second throw.
constexpr int kBreakOffset[kSeats] = {0, 54, 36, 18};

// Computer opponents' names by avatar number.
constexpr const char* kOpponentNames[12] = {
    "小资妹", "梦雨柔", "小天使", "苏丝妮娃", "熊家婆", "金安娜",
    "陈钱贵", "金毛狮王", "杨白劳", "眼镜仔", "金得输", "白胡子老头",
};

// Until the deal finds the indicator the wild tile is a tile that does not exist.
constexpr tagMj kNoTileYet = {8, 8};
const tagMj kFlowerOne = MakeTile(1, kFlowerSuit);

// Tiles dealt before the last round: three rounds of four tiles to each seat.
constexpr int kLastGroupTaken = 47;
// The deal ends when wall index 52 (the 53rd tile) is out.
constexpr int kDealEndTaken = 52;

int RollDie() { return MjRand() % 6 + 1; }

bool IsFlower(const tagMj& t) { return t.suit == kFlowerSuit; }

}  // namespace

void CMj::NewGame() {
    Timer(kTimerClaims)->SetEnabled(false);
    Timer(kTimerPung)->SetEnabled(false);
    MjSrand(static_cast<unsigned>(MjTime()));
    for (int s = 0; s < kSeats; s++) {
        CMjPlayer& p = Player[s];
        p.score = 1000;
        p.wildmode = bWildRule;
        std::memset(p.items, 0, sizeof p.items);
        presentation_->LoadSeatAvatar(s, p.avatar + 1);
        if (s > 0 && p.avatar >= 0 && p.avatar < 12) {
            std::memset(p.name, 0, sizeof p.name);
            std::strncpy(p.name, kOpponentNames[p.avatar], sizeof p.name - 1);
        }
    }
    dealer = 0;
    quanfeng = 1;
    hu.minfan = ai.minfan = MinFan;
    hu.wildrule = ai.wildrule = bWildRule;
    StartHand();
}

void CMj::StartHand() {
    // Online the server deals: the table only asks to start.
    if (IsNetGame()) {
        SendStart();
        return;
    }
    maydiscard = 0;
    // A tick still pending from the last hand must not act on this one.
    for (unsigned id : {kTimerStep, kTimerClaims, kTimerPung, kTimerFlower, kTimerComputerTurn,
                        kTimerDice, kTimerDrawFlight, kTimerReadyDraw})
        Timer(id)->SetEnabled(false);
    for (const CMjPlayer& p : Player) {
        if (p.score <= 0) {
            ShowMessageForm("有人已经破产了,游戏结束");
            return;
        }
    }
    readyarmed = 0;
    ShowClaimButtons(false);
    chosen = 0;
    curplayer = -1;
    handdealer = dealer;
    Button(kButtonExchange).enabled = 0;
    nodraw = 0;
    state = kHandRunning;
    backtaken = 0;
    skipflowers = 0;
    comprob = userrob = 0;
    robber = -1;
    for (int id : {kButtonPung, kButtonKong, kButtonWin, kButtonPass}) Button(id).visible = 0;

    for (int s = 0; s < kSeats; s++) {
        CMjPlayer& p = Player[s];
        p.Reset();
        renderer.InitDeskCursor(&p, s);
        p.face = 0;
        p.facetimer->interval = 4000 + 500 * s;
        p.facetimer->SetEnabled(true);
    }
    for (int k = 0; k < kSeats; k++) {
        CMjPlayer& p = Player[(dealer + k) % kSeats];
        p.quanfeng = quanfeng;
        p.menfeng = k + 1;
    }
    for (auto& h : stackheight) h = 2;
    std::memset(seen, 0, sizeof seen);
    std::memset(deskhidden, 0, sizeof deskhidden);
    renderer.ClearDesk();
    presentation_->SetRevealHands(false);
    Redraw();

    MjSrand(static_cast<unsigned>(MjTime()));
    dice[0] = RollDie();
    dice[1] = RollDie();
    if (bWildRule) {
        WildTile = wildkind == kWildFixedFlower ? kFlowerOne : kNoTileYet;
        indicator = WildTile;
    }
    ShuffleAndDeal();
    secondthrow = 0;
    ThrowDice(dealer);
}

// Starts the dice animation from a seat with the current dice.
void CMj::ThrowDice(int seat) {
    presentation_->StartDiceThrow(seat, dice[0], dice[1]);
    presentation_->SetAnimKind(kAnimDice);
    presentation_->SetDiceShown(true);
    Redraw();
    PlayEffect(kEffectDice);
    SetStepMode(kStepDice);
}

void CMj::ShuffleAndDeal() {
    MjSrand(static_cast<unsigned>(MjTime()));
    const int a = MjRand() % 20 + 17;
    const int swaps = a * (MjRand() % 20 + 17);
    std::memcpy(wall, shuffleorder, sizeof wall);
    for (int n = 0; n < swaps; n++) {
        const int i = MjRand() % kWallTiles;
        const int j = MjRand() % kWallTiles;
        std::swap(wall[i], wall[j]);
    }
    std::memcpy(shuffleorder, wall, sizeof wall);
    // The hands are filled at once; the deal display counts them up.
    for (int r = 0; r < 13; r++)
        for (int s = 0; s < kSeats; s++) Player[s].Mj[r] = TileFromIndex(wall[4 * r + s]);
    Player[dealer].Mj[13] = TileFromIndex(wall[52]);
    taken = -1;
}

void CMj::SetStepMode(std::uint8_t mode) {
    stepmode = mode;
    CMjTimer* t = Timer(kTimerStep);
    t->interval = mode == kStepDeal ? 100 : mode == kStepNextTurn ? 500 : mode == kStepDice ? 10 : 50;
    t->SetEnabled(true);
}

void CMj::StartAnimStep() {
    Timer(kTimerStep)->SetEnabled(false);
    if (presentation_->StepDiceThrow()) {
        presentation_->SetAnimKind(kAnimNone);
        Redraw();
        Timer(kTimerDice)->SetEnabled(true);
        return;
    }
    Redraw();
    SetStepMode(kStepDice);
}

// Timer 103: after the first throw the second one, after the second the break and the
// dealer's first group.
void CMj::OnDiceTimer() {
    Timer(kTimerDice)->SetEnabled(false);
    presentation_->SetDiceShown(false);
    Redraw();
    if (!secondthrow) {
        thrower = (dealer + dice[0] + dice[1] - 1) % kSeats;
        secondthrow = 1;
        MjSrand(static_cast<unsigned>(MjTime()));
        dice[0] = RollDie();
        dice[1] = RollDie();
        ThrowDice(thrower);
        return;
    }
    changchengstart = kBreakOffset[thrower] + dice[0] + dice[1] - 1;
    taken = -1;
    dealseat = dealer;
    DealTilesTo(dealer, 4);
    SetStepMode(kStepDeal);
}

// Counts `count` tiles of the wall front into the seat's hand, then sorts and shows it.
void CMj::DealTilesTo(int seat, int count) {
    CMjPlayer& p = Player[seat];
    for (int i = 0; i < count; i++) {
        taken++;
        TakeWallFront();
        p.cardnum++;
    }
    p.SortHand();
    PlayEffect(kEffectClick);
    Redraw();
}

void CMj::DealStep() {
    Timer(kTimerStep)->SetEnabled(false);
    dealseat = NextSeat(dealseat);
    if (taken < kLastGroupTaken) {
        DealTilesTo(dealseat, 4);
    } else if (dealseat == dealer) {
        // The dealer's last two: one joins the hand, the other is its drawn tile.
        CMjPlayer& p = Player[dealer];
        DealTilesTo(dealer, 1);
        taken++;
        TakeWallFront();
        p.newmj = p.Mj[13];
        p.hasnew = 1;
    } else {
        DealTilesTo(dealseat, 1);
    }
    if (taken < kDealEndTaken)
        SetStepMode(kStepDeal);
    else
        FinishDeal();
}

void CMj::FinishDeal() {
    while (ReplaceAllFlowers()) Redraw();
    for (CMjPlayer& p : Player) {
        p.SortHand();
        p.ChoosePlan();
    }
    ChooseWildTile();
    SpreadRules();
    for (CMjPlayer& p : Player) p.SortHand();
    Redraw();
    Player[dealer].winmj = Player[dealer].Mj[13];
    curplayer = dealer;
    nodraw = 0;
    GiveMj(true);
}

// The wild tile of the hand from the next wall tile that is not a flower (kinds 2 and 3);
// flowers looked at on the way leave the wall.
void CMj::ChooseWildTile() {
    if (!bWildRule || wildkind == kWildFixedFlower) return;
    tagMj t;
    for (;;) {
        taken++;
        TakeWallFront();
        t = TileFromIndex(wall[taken]);
        if (!IsFlower(t)) break;
        skipflowers++;
    }
    indicator = t;
    WildTile = WildFromIndicator(t, wildkind);
}

// Flowers stay in the hands only under the wild rule with the fixed flower wild tile.
bool CMj::ReplaceAllFlowers() {
    bool any = false;
    for (int s = 0; s < kSeats; s++) any = ReplaceFlowersOf(s) || any;
    return any;
}

bool CMj::ReplaceFlowersOf(int seat) {
    if (bWildRule && wildkind == kWildFixedFlower) return false;
    CMjPlayer& p = Player[seat];
    bool replaced = false;
    for (int i = 0; i < p.cardnum; i++)
        if (IsFlower(p.Mj[i]) && ReplaceWithWallTile(p, p.Mj[i])) replaced = true;
    // A drawn flower whose replacement is already on its way is left to it.
    if (p.hasnew && IsFlower(p.newmj) && !FlowerPending(seat) && ReplaceWithWallTile(p, p.newmj)) {
        if (p.cardnum < 14) p.Mj[p.cardnum] = p.newmj;
        replaced = true;
    }
    if (replaced) PlayAction(seat, kVoiceFlower);
    return replaced;
}

// A flower is set aside and the back of the wall gives its replacement; with no tile left in
// the wall (a late tile exchange can bring a flower in) the flower stays (false).
bool CMj::ReplaceWithWallTile(CMjPlayer& p, tagMj& tile) {
    if (taken + 1 >= kWallTiles) return false;
    taken++;
    tile = TileFromIndex(wall[taken]);
    TakeWallBack();
    p.flowers++;
    Redraw();
    return true;
}

void CMj::TakeWallFront() {
    int stack = changchengstart + (taken - backtaken) / 2;
    if (stack > kWallStacks - 1) stack -= kWallStacks;
    if (stack < 0 || stack >= kWallStacks) return;
    if (stackheight[stack] > 0) stackheight[stack]--;
    lastfront = stack;
}

void CMj::TakeWallBack() {
    int stack = changchengstart - 1 - backtaken / 2;
    if (stack < 0) stack += kWallStacks;
    backtaken++;
    if (stack < 0 || stack >= kWallStacks) return;
    if (stackheight[stack] > 0) stackheight[stack]--;
}
