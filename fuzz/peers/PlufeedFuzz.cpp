// The sending program's reader of the goods file: any bytes give a result or a message.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cascale/Plufeed.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    peers::Plufeed feed;
    std::string error;
    if (!peers::ReadPlufeed(text, feed, error) && error.empty()) __builtin_trap();
    std::int64_t price = 0;
    peers::ParseUnitPrice(text.substr(0, 32), price);
    return 0;
}
