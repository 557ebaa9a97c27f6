#pragma once
// Typed containers on TMacDeque: positional lists of pointers and of integers, sorted sets of
// integers and of coordinate pairs, and sorted indexes from an integer key to an integer or a
// pointer. Indexes out of range are clamped; nothing here raises an error.
#include <cstdint>
#include <functional>
#include <vector>

#include "base/MacDeque.h"

// Pointers in insertion order; the pointers are not owned, OnDeleteItem sees each one that leaves.
class VXLUMO_API TMacList : public TObject {
    VX_CLASS(TMacList, TObject)
public:
    using TDeleteItemEvent = std::function<void(TObject* sender, void* item)>;

    explicit TMacList(std::int32_t blockSize);
    ~TMacList() override;
    TMacList(const TMacList&) = delete;
    TMacList& operator=(const TMacList&) = delete;

    void* GetItems(std::int32_t i); // none when empty
    std::int32_t GetCount() const { return deque_.Count(); }
    bool GetIsEmpty() const { return deque_.GetIsEmpty(); }
    std::int32_t Insert(std::int32_t i, void* p);
    std::int32_t Add(void* p);
    void Delete(std::int32_t i);
    void Clear() { deque_.Clear(); }
    void Exchange(std::int32_t i, std::int32_t j);

    TDeleteItemEvent OnDeleteItem;

private:
    TMacDeque deque_;
};

// 32-bit integers in insertion order. GetValues on an empty list returns 0 (callers check first).
class VXLUMO_API TMacListOfIntegers : public TObject {
    VX_CLASS(TMacListOfIntegers, TObject)
public:
    explicit TMacListOfIntegers(std::int32_t blockSize);
    ~TMacListOfIntegers() override;
    TMacListOfIntegers(const TMacListOfIntegers&) = delete;
    TMacListOfIntegers& operator=(const TMacListOfIntegers&) = delete;

    std::int32_t GetValues(std::int32_t i);
    void SetValues(std::int32_t i, std::int32_t v);
    std::int32_t GetCount() const { return deque_.Count(); }
    bool GetIsEmpty() const { return deque_.GetIsEmpty(); }
    std::int32_t Insert(std::int32_t i, std::int32_t v);
    std::int32_t Add(std::int32_t v);
    void Delete(std::int32_t i);
    void Clear() { deque_.Clear(); }
    void CopyList(TMacListOfIntegers& other);
    std::int32_t AddList(TMacListOfIntegers& other);

private:
    TMacDeque deque_;
};

// Distinct 32-bit integers, ascending. BuildTab copies them into an array searched by halving
// until the next change; the answers are the same either way.
class VXLUMO_API TMacSetOfIntegers : public TObject {
    VX_CLASS(TMacSetOfIntegers, TObject)
public:
    explicit TMacSetOfIntegers(std::int32_t blockSize);
    ~TMacSetOfIntegers() override;
    TMacSetOfIntegers(const TMacSetOfIntegers&) = delete;
    TMacSetOfIntegers& operator=(const TMacSetOfIntegers&) = delete;

    void Add(std::int32_t v);
    void Remove(std::int32_t v);
    bool Contains(std::int32_t v) { return IndexOf(v) >= 0; }
    std::int32_t IndexOf(std::int32_t v);
    std::int32_t GetValues(std::int32_t i); // 0 when empty (callers check first)
    std::int32_t GetCount() const { return deque_.Count(); }
    bool GetIsEmpty() const { return deque_.GetIsEmpty(); }
    void Delete(std::int32_t i);
    void Clear();
    std::int32_t CopySet(TMacSetOfIntegers& other);
    std::int32_t AddSet(TMacSetOfIntegers& other);
    std::int32_t RemoveSet(TMacSetOfIntegers& other);
    bool GetFirst(std::int32_t& v);
    bool GetLast(std::int32_t& v);
    bool GetNext(std::int32_t& v);     // the smallest element greater than v
    bool GetPrevious(std::int32_t& v); // the largest element smaller than v
    void BuildTab();
    void DestroyTab();
    bool HasTab() const { return hasTab_; }

private:
    TMacDeque deque_;
    std::vector<std::int32_t> tab_;
    bool hasTab_ = false;
};

// Distinct pairs (x, y), ordered by x, then y.
class VXLUMO_API TMacSetOfCoords : public TObject {
    VX_CLASS(TMacSetOfCoords, TObject)
public:
    explicit TMacSetOfCoords(std::int32_t blockSize);
    ~TMacSetOfCoords() override;
    TMacSetOfCoords(const TMacSetOfCoords&) = delete;
    TMacSetOfCoords& operator=(const TMacSetOfCoords&) = delete;

