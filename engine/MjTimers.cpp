// Timer ticks: every pause, countdown and animation step of the table is a timer whose tick
// does one step and redraws.
#include "engine/Mj.h"
#include "online/OnlineDialogs.h"
#include "ui/DxEdit.h"
#include "ui/Dialogs.h"
#include "ui/InputNameDlg.h"
#include "platform/Timer.h"
#include "rules/Random.h"

namespace {

constexpr int kFlowerTicks = 12;
constexpr int kReadyDrawFrames = 8;
constexpr int kDrawFlightSpeed = 60;
constexpr int kBlinkFaceMs = 100;
constexpr std::uint8_t kFaceNormal = 0;
constexpr std::uint8_t kFaceDiscard = 1;
constexpr std::uint8_t kFaceBlink = 11;
constexpr int kLinkPairs = 5;

}  // namespace

void CMj::ToggleCarets() {
    const auto toggle = [](CDxEdit* edit) {
        if (edit && edit->focus) edit->caretOn = !edit->caretOn;
    };
    if (nActiveForm == kInputNameDlgId && pInputNameDlg) toggle(pInputNameDlg->nameEdit.get());
    toggle(FocusedOnlineEdit(nActiveForm));
    toggle(chatedit);
}

void CMj::OnTimer(unsigned id) {
    switch (id) {
    case kTimerStep:
        if (stepmode == kStepDeal)
            DealStep();
        else if (stepmode == kStepNextTurn)
            NextTurn();
        else if (stepmode == kStepDice)
            StartAnimStep();
        else
            Timer(kTimerStep)->SetEnabled(false);
        return;
    case kTimerReveal:
        Timer(kTimerReveal)->SetEnabled(false);
        ShowAllHands(false);
        return;
    case kTimerDiscardCount:
        if (--countdown <= 0) {
            CMjPlayer& p = Player[0];
            p.select = p.hasnew ? p.cardnum : p.cardnum - 1;
            AutoDiscard();
            Timer(kTimerDiscardCount)->SetEnabled(false);
        }
        Redraw();
        return;
    case kTimerClaimCount:
        if (--countdown <= 0) {
            // An open piao prompt of variant 2 is answered no; else the claims are passed.
            if (variant == 2 && Button(kButtonPiaoYes).visible) {
                Button(kButtonPiaoYes).enabled = Button(kButtonPiaoNo).enabled = 0;
                SendPiaoAnswer(false);
            } else {
                PassClaim(0);
            }
            Timer(kTimerClaimCount)->SetEnabled(false);
        }
        Redraw();
        return;
    case kTimerBlink:  // the carets blink with the idle timer
        blink = !blink;
        Redraw();
        return;
    case kTimerIdle:
        portraitphase = (portraitphase + 1) % 4;
        RestartMusicWhenEnded();
        TakeFinishedAvatar();
        ToggleCarets();
        Redraw();
        return;
    case kTimerKeepAlive: SendKeepAlive(); return;
    case kTimerClaims: ResolveClaims(); return;
    case kTimerPung: ExecutePung(); return;
    case kTimerCountdown:
        if (state == kHandRunning && countdowncopy > 0) {
            countdowncopy--;
            Redraw();
        }
        return;
    case kTimerFlower:
        if (++flowertick >= kFlowerTicks) {
            Timer(kTimerFlower)->SetEnabled(false);
            // The user's flower leaves the drawn tile's place as its replacement is drawn.
            Player[flowerseat].hasnew = 0;
            GiveMj(false);
        }
        Redraw();
        return;
    case kTimerComputerTurn: Discard(); return;
    case kTimerDice: OnDiceTimer(); return;
    case kTimerDrawFlight:
        Timer(kTimerDrawFlight)->SetEnabled(false);
        if (presentation_->StepFlight(kDrawFlightSpeed)) {
            presentation_->SetAnimKind(kAnimNone);
            Redraw();
            TakeDrawnTile();
        } else {
            Redraw();
            Timer(kTimerDrawFlight)->SetEnabled(true);
        }
        return;
    case kTimer105: return;
    case kTimerLinks:
        if (linkcount > 2 && nActiveForm == 0 && !NoticeLinkActive()) ShowNextLinkPair();
        return;
    case kTimerReadyDraw: OnReadyDrawTimer(); return;
    default: break;
    }
    if (id >= kFaceTimerBase + 1 && id < kFaceTimerBase + kSeats) {
        OnFaceTimer(static_cast<int>(id - kFaceTimerBase));
    } else if (id >= kWaitTimerBase && id < kWaitTimerBase + kSeats) {
        Player[id - kWaitTimerBase].waittimer->SetEnabled(false);
        Redraw();
    } else if (id >= kActionTimerBase && id < kActionTimerBase + kSeats) {
        CMjPlayer& p = Player[id - kActionTimerBase];
        p.actiontimer->SetEnabled(false);
        p.action = 0;
        Redraw();
    } else if (!OnOnlineTimer(id)) {
        // Nobody's: the user's portrait timer (10) and any stray id stop here.
        platform::KillTimer(static_cast<int>(id));
    }
}

// The link labels after the first two come from link notices: they show a pair at a time, in
// turn.
void CMj::ShowNextLinkPair() {
    linkpair++;
    if (linkpair >= kLinkPairs || 2 * linkpair >= linkcount) linkpair = 0;
    for (CDxLinkLabel* label : links)
        if (label) label->visible = 0;
    for (int i = 2 * linkpair; i < 2 * linkpair + 2 && i < kMaxLinkLabels; i++)
        if (links[i]) links[i]->visible = 1;
    Redraw();
}

// A computer seat's portrait blinks now and then and shows its discard pose for a moment.
void CMj::OnFaceTimer(int seat) {
    CMjPlayer& p = Player[seat];
    CMjTimer* t = p.facetimer;
    t->SetEnabled(false);
    if (p.face == kFaceNormal) {
        p.face = kFaceBlink;
        t->interval = kBlinkFaceMs;
        t->SetEnabled(true);
    } else if (p.face == kFaceDiscard || p.face == kFaceBlink) {
        p.face = kFaceNormal;
        t->interval = MjRand() % 2000 + 4000;
        t->SetEnabled(true);
    }
    Redraw();
}

// A ready user's drawn tile shows for eight frames, then is played.
void CMj::OnReadyDrawTimer() {
    if (state != kHandRunning) return;
    if (readyframe < kReadyDrawFrames) {
        readyframe++;
        Redraw();
        return;
    }
    Timer(kTimerReadyDraw)->SetEnabled(false);
    PlayDrawnTile();
}
