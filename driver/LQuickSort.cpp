#include "driver/LQuickSort.h"

int TLQuickSort::SetNumDone(int) {
    return 0;
}
int TLQuickSort::SortCompare(int, int) {
    return 0;
}
int TLQuickSort::ExChange(int, int) {
    return 0;
}
int TLQuickSort::FindCompare(int) {
    return 0;
}

int TLQuickSort::Sort(int first, int last) {
    // An empty range has nothing to sort (the partition would read items outside it).
    if (last < first) {
        SetNumDone(last);
        return 0;
    }
    int i = first, j = last, p = (first + last) / 2;
    do {
        while (SortCompare(i, p) < 0) ++i;
        while (SortCompare(p, j) < 0) --j;
        if (i <= j) {
            // The pivot follows its item when that item moves.
            if (p == i)
                p = j;
            else if (p == j)
                p = i;
            ExChange(i, j);
            ++i;
            --j;
        }
    } while (i <= j);
    if (first < j) Sort(first, j);
    if (i < last) Sort(i, last);
    SetNumDone(last);
    return 0;
}

int TLQuickSort::Search(int first, int last) {
    while (first <= last) {
        int m = first + (last - first) / 2;
        int k = FindCompare(m);
        if (k == 0) return m;
        if (k < 0)
            last = m - 1;
        else
            first = m + 1;
    }
    insertPlace = last + 1;
    return -1;
}

int TLQuickSort::Find(int first, int last) {
    if (!sorted) {
        Sort(first, last);
        sorted = true;
    }
    return Search(first, last);
}

int TLQuickSort::FindInsertPlace(int first, int last) {
    if (!sorted) {
        Sort(first, last);
        sorted = true;
    }
    // An empty range: the key belongs at its start.
    if (last < first) return first;
    if (FindCompare(first) < 0) return first;
    if (FindCompare(last) > 0) return last + 1;
    insertPlace = -1;
    Find(first, last);
    return insertPlace;
}
