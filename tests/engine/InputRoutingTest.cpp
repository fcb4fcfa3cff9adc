// Who gets the window's mouse and keys: a shown message box, a shown invitation prompt, the
// active dialog, or the table; and what the table does with a press, a hover and a release.
#include <gtest/gtest.h>

#include <string>

#include "HandPoints.h"
#include "TableFixture.h"
#include "graphics/DxSound.h"
#include "graphics/FrameDialogs.h"
#include "online/LoginForm.h"
#include "online/RegForm.h"
#include "platform/WindowKeys.h"
#include "ui/BitForm.h"
#include "ui/DxEdit.h"

namespace enginetest {
namespace {

// A dialog that writes down the mouse events it gets: d(own), m(ove), u(p).
class RecordingForm : public CBitForm {
public:
    explicit RecordingForm(CMj* table) : CBitForm("Graphic\\none.bmp", table) {}
    void Show() override {}
    int OnLButtonDown(int, int) override { return Note('d'); }
    int OnMouseMove(int, int) override { return Note('m'); }
    int OnLButtonUp(int, int) override { return Note('u'); }

    std::string events;

private:
    int Note(char c) {
        events += c;
        return -1;
    }
};

constexpr int kOptionsId = 2;
constexpr int kNoDialogId = 3;  // an id no dialog has

class InputRouting : public TableTest {
protected:
    InputRouting() : message(t), invite(t), options(t), hand(t->renderer) {
        // The table's own boxes and options dialog step aside for the recording ones.
        std::swap(pShowMessageForm, messageOfTheTable_);
        std::swap(pInviteMessage, inviteOfTheTable_);
        std::swap(DialogSlots[kOptionsId], optionsOfTheTable_);
        pShowMessageForm = &message;
        pInviteMessage = &invite;
        DialogSlots[kOptionsId] = &options;
        // The user's turn with a drawn tile: a right press on the table plays it.
        Midhand(0);
        Hand(0, "123m 456p 789s 11z 23m");
        Drawn(0, "9p");
        t->maydiscard = 1;
    }
    ~InputRouting() override {
        pShowMessageForm = messageOfTheTable_;
        pInviteMessage = inviteOfTheTable_;
        DialogSlots[kOptionsId] = optionsOfTheTable_;
        bMessageShown = bInviteShown = 0;
        nActiveForm = 0;
    }

    // Every mouse event once: a left press, a right press, a move and a release.
    void AllMouseEvents() {
        t->OnLButtonDown(10, 10, 0, 1);
        t->OnLButtonDown(10, 10, 1, 1);
        t->OnMouseMove(10, 10);
        t->OnLButtonUp(10, 10);
    }
    bool TableActed() const { return t->Player[0].rivernum > 0 || t->chosen || !t->Player[0].hasnew; }

    // Moves the mouse onto a tile of the user's hand, or presses there.
    void HoverTile(int position) { t->OnMouseMove(hand.X(t->Player[0], position), hand.Y()); }
    void PressTile(int position) { t->OnLButtonDown(hand.X(t->Player[0], position), hand.Y(), 0, 1); }
    void MoveAway(int dx = 0) { t->OnMouseMove(HandPoints::kAwayX + dx, HandPoints::kAwayY); }

