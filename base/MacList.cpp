#include "base/MacList.h"

#include <algorithm>
#include <limits>

namespace {

struct CoordCell {
    std::int32_t X;
    std::int32_t Y;
};

struct KeyCell {
    std::int32_t Key;
    std::intptr_t Value;
};

int Sign(std::int32_t a, std::int32_t b) {
    return a < b ? -1 : a > b ? 1 : 0;
}

std::int32_t& IntAt(void* data) {
    return *static_cast<std::int32_t*>(data);
}

void FreeInt(TObject*, void* data) {
    delete static_cast<std::int32_t*>(data);
}

void CompareInts(TObject*, int& result, void* a, void* b) {
    result = Sign(IntAt(a), IntAt(b));
}

// Inserts a new cell where DoFindPosition left the deque: after the current item for -1,
// before it for 1.
void InsertFound(TMacDeque& deque, int found, void* cell) {
    if (found < 0)
        deque.DoInsertAfterCurrent(cell);
    else
        deque.DoInsertBeforeCurrent(cell);
}

} // namespace

// ---- TMacList ----

TMacList::TMacList(std::int32_t blockSize) : deque_(blockSize) {
    deque_.OnDeleteData = [this](TObject*, void* data) {
        if (OnDeleteItem) OnDeleteItem(this, data);
    };
}

TMacList::~TMacList() {
    deque_.Clear();
}

void* TMacList::GetItems(std::int32_t i) {
    deque_.SetCurrentPosition(i);
    return deque_.GetCurrentData();
}

std::int32_t TMacList::Insert(std::int32_t i, void* p) {
    deque_.SetCurrentPosition(i);
    if (deque_.GetCurrentPosition() < i)
        deque_.DoInsertAfterCurrent(p);
    else
        deque_.DoInsertBeforeCurrent(p);
    return deque_.GetCurrentPosition();
}

std::int32_t TMacList::Add(void* p) {
    deque_.SetCurrentPosition(deque_.Count() - 1);
    deque_.DoInsertAfterCurrent(p);
    return deque_.GetCurrentPosition();
}

void TMacList::Delete(std::int32_t i) {
    deque_.SetCurrentPosition(i);
    deque_.DoDeleteCurrent();
}

void TMacList::Exchange(std::int32_t i, std::int32_t j) {
    deque_.SetCurrentPosition(i);
    deque_.Exchange(j);
}

// ---- TMacListOfIntegers ----

TMacListOfIntegers::TMacListOfIntegers(std::int32_t blockSize) : deque_(blockSize) {
    deque_.OnDeleteData = FreeInt;
}

TMacListOfIntegers::~TMacListOfIntegers() {
    deque_.Clear();
}

std::int32_t TMacListOfIntegers::GetValues(std::int32_t i) {
    deque_.SetCurrentPosition(i);
    void* cell = deque_.GetCurrentData();
    return cell ? IntAt(cell) : 0;
}

void TMacListOfIntegers::SetValues(std::int32_t i, std::int32_t v) {
    deque_.SetCurrentPosition(i);
    if (void* cell = deque_.GetCurrentData()) IntAt(cell) = v;
}

std::int32_t TMacListOfIntegers::Insert(std::int32_t i, std::int32_t v) {
    deque_.SetCurrentPosition(i);
    auto* cell = new std::int32_t(v);
    if (deque_.GetCurrentPosition() < i)
        deque_.DoInsertAfterCurrent(cell);
    else
        deque_.DoInsertBeforeCurrent(cell);
    return deque_.GetCurrentPosition();
}

std::int32_t TMacListOfIntegers::Add(std::int32_t v) {
    deque_.SetCurrentPosition(deque_.Count() - 1);
    deque_.DoInsertAfterCurrent(new std::int32_t(v));
    return deque_.GetCurrentPosition();
}

void TMacListOfIntegers::Delete(std::int32_t i) {
    deque_.SetCurrentPosition(i);
    deque_.DoDeleteCurrent();
}

void TMacListOfIntegers::CopyList(TMacListOfIntegers& other) {
    if (&other == this) return; // clearing first would lose what is to be copied
    Clear();
    AddList(other);
}

std::int32_t TMacListOfIntegers::AddList(TMacListOfIntegers& other) {
    const std::int32_t n = other.GetCount();
    for (std::int32_t i = 0; i < n; ++i) Add(other.GetValues(i));
    return n;
}

// ---- TMacSetOfIntegers ----

