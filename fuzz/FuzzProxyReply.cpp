// The proxy handshake on any reply: the first byte picks SOCKS5 or HTTP, with or without a
// user, and seeds the sizes of the reads; the rest is what the proxy answers.  Checks: the
// handshake never reads more than the proxy sent, and once it answers it is finished (or
// failed) and stays so.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "online/ProxySock.h"

namespace {

// A connected socket whose peer's bytes arrive a few at a time: each read event makes the
// next chunk available.
class ReplySocket : public platform::ClientSocket {
public:
    ReplySocket(const std::uint8_t* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    bool Arrive(std::size_t n) {
        if (arrived_ >= size_) return false;
        arrived_ = std::min(size_, arrived_ + n);
        return true;
    }
    std::size_t Consumed() const { return read_; }

    void SetEvents(platform::SocketEvents) override {}
    void Open(const std::string&, std::uint16_t) override {}
    void Close() override {}
    bool IsConnected() const override { return true; }
    std::size_t BytesAvailable() const override { return arrived_ - read_; }
    std::size_t Read(void* buffer, std::size_t size) override {
        const std::size_t n = std::min(size, BytesAvailable());
        std::memcpy(buffer, bytes_ + read_, n);
        read_ += n;
        return n;
    }
    std::size_t Write(const void*, std::size_t size) override { return size; }

private:
    const std::uint8_t* bytes_;
    std::size_t size_;
    std::size_t arrived_ = 0;
    std::size_t read_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t mode = data[0];
    ReplySocket socket(data + 1, size - 1);
    CProxySock proxy;
    proxy.SetType(mode & 1 ? CProxySock::kHttp : CProxySock::kSocks5);
    proxy.SetDest("127.0.0.1", 1982);
    if (mode & 2) proxy.m_nAddr = 0;  // the destination goes by name (no lookup here)
    if (mode & 4) proxy.SetAuth("user", "password");
    proxy.OnConnect(socket);
    const std::size_t step = 1 + (mode >> 3);
    bool finished = false;
    while (socket.Arrive(step)) {
        if (proxy.OnRead(socket)) {
            finished = true;
            break;
        }
    }
    if (finished && !proxy.OnRead(socket)) std::abort();
    if (socket.Consumed() > size - 1) std::abort();
    return 0;
}
