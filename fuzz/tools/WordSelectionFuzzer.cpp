// Word and field selection: input "index byte, delimiter count byte, delimiters, text".
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/StringList.h"
#include "base/TxTools.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int index = static_cast<int>(data[0] % 16) - 1;
    std::size_t count = data[1] % 4;
    if (count > size - 2) count = size - 2;
    const std::string delimiters(reinterpret_cast<const char*>(data + 2), count);
    const std::string text(reinterpret_cast<const char*>(data + 2 + count), size - 2 - count);
    const TxTools t(text);
    const std::string word = t.SelectWord(index, delimiters);
    if (word.size() > text.size()) __builtin_trap();
    bool pastEnd = false;
    const std::string field = t.SelectWordEx(index, pastEnd, delimiters);
    if (pastEnd && !field.empty()) __builtin_trap();
    TStringList list;
    const int n = t.ParseLineFields(list, delimiters.empty() ? ';' : delimiters[0]);
    if (n != list.Count()) __builtin_trap();
    (void)t.AutoBreakText(index, 2);
    return 0;
}