TMacSetOfIntegers::TMacSetOfIntegers(std::int32_t blockSize) : deque_(blockSize) {
    deque_.OnDeleteData = FreeInt;
    deque_.OnCompareAB = CompareInts;
}

TMacSetOfIntegers::~TMacSetOfIntegers() {
    DestroyTab();
    deque_.Clear();
}

void TMacSetOfIntegers::Add(std::int32_t v) {
    DestroyTab();
    std::int32_t probe = v;
    int found = deque_.DoFindPosition(&probe);
    if (found == 0) return;
    InsertFound(deque_, found, new std::int32_t(v));
}

void TMacSetOfIntegers::Remove(std::int32_t v) {
    DestroyTab();
    std::int32_t probe = v;
    if (deque_.DoFindPosition(&probe) == 0) deque_.DoDeleteCurrent();
}

std::int32_t TMacSetOfIntegers::IndexOf(std::int32_t v) {
    if (hasTab_) {
        auto it = std::lower_bound(tab_.begin(), tab_.end(), v);
        return it != tab_.end() && *it == v ? static_cast<std::int32_t>(it - tab_.begin()) : -1;
    }
    std::int32_t probe = v;
    return deque_.DoFindPosition(&probe) == 0 ? deque_.GetCurrentPosition() : -1;
}

std::int32_t TMacSetOfIntegers::GetValues(std::int32_t i) {
    deque_.SetCurrentPosition(i);
    void* cell = deque_.GetCurrentData();
    return cell ? IntAt(cell) : 0;
}

void TMacSetOfIntegers::Delete(std::int32_t i) {
    if (deque_.GetIsEmpty()) return;
    Remove(GetValues(i));
}

void TMacSetOfIntegers::Clear() {
    DestroyTab();
    deque_.Clear();
}

std::int32_t TMacSetOfIntegers::CopySet(TMacSetOfIntegers& other) {
    if (&other == this) return GetCount(); // clearing first would lose what is to be copied
    Clear();
    return AddSet(other);
}

std::int32_t TMacSetOfIntegers::AddSet(TMacSetOfIntegers& other) {
    const std::int32_t n = other.GetCount();
    if (&other == this) return n;
    for (std::int32_t i = 0; i < n; ++i) Add(other.GetValues(i));
    return n;
}

std::int32_t TMacSetOfIntegers::RemoveSet(TMacSetOfIntegers& other) {
    const std::int32_t n = other.GetCount();
    if (&other == this) {
        Clear();
        return n;
    }
    for (std::int32_t i = 0; i < n; ++i) Remove(other.GetValues(i));
    return n;
}

bool TMacSetOfIntegers::GetFirst(std::int32_t& v) {
    if (deque_.GetIsEmpty()) return false;
    v = hasTab_ ? tab_.front() : GetValues(0);
    return true;
}

bool TMacSetOfIntegers::GetLast(std::int32_t& v) {
    if (deque_.GetIsEmpty()) return false;
    v = hasTab_ ? tab_.back() : GetValues(deque_.Count() - 1);
    return true;
}

bool TMacSetOfIntegers::GetNext(std::int32_t& v) {
    if (deque_.GetIsEmpty()) return false;
    if (hasTab_) {
        auto it = std::upper_bound(tab_.begin(), tab_.end(), v);
        if (it == tab_.end()) return false;
        v = *it;
        return true;
    }
    std::int32_t probe = v;
    int found = deque_.DoFindPosition(&probe);
    std::int32_t position = deque_.GetCurrentPosition();
    if (found != 1) ++position; // the current item is v or lies before it
    if (position >= deque_.Count()) return false;
    v = GetValues(position);
    return true;
}

bool TMacSetOfIntegers::GetPrevious(std::int32_t& v) {
    if (deque_.GetIsEmpty()) return false;
    if (hasTab_) {
        auto it = std::lower_bound(tab_.begin(), tab_.end(), v);
        if (it == tab_.begin()) return false;
        v = *(it - 1);
        return true;
    }
    std::int32_t probe = v;
    int found = deque_.DoFindPosition(&probe);
    std::int32_t position = deque_.GetCurrentPosition();
    if (found != -1) --position; // the current item is v or lies after it
    if (position < 0) return false;
    v = GetValues(position);
    return true;
}

void TMacSetOfIntegers::BuildTab() {
    DestroyTab();
    const std::int32_t n = deque_.Count();
    if (n <= 1) return;
    tab_.reserve(static_cast<std::size_t>(n));
    for (std::int32_t i = 0; i < n; ++i) tab_.push_back(GetValues(i));
    hasTab_ = true;
}

