#pragma once
// The scale's PLU memory, optionally kept in a file so that it survives a restart.
#include <map>
#include <string>

#include "common/ScaleProtocol.h"

namespace peers {

class PluTable {
public:
    // dbPath: Windows-1250 path of the table file; empty keeps the table in memory only.
    explicit PluTable(std::string dbPath = {}) : dbPath_(std::move(dbPath)) {}

    // Reads the file when there is one (a missing file is an empty table).
    bool Load(std::string& error);
    // Writes the whole table, replacing the file in one step.
    bool Save(std::string& error) const;

    // True when the PLU was new, false when it replaced a record.
    bool Set(const PluRecord& record);
    const PluRecord* Find(int plu) const;
    int Delete(int plu);
    int DeleteRange(int from, int to);
    int Clear();
    const std::map<int, PluRecord>& Records() const { return records_; }

private:
    std::string dbPath_;
    std::map<int, PluRecord> records_;
};

} // namespace peers
