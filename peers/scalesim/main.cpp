// scalesim: a CAS label scale as far as the stand-ins need one. It holds a PLU table and
// answers the line protocol described in peers/README.md on 127.0.0.1.
#include <CLI/CLI.hpp>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "common/Console.h"
#include "common/ScaleClient.h"
#include "platform/Files.h"
#include "scalesim/PluTable.h"
#include "scalesim/ScaleServer.h"
#include "scalesim/ScaleService.h"

namespace {

std::atomic<bool> g_stop{false};

extern "C" void OnSignal(int) {
    g_stop = true;
}

int Serve(int port, const std::string& db, const std::string& portFile) {
    peers::PluTable table(peers::ArgToCp1250(db.c_str()));
    std::string error;
    if (!table.Load(error)) {
        peers::PrintLine(stderr, "scalesim: " + error);
        return 1;
    }
    auto bound = static_cast<std::uint16_t>(port);
    peers::Socket listener = peers::Listen(bound, error);
    if (!listener.Valid()) {
        peers::PrintLine(stderr, "scalesim: " + error);
        return 1;
    }
    std::printf("%u\n", unsigned(bound));
    std::fflush(stdout);
    if (!portFile.empty() &&
        !platform::WriteFileReplacing(peers::ArgToCp1250(portFile.c_str()), std::to_string(bound) + "\n")) {
        peers::PrintLine(stderr, "scalesim: cannot write " + portFile);
        return 1;
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    peers::ScaleService service(table);
    peers::ScaleServer server(std::move(listener), service);
    server.Run(g_stop);
    return 0;
}

int Client(int port, const std::vector<std::string>& request, bool dump) {
    peers::ScaleClient client;
    std::string error;
    if (!client.Connect("127.0.0.1", static_cast<std::uint16_t>(port), error)) {
        peers::PrintLine(stderr, "scalesim: 127.0.0.1:" + std::to_string(port) + ": " + error);
        return 1;
    }
    if (dump) {
        std::vector<peers::PluRecord> records;
        if (!client.Dump(records, error)) {
            peers::PrintLine(stderr, "scalesim: " + error);
            return 1;
        }
        for (const auto& r : records) peers::PrintLine(stdout, peers::EncodeRecord(r));
        return 0;
    }
    std::string line;
    for (const auto& word : request) line += (line.empty() ? "" : " ") + peers::ArgToCp1250(word.c_str());
    std::string reply;
    bool ok = client.Request(line, reply);
    peers::PrintLine(ok ? stdout : stderr, (ok ? "OK " : "ERR ") + reply);
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"CAS scale simulator on 127.0.0.1 (line protocol: see peers/README.md)"};
    int port = 0;
    std::string db, portFile;
    app.add_option("--port", port, "TCP port to listen on; 0 takes a free one (printed first)")
        ->check(CLI::Range(0, 65535));
    app.add_option("--db", db, "file that keeps the PLU table (loaded at start, saved after each change)");
    app.add_option("--port-file", portFile, "also write the port into this file");

    int clientPort = 0;
    auto* dump = app.add_subcommand("dump", "print the PLU table of a running simulator, one PLU a line");
    dump->add_option("--port", clientPort, "port of the running simulator")
        ->required()
        ->check(CLI::Range(1, 65535));

    std::vector<std::string> request;
    auto* send = app.add_subcommand("send", "send one request line to a running simulator, print the reply");
    send->add_option("--port", clientPort, "port of the running simulator")
        ->required()
        ->check(CLI::Range(1, 65535));
    send->add_option("request", request, "the request, e.g. CLEAR or DEL 12")->required();

    CLI11_PARSE(app, argc, argv);
    if (*dump) return Client(clientPort, {}, true);
    if (*send) return Client(clientPort, request, false);
    return Serve(port, db, portFile);
}