void TMacSetOfIntegers::DestroyTab() {
    if (!hasTab_) return;
    hasTab_ = false;
    tab_.clear();
    tab_.shrink_to_fit();
}

// ---- TMacSetOfCoords ----

namespace {

CoordCell& CoordAt(void* data) {
    return *static_cast<CoordCell*>(data);
}

} // namespace

TMacSetOfCoords::TMacSetOfCoords(std::int32_t blockSize) : deque_(blockSize) {
    deque_.OnDeleteData = [](TObject*, void* data) { delete static_cast<CoordCell*>(data); };
    deque_.OnCompareAB = [](TObject*, int& result, void* a, void* b) {
        const CoordCell& p = CoordAt(a);
        const CoordCell& q = CoordAt(b);
        result = p.X != q.X ? Sign(p.X, q.X) : Sign(p.Y, q.Y);
    };
}

TMacSetOfCoords::~TMacSetOfCoords() {
    deque_.Clear();
}

void TMacSetOfCoords::Add(std::int32_t x, std::int32_t y) {
    CoordCell probe{x, y};
    int found = deque_.DoFindPosition(&probe);
    if (found == 0) return;
    InsertFound(deque_, found, new CoordCell{x, y});
}

void TMacSetOfCoords::Remove(std::int32_t x, std::int32_t y) {
    CoordCell probe{x, y};
    if (deque_.DoFindPosition(&probe) == 0) deque_.DoDeleteCurrent();
}

std::int32_t TMacSetOfCoords::IndexOf(std::int32_t x, std::int32_t y) {
    CoordCell probe{x, y};
    return deque_.DoFindPosition(&probe) == 0 ? deque_.GetCurrentPosition() : -1;
}

bool TMacSetOfCoords::GetValues(std::int32_t i, std::int32_t& x, std::int32_t& y) {
    if (i < 0 || i >= deque_.Count()) return false;
    deque_.SetCurrentPosition(i);
    const CoordCell& cell = CoordAt(deque_.GetCurrentData());
    x = cell.X;
    y = cell.Y;
    return true;
}

void TMacSetOfCoords::Delete(std::int32_t i) {
    if (deque_.GetIsEmpty()) return;
    deque_.SetCurrentPosition(i);
    CoordCell cell = CoordAt(deque_.GetCurrentData());
    Remove(cell.X, cell.Y);
}

std::int32_t TMacSetOfCoords::CopySet(TMacSetOfCoords& other) {
    if (&other == this) return GetCount(); // clearing first would lose what is to be copied
    Clear();
    return AddSet(other);
}

std::int32_t TMacSetOfCoords::AddSet(TMacSetOfCoords& other) {
    const std::int32_t n = other.GetCount();
    if (&other == this) return n;
    std::int32_t x = 0, y = 0;
    for (std::int32_t i = 0; i < n; ++i)
        if (other.GetValues(i, x, y)) Add(x, y);
    return n;
}

std::int32_t TMacSetOfCoords::RemoveSet(TMacSetOfCoords& other) {
    const std::int32_t n = other.GetCount();
    if (&other == this) {
        Clear();
        return n;
    }
    std::int32_t x = 0, y = 0;
    for (std::int32_t i = 0; i < n; ++i)
        if (other.GetValues(i, x, y)) Remove(x, y);
    return n;
}

std::int32_t TMacSetOfCoords::AddSetOfX(TMacSetOfIntegers& set, std::int32_t y) {
    const std::int32_t n = set.GetCount();
    for (std::int32_t i = 0; i < n; ++i) Add(set.GetValues(i), y);
    return n;
}

std::int32_t TMacSetOfCoords::AddSetOfY(std::int32_t x, TMacSetOfIntegers& set) {
    const std::int32_t n = set.GetCount();
    for (std::int32_t i = 0; i < n; ++i) Add(x, set.GetValues(i));
    return n;
}

std::int32_t TMacSetOfCoords::ExtractSetOfX(TMacSetOfIntegers& set, std::int32_t y) {
    set.Clear();
    const std::int32_t n = GetCount();
    std::int32_t px = 0, py = 0;
    for (std::int32_t i = 0; i < n; ++i)
        if (GetValues(i, px, py) && py == y) set.Add(px);
    return set.GetCount();
}

