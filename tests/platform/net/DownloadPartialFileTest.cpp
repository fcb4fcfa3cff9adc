// A download's partial file: a unique name beside the target, never reached through a link
// planted in the folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include "tests/support/ScratchFolder.h"
#include "tools/testserver/TinyHttpServer.h"
#include "platform/Http.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string kBody(5000, 'b');

TEST(DownloadPartialFile, HasAUniqueNameAndNeverFollowsAPlantedLink) {
    nettest::TinyHttpServer server({{"/avatar", {200, kBody, true, "", 5}}});
    const fs::path dir = testsupport::ScratchFolder("partial");
    fs::create_directories(dir / "elsewhere");
    // Links under the names a partial file might have had: the fixed name, and a guessable one.
    fs::create_symlink(dir / "elsewhere" / "victim", dir / "1.bmp.part");
    fs::create_symlink(dir / "elsewhere" / "victim2", dir / "1.bmp.tmp");

    std::set<std::string> seen;  // the folder's entries while the body arrives
    HttpGetOptions options;
    options.onProgress = [&](std::uint64_t, std::uint64_t) {
        for (const auto& entry : fs::directory_iterator(dir))
            seen.insert(entry.path().filename().string());
    };
    ASSERT_EQ(HttpGetToFile(server.Url("/avatar"), (dir / "1.bmp").string(), options),
              HttpResult::Ok);
    EXPECT_EQ(ReadAll(dir / "1.bmp"), kBody);
    EXPECT_FALSE(fs::exists(dir / "elsewhere" / "victim"));
    EXPECT_FALSE(fs::exists(dir / "elsewhere" / "victim2"));
    EXPECT_TRUE(fs::is_symlink(dir / "1.bmp.part"));

    int partials = 0;
    for (const std::string& name : seen)
        if (std::regex_match(name, std::regex("1\\.bmp\\.tmp-[A-Za-z0-9]{6}"))) ++partials;
    EXPECT_EQ(partials, 1);
}

}  // namespace
