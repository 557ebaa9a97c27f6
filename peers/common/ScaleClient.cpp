#include "common/ScaleClient.h"

namespace peers {

bool ScaleClient::Connect(const std::string& address, std::uint16_t port, std::string& error) {
    Close();
    socket_ = peers::Connect(address, port, error);
    if (!socket_.Valid()) return false;
    reader_ = LineReader();
    return Ping(error);
}

void ScaleClient::Close() {
    socket_.Close();
    reader_ = LineReader();
}

bool ScaleClient::ReadLine(std::string& line) {
    if (!socket_.Valid()) {
        line = "no connection";
        return false;
    }
    switch (reader_.ReadLine(socket_, line, timeoutMs_)) {
    case LineReader::Result::Line:
        return true;
    case LineReader::Result::Timeout:
        line = "no answer within " + std::to_string(timeoutMs_) + " ms";
        break;
    case LineReader::Result::Closed:
        line = "connection closed by the scale";
        break;
    case LineReader::Result::Failed:
        line = "connection broken";
        break;
    }
    Close();
    return false;
}

bool ScaleClient::Request(const std::string& line, std::string& reply) {
    if (!socket_.Valid()) {
        reply = "no connection";
        return false;
    }
    if (!SendAll(socket_, line + "\n")) {
        reply = "connection broken";
        Close();
        return false;
    }
    std::string answer;
    if (!ReadLine(answer)) {
        reply = answer;
        return false;
    }
    if (answer == "OK" || answer.rfind("OK ", 0) == 0) {
        reply = answer.size() > 3 ? answer.substr(3) : std::string();
        return true;
    }
    reply = answer.rfind("ERR ", 0) == 0 ? answer.substr(4) : "unexpected reply: " + answer;
    return false;
}

bool ScaleClient::Ping(std::string& error) {
    std::string reply;
    if (!Request(std::string(kPing), reply)) {
        error = reply;
        return false;
    }
    return true;
}

bool ScaleClient::Set(const PluRecord& record, std::string& error) {
    std::string reply;
    if (Request(std::string(kSet) + " " + EncodeRecord(record), reply)) return true;
    error = reply;
    return false;
}

bool ScaleClient::Delete(int plu, std::string& error) {
    std::string reply;
    if (Request(std::string(kDel) + " " + std::to_string(plu), reply)) return true;
    error = reply;
    return false;
}

namespace {
bool CountReply(bool ok, const std::string& reply, int& count, std::string& error) {
    if (!ok) {
        error = reply;
        return false;
    }
    auto n = ParseInteger(reply, 0, kMaxPlu);
    if (!n) {
        error = "unexpected reply: " + reply;
        return false;
    }
    count = static_cast<int>(*n);
    return true;
}
} // namespace

bool ScaleClient::DeleteRange(int from, int to, int& deleted, std::string& error) {
    std::string reply;
    bool ok = Request(std::string(kDelRange) + " " + std::to_string(from) + " " + std::to_string(to), reply);
    return CountReply(ok, reply, deleted, error);
}

bool ScaleClient::Clear(int& deleted, std::string& error) {
    std::string reply;
    bool ok = Request(std::string(kClear), reply);
    return CountReply(ok, reply, deleted, error);
}

bool ScaleClient::Dump(std::vector<PluRecord>& records, std::string& error) {
    std::string reply;
    int count = 0;
    if (!CountReply(Request(std::string(kDump), reply), reply, count, error)) return false;
    records.clear();
    for (int i = 0; i < count; ++i) {
        std::string line;
        if (!ReadLine(line)) {
            error = line;
            return false;
        }
        PluRecord record;
        if (!DecodeRecord(line, record, error)) {
            Close();
            return false;
        }
        records.push_back(std::move(record));
    }
    return true;
}

} // namespace peers
