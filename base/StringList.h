#pragma once
// A list of Windows-1250 lines, each with an optional object pointer (not owned), with the
// name=value helpers of the platform's string lists.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/Export.h"

class VXLUMO_API TStringList {
public:
    TStringList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    void Clear() { items_.clear(); }
    // Room for count lines in all, so that adding that many moves nothing around.
    void Reserve(int count) { items_.reserve(count > 0 ? static_cast<std::size_t>(count) : 0); }

    // Out-of-range indexes throw EListError.
    const std::string& operator[](int index) const;
    const std::string& Strings(int index) const { return (*this)[index]; }
    void SetString(int index, std::string text);
    void* Objects(int index) const;
    void SetObject(int index, void* object);

    int Add(std::string text) { return AddObject(std::move(text), nullptr); }
    int AddObject(std::string text, void* object);
    void Insert(int index, std::string text, void* object = nullptr);
    void Delete(int index);
    // First line equal to text (byte for byte), or -1.
    int IndexOf(const std::string& text) const;

    // name=value lines: the name is what stands before the first "=".
    std::string Names(int index) const;
    std::string ValueFromIndex(int index) const;
    int IndexOfName(const std::string& name) const;
    std::string Values(const std::string& name) const;
    void SetValue(const std::string& name, const std::string& value);

    // All lines, each followed by CR LF; SetText splits at CR LF, CR or LF.
    std::string Text() const;
    void SetText(const std::string& text);

    std::vector<std::string> Lines() const;

private:
    struct Item {
        std::string Text;
        void* Object;
    };
    void Check(int index) const;
    std::vector<Item> items_;
};
