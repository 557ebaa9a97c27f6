#pragma once
// The goods file the sending program takes: how to reach the scale, what to do, which PLUs.
#include <string>
#include <vector>

#include "common/ScaleProtocol.h"

namespace peers {

struct PluRange {
    int from = 0;
    int to = 0;
};

struct Plufeed {
    enum class Action { Send, Delete };
    std::string address;
    int port = 0;
    int intervalMs = 5000;
    int retry = 3;
    std::string scaleKind; // RODZAJWAGI, for the log
    Action action = Action::Send;
    std::vector<PluRecord> records; // REKORD elements (sending)
    std::vector<PluRange> ranges;   // Record elements (deleting)
};

// Reads the document (Windows-1250, or UTF-8 when it says so). False with a Polish reason in
// error (Windows-1250) when the file cannot be taken as a whole; nothing is half-read.
bool ReadPlufeed(std::string_view document, Plufeed& feed, std::string& error);

// A unit price in hundredths as the goods file writes it ("1250", "1234,5", "99.5"), rounded to
// a whole number of hundredths; false for anything else.
bool ParseUnitPrice(std::string_view text, std::int64_t& hundredths);

} // namespace peers
