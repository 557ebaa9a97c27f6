#include "base/StringList.h"

#include "base/Exception.h"

void TStringList::Check(int index) const {
    if (index < 0 || index >= Count())
        throw EListError("Indeks listy poza zakresem (" + std::to_string(index) + ")");
}

const std::string& TStringList::operator[](int index) const {
    Check(index);
    return items_[static_cast<std::size_t>(index)].Text;
}

void TStringList::SetString(int index, std::string text) {
    Check(index);
    items_[static_cast<std::size_t>(index)].Text = std::move(text);
}

void* TStringList::Objects(int index) const {
    Check(index);
    return items_[static_cast<std::size_t>(index)].Object;
}

void TStringList::SetObject(int index, void* object) {
    Check(index);
    items_[static_cast<std::size_t>(index)].Object = object;
}

int TStringList::AddObject(std::string text, void* object) {
    items_.push_back(Item{std::move(text), object});
    return Count() - 1;
}

void TStringList::Insert(int index, std::string text, void* object) {
    if (index < 0 || index > Count())
        throw EListError("Indeks listy poza zakresem (" + std::to_string(index) + ")");
    items_.insert(items_.begin() + index, Item{std::move(text), object});
}

void TStringList::Delete(int index) {
    Check(index);
    items_.erase(items_.begin() + index);
}

int TStringList::IndexOf(const std::string& text) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<std::size_t>(i)].Text == text) return i;
    return -1;
}

std::string TStringList::Names(int index) const {
    const std::string& s = (*this)[index];
    auto eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

std::string TStringList::ValueFromIndex(int index) const {
    const std::string& s = (*this)[index];
    auto eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(eq + 1);
}

int TStringList::IndexOfName(const std::string& name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string& s = items_[static_cast<std::size_t>(i)].Text;
        auto eq = s.find('=');
        if (eq != std::string::npos && s.compare(0, eq, name) == 0) return i;
    }
    return -1;
}

std::string TStringList::Values(const std::string& name) const {
    int i = IndexOfName(name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStringList::SetValue(const std::string& name, const std::string& value) {
    int i = IndexOfName(name);
    if (i < 0)
        Add(name + "=" + value);
    else
        SetString(i, name + "=" + value);
}

std::string TStringList::Text() const {
    std::string out;
    for (const auto& item : items_) {
        out += item.Text;
        out += "\r\n";
    }
    return out;
}

void TStringList::SetText(const std::string& text) {
    items_.clear();
    std::size_t start = 0, i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            Add(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) Add(text.substr(start));
}

std::vector<std::string> TStringList::Lines() const {
    std::vector<std::string> out;
    out.reserve(items_.size());
    for (const auto& item : items_) out.push_back(item.Text);
    return out;
}
