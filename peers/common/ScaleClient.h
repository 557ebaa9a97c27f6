#pragma once
// The client side of the scale simulator's line protocol: connect, send a line, read the reply.
#include <cstdint>
#include <string>
#include <vector>

#include "common/ScaleProtocol.h"
#include "common/Socket.h"

namespace peers {

class ScaleClient {
public:
    // timeoutMs bounds the wait for each reply line.
    explicit ScaleClient(int timeoutMs = 5000) : timeoutMs_(timeoutMs) {}

    // Connects and checks that a scale answers (PING). error holds the reason on failure.
    bool Connect(const std::string& address, std::uint16_t port, std::string& error);
    bool Connected() const { return socket_.Valid(); }
    void Close();

    // Sends one request line and reads the reply line. True for "OK"; reply holds the text after
    // "OK " (or after "ERR " when false). A lost connection or a timeout gives false, the reason
    // in reply, and closes the connection.
    bool Request(const std::string& line, std::string& reply);
    // One more line of a multi-line reply.
    bool ReadLine(std::string& line);

    bool Ping(std::string& error);
    bool Set(const PluRecord& record, std::string& error);
    bool Delete(int plu, std::string& error);
    bool DeleteRange(int from, int to, int& deleted, std::string& error);
    bool Clear(int& deleted, std::string& error);
    bool Dump(std::vector<PluRecord>& records, std::string& error);

private:
    int timeoutMs_;
    Socket socket_;
    LineReader reader_;
};

} // namespace peers
