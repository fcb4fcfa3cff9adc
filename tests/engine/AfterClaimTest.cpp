// The user's turn after its own pung or chow: only the discard is offered (no self-drawn win,
// no own kong), the tile under a resting mouse rises at once, and a game saved at that moment
// loads to the same offer.
#include <filesystem>

#include "HandPoints.h"
#include "TableFixture.h"
#include "engine/SaveGameFile.h"
#include "platform/Path.h"
#include "platform/WholeFile.h"

namespace enginetest {
namespace {

constexpr const char* kUnrelated = "1357s1357m1357z9s";

// What the table offers the user: each claim button shown and enabled, whether a claim is
// pending and whether the user may discard.
std::string OfferOf(CMj& t) {
    std::string offer;
    for (int id : kClaimButtons)
        offer += std::to_string(id) + (t.Button(id).visible ? "v" : "-") +
                 (t.Button(id).enabled ? "e " : "- ");
    offer += "pending " +
             std::to_string(t.claimpending) + " may discard " + std::to_string(t.maydiscard);
    return offer;
}

struct ClaimCase {
    const char* what;
    int minFan;
    const char* hand;     // the user's 13 tiles
    const char* discard;  // seat 3's discard
    int button;
    const char* left;     // the user's hand after the claim, with its last tile as if drawn
};

// Both hands are one tile from a full flush: tested as a self-drawn hand after the claim they
// would win (43 fans after the pung), which the live table never offers.
const ClaimCase kClaims[] = {
    {"pung", 8, "55p 123p 456p 789p 11p", "5p", kButtonPung, "1p1p1p2p3p4p5p6p7p8p9p"},
    {"chow", 8, "23p 456p 567p 789p 11p", "1p", kButtonChow, "1p1p4p5p5p6p6p7p7p8p9p"},
};

class AfterClaim : public TableTest {
protected:
    // Seat 3 discards the case's tile to the user, who presses the case's button.
    void Claim(const ClaimCase& c) {
        Midhand(3, c.minFan);
        for (int i = 0; i < kWallTiles; i++) t->wall[i] = static_cast<std::uint8_t>(i);
        Hand(0, c.hand);
        Hand(1, kUnrelated);
        Hand(2, kUnrelated);
        Hand(3, std::string(c.discard) + " " + kUnrelated);
        Discards(3, c.discard);
        ASSERT_TRUE(t->Button(c.button).visible && t->Button(c.button).enabled) << c.what;
        t->OnButtonClick(c.button);
        ASSERT_EQ(t->curplayer, 0) << c.what;
        ASSERT_EQ(t->Player[0].gangnum, 1) << c.what;
    }
};

// The live offer after the claim, and the same offer after a save and a load into a table that
// has just been made: the win button stays dark, no win is on the table, and the user's turn
// still counts as one without a draw.  A file that holds the turn as the user's tiles without
// a drawn tile and without the turn flag loads to the same offer.
TEST_F(AfterClaim, ASaveRightAfterAPungOrChowLoadsToTheSameOffer) {
    const std::string path = platform::ProgramPath("Save\\1.cmj");
    const std::string disk = platform::ToDiskPath(path);
    for (const ClaimCase& c : kClaims) {
        Claim(c);
        const CMjPlayer& live = t->Player[0];
        EXPECT_EQ(rulestest::Str(live.Mj, live.cardnum + 1), c.left) << c.what;
        const std::string offer = OfferOf(*t);
        EXPECT_FALSE(t->Button(kButtonWin).enabled) << c.what;
        ASSERT_TRUE(t->SaveProgress(path)) << c.what;
        const std::string saved = platform::ReadWholeFile(disk, kSavedGameBytes).value_or("");
        SavedGame withoutDrawnTile = ReadSavedGame(saved).value_or(SavedGame{});
        SavedSeat& user = withoutDrawnTile.seats[0];
        ASSERT_EQ(user.nodraw, 1) << c.what;
        user.hand[user.cardnum++] = user.newmj;
        user.hasnew = 0;
        user.nodraw = 0;

        for (const std::string& file : {saved, WriteSavedGame(withoutDrawnTile)}) {
            ASSERT_TRUE(platform::ReplaceFileContents(disk, file));
            headless.reset();
            headless = std::make_unique<HeadlessTable>(2, &shown, StandIns::kNone);
            t = headless->table.get();
            t->animate = 0;
            ASSERT_TRUE(t->LoadProgress(path)) << c.what;
            EXPECT_EQ(OfferOf(*t), offer) << c.what;
            EXPECT_FALSE(t->Button(kButtonWin).enabled) << c.what;
            for (int i = 0; i < t->claimnum; i++)
                EXPECT_TRUE(t->claims[i].kind != kClaimWin || t->claims[i].declined) << c.what;
            EXPECT_EQ(t->nodraw, 1) << c.what;
            const CMjPlayer& loaded = t->Player[0];
            EXPECT_TRUE(loaded.hasnew) << c.what;
            EXPECT_EQ(rulestest::Str(loaded.Mj, loaded.cardnum + 1), c.left) << c.what;

            // The loaded turn plays on as the live one would: the user discards.
            t->Player[0].select = t->Player[0].cardnum;
            t->AutoDiscard();
            EXPECT_EQ(t->Player[0].rivernum + t->Player[0].played, 1) << c.what;
            EXPECT_EQ(t->nodraw, 0) << c.what;
        }
    }
}

// The tile under a mouse that rests where the drawn tile comes rises as soon as the user may
// discard: the drawn tile stands at the hand's anchor whatever the hand's length.
TEST_F(AfterClaim, TheTileUnderARestingMouseRisesWithoutAMove) {
    for (const ClaimCase& c : kClaims) {
        HandPoints points(t->renderer);
        nActiveForm = 0;
        t->OnMouseMove(t->renderer.OwnHandAnchor.x + HandPoints::kTileW / 2, points.Y());
        t->Player[0].select = -1;
        Claim(c);
        EXPECT_EQ(t->mousex, t->renderer.OwnHandAnchor.x + HandPoints::kTileW / 2) << c.what;
        EXPECT_EQ(t->Player[0].select, t->Player[0].cardnum) << c.what;
    }
}

}  // namespace
}  // namespace enginetest