std::int32_t TMacSetOfCoords::ExtractSetOfY(std::int32_t x, TMacSetOfIntegers& set) {
    set.Clear();
    if (GetIsEmpty()) return 0;
    // The pairs of one x stand together: start at the first of them.
    CoordCell probe{x, std::numeric_limits<std::int32_t>::min()};
    int found = deque_.DoFindPosition(&probe);
    std::int32_t i = deque_.GetCurrentPosition() + (found < 0 ? 1 : 0);
    std::int32_t px = 0, py = 0;
    for (; GetValues(i, px, py) && px == x; ++i) set.Add(py);
    return set.GetCount();
}

bool TMacSetOfCoords::GetFirst(std::int32_t& x, std::int32_t& y) {
    return GetValues(0, x, y);
}

bool TMacSetOfCoords::GetLast(std::int32_t& x, std::int32_t& y) {
    return GetValues(deque_.Count() - 1, x, y);
}

bool TMacSetOfCoords::GetNext(std::int32_t& x, std::int32_t& y) {
    if (deque_.GetIsEmpty()) return false;
    CoordCell probe{x, y};
    int found = deque_.DoFindPosition(&probe);
    std::int32_t position = deque_.GetCurrentPosition() + (found != 1 ? 1 : 0);
    return GetValues(position, x, y);
}

bool TMacSetOfCoords::GetPrevious(std::int32_t& x, std::int32_t& y) {
    if (deque_.GetIsEmpty()) return false;
    CoordCell probe{x, y};
    int found = deque_.DoFindPosition(&probe);
    std::int32_t position = deque_.GetCurrentPosition() - (found != -1 ? 1 : 0);
    return GetValues(position, x, y);
}

// ---- TMacKeyIndex and the two indexes ----

namespace {

KeyCell& KeyAt(void* data) {
    return *static_cast<KeyCell*>(data);
}

} // namespace

TMacKeyIndex::TMacKeyIndex(std::int32_t blockSize) : deque_(blockSize) {
    deque_.OnDeleteData = [](TObject*, void* data) { delete static_cast<KeyCell*>(data); };
    deque_.OnCompareAB = [](TObject*, int& result, void* a, void* b) {
        result = Sign(KeyAt(a).Key, KeyAt(b).Key);
    };
}

TMacKeyIndex::~TMacKeyIndex() {
    deque_.Clear();
}

void TMacKeyIndex::AddValue(std::int32_t key, std::intptr_t value) {
    KeyCell probe{key, 0};
    int found = deque_.DoFindPosition(&probe);
    if (found == 0) return; // an existing key keeps its value
    InsertFound(deque_, found, new KeyCell{key, value});
}

void TMacKeyIndex::Remove(std::int32_t key) {
    KeyCell probe{key, 0};
    if (deque_.DoFindPosition(&probe) == 0) deque_.DoDeleteCurrent();
}

std::int32_t TMacKeyIndex::IndexOfValue(std::int32_t key, std::intptr_t& value, std::intptr_t absent) {
    KeyCell probe{key, 0};
    if (deque_.DoFindPosition(&probe) != 0) {
        value = absent;
        return -1;
    }
    value = KeyAt(deque_.GetCurrentData()).Value;
    return deque_.GetCurrentPosition();
}

std::int32_t TMacKeyIndex::GetKeys(std::int32_t i) {
    deque_.SetCurrentPosition(i);
    void* cell = deque_.GetCurrentData();
    return cell ? KeyAt(cell).Key : 0;
}

std::intptr_t TMacKeyIndex::ValueAt(std::int32_t i, std::intptr_t absent) {
    deque_.SetCurrentPosition(i);
    void* cell = deque_.GetCurrentData();
    return cell ? KeyAt(cell).Value : absent;
}

void TMacKeyIndex::SetValueAt(std::int32_t i, std::intptr_t value) {
    deque_.SetCurrentPosition(i);
    if (void* cell = deque_.GetCurrentData()) KeyAt(cell).Value = value;
}

void TMacKeyIndex::Delete(std::int32_t i) {
    if (deque_.GetIsEmpty()) return;
    Remove(GetKeys(i));
}

std::int32_t TMacIntegerIndex::IndexOf(std::int32_t key, std::int32_t& value) {
    std::intptr_t v = 0;
    std::int32_t position = IndexOfValue(key, v, -1);
    value = static_cast<std::int32_t>(v);
    return position;
}

std::int32_t TMacPointerIndex::IndexOf(std::int32_t key, void*& value) {
    std::intptr_t v = 0;
    std::int32_t position = IndexOfValue(key, v, 0);
    value = reinterpret_cast<void*>(v);
    return position;
}
