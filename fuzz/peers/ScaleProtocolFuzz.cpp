// The simulator's request handling: each input line is a request against one table; a record
// that is accepted must come back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/ScaleProtocol.h"
#include "common/Socket.h"
#include "scalesim/PluTable.h"
#include "scalesim/ScaleService.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string buffer(reinterpret_cast<const char*>(data), size), line;
    buffer += '\n';
    peers::PluTable table;
    peers::ScaleService service(table);
    while (peers::TakeLine(buffer, line)) {
        service.Handle(line);
        peers::PluRecord record, again;
        std::string error;
        if (peers::DecodeRecord(line, record, error)) {
            if (!peers::DecodeRecord(peers::EncodeRecord(record), again, error) || !(again == record))
                __builtin_trap();
        }
    }
    return 0;
}
