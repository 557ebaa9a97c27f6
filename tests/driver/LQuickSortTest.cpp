#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "driver/LQuickSort.h"

namespace {

// Sorts a vector of numbers through the base class, counting the calls it makes.
class NumberSort : public TLQuickSort {
public:
    explicit NumberSort(std::vector<int> v) : items(std::move(v)) {}
    std::vector<int> items;
    int key = 0;
    int doneCalls = 0;

protected:
    int SetNumDone(int) override { return ++doneCalls; }
    int SortCompare(int a, int b) override { return Cmp(At(a), At(b)); }
    int ExChange(int a, int b) override {
        std::swap(items.at(static_cast<std::size_t>(a)), items.at(static_cast<std::size_t>(b)));
        return 0;
    }
    int FindCompare(int a) override { return Cmp(key, At(a)); }

private:
    int At(int i) const { return items.at(static_cast<std::size_t>(i)); } // throws outside the items
    static int Cmp(int x, int y) { return x < y ? -1 : x > y ? 1 : 0; }
};

TEST(LQuickSort, SortsRandomSortedReversedAndEqualItems) {
    std::mt19937 rng(7);
    std::vector<std::vector<int>> inputs = {
        {}, {1}, {2, 1}, {5, 5, 5, 5, 5}, {1, 2, 3, 4, 5, 6}, {6, 5, 4, 3, 2, 1}};
    for (int n : {10, 101, 1000}) {
        std::vector<int> v(static_cast<std::size_t>(n));
        for (int& x : v) x = static_cast<int>(rng() % 50);
        inputs.push_back(v);
    }
    for (const auto& in : inputs) {
        NumberSort s(in);
        EXPECT_EQ(s.Sort(0, static_cast<int>(in.size()) - 1), 0);
        std::vector<int> expected = in;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(s.items, expected);
    }
}

TEST(LQuickSort, SortsASubRangeOnly) {
    NumberSort s({9, 4, 3, 2, 0});
    s.Sort(1, 3);
    EXPECT_EQ(s.items, (std::vector<int>{9, 2, 3, 4, 0}));
    EXPECT_GE(s.doneCalls, 1);
}

TEST(LQuickSort, FindSortsFirstThenSearches) {
    NumberSort s({30, 10, 20});
    s.key = 20;
    EXPECT_EQ(s.Find(0, 2), 1);
    EXPECT_TRUE(s.sorted);
    s.key = 25;
    EXPECT_EQ(s.Find(0, 2), -1);
    EXPECT_EQ(s.insertPlace, 2);
}

TEST(LQuickSort, FindOnOneItem) {
    NumberSort s({5});
    s.key = 5;
    EXPECT_EQ(s.Find(0, 0), 0);
    s.key = 3;
    EXPECT_EQ(s.Find(0, 0), -1);
    EXPECT_EQ(s.insertPlace, 0);
}

TEST(LQuickSort, FindInsertPlace) {
    struct Row {
        int key, expected;
    } rows[] = {{5, 0}, {10, -1}, {15, 1}, {20, -1}, {25, 2}, {30, -1}, {35, 3}};
    for (const Row& r : rows) {
        NumberSort s({30, 10, 20});
        s.key = r.key;
        EXPECT_EQ(s.FindInsertPlace(0, 2), r.expected) << r.key;
    }
}

TEST(LQuickSort, EmptyRangesTouchNoItem) {
    NumberSort s({});
    EXPECT_EQ(s.Sort(0, -1), 0);
    EXPECT_EQ(s.Find(0, -1), -1);
    EXPECT_EQ(s.insertPlace, 0);
    EXPECT_EQ(s.FindInsertPlace(0, -1), 0);
}

} // namespace
