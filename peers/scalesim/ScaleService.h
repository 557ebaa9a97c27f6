#pragma once
// Answers the requests of the line protocol against a PLU table.
#include <string>

#include "scalesim/PluTable.h"

namespace peers {

class ScaleService {
public:
    enum class After { Continue, CloseConnection, Shutdown };
    struct Reply {
        std::string text; // one or more lines, each ending with LF
        After after = After::Continue;
    };

    explicit ScaleService(PluTable& table) : table_(table) {}
    Reply Handle(const std::string& line);

private:
    Reply Changed(std::string ok);
    PluTable& table_;
};

} // namespace peers
