// The installer download of an update: a GET on a thread of its own, whose progress and end
// come back to the main window as notices (WM_DOWNLOADPROGRESS, WM_DOWNLOADDONE).
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "platform/Http.h"
#include "platform/WindowPost.h"

// The download's notices to the main window: its progress, and its end.
constexpr int WM_DOWNLOADPROGRESS = platform::kUserMessage + 7;
constexpr int WM_DOWNLOADDONE = platform::kUserMessage + 8;

// The progress label: "已经下载<received>字节(共<total>字节)".
std::string DownloadLabel(std::uint64_t received, std::uint64_t total);
// The bar, 0 to 100: received / (total / 100) from a total of 100 bytes on, 100 × received /
// total below that, 0 when the total is not known.
int DownloadPercent(std::uint64_t received, std::uint64_t total);

// The payloads of the notices.
std::string ProgressPayload(std::uint64_t received, std::uint64_t total);
bool ReadProgressPayload(const std::string& payload, std::uint64_t* received,
                         std::uint64_t* total);
std::string ResultPayload(platform::HttpResult result);
platform::HttpResult ReadResultPayload(const std::string& payload);

class CInstallerDownload {
public:
    CInstallerDownload() = default;
    ~CInstallerDownload();  // aborts and waits for a download still running
    CInstallerDownload(const CInstallerDownload&) = delete;
    CInstallerDownload& operator=(const CInstallerDownload&) = delete;

    // Starts the GET of `url` into the file at a game path.
    void Start(const std::string& url, const std::string& gbkPath);
    // Raises the cancel flag; the download ends as cancelled.
    void Abort() { cancel_ = true; }
    // Waits for the thread.
    void Join();

private:
    std::atomic<bool> cancel_{false};
    std::thread thread_;
};
