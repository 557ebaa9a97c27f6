// The communication program's readers: the same bytes as scale.cfg and as an export file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pcas/KasaExp.h"
#include "pcas/ScaleCfg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    peers::ScaleCfg cfg;
    if (!peers::ReadScaleCfg(text, "", cfg, error) && error.empty()) __builtin_trap();
    std::vector<peers::ExportGoods> goods;
    error.clear();
    if (!peers::ReadKasaExp(text, goods, error) && error.empty()) __builtin_trap();
    return 0;
}
