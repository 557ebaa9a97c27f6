#include "common/Socket.h"

#include <chrono>
#include <cstdio>
#include <cstring>

#include "platform/Cp1250.h"

#if defined(_WIN32)
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace peers {
namespace {

#if defined(_WIN32)
using Native = SOCKET;
Native ToNative(SocketHandle h) {
    return static_cast<Native>(h);
}
SocketHandle FromNative(Native s) {
    return s == INVALID_SOCKET ? kNoSocket : static_cast<SocketHandle>(s);
}
void CloseNative(SocketHandle h) {
    ::closesocket(ToNative(h));
}
std::string LastSocketError() {
    return "kod " + std::to_string(::WSAGetLastError());
}

// Winsock must be started once per process before the first socket.
bool StartSockets() {
    static const bool started = [] {
        WSADATA data;
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}
#else
using Native = int;
Native ToNative(SocketHandle h) {
    return static_cast<Native>(h);
}
SocketHandle FromNative(Native s) {
    return s < 0 ? kNoSocket : static_cast<SocketHandle>(s);
}
void CloseNative(SocketHandle h) {
    ::close(ToNative(h));
}
std::string LastSocketError() {
    return std::strerror(errno);
}
bool StartSockets() {
    return true;
}
#endif

bool ParseIpv4(const std::string& address, unsigned char (&octets)[4]) {
    int part = 0;
    std::size_t i = 0;
    for (; part < 4; ++part) {
        if (i >= address.size() || address[i] < '0' || address[i] > '9') return false;
        unsigned value = 0;
        std::size_t digits = 0;
        while (i < address.size() && address[i] >= '0' && address[i] <= '9' && digits < 4) {
            value = value * 10 + unsigned(address[i] - '0');
            ++i;
            ++digits;
        }
        if (value > 255 || digits > 3) return false;
        octets[part] = static_cast<unsigned char>(value);
        if (part < 3) {
            if (i >= address.size() || address[i] != '.') return false;
            ++i;
        }
    }
    return i == address.size();
}

} // namespace

Socket& Socket::operator=(Socket&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        other.handle_ = kNoSocket;
    }
    return *this;
}

void Socket::Close() {
    if (handle_ != kNoSocket) CloseNative(handle_);
    handle_ = kNoSocket;
}

bool IsLoopbackAddress(const std::string& address) {
    if (address == "localhost") return true;
    unsigned char octets[4];
    return ParseIpv4(address, octets) && octets[0] == 127;
}

Socket Listen(std::uint16_t& port, std::string& error) {
    if (!StartSockets()) {
        error = std::string("nie można uruchomić obsługi gniazd"_pl);
        return {};
    }
    Socket s(FromNative(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)));
    if (!s.Valid()) {
        error = "socket: " + LastSocketError();
        return {};
    }
#if !defined(_WIN32)
    int yes = 1;
    ::setsockopt(ToNative(s.Handle()), SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
#endif
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(port);
    if (::bind(ToNative(s.Handle()), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        error = "bind 127.0.0.1:" + std::to_string(port) + ": " + LastSocketError();
        return {};
    }
    if (::listen(ToNative(s.Handle()), 16) != 0) {
        error = "listen: " + LastSocketError();
        return {};
    }
    socklen_t len = sizeof addr;
    if (::getsockname(ToNative(s.Handle()), reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        error = "getsockname: " + LastSocketError();
        return {};
    }
    port = ntohs(addr.sin_port);
    return s;
}

Socket Accept(const Socket& listener) {
    return Socket(FromNative(::accept(ToNative(listener.Handle()), nullptr, nullptr)));
}

Socket Connect(const std::string& address, std::uint16_t port, std::string& error) {
    unsigned char octets[4] = {127, 0, 0, 1};
    if (!IsLoopbackAddress(address) || (address != "localhost" && !ParseIpv4(address, octets))) {
        error = "adres poza komputerem lokalnym";
        return {};
    }
    if (!StartSockets()) {
        error = std::string("nie można uruchomić obsługi gniazd"_pl);
        return {};
    }
    Socket s(FromNative(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)));
    if (!s.Valid()) {
        error = "socket: " + LastSocketError();
        return {};
    }
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    std::memcpy(&addr.sin_addr, octets, 4);
    addr.sin_port = htons(port);
    if (::connect(ToNative(s.Handle()), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        error = LastSocketError();
        return {};
    }
    int yes = 1;
    ::setsockopt(ToNative(s.Handle()), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&yes),
                 sizeof yes);
    return s;
}

bool SendAll(const Socket& socket, std::string_view data) {
    while (!data.empty()) {
#if defined(_WIN32)
        int chunk = data.size() > 65536 ? 65536 : static_cast<int>(data.size());
        int sent = ::send(ToNative(socket.Handle()), data.data(), chunk, 0);
#else
        ssize_t sent = ::send(ToNative(socket.Handle()), data.data(), data.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) continue;
#endif
        if (sent <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

long Receive(const Socket& socket, char* buffer, std::size_t size) {
#if defined(_WIN32)
    int chunk = size > 65536 ? 65536 : static_cast<int>(size);
    return ::recv(ToNative(socket.Handle()), buffer, chunk, 0);
#else
    for (;;) {
        ssize_t got = ::recv(ToNative(socket.Handle()), buffer, size, 0);
        if (got < 0 && errno == EINTR) continue;
        return static_cast<long>(got);
    }
#endif
}

bool WaitReadable(const std::vector<SocketHandle>& sockets, int timeoutMs, std::vector<bool>& readable) {
    readable.assign(sockets.size(), false);
#if defined(_WIN32)
    std::vector<WSAPOLLFD> fds(sockets.size());
    for (std::size_t i = 0; i < sockets.size(); ++i) fds[i] = WSAPOLLFD{ToNative(sockets[i]), POLLRDNORM, 0};
    int n = ::WSAPoll(fds.data(), static_cast<ULONG>(fds.size()), timeoutMs);
    if (n < 0) return false;
    for (std::size_t i = 0; i < fds.size(); ++i)
        readable[i] = (fds[i].revents & (POLLRDNORM | POLLHUP | POLLERR)) != 0;
#else
    std::vector<pollfd> fds(sockets.size());
    for (std::size_t i = 0; i < sockets.size(); ++i) fds[i] = pollfd{ToNative(sockets[i]), POLLIN, 0};
    int n = ::poll(fds.data(), fds.size(), timeoutMs);
    if (n < 0) return errno == EINTR;
    for (std::size_t i = 0; i < fds.size(); ++i)
        readable[i] = (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0;
#endif
    return true;
}

bool TakeLine(std::string& buffer, std::string& line) {
    auto lf = buffer.find('\n');
    if (lf == std::string::npos) return false;
    line.assign(buffer, 0, lf);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    buffer.erase(0, lf + 1);
    return true;
}

LineReader::Result LineReader::ReadLine(const Socket& socket, std::string& line, int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::vector<bool> readable;
    char chunk[4096];
    for (;;) {
        if (TakeLine(buffer_, line)) return Result::Line;
        if (buffer_.size() > kMaxLine) return Result::Failed;
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                          std::chrono::steady_clock::now());
        if (left.count() <= 0) return Result::Timeout;
        if (!WaitReadable({socket.Handle()}, static_cast<int>(left.count()), readable)) return Result::Failed;
        if (!readable[0]) continue;
        long got = Receive(socket, chunk, sizeof chunk);
        if (got == 0) return Result::Closed;
        if (got < 0) return Result::Failed;
        buffer_.append(chunk, static_cast<std::size_t>(got));
    }
}

} // namespace peers
