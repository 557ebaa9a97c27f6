#pragma once
// A list of Windows-1250 lines, each with an optional object pointer (not owned), with the
// name=value helpers of the platform's string lists.
//
// The lines' text lives in the list's own LineStore, so a line is read as a std::string_view. The
// view stays valid until that line is changed or deleted or the list is cleared; adding lines
// never invalidates it.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/LargeAllocator.h"
#include "base/LineStore.h"
#include "platform/Export.h"

class VXLUMO_API TStringList {
public:
    TStringList();
    ~TStringList();
    TStringList(const TStringList& other);
    TStringList& operator=(const TStringList& other);
    TStringList(TStringList&& other) noexcept;
    TStringList& operator=(TStringList&& other) noexcept;

    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    void Clear();
    // Room for count lines in all, so that adding that many moves nothing around.
    void Reserve(int count);

    // Out-of-range indexes throw EListError.
    std::string_view operator[](int index) const;
    std::string_view Strings(int index) const { return (*this)[index]; }
    void SetString(int index, std::string_view text);
    void* Objects(int index) const;
    void SetObject(int index, void* object);

    int Add(std::string_view text) { return AddObject(text, nullptr); }
    int AddObject(std::string_view text, void* object);
    void Insert(int index, std::string_view text, void* object = nullptr);
    void Delete(int index);
    // First line equal to text (byte for byte), or -1.
    int IndexOf(std::string_view text) const;

    // name=value lines: the name is what stands before the first "=".
    std::string Names(int index) const;
    std::string ValueFromIndex(int index) const;
    int IndexOfName(std::string_view name) const;
    std::string Values(std::string_view name) const;
    void SetValue(std::string_view name, std::string_view value);

    // All lines, each followed by CR LF; SetText splits at CR LF, CR or LF.
    std::string Text() const;
    void SetText(std::string_view text);

    std::vector<std::string> Lines() const;

private:
    void Check(int index) const;
    // Text no line uses any more is given back once it outweighs the text in use.
    void Forget(std::size_t bytes);

    std::vector<std::string_view, LargeAllocator<std::string_view>> items_;
    std::vector<void*> objects_; // empty while no line has an object, else one per line
    LineStore store_;
    std::size_t unusedBytes_ = 0; // text of changed or deleted lines still held by the store
};
