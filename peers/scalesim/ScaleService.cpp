#include "scalesim/ScaleService.h"

namespace peers {
namespace {

ScaleService::Reply Ok(const std::string& text = {}) {
    return {text.empty() ? "OK\n" : "OK " + text + "\n"};
}
ScaleService::Reply Err(const std::string& text) {
    return {"ERR " + text + "\n"};
}

bool ParsePlu(std::string_view text, int& plu) {
    auto value = ParseInteger(text, kMinPlu, kMaxPlu);
    if (!value) return false;
    plu = static_cast<int>(*value);
    return true;
}

} // namespace

ScaleService::Reply ScaleService::Changed(std::string ok) {
    std::string error;
    if (!table_.Save(error)) return Err(error);
    return Ok(ok);
}

ScaleService::Reply ScaleService::Handle(const std::string& line) {
    std::string verb, rest;
    SplitRequest(line, verb, rest);
    if (verb == kPing) return Ok("PONG");
    if (verb == kSet) {
        PluRecord record;
        std::string error;
        if (!DecodeRecord(rest, record, error)) return Err(error);
        bool added = table_.Set(record);
        return Changed(added ? "ADDED" : "UPDATED");
    }
    if (verb == kGet) {
        int plu = 0;
        if (!ParsePlu(rest, plu)) return Err("bad PLU number '" + rest + "'");
        const PluRecord* record = table_.Find(plu);
        if (!record) return Err("no PLU " + std::to_string(plu));
        return Ok(EncodeRecord(*record));
    }
    if (verb == kDel) {
        int plu = 0;
        if (!ParsePlu(rest, plu)) return Err("bad PLU number '" + rest + "'");
        int n = table_.Delete(plu);
        return n ? Changed("1") : Ok("0");
    }
    if (verb == kDelRange) {
        auto space = rest.find(' ');
        int from = 0, to = 0;
        if (space == std::string::npos || !ParsePlu(std::string_view(rest).substr(0, space), from) ||
            !ParsePlu(std::string_view(rest).substr(space + 1), to))
            return Err("usage: DELRANGE <from> <to>");
        if (from > to) return Err("empty range " + rest);
        int n = table_.DeleteRange(from, to);
        return n ? Changed(std::to_string(n)) : Ok("0");
    }
    if (verb == kClear) {
        int n = table_.Clear();
        return n ? Changed(std::to_string(n)) : Ok("0");
    }
    if (verb == kCount) return Ok(std::to_string(table_.Records().size()));
    if (verb == kDump) {
        Reply reply = Ok(std::to_string(table_.Records().size()));
        for (const auto& [plu, record] : table_.Records()) reply.text += EncodeRecord(record) + "\n";
        return reply;
    }
    if (verb == kQuit) return {"OK BYE\n", After::CloseConnection};
    if (verb == kShutdown) return {"OK BYE\n", After::Shutdown};
    return Err("unknown request '" + verb + "'");
}

} // namespace peers
