// Whole offline games under every rule family, headless, with the invariants checked after
// every step.  The figures of each family are printed for the record.
#include <gtest/gtest.h>

#include <cstdio>

#include "EngineTestSupport.h"
#include "SelfPlay.h"

namespace enginetest {
namespace {

class SelfPlay : public ::testing::TestWithParam<RuleFamily> {
protected:
    void SetUp() override { ProgramFolderOfTheBuild("selfplay"); }
};

TEST_P(SelfPlay, WholeHandsKeepEveryTileScoreAndSeenCount) {
    constexpr unsigned kSeeds[] = {1, 2, 3};
    constexpr int kHandsPerSeed = 12;
    SelfPlayFigures total;
    for (unsigned seed : kSeeds) {
        const SelfPlayFigures f = PlayHands(GetParam(), seed, kHandsPerSeed);
        ASSERT_EQ(f.fault, "");
        EXPECT_EQ(f.refusedWins, 0) << "seed " << seed;
        total.hands += f.hands;
        total.wins += f.wins;
        total.exhausted += f.exhausted;
        total.fanOfWins += f.fanOfWins;
        total.seconds += f.seconds;
    }
    EXPECT_GT(total.wins, 0);
    std::printf("[figures] %s: %d hands, %d wins, mean fan %.1f, %d exhausted, %.0f hands/s\n",
                GetParam().name, total.hands, total.wins,
                total.wins ? static_cast<double>(total.fanOfWins) / total.wins : 0.0,
                total.exhausted, total.seconds > 0 ? total.hands / total.seconds : 0.0);
}

INSTANTIATE_TEST_SUITE_P(RuleFamilies, SelfPlay,
                         ::testing::Values(kOfficial, kOpen, kWildNext, kWildPrevious, kWildFlower),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

TEST(SelfPlayWatchdog, ATableThatWaitsForeverFailsAfterAVirtualMinute) {
    ProgramFolderOfTheBuild("selfplay");
    SelfPlayOptions idleUser;
    idleUser.userPlays = false;
    const SelfPlayFigures f = PlayHands(kOfficial, 1, 1, idleUser);
    EXPECT_NE(f.fault.find("nothing moved for a virtual minute"), std::string::npos) << f.fault;
}

TEST(SelfPlaySounds, HandsWithoutAnimationsKeepTheInvariantsAndSoundThroughTheStandIns) {
    ProgramFolderOfTheBuild("selfplay");
    SelfPlayOptions still;
    still.animate = false;
    int discards = 0, dice = 0, songs = 0;
    still.atEnd = [&](HeadlessTable& h) {
        using platform::testing::SoundCallKind;
        for (const auto& b : h.Sound().Buffers()) {
            if (b->path.find("givemj") != std::string::npos) discards = b->playCalls;
            if (b->path.find("sezi") != std::string::npos) dice = b->playCalls;
        }
        songs = h.Music().Count(platform::testing::MusicCallKind::Load);
    };
    const SelfPlayFigures f = PlayHands(kOpen, 4, 6, still);
    ASSERT_EQ(f.fault, "");
    EXPECT_EQ(f.hands, 6);
    EXPECT_GT(discards, 6 * 10) << "every discard is called (the givemj sound with voices off)";
    EXPECT_GE(dice, 2 * 6) << "two throws a hand";
    EXPECT_EQ(songs, 1) << "the background song is loaded once";
}

TEST(SelfPlaySeeds, TheSameSeedPlaysTheSameGame) {
    ProgramFolderOfTheBuild("selfplay");
    const SelfPlayFigures a = PlayHands(kWildNext, 7, 4);
    const SelfPlayFigures b = PlayHands(kWildNext, 7, 4);
    EXPECT_EQ(a.trail, b.trail);
    EXPECT_EQ(a.fanOfWins, b.fanOfWins);
    EXPECT_NE(a.trail, PlayHands(kWildNext, 8, 4).trail);
}

}  // namespace
}  // namespace enginetest
