#pragma once
// Serves the line protocol to any number of clients on one thread.
#include <atomic>
#include <cstdint>

#include "common/Socket.h"
#include "scalesim/ScaleService.h"

namespace peers {

class ScaleServer {
public:
    ScaleServer(Socket listener, ScaleService& service) : listener_(std::move(listener)), service_(service) {}
    // Runs until a client asks for SHUTDOWN or stop becomes true (checked a few times a second).
    void Run(const std::atomic<bool>& stop);

private:
    Socket listener_;
    ScaleService& service_;
};

} // namespace peers
