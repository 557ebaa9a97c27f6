#pragma once
// The line protocol between the scale simulator and the programs that talk to it. One request
// line, one reply line ("OK ..." or "ERR ..."); DUMP's reply is followed by one record per PLU.
// Texts are Windows-1250 bytes; fields of a record are separated by ";", and a field escapes
// "%", ";", CR and LF (and any other control byte) as "%" and two hex digits.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace peers {

inline constexpr int kMinPlu = 1;
inline constexpr int kMaxPlu = 999999;
inline constexpr std::int64_t kMaxPrice = 999999999; // in hundredths

// One PLU record as the scale holds it.
struct PluRecord {
    int plu = 0;
    std::string name1;
    std::string name2;
    std::int64_t price = 0; // unit price in hundredths of the currency
    std::string group;
    std::string itemCode;
    std::string barcode;
    std::string department;
    std::string pluType; // "1" weighed, "2" by count

    bool operator==(const PluRecord&) const = default;
};

std::string EscapeField(std::string_view text);
// False on a "%" not followed by two hex digits.
bool UnescapeField(std::string_view text, std::string& out);

// "plu;name1;name2;price;group;itemcode;barcode;department;plutype"
std::string EncodeRecord(const PluRecord& record);
// Fields after the PLU number may be left out (they stay empty / 0). Error text in English.
bool DecodeRecord(std::string_view line, PluRecord& record, std::string& error);

// A whole decimal number within [min, max], nothing else in the text.
std::optional<std::int64_t> ParseInteger(std::string_view text, std::int64_t min, std::int64_t max);

// Request verbs.
inline constexpr std::string_view kPing = "PING";
inline constexpr std::string_view kSet = "SET";
inline constexpr std::string_view kGet = "GET";
inline constexpr std::string_view kDel = "DEL";
inline constexpr std::string_view kDelRange = "DELRANGE";
inline constexpr std::string_view kClear = "CLEAR";
inline constexpr std::string_view kCount = "COUNT";
inline constexpr std::string_view kDump = "DUMP";
inline constexpr std::string_view kQuit = "QUIT";
inline constexpr std::string_view kShutdown = "SHUTDOWN";

// Splits a request line into its verb (upper-cased ASCII) and the rest after one space.
void SplitRequest(std::string_view line, std::string& verb, std::string& rest);

} // namespace peers
