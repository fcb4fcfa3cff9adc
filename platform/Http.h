// HTTP downloads to a file.  Synchronous: the game calls it from a worker thread.  The body
// goes to a temporary file of a unique name beside the target (a FileReplacement), which
// replaces the target only when the whole download succeeded; on any failure or cancel the
// target is left as it was.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace platform {

enum class HttpResult {
    Ok,
    Failed,     // bad address, no connection, time-out, an HTTP error status, too large, disk error
    Cancelled,  // the cancel flag was raised; not a failure
};

struct HttpGetOptions {
    long connectTimeoutMs = 15000;
    long timeoutMs = 120000;           // the whole transfer
    std::uint64_t maxBytes = 64u << 20;  // a longer body fails the download
    // Called on the downloading thread after each piece of the body arrives: bytes received so
    // far and the announced total (0 when the server announced none).
    std::function<void(std::uint64_t received, std::uint64_t total)> onProgress;
    // Raised by another thread to abort the download; checked while it runs.
    const std::atomic<bool>* cancel = nullptr;
};

// GETs an http:// or https:// address into the file at a game path.  Any other scheme fails
// without touching the network; redirects are followed only to http and https.
HttpResult HttpGetToFile(const std::string& url, const std::string& gbkPath,
                         const HttpGetOptions& options = {});

}  // namespace platform
