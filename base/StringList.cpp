#include "base/StringList.h"

#include "base/Exception.h"

namespace {

// Below this much unused text a list never compacts: small lists that change often stay cheap.
constexpr std::size_t kCompactFrom = 64 * 1024;

// Room for one more, growing geometrically: a bare reserve(size + 1) would copy on every add.
template <class Vector> void MakeRoomForOne(Vector& v) {
    if (v.size() == v.capacity()) v.reserve(v.size() < 8 ? 8 : v.size() * 2);
}

[[noreturn]] void ThrowOutOfRange(int index) {
    throw EListError("Indeks listy poza zakresem (" + std::to_string(index) + ")");
}

} // namespace

TStringList::TStringList() = default;
TStringList::~TStringList() = default;
TStringList::TStringList(TStringList&& other) noexcept = default;
TStringList& TStringList::operator=(TStringList&& other) noexcept = default;

void TStringList::Reserve(int count) {
    items_.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
}

TStringList::TStringList(const TStringList& other) : objects_(other.objects_) {
    items_.reserve(other.items_.size());
    for (std::string_view s : other.items_) items_.push_back(store_.Keep(s));
}

TStringList& TStringList::operator=(const TStringList& other) {
    if (this != &other) {
        TStringList copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void TStringList::Clear() {
    items_.clear();
    objects_.clear();
    store_.Clear();
    unusedBytes_ = 0;
}

void TStringList::Check(int index) const {
    if (index < 0 || index >= Count()) ThrowOutOfRange(index);
}

void TStringList::Forget(std::size_t bytes) {
    unusedBytes_ += bytes;
    if (unusedBytes_ < kCompactFrom || unusedBytes_ * 2 < store_.KeptBytes()) return;
    LineStore fresh;
    decltype(items_) moved;
    moved.reserve(items_.size());
    for (std::string_view s : items_) moved.push_back(fresh.Keep(s));
    items_.swap(moved);
    store_ = std::move(fresh);
    unusedBytes_ = 0;
}

std::string_view TStringList::operator[](int index) const {
    Check(index);
    return items_[static_cast<std::size_t>(index)];
}

void TStringList::SetString(int index, std::string_view text) {
    Check(index);
    std::string_view& item = items_[static_cast<std::size_t>(index)];
    const std::size_t old = item.size();
    item = store_.Keep(text);
    Forget(old);
}

void* TStringList::Objects(int index) const {
    Check(index);
    return objects_.empty() ? nullptr : objects_[static_cast<std::size_t>(index)];
}

void TStringList::SetObject(int index, void* object) {
    Check(index);
    if (objects_.empty()) {
        if (object == nullptr) return;
        objects_.resize(items_.size(), nullptr);
    }
    objects_[static_cast<std::size_t>(index)] = object;
}

int TStringList::AddObject(std::string_view text, void* object) {
    Insert(Count(), text, object);
    return Count() - 1;
}

void TStringList::Insert(int index, std::string_view text, void* object) {
    if (index < 0 || index > Count()) ThrowOutOfRange(index);
    const auto at = static_cast<std::size_t>(index);
    // Room first, so that a failed allocation leaves the list as it was.
    MakeRoomForOne(items_);
    if (!objects_.empty() || object != nullptr) {
        if (objects_.empty()) objects_.resize(items_.size(), nullptr);
        MakeRoomForOne(objects_);
    }
    std::string_view kept = store_.Keep(text);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), kept);
    if (!objects_.empty()) objects_.insert(objects_.begin() + static_cast<std::ptrdiff_t>(at), object);
}

void TStringList::Delete(int index) {
    Check(index);
    const auto at = static_cast<std::ptrdiff_t>(index);
    const std::size_t old = items_[static_cast<std::size_t>(index)].size();
    items_.erase(items_.begin() + at);
    if (!objects_.empty()) objects_.erase(objects_.begin() + at);
    Forget(old);
}

int TStringList::IndexOf(std::string_view text) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == text) return static_cast<int>(i);
    return -1;
}

std::string TStringList::Names(int index) const {
    std::string_view s = (*this)[index];
    auto eq = s.find('=');
    return eq == std::string_view::npos ? std::string() : std::string(s.substr(0, eq));
}

std::string TStringList::ValueFromIndex(int index) const {
    std::string_view s = (*this)[index];
    auto eq = s.find('=');
    return eq == std::string_view::npos ? std::string() : std::string(s.substr(eq + 1));
}

int TStringList::IndexOfName(std::string_view name) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        std::string_view s = items_[i];
        auto eq = s.find('=');
        if (eq != std::string_view::npos && s.substr(0, eq) == name) return static_cast<int>(i);
    }
    return -1;
}

std::string TStringList::Values(std::string_view name) const {
    int i = IndexOfName(name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStringList::SetValue(std::string_view name, std::string_view value) {
    std::string line;
    line.reserve(name.size() + 1 + value.size());
    line.append(name).append("=").append(value);
    int i = IndexOfName(name);
    if (i < 0)
        Add(line);
    else
        SetString(i, line);
}

std::string TStringList::Text() const {
    std::size_t size = 0;
    for (std::string_view s : items_) size += s.size() + 2;
    std::string out;
    out.reserve(size);
    for (std::string_view s : items_) {
        out += s;
        out += "\r\n";
    }
    return out;
}

void TStringList::SetText(std::string_view text) {
    // The text may be a view into this list: split it into a new list, then take that one's place.
    TStringList lines;
    std::size_t start = 0, i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.Add(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.Add(text.substr(start));
    *this = std::move(lines);
}

std::vector<std::string> TStringList::Lines() const {
    std::vector<std::string> out;
    out.reserve(items_.size());
    for (std::string_view s : items_) out.emplace_back(s);
    return out;
}
