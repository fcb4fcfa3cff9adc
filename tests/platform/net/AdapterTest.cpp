#include "platform/Adapter.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>

#include "tests/support/ScratchFolder.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

class AdapterTest : public ::testing::Test {
protected:
    void SetUp() override { root_ = testsupport::ScratchFolder("net"); }
    void Device(const std::string& name, const std::string& address, const std::string& type = "1") {
        fs::create_directories(root_ / name);
        std::ofstream(root_ / name / "address") << address << "\n";
        std::ofstream(root_ / name / "type") << type << "\n";
    }
    std::string Mac() { return AdapterMacHexIn(root_.string()); }
    fs::path root_;
};

}  // namespace

TEST_F(AdapterTest, TakesTheFirstRealAdapterByName) {
    Device("lo", "00:00:00:00:00:00", "772");
    Device("a-loop", "01:02:03:04:05:06", "772");
    Device("eth0", "00:00:00:00:00:00");
    Device("ib0", "80:00:00:48:fe:80:00:00:00:00:00:00:00:02:c9:03:00:0f:05:d1");
    Device("wlan0", "00:1a:2b:3c:4d:5e");
    Device("wlan1", "66:77:88:99:aa:bb");
    EXPECT_EQ(Mac(), "001A2B3C4D5E");
}

TEST_F(AdapterTest, NoAdapterGivesZeros) {
    Device("lo", "00:00:00:00:00:00", "772");
    Device("tun0", "");
    EXPECT_EQ(Mac(), "000000000000");
    EXPECT_EQ(AdapterMacHexIn((root_ / "missing").string()), "000000000000");
}

TEST(AdapterOfThisMachine, IsTwelveUpperCaseHexDigits) {
    const std::string mac = AdapterMacHex();
    ASSERT_EQ(mac.size(), 12u);
    for (char c : mac) EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F')) << mac;
}
