#include "platform/net/QtClientSocket.h"

#include <QObject>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

enum class LinkState { Closed, Connecting, Connected };

SocketError ErrorWhileConnecting(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::HostNotFoundError: return SocketError::Lookup;
        case QAbstractSocket::ConnectionRefusedError:
        case QAbstractSocket::NetworkError:
        case QAbstractSocket::SocketTimeoutError: return SocketError::Connect;
        default: return SocketError::Other;
    }
}

SocketError ErrorWhileConnected(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::NetworkError:
        case QAbstractSocket::SocketTimeoutError: return SocketError::Disconnect;
        default: return SocketError::Other;
    }
}

}  // namespace

struct QtClientSocket::Impl {
    SocketEvents events;
    QTcpSocket* socket = nullptr;  // the current connection's socket, null when closed
    LinkState state = LinkState::Closed;
    int handlerDepth = 0;  // > 0 while one of our Qt signal handlers runs
    bool opening = false;  // inside connectToHost: errors raised there are posted
    // Counts the connections opened and closed; an error posted for one connection is dropped
    // when the socket has been closed or reopened since.
    unsigned generation = 0;
    QObject postedErrors;  // context of posted errors: they die with the socket object
    // Bytes the peer sent before it closed and that were not read yet; readable until the
    // socket is opened or closed again.
    QByteArray kept;
    qsizetype keptRead = 0;

    ~Impl() { delete Detach(); }

    // Cuts the current socket off from us and aborts it; returns it for the caller to free.
    // What Write took and Qt still buffers goes to the system first, as far as it takes it
    // without waiting: a record written just before a close (the log-off) is sent.
    QTcpSocket* Detach() {
        QTcpSocket* old = socket;
        socket = nullptr;
        state = LinkState::Closed;
        ++generation;
        if (old) {
            old->disconnect();
            if (old->state() == QAbstractSocket::ConnectedState) old->flush();
            old->abort();
        }
        return old;
    }

    // Frees a detached socket: at once, or once its own signal handler has returned.
    void Dispose(QTcpSocket* old) {
        if (!old) return;
        if (handlerDepth > 0) old->deleteLater(); else delete old;
    }

    void CloseQuietly() { Dispose(Detach()); }

    // Runs a handler for a Qt signal of `from`, unless `from` is no longer our socket.
    template <typename F>
    void Handle(QTcpSocket* from, F&& handler) {
        if (from != socket) return;
        ++handlerDepth;
        handler();
        --handlerDepth;
    }

    void OnError(QAbstractSocket::SocketError error) {
        if (state == LinkState::Connected && error == QAbstractSocket::RemoteHostClosedError)
            return;  // the disconnected signal follows and reports it
        const SocketError kind = state == LinkState::Connecting ? ErrorWhileConnecting(error)
                                                                : ErrorWhileConnected(error);
        CloseQuietly();
        if (opening) {
            // Reported from the event loop, never inside Open; unless the socket is used again
            // first, which makes the error stale.
            QTimer::singleShot(0, &postedErrors, [this, kind, posted = generation] {
                if (posted == generation && events.onError) events.onError(kind);
            });
            return;
        }
        if (events.onError) events.onError(kind);
    }

    void DropKept() {
        kept.clear();
        keptRead = 0;
    }

    void OnDisconnected() {
        if (state != LinkState::Connected) return;
        kept = socket->readAll();
        keptRead = 0;
        CloseQuietly();
        if (events.onDisconnect) events.onDisconnect();
    }

    void Wire(QTcpSocket* s) {
        QObject::connect(s, &QTcpSocket::connected, s, [this, s] {
            Handle(s, [this] {
                state = LinkState::Connected;
                if (events.onConnect) events.onConnect();
            });
        });
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
            Handle(s, [this] { if (events.onRead) events.onRead(); });
        });
        QObject::connect(s, &QTcpSocket::bytesWritten, s, [this, s] {
            Handle(s, [this] { if (events.onWrite) events.onWrite(); });
        });
        QObject::connect(s, &QTcpSocket::disconnected, s, [this, s] {
            Handle(s, [this] { OnDisconnected(); });
        });
        QObject::connect(s, &QTcpSocket::errorOccurred, s, [this, s](QAbstractSocket::SocketError e) {
            Handle(s, [this, e] { OnError(e); });
        });
    }
};

QtClientSocket::QtClientSocket() : impl_(std::make_unique<Impl>()) {}
QtClientSocket::~QtClientSocket() = default;

void QtClientSocket::SetEvents(SocketEvents events) { impl_->events = std::move(events); }

void QtClientSocket::Open(const std::string& host, std::uint16_t port) {
    Close();
    impl_->socket = new QTcpSocket();
    impl_->state = LinkState::Connecting;
    impl_->Wire(impl_->socket);
    impl_->opening = true;
    impl_->socket->connectToHost(QString::fromStdString(host), port);
    impl_->opening = false;
}

void QtClientSocket::Close() {
    const bool wasConnected = impl_->state == LinkState::Connected;
    impl_->CloseQuietly();
    impl_->DropKept();
    if (wasConnected && impl_->events.onDisconnect) impl_->events.onDisconnect();
}

bool QtClientSocket::IsConnected() const { return impl_->state == LinkState::Connected; }

std::size_t QtClientSocket::BytesAvailable() const {
    if (impl_->socket) return static_cast<std::size_t>(impl_->socket->bytesAvailable());
    return static_cast<std::size_t>(impl_->kept.size() - impl_->keptRead);
}

std::size_t QtClientSocket::Read(void* buffer, std::size_t size) {
    if (size == 0) return 0;
    if (!impl_->socket) {
        const std::size_t n = std::min(size, BytesAvailable());
        std::memcpy(buffer, impl_->kept.constData() + impl_->keptRead, n);
        impl_->keptRead += static_cast<qsizetype>(n);
        return n;
    }
    const qint64 got = impl_->socket->read(static_cast<char*>(buffer), static_cast<qint64>(size));
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

std::size_t QtClientSocket::Write(const void* data, std::size_t size) {
    if (!IsConnected()) return 0;
    const std::size_t queued = static_cast<std::size_t>(impl_->socket->bytesToWrite());
    const std::size_t take = std::min(size, kSendBufferBytes - std::min(queued, kSendBufferBytes));
    if (take == 0) return 0;
    const qint64 sent = impl_->socket->write(static_cast<const char*>(data), static_cast<qint64>(take));
    return sent > 0 ? static_cast<std::size_t>(sent) : 0;
}

}  // namespace platform
