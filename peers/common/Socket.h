#pragma once
// A minimal TCP layer for the stand-ins: POSIX sockets and Winsock behind one interface.
// Everything listens and connects on the loopback interface only.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace peers {

using SocketHandle = std::intptr_t;
inline constexpr SocketHandle kNoSocket = -1;

// Owns one socket; closes it when it goes.
class Socket {
public:
    Socket() = default;
    explicit Socket(SocketHandle handle) : handle_(handle) {}
    ~Socket() { Close(); }
    Socket(Socket&& other) noexcept : handle_(other.handle_) { other.handle_ = kNoSocket; }
    Socket& operator=(Socket&& other) noexcept;
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    bool Valid() const { return handle_ != kNoSocket; }
    SocketHandle Handle() const { return handle_; }
    void Close();

private:
    SocketHandle handle_ = kNoSocket;
};

// True for a dotted IPv4 address of the loopback network (127.x.x.x) and for "localhost".
bool IsLoopbackAddress(const std::string& address);

// Listens on 127.0.0.1; port 0 takes any free port. The port actually bound is stored in port.
Socket Listen(std::uint16_t& port, std::string& error);
// Takes one waiting connection; an invalid socket when there is none or on failure.
Socket Accept(const Socket& listener);
// Connects to a loopback address; any other address is refused without a connection attempt.
Socket Connect(const std::string& address, std::uint16_t port, std::string& error);

bool SendAll(const Socket& socket, std::string_view data);
// Bytes received (> 0), 0 when the peer closed the connection, < 0 on failure.
long Receive(const Socket& socket, char* buffer, std::size_t size);
// Waits until one of the sockets can be read or timeoutMs has passed; marks the readable ones.
// False on failure of the wait itself.
bool WaitReadable(const std::vector<SocketHandle>& sockets, int timeoutMs, std::vector<bool>& readable);

// Reads lines (ending in LF, an optional CR before it is dropped) from a connected socket.
class LineReader {
public:
    static constexpr std::size_t kMaxLine = 1 << 20;
    enum class Result { Line, Timeout, Closed, Failed };
    Result ReadLine(const Socket& socket, std::string& line, int timeoutMs);

private:
    std::string buffer_;
};

// Takes the first complete line out of buffer (without its CR LF); false when there is none.
bool TakeLine(std::string& buffer, std::string& line);

} // namespace peers
