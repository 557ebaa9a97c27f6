#pragma once
// An abstract sorter and binary searcher over items that only a subclass knows: the subclass
// compares and exchanges items by index, and holds the searched key.
#include "base/Object.h"

class VXLUMO_API TLQuickSort : public TObject {
    VX_CLASS(TLQuickSort, TObject)
public:
    TLQuickSort() = default;

    // Sorts the items first..last (both included); returns 0.
    int Sort(int first, int last);
    // The index of an item equal to the key, or -1 (insertPlace then tells where it belongs).
    int Find(int first, int last);
    // The index at which the key belongs, or -1 when an equal item exists.
    int FindInsertPlace(int first, int last);

    int insertPlace = 0;
    bool sorted = false;

protected:
    virtual int SetNumDone(int last);
    virtual int SortCompare(int a, int b);
    virtual int ExChange(int a, int b);
    virtual int FindCompare(int a);

private:
    int Search(int first, int last);
};