    void Add(std::int32_t x, std::int32_t y);
    void Remove(std::int32_t x, std::int32_t y);
    bool Contains(std::int32_t x, std::int32_t y) { return IndexOf(x, y) >= 0; }
    std::int32_t IndexOf(std::int32_t x, std::int32_t y);
    // False when i is outside 0 .. count - 1 (no clamping here).
    bool GetValues(std::int32_t i, std::int32_t& x, std::int32_t& y);
    std::int32_t GetCount() const { return deque_.Count(); }
    bool GetIsEmpty() const { return deque_.GetIsEmpty(); }
    void Delete(std::int32_t i);
    void Clear() { deque_.Clear(); }
    std::int32_t CopySet(TMacSetOfCoords& other);
    std::int32_t AddSet(TMacSetOfCoords& other);
    std::int32_t RemoveSet(TMacSetOfCoords& other);
    std::int32_t AddSetOfX(TMacSetOfIntegers& set, std::int32_t y);
    std::int32_t AddSetOfY(std::int32_t x, TMacSetOfIntegers& set);
    std::int32_t ExtractSetOfX(TMacSetOfIntegers& set, std::int32_t y);
    std::int32_t ExtractSetOfY(std::int32_t x, TMacSetOfIntegers& set);
    bool GetFirst(std::int32_t& x, std::int32_t& y);
    bool GetLast(std::int32_t& x, std::int32_t& y);
    bool GetNext(std::int32_t& x, std::int32_t& y);     // the first pair after (x, y)
    bool GetPrevious(std::int32_t& x, std::int32_t& y); // the last pair before (x, y)

private:
    TMacDeque deque_;
};

// The common part of the two sorted indexes: distinct 32-bit keys, each with a value as wide as a
// pointer.
class VXLUMO_API TMacKeyIndex : public TObject {
    VX_CLASS(TMacKeyIndex, TObject)
public:
    explicit TMacKeyIndex(std::int32_t blockSize);
    ~TMacKeyIndex() override;
    TMacKeyIndex(const TMacKeyIndex&) = delete;
    TMacKeyIndex& operator=(const TMacKeyIndex&) = delete;

    void Remove(std::int32_t key);
    std::int32_t GetKeys(std::int32_t i); // 0 when empty
    std::int32_t GetCount() const { return deque_.Count(); }
    bool GetIsEmpty() const { return deque_.GetIsEmpty(); }
    void Delete(std::int32_t i);
    void Clear() { deque_.Clear(); }

protected:
    void AddValue(std::int32_t key, std::intptr_t value);
    std::int32_t IndexOfValue(std::int32_t key, std::intptr_t& value, std::intptr_t absent);
    std::intptr_t ValueAt(std::int32_t i, std::intptr_t absent);
    void SetValueAt(std::int32_t i, std::intptr_t value);

private:
    TMacDeque deque_;
};

// Integer key to integer value; an absent key reads as -1.
class VXLUMO_API TMacIntegerIndex : public TMacKeyIndex {
    VX_CLASS(TMacIntegerIndex, TMacKeyIndex)
public:
    explicit TMacIntegerIndex(std::int32_t blockSize) : TMacKeyIndex(blockSize) {}

    void Add(std::int32_t key, std::int32_t value) { AddValue(key, value); }
    bool Contains(std::int32_t key, std::int32_t& value) { return IndexOf(key, value) >= 0; }
    std::int32_t IndexOf(std::int32_t key, std::int32_t& value);
    std::int32_t GetPointers(std::int32_t i) { return static_cast<std::int32_t>(ValueAt(i, 0)); }
    void SetPointers(std::int32_t i, std::int32_t value) { SetValueAt(i, value); }
};

// Integer key to pointer (not owned); an absent key reads as none.
class VXLUMO_API TMacPointerIndex : public TMacKeyIndex {
    VX_CLASS(TMacPointerIndex, TMacKeyIndex)
public:
    explicit TMacPointerIndex(std::int32_t blockSize) : TMacKeyIndex(blockSize) {}

    void Add(std::int32_t key, void* value) { AddValue(key, reinterpret_cast<std::intptr_t>(value)); }
    bool Contains(std::int32_t key, void*& value) { return IndexOf(key, value) >= 0; }
    std::int32_t IndexOf(std::int32_t key, void*& value);
    void* GetPointers(std::int32_t i) { return reinterpret_cast<void*>(ValueAt(i, 0)); }
    void SetPointers(std::int32_t i, void* value) { SetValueAt(i, reinterpret_cast<std::intptr_t>(value)); }
};