    RecordingForm message, invite, options;
    HandPoints hand;

private:
    decltype(pShowMessageForm) messageOfTheTable_ = nullptr;
    decltype(pInviteMessage) inviteOfTheTable_ = nullptr;
    CBitForm* optionsOfTheTable_ = nullptr;
};

struct RouteCase {
    const char* name;
    std::uint8_t messageShown;
    std::uint8_t inviteShown;
    int activeForm;
    const char* toMessage;  // the events each one gets
    const char* toInvite;
    const char* toDialog;
    bool tableActs;
};

// The message box takes both presses; a dialog takes no right press (only the lobby would).
const RouteCase kRoutes[] = {
    {"message box over everything", 1, 1, kOptionsId, "ddmu", "", "", false},
    {"invitation prompt over a dialog", 0, 1, kOptionsId, "", "ddmu", "", false},
    {"active dialog", 0, 0, kOptionsId, "", "", "dmu", false},
    {"an id without a dialog drops them", 0, 0, kNoDialogId, "", "", "", false},
    {"the table", 0, 0, 0, "", "", "", true},
};

TEST_F(InputRouting, MouseGoesToTheFirstOfMessageBoxPromptDialogTable) {
    for (const RouteCase& c : kRoutes) {
        message.events.clear();
        invite.events.clear();
        options.events.clear();
        bMessageShown = c.messageShown;
        bInviteShown = c.inviteShown;
        nActiveForm = c.activeForm;
        AllMouseEvents();
        EXPECT_EQ(message.events, c.toMessage) << c.name;
        EXPECT_EQ(invite.events, c.toInvite) << c.name;
        EXPECT_EQ(options.events, c.toDialog) << c.name;
        EXPECT_EQ(TableActed(), c.tableActs) << c.name;
    }
}

TEST_F(InputRouting, ARightPressWhileTheMessageBoxShowsGoesToTheBoxNotTheTable) {
    bMessageShown = 1;
    t->OnLButtonDown(400, 500, 1, 1);
    EXPECT_EQ(message.events, "d");
    EXPECT_TRUE(t->Player[0].hasnew);  // the drawn tile is still held
    bMessageShown = 0;
    t->OnLButtonDown(400, 500, 1, 1);
    EXPECT_FALSE(t->Player[0].hasnew);  // now the table plays it
}

TEST_F(InputRouting, KeysNeverGoToTheOverlayBoxes) {
    bMessageShown = 1;
    bInviteShown = 1;
    t->OnKeyDown(platform::VK_ESCAPE);  // with no dialog the table's keys act
    EXPECT_TRUE(t->Button(kButtonSettings).visible);
    t->OnKeyPress('a');
    t->OnKeyUp(platform::VK_ESCAPE);
    EXPECT_EQ(message.events, "");
    EXPECT_EQ(invite.events, "");
}

// The text of an edit.
std::string Typed(const CDxEdit& edit) { return std::string(edit.text, static_cast<std::size_t>(edit.length)); }

// Typing goes to the active dialog that takes it: the login dialog and the sign-up dialog (their
// name edit has the focus here); with no dialog, an online game's chat line takes it, but not
// Enter, and an offline game's does not.
TEST_F(InputRouting, TypedCharactersGoToTheDialogThatTypesOrToTheOnlineChatLine) {
    ASSERT_TRUE(pLoginForm && pRegForm && t->chatedit);
    struct Case {
        const char* name;
        int activeForm;
        std::uint8_t online;
        CDxEdit* edit;  // the one that takes the typing, or none
    } const cases[] = {
        {"login dialog", CLoginForm::kId, 1, pLoginForm->NameEdit},
        {"sign-up dialog", CRegForm::kId, 1, pRegForm->NameEdit},
        {"online table", 0, 1, t->chatedit},
        {"offline table", 0, 0, nullptr},
        {"a dialog that takes no keys", kOptionsId, 1, nullptr},
    };
    CDxEdit* edits[] = {pLoginForm->NameEdit, pLoginForm->PassEdit, pRegForm->NameEdit, t->chatedit};
    for (const Case& c : cases) {
        for (CDxEdit* e : edits) {
            e->length = 0;
            e->focus = e != pLoginForm->PassEdit;
        }
        nActiveForm = c.activeForm;
        t->netgame = c.online;
        bMessageShown = 1;  // the message box takes no keys
        for (int key : {'a', 'b'}) t->OnKeyPress(key);
        if (c.activeForm == 0) t->OnKeyPress(platform::VK_RETURN);
        for (CDxEdit* e : edits) EXPECT_EQ(Typed(*e), e == c.edit ? "ab" : "") << c.name;
        EXPECT_EQ(message.events, "") << c.name;
    }
    t->netgame = 0;
}

TEST_F(InputRouting, TableKeysWaitWhileADialogIsActive) {
    nActiveForm = kOptionsId;
    t->Player[0].items[0] = 1;
    t->OnKeyDown(platform::VK_ESCAPE);
    t->OnKeyDown(platform::VK_F1);
    EXPECT_FALSE(t->Button(kButtonSettings).visible);
    EXPECT_EQ(t->Player[0].items[0], 1);
}

// --- The right button on the table ---------------------------------------------------------

class RightPress : public InputRouting {};

TEST_F(RightPress, PlaysTheDrawnTileWhenNoClaimIsOffered) {
    t->OnLButtonDown(0, 0, 1, 1);
    EXPECT_FALSE(t->Player[0].hasnew);
    EXPECT_TRUE(TileEqual(t->curmj, One("9p")));
}

TEST_F(RightPress, PassesWhenClaimButtonsAreShownWithPassEnabled) {
    Midhand(3);
    Hand(0, "123m 456p 789s 55z 23m");
    Discards(3, "5z");  // the user may pung (or pass)
    ASSERT_TRUE(t->Button(kButtonPass).visible && t->Button(kButtonPass).enabled);
    ASSERT_TRUE(t->claimpending);
    t->OnLButtonDown(0, 0, 1, 1);
    EXPECT_EQ(t->Player[0].gangnum, 0);  // no pung made
    EXPECT_EQ(t->Player[3].rivernum, 1);  // the discard went to the river
    EXPECT_EQ(t->curplayer, 0);           // and the user draws
}

TEST_F(RightPress, KeepsADrawnWildTileUnlessTheWholeHandIsWild) {
    bWildRule = 1;
    WildTile = One("5z");
    Drawn(0, "5z");
    t->OnLButtonDown(0, 0, 1, 1);
    EXPECT_TRUE(t->Player[0].hasnew);
    EXPECT_EQ(t->Player[0].rivernum + t->chosen, 0);

    Hand(0, "5z");
    Drawn(0, "5z");
    t->OnLButtonDown(0, 0, 1, 1);
    EXPECT_FALSE(t->Player[0].hasnew);
    bWildRule = 0;
}

// --- The left button and the hover on the table --------------------------------------------

class LeftPress : public InputRouting {};

TEST_F(LeftPress, PlaysTheTileTheHoverRaised) {
    const tagMj hovered = t->Player[0].Mj[3];  // 3m, the hand's fourth tile
    const int framesBefore = shown.frames;
    HoverTile(3);
    EXPECT_EQ(t->Player[0].select, 3);
    EXPECT_GT(shown.frames, framesBefore);
    PressTile(3);
    EXPECT_TRUE(TileEqual(t->curmj, hovered));
}

TEST_F(LeftPress, AHoverLeavingTheHandRedrawsOnceAndThenNotAgain) {
    HoverTile(2);
    const int frames = shown.frames;
    MoveAway();
    EXPECT_EQ(t->Player[0].select, -1);
    EXPECT_EQ(shown.frames, frames + 1);
    MoveAway(10);
    EXPECT_EQ(shown.frames, frames + 1);
    EXPECT_EQ(t->mousex, HandPoints::kAwayX + 10);
}

struct HoverGate {
    const char* name;
    std::uint8_t maydiscard;
    std::uint8_t state;
    bool takes;
};

// The hand answers the mouse on the user's turn while the hand runs.
const HoverGate kHoverGates[] = {
    {"the user's turn", 1, kHandRunning, true},
    {"another seat's turn", 0, kHandRunning, false},
    {"the hand is over", 1, kHandOver, false},
};

TEST_F(LeftPress, TheHandAnswersTheMouseOnlyWhenItMayBePlayed) {
    for (const HoverGate& g : kHoverGates) {
        t->Player[0].select = -1;
        t->maydiscard = g.maydiscard;
        t->state = g.state;
        HoverTile(1);
        EXPECT_EQ(t->Player[0].select, g.takes ? 1 : -1) << g.name;
    }
}

TEST_F(LeftPress, TheTileUnderARestingMouseRisesWhenTheTurnComes) {
    t->maydiscard = 0;
    HoverTile(2);  // not the user's turn yet: only the position is kept
    EXPECT_EQ(t->Player[0].select, -1);
    t->GiveMj(true);  // the user's own turn is offered
    ASSERT_TRUE(t->maydiscard);
    EXPECT_EQ(t->Player[0].select, 2);
}

TEST_F(LeftPress, LinkLabelsNotInUseTakeNoMouse) {
    // The corner is the place of every label the table does not use.
    t->OnMouseMove(0, 0);
    HoverTile(4);  // one move raises the tile: no label's hover changes on the way
    EXPECT_EQ(t->Player[0].select, 4);
}

TEST_F(LeftPress, APressOnTheTableHidesTheMenuAndStillPlays) {
    t->OnKeyDown(platform::VK_ESCAPE);
    ASSERT_TRUE(t->Button(kButtonHelp).visible);
    HoverTile(0);
    PressTile(0);
    for (int id : {kButtonSettings, kButtonWebsite, kButtonHelp, kButtonLeave})
        EXPECT_FALSE(t->Button(id).visible) << id;
    EXPECT_FALSE(t->maydiscard);  // the discard went out
}

TEST_F(LeftPress, AChowWithSeveralOptionsIsPickedByTheTileClicked) {
    Midhand(3);
    Hand(0, "234567p 19m 19s 1z 55z");
    Discards(3, "4p");  // 23p, 35p and 56p make a chow with 4p
    ASSERT_TRUE(t->Button(kButtonChow).enabled);
    t->OnButtonClick(kButtonChow);
    CMjPlayer& p = t->Player[0];
    ASSERT_TRUE(p.choosechow);
    ASSERT_EQ(p.chownum, 3);
    // 6p (hand position 8, after 1m 9m 1s 9s 2p 3p 4p 5p) is in one option only, with 5p.
    HoverTile(8);
    EXPECT_EQ(p.chowpeer, 7);
    PressTile(8);
    ASSERT_EQ(p.gangnum, 1);
    EXPECT_EQ(rulestest::Str(p.Gang[0].Mj, 3), "4p5p6p");
    EXPECT_FALSE(p.choosechow);
}

TEST_F(LeftPress, AKongWithSeveralChoicesIsPickedByTheTileClicked) {
    Midhand(0);
    Hand(0, "1111m 2222p 789s 55z");
    Drawn(0, "6z");
    t->GiveMj(true);  // the user's turn is offered: two concealed kongs
    ASSERT_TRUE(t->Button(kButtonKong).visible && t->Button(kButtonKong).enabled);
    t->OnButtonClick(kButtonKong);
    CMjPlayer& p = t->Player[0];
    ASSERT_TRUE(p.choosekong);
    ASSERT_EQ(p.kongnum, 2);
    // Only the first tile of each kong takes the mouse: 1m at 0, 2p at 7 (after 789s).
    HoverTile(1);
    EXPECT_EQ(p.select, -1);  // a tile that is no choice is not raised
    PressTile(1);
    EXPECT_EQ(p.gangnum, 0);  // and pressing it does nothing
    HoverTile(7);
    PressTile(7);
    ASSERT_EQ(p.gangnum, 1);
    EXPECT_EQ(rulestest::Str(p.Gang[0].Mj, 4), "2p2p2p2p");
}

// The drawn tile that makes one of the kongs picks it, as a hand tile of that kong does.
TEST_F(LeftPress, TheDrawnTilePicksItsKongAmongSeveral) {
    const struct {
        const char* hand;
        const char* pung;  // an exposed pung, or none
        const char* drawn;
        const char* kong;
    } kCases[] = {
        {"111m 2222p 789s 556z", "", "1m", "1m1m1m1m"},  // the fourth copy of three held
        {"1111m 789s 556z", "222p", "2p", "2p2p2p2p"},   // the copy that adds to the pung
    };
    for (const auto& c : kCases) {
        Midhand(0);
        Hand(0, c.hand);
        if (*c.pung) Meld(0, c.pung, kKindPung);
        Drawn(0, c.drawn);
        t->GiveMj(true);
        ASSERT_TRUE(t->Button(kButtonKong).enabled) << c.drawn;
        t->OnButtonClick(kButtonKong);
        CMjPlayer& p = t->Player[0];
        ASSERT_TRUE(p.choosekong) << c.drawn;
        ASSERT_EQ(p.kongnum, 2) << c.drawn;
        HoverTile(p.cardnum);
        PressTile(p.cardnum);
        ASSERT_EQ(p.gangnum, 1) << c.drawn;  // an added kong stays where its pung was
        EXPECT_EQ(rulestest::Str(p.Gang[0].Mj, 4), c.kong) << c.drawn;
        EXPECT_FALSE(p.choosekong) << c.drawn;
    }
}

}  // namespace
}  // namespace enginetest
