#include "platform/Http.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/support/ScratchFolder.h"
#include "tools/testserver/TinyHttpServer.h"

using namespace platform;
using namespace nettest;
namespace fs = std::filesystem;

namespace {

std::string Pattern(std::size_t size) {
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>('a' + i % 26);
    return s;
}

const std::string kBody = Pattern(300000);

class HttpTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = testsupport::ScratchFolder("http");
        target_ = (dir_ / "mj.exe").string();
    }
    std::string Target() const {
        std::ifstream in(target_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Only the target itself (or nothing) is left in the folder: no temporary file.
    std::size_t FilesLeft() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    TinyHttpServer server_{{
        {"/setup", {200, kBody}},
        {"/unannounced", {200, kBody, false}},
        {"/slow", {200, kBody, true, "", 20}},
        {"/elsewhere", {302, "", true, "Location: /setup\r\n"}},
        {"/tofile", {302, "", true, "Location: file:///etc/hostname\r\n"}},
        {"/broken", {500, "oops"}},
    }};
    fs::path dir_;
    std::string target_;
};

}  // namespace

TEST_F(HttpTest, DownloadsTheBodyIntoTheFileWithProgress) {
    std::uint64_t last = 0, total = 0;
    bool ordered = true;
    HttpGetOptions options;
    options.onProgress = [&](std::uint64_t received, std::uint64_t announced) {
        ordered = ordered && received > last;
        last = received;
        total = announced;
    };
    ASSERT_EQ(HttpGetToFile(server_.Url("/setup"), target_, options), HttpResult::Ok);
    EXPECT_EQ(Target(), kBody);
    EXPECT_TRUE(ordered);
    EXPECT_EQ(last, kBody.size());
    EXPECT_EQ(total, kBody.size());
    EXPECT_EQ(FilesLeft(), 1u);
}

TEST_F(HttpTest, UnannouncedLengthReportsZeroTotal) {
    std::uint64_t total = 1;
    HttpGetOptions options;
    options.onProgress = [&](std::uint64_t, std::uint64_t announced) { total = announced; };
    ASSERT_EQ(HttpGetToFile(server_.Url("/unannounced"), target_, options), HttpResult::Ok);
    EXPECT_EQ(Target(), kBody);
    EXPECT_EQ(total, 0u);
}

TEST_F(HttpTest, FollowsRedirectsOnlyToTheWeb) {
    EXPECT_EQ(HttpGetToFile(server_.Url("/elsewhere"), target_), HttpResult::Ok);
    EXPECT_EQ(Target(), kBody);
    fs::remove(target_);
    EXPECT_EQ(HttpGetToFile(server_.Url("/tofile"), target_), HttpResult::Failed);
    EXPECT_EQ(FilesLeft(), 0u);
}

TEST_F(HttpTest, FailuresLeaveTheOldFileInPlace) {
    std::ofstream(target_) << "old";
    HttpGetOptions capped;
    capped.maxBytes = 1000;
    HttpGetOptions impatient;
    impatient.timeoutMs = 200;
    const struct { const char* what; std::string url; HttpGetOptions options; } cases[] = {
        {"404", server_.Url("/missing"), {}},
        {"500", server_.Url("/broken"), {}},
        {"announced body over the cap", server_.Url("/setup"), capped},
        {"unannounced body over the cap", server_.Url("/unannounced"), capped},
        {"time-out", server_.Url("/slow"), impatient},
        {"nothing listening", "http://127.0.0.1:1/setup", {}},
        {"not the web", "file:///etc/hostname", {}},
        {"no scheme", "127.0.0.1/setup", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HttpGetToFile(c.url, target_, c.options), HttpResult::Failed) << c.what;
        EXPECT_EQ(Target(), "old") << c.what;
        EXPECT_EQ(FilesLeft(), 1u) << c.what;
    }
}

TEST_F(HttpTest, CancelIsNotAFailure) {
    std::atomic<bool> cancel{false};
    HttpGetOptions options;
    options.cancel = &cancel;
    options.onProgress = [&](std::uint64_t received, std::uint64_t) { if (received >= 3000) cancel = true; };
    EXPECT_EQ(HttpGetToFile(server_.Url("/slow"), target_, options), HttpResult::Cancelled);
    EXPECT_EQ(FilesLeft(), 0u);
}

TEST_F(HttpTest, CancelRaisedBeforeTheStartDownloadsNothing) {
    std::atomic<bool> cancel{true};
    HttpGetOptions options;
    options.cancel = &cancel;
    EXPECT_EQ(HttpGetToFile(server_.Url("/setup"), target_, options), HttpResult::Cancelled);
    EXPECT_EQ(FilesLeft(), 0u);
}
