#include "scalesim/ScaleServer.h"

#include <memory>
#include <vector>

namespace peers {
namespace {
struct Client {
    Socket socket;
    std::string input;
};
} // namespace

void ScaleServer::Run(const std::atomic<bool>& stop) {
    std::vector<std::unique_ptr<Client>> clients;
    std::vector<SocketHandle> handles;
    std::vector<bool> readable;
    char chunk[4096];
    bool shutdown = false;
    while (!shutdown && !stop.load()) {
        handles.assign(1, listener_.Handle());
        for (const auto& c : clients) handles.push_back(c->socket.Handle());
        if (!WaitReadable(handles, 200, readable)) break;
        for (std::size_t i = 1; i < handles.size() && !shutdown; ++i) {
            if (!readable[i]) continue;
            Client& client = *clients[i - 1];
            long got = Receive(client.socket, chunk, sizeof chunk);
            if (got <= 0) {
                client.socket.Close();
                continue;
            }
            client.input.append(chunk, static_cast<std::size_t>(got));
            std::string line;
            while (client.socket.Valid() && TakeLine(client.input, line)) {
                ScaleService::Reply reply = service_.Handle(line);
                if (!SendAll(client.socket, reply.text) ||
                    reply.after == ScaleService::After::CloseConnection)
                    client.socket.Close();
                if (reply.after == ScaleService::After::Shutdown) shutdown = true;
            }
            if (client.socket.Valid() && client.input.size() > LineReader::kMaxLine) {
                SendAll(client.socket, "ERR line too long\n");
                client.socket.Close();
            }
        }
        std::erase_if(clients, [](const auto& c) { return !c->socket.Valid(); });
        if (readable[0] && !shutdown) {
            Socket s = Accept(listener_);
            if (s.Valid()) clients.push_back(std::make_unique<Client>(Client{std::move(s), {}}));
        }
    }
}

} // namespace peers
