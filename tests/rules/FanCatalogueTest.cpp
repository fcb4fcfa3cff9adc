// One scored hand per fan, per extra fan of the wild-tile rule and per decided rule: the flags
// left after the exclusions, the extra flags and the total.
#include <gtest/gtest.h>

#include "tests/rules/RulesTestSupport.h"

using namespace rulestest;

namespace {


struct FanCase {
    const char* what;
    int minfan;
    std::string hand;          // concealed tiles; the last one written is the winning tile
    Sit sit;
    std::vector<int> flags;    // fan flags after the exclusions
    int total;                 // the seat's total, flowers included
    std::vector<int> extras = {};
    std::string wild = "";     // the wild tile: the wild-tile rule is on
};

// Melds and hands that carry no fan of their own, to keep a row about one fan.
const char* kPlainHand = "567s789p11z345m";

std::vector<FanCase> Catalogue() {
    return {
        {"1 大四喜", 8, "111z222z333z444z55m", Sit(), {1, 12, 49, 79}, 159},
        {"2 大三元", 8, "555z666z123m99m777z", Sit(), {2, 49, 55, 62, 66}, 102},
        {"3 绿一色", 8, "234s234s666s66z888s", Sit(), {3, 62, 69}, 91},
        {"4 九莲宝灯", 8, "1112345678999m5m", Sit(), {4, 66, 73, 79}, 92},
        {"5 四杠: four kongs and a pair, eighteen tiles", 8, "55z",
         Sit().Meld("1111m").Meld("2222s").Meld("3333p").Meld("4444z"), {5, 42, 51, 52, 73}, 109},
        {"6 连七对", 8, "11223344556677s", Sit(), {6}, 88},
        {"7 十三幺", 8, "19m19s19p1234567z1m", Sit().Zimo(), {7, 80}, 89},
        {"8 清幺九", 8, "111m999m111s999s11p", Sit(), {8, 12, 79}, 129},
        {"9 小四喜", 8, "222z333z44z123m111z", Sit(), {9, 49, 55, 60, 61, 62, 66}, 82},
        {"10 小三元", 8, "666z77z123m456m555z", Sit(), {10, 49, 62, 71}, 73},
        {"11 字一色, which also excludes 混幺九", 8, "111z222z555z666z77z", Sit(), {10, 11, 12, 60, 61, 79}, 197},
        {"12 四暗刻", 8, "111m333s555p888m99p", Sit(), {12, 73, 76, 79}, 67},
        {"13 一色双龙会", 8, "123m123m789m789m55m", Sit(), {13, 62, 79}, 67},
        {"14 一色四同顺", 8, "123m123m123m123m99p", Sit(), {14, 55, 62, 63, 75, 79}, 58},
        {"15 一色四节高", 8, "111m222m333m444m99p", Sit(), {12, 15, 73, 75, 76, 79}, 116},
        {"16 一色四步高", 8, "123m234m345m456m99p", Sit(), {16, 62, 63, 71, 75, 79}, 39},
        {"17 三杠", 8, "567m88s", Sit().Meld("1111m").Meld("2222s").Meld("3333p", false),
         {17, 42, 73, 76, 79}, 43},
        {"18 混幺九", 8, "111m999s111z222z99p", Sit(), {12, 18, 60, 61, 79}, 101},
        {"19 七对", 8, "11m22m55s66s99p11z77z", Sit(), {19, 51}, 30},
        {"20 七星不靠", 8, "14m258s36p1234567z", Sit(), {20}, 24},
        {"21 全双刻", 8, "222m444s666p888m22p", Sit(), {12, 21, 79}, 89},
        {"22 清一色", 8, "123m123m456m777m99m", Sit(), {22, 62, 69, 71, 79}, 29},
        {"23 一色三同顺", 8, "123m123m789s55p", Sit().Meld("123m"), {23, 63, 79}, 27},
        {"24 一色三节高", 8, "111m222m333m789s55p", Sit(), {24, 33, 62, 73, 76, 79}, 45},
        {"25 全大", 8, "789m789s789p888m99s", Sit(), {25, 41, 62, 64, 79}, 37},
        {"26 全中", 8, "456m456s456p555m66p", Sit(), {26, 41, 62, 64, 79}, 37},
        {"27 全小", 8, "123m123s123p111m22s", Sit(), {27, 41, 62, 64, 73, 78}, 38},
        {"28 清龙", 8, "123m456m789m234p11s", Sit(), {28, 62, 63, 79}, 21},
        {"29 三色双龙会", 8, "123m789m123s789s55p", Sit(), {29, 62, 79}, 19},
        {"30 一色三步高", 8, "123m234m345m789s55p", Sit(), {30, 62, 63, 79}, 21},
        {"31 全带五", 8, "345m456s555p567m55s", Sit(), {31, 62, 78}, 19},
        {"32 三同刻", 8, "222m222s222p345m66p", Sit(), {32, 33, 62, 68, 79}, 37},
        {"33 三暗刻", 8, "222m444s666p345m88s", Sit(), {33, 62, 68, 79}, 21},
        {"34 全不靠", 8, "147m258s369p12345z", Sit(), {34}, 12},
        {"35 组合龙", 8, "147m258s369p123m55z", Sit(), {35}, 12},
        {"36 大于五", 8, "678m678s789p666m99s", Sit(), {36, 62, 64, 70, 79}, 18},
        {"37 小于五", 8, "123m234s234p444m11s", Sit(), {37, 62, 70, 79}, 16},
        {"38 三风刻", 8, "111z222z333z123m55p", Sit().Winds(4, 4), {33, 38, 62, 75, 79}, 32},
        {"39 花龙", 8, "123m456s789p234m55p", Sit(), {39, 62, 63, 79}, 13},
        {"40 推不倒", 8, "123p345p456s888s99p", Sit(), {40, 62, 76, 79}, 12},
        {"41 三色三同顺", 8, "234m234s234p567m99s", Sit(), {41, 62, 63, 71, 79}, 14},
        {"42 三色三节高 with its lowest pung last in the groups", 8, "444m789m555s333p11m", Sit(), {33, 42, 62, 76, 79}, 28},
        {"43 无番和", 8, kPlainHand, Sit().Meld("123m").Last("5m"), {43}, 8},
        {"44 妙手回春", 0, kPlainHand, Sit().Meld("123m").Last("5m").Zimo().LastOfWall(), {44}, 8},
        {"45 海底捞月", 0, kPlainHand, Sit().Meld("123m").Last("5m").LastOfWall(), {45}, 8},
        {"46 杠上开花", 0, "345m567s789p11z", Sit().Meld("2222s").Last("5m").Zimo().KongWin(),
         {46, 74}, 9},
        {"47 抢杠和", 0, kPlainHand, Sit().Meld("123m").Last("5m").RobKong().SeenAll(), {47}, 8},
        {"48 碰碰和", 8, "222s777p888m99p", Sit().Meld("555m"), {33, 48, 76, 79}, 24},
        {"49 混一色", 0, "234m678m333z11z", Sit().Meld("123m"), {49, 73, 79}, 8},
        {"50 三色三步高", 0, "234s345p777m99s", Sit().Meld("123m"), {50, 76, 79}, 8},
        {"51 五门齐", 0, "456s789p111z55z", Sit().Meld("123m"), {39, 51, 60, 61, 79}, 19},
        {"52 全求人", 0, "55z",
         Sit().Meld("123m").Meld("456s").Meld("789p").Meld("222m"), {39, 52, 64}, 16},
        {"53 双暗杠", 0, "345p678p99p", Sit().Meld("1111m", false).Meld("2222s", false),
         {53, 62, 71, 73, 76, 79}, 12},
        {"54 双箭刻", 0, "555z666z123m456m99m", Sit(), {49, 54, 62, 66, 71, 79}, 18},
        {"55 全带幺", 0, "789s111p123s99m", Sit().Meld("123m"), {55, 70, 72, 73, 76, 79}, 9},
        {"56 不求人", 0, "234m567s789p11z345m", Sit().Zimo(), {56}, 4},
        {"57 双明杠", 0, "345p678p99p", Sit().Meld("1111m").Meld("2222s"), {57, 71, 73, 76, 79}, 8},
        {"58 和绝张", 0, kPlainHand, Sit().Meld("123m").Last("5m").SeenAll(), {58}, 4},
        {"59 箭刻", 0, "567s789p555z11z", Sit().Meld("123m"), {51, 59, 79}, 9},
        {"60 圈风刻", 0, "567s789p222z11z", Sit().Meld("123m").Winds(2, 1), {60, 79}, 3},
        {"61 门风刻", 0, "567s789p333z11z", Sit().Meld("123m").Winds(1, 3), {61, 79}, 3},
        {"62 门前清", 0, "123m567s789p11z345m", Sit(), {62}, 2},
        {"63 平和", 0, "567s789p11s345m", Sit().Meld("123m"), {63}, 2},
        {"64 四归一", 0, "111m567s789p99s", Sit().Meld("123m"), {64, 73, 76, 79}, 5},
        {"65 双同刻", 0, "777m777s456p11z", Sit().Meld("123m"), {65, 66, 79}, 5},
        {"66 双暗刻", 0, "777m888s456p11z", Sit().Meld("123m"), {66, 79}, 3},
        {"67 暗杠", 0, "567s789p11z", Sit().Meld("2222s", false).Meld("123m"), {67, 79}, 3},
        {"68 断幺", 0, "567s678p345m33s", Sit().Meld("234m"), {63, 68, 79}, 5},
        {"69 一般高", 0, "123m567s789p11z", Sit().Meld("123m"), {69, 79}, 2},
        {"70 喜相逢", 0, "123s567s789p11z", Sit().Meld("123m"), {70, 79}, 2},
        {"71 连六", 0, "456m789p567s11z", Sit().Meld("123m"), {71, 79}, 2},
        {"72 老少副", 0, "789m456p567s11z", Sit().Meld("123m"), {72, 79}, 2},
        {"73 幺九刻", 0, "999s567s789p11z", Sit().Meld("123m"), {73, 79}, 2},
        {"74 明杠", 0, "123m567s789p11z", Sit().Meld("2222s"), {74, 79}, 2},
        {"75 缺一门", 0, "567s789s345m11z", Sit().Meld("123m"), {75, 79}, 2},
        {"76 无字", 0, "567s789p444m11s", Sit().Meld("123m"), {76, 79}, 2},
        {"77 边张", 0, "789p567s11z123s", Sit().Meld("345m"), {77}, 1},
        {"78 坎张", 0, "789p567s11z123s", Sit().Meld("345m").Last("2s"), {78}, 1},
        {"79 单钓将", 0, "567s789p345m11z", Sit().Meld("123m"), {79}, 1},
        {"80 自摸", 0, kPlainHand, Sit().Meld("123m").Last("5m").Zimo(), {80}, 1},
        {"81 花牌", 8, kPlainHand, Sit().Meld("123m").Last("5m").Flowers(2), {43, 81}, 10},
        {"86 二五八将", 0, "567s789p22s333z", Sit().Meld("123m"), {73, 86}, 2},
        {"88 听牌", 0, kPlainHand, Sit().Meld("123m").Last("5m").Ting(), {43, 88}, 9},
        {"with a minimum of 8 neither 二五八将 nor 听牌", 8, "123m456m789m234p22s", Sit().Ting(),
         {28, 62, 63, 79}, 21},

        // Extra fans of the wild-tile rule (the wild tile 9s is not in these hands).
        {"extra 0 混四节", 0, "333m444s555p666m11z", Sit(), {12, 42, 79}, 79, {0, 4}, "9s"},
        {"extra 1 混四步", 0, "123m234s345p456m11z", Sit(), {50, 62, 71, 79}, 14, {1, 4}, "9s"},
        {"extra 2 混三节", 0, "333m444s555m789p11z", Sit(), {33, 62, 79}, 23, {2, 4}, "9s"},
        {"extra 3 混三步", 0, "123m234s345m789p11z", Sit(), {62, 79}, 5, {3, 4}, "9s"},
        {"extra 4 无混", 0, "123m567s789p11z345m", Sit(), {62}, 4, {4}, "9s"},
        {"extra 5 混龙", 0, "123m456s789m345p11z", Sit(), {62, 72, 79}, 6, {4, 5}, "9s"},
        {"extra 6 立直", 0, "123m567s789p345m1z9s", Sit().Last("5m").Ting(), {62, 88}, 5, {6}, "9s"},

        // Decided rules.
        {"seven pairs beats a regular decomposition of 24 or more", 8, "11223355667799m", Sit(),
         {19, 22}, 48},
        {"equal totals keep the regular decomposition", 8, "11223344556677s", Sit(), {6}, 88},
        {"under the wild rule too, seven pairs gives way to a decomposition worth more", 8,
         "11223355778899m", Sit(), {13, 62}, 68, {4}, "1z"},
        {"a special shape shows its flags after the exclusions", 8, "19m19s19p1234567z1m",
         Sit().Zimo().LastOfWall(), {7, 44}, 96},
        {"a self-drawn seven pairs keeps 自摸", 8, "11m22m55s66s99p11z77z", Sit().Zimo(),
         {19, 51, 80}, 31},
        {"一色双龙会 needs the 5 of its suit as the pair", 8, "123m789m789m22m",
         Sit().Meld("123m"), {22, 63, 64, 69, 72, 78}, 31},
        {"三色双龙会 does not take the red dragon as its 5", 0, "123m789m123s789s55z", Sit(),
         {55, 62, 70, 72, 75, 79}, 10},
        {"a doubled orphan and wilds make thirteen orphans", 0, "19m19s19p112345z5m5m", Sit(),
         {7}, 88, {}, "5m"},
        {"the pung a discarded wild completes is exposed", 0, "555m777s222m88p11z9p",
         Sit().Last("9p"), {33, 48, 60, 61, 62, 86}, 29, {}, "9p"},
    };
}

}  // namespace

TEST(FanCatalogue, EachHandShowsItsFansAfterExclusionsAndItsTotal) {
    for (const FanCase& c : Catalogue()) {
        CGbHu hu;
        hu.minfan = c.minfan;
        if (!c.wild.empty()) {
            hu.wildrule = 1;
            hu.wildmj = One(c.wild);
        }
        CMjPlayer p;
        EXPECT_TRUE(Win(hu, p, c.hand, c.sit)) << c.what;
        EXPECT_EQ(Flags(hu.fan), c.flags) << c.what;
        EXPECT_EQ(ExFlags(hu.exfan), c.extras) << c.what;
        EXPECT_EQ(p.fan, c.total) << c.what;
    }
}
