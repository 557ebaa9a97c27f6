#include "scalesim/PluTable.h"

#include "common/Socket.h"
#include "platform/Files.h"

namespace peers {
namespace {
constexpr std::string_view kHeader =
    "# scalesim PLU table: plu;name1;name2;price;group;itemcode;barcode;department;plutype";
}

bool PluTable::Load(std::string& error) {
    records_.clear();
    if (dbPath_.empty() || !platform::FileExists(dbPath_)) return true;
    std::string contents;
    if (!platform::ReadWholeFile(dbPath_, contents)) {
        error = "cannot read " + dbPath_;
        return false;
    }
    if (!contents.empty() && contents.back() != '\n') contents += '\n';
    std::string line;
    int number = 0;
    while (TakeLine(contents, line)) {
        ++number;
        if (line.empty() || line[0] == '#') continue;
        PluRecord record;
        std::string why;
        if (!DecodeRecord(line, record, why)) {
            error = dbPath_ + " line " + std::to_string(number) + ": " + why;
            records_.clear();
            return false;
        }
        records_[record.plu] = std::move(record);
    }
    return true;
}

bool PluTable::Save(std::string& error) const {
    if (dbPath_.empty()) return true;
    std::string contents(kHeader);
    contents += '\n';
    for (const auto& [plu, record] : records_) contents += EncodeRecord(record) + "\n";
    if (platform::WriteFileReplacing(dbPath_, contents)) return true;
    error = "cannot write " + dbPath_;
    return false;
}

bool PluTable::Set(const PluRecord& record) {
    auto [it, added] = records_.insert_or_assign(record.plu, record);
    return added;
}

const PluRecord* PluTable::Find(int plu) const {
    auto it = records_.find(plu);
    return it == records_.end() ? nullptr : &it->second;
}

int PluTable::Delete(int plu) {
    return static_cast<int>(records_.erase(plu));
}

int PluTable::DeleteRange(int from, int to) {
    if (from > to) return 0;
    auto first = records_.lower_bound(from);
    auto last = records_.upper_bound(to);
    int count = static_cast<int>(std::distance(first, last));
    records_.erase(first, last);
    return count;
}

int PluTable::Clear() {
    int count = static_cast<int>(records_.size());
    records_.clear();
    return count;
}

} // namespace peers
