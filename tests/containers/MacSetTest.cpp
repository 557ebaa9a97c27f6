#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <limits>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "base/MacList.h"

namespace {

std::vector<std::int32_t> Values(TMacSetOfIntegers& s) {
    std::vector<std::int32_t> out;
    for (std::int32_t i = 0; i < s.GetCount(); ++i) out.push_back(s.GetValues(i));
    return out;
}

TEST(MacSetOfIntegers, KeepsDistinctValuesAscending) {
    TMacSetOfIntegers s(100);
    std::int32_t v = 0;
    EXPECT_FALSE(s.GetFirst(v));
    EXPECT_FALSE(s.GetLast(v));
    EXPECT_FALSE(s.GetNext(v));
    for (int x : {5, 1, 3, 3}) s.Add(x);
    EXPECT_EQ(s.GetCount(), 3);
    EXPECT_EQ(Values(s), (std::vector<std::int32_t>{1, 3, 5}));
    v = 3;
    EXPECT_TRUE(s.GetNext(v));
    EXPECT_EQ(v, 5);
    EXPECT_FALSE(s.GetNext(v));
    v = 1;
    EXPECT_FALSE(s.GetPrevious(v));
    s.Delete(-2);
    EXPECT_EQ(Values(s), (std::vector<std::int32_t>{3, 5}));
    s.Delete(9);
    EXPECT_EQ(Values(s), (std::vector<std::int32_t>{3}));
}

TEST(MacSetOfIntegers, SetOperationsWorkElementByElement) {
    TMacSetOfIntegers a(4), b(4);
    for (int x : {1, 2, 3, 4}) a.Add(x);
    for (int x : {3, 4, 5}) b.Add(x);
    EXPECT_EQ(a.AddSet(b), 3);
    EXPECT_EQ(Values(a), (std::vector<std::int32_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(a.RemoveSet(b), 3);
    EXPECT_EQ(Values(a), (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(b.CopySet(a), 2);
    EXPECT_EQ(Values(b), (std::vector<std::int32_t>{1, 2}));
    // A set given itself: copying and adding keep it, removing empties it.
    EXPECT_EQ(a.CopySet(a), 2);
    EXPECT_EQ(a.AddSet(a), 2);
    EXPECT_EQ(Values(a), (std::vector<std::int32_t>{1, 2}));
    a.RemoveSet(a);
    EXPECT_TRUE(a.GetIsEmpty());
}

TEST(MacSetOfIntegers, TableIsDroppedByEveryChange) {
    TMacSetOfIntegers s(8);
    s.Add(1);
    s.BuildTab();
    EXPECT_FALSE(s.HasTab()); // one element needs no table
    s.Add(2);
    s.BuildTab();
    EXPECT_TRUE(s.HasTab());
    s.Add(3);
    EXPECT_FALSE(s.HasTab());
    EXPECT_EQ(s.IndexOf(3), 2);
    s.BuildTab();
    s.Remove(1);
    EXPECT_FALSE(s.HasTab());
    EXPECT_EQ(s.IndexOf(3), 1);
    s.BuildTab();
    s.Clear();
    EXPECT_FALSE(s.HasTab());
    EXPECT_EQ(s.IndexOf(3), -1);
}

// Each query answered from the blocks, and again from the table, against std::set.
void ExpectSameAnswers(TMacSetOfIntegers& s, const std::set<std::int32_t>& model, std::mt19937& rng) {
    ASSERT_EQ(s.GetCount(), static_cast<std::int32_t>(model.size()));
    std::int32_t v = 0;
    ASSERT_EQ(s.GetFirst(v), !model.empty());
    if (!model.empty()) {
        ASSERT_EQ(v, *model.begin());
    }
    ASSERT_EQ(s.GetLast(v), !model.empty());
    if (!model.empty()) {
        ASSERT_EQ(v, *model.rbegin());
    }
    for (int k = 0; k < 200; ++k) {
        std::int32_t probe = static_cast<std::int32_t>(rng() % 2200) - 100;
        auto it = model.find(probe);
        ASSERT_EQ(s.IndexOf(probe),
                  it == model.end() ? -1 : static_cast<std::int32_t>(std::distance(model.begin(), it)));
        ASSERT_EQ(s.Contains(probe), it != model.end());
        auto up = model.upper_bound(probe);
        v = probe;
        ASSERT_EQ(s.GetNext(v), up != model.end()) << probe;
        if (up != model.end()) {
            ASSERT_EQ(v, *up);
        }
        auto low = model.lower_bound(probe);
        v = probe;
        ASSERT_EQ(s.GetPrevious(v), low != model.begin()) << probe;
        if (low != model.begin()) {
            ASSERT_EQ(v, *std::prev(low));
        }
    }
}

TEST(MacSetOfIntegers, BehavesAsAStdSetUnderRandomOperations) {
    for (std::int32_t m : {2, 5, 100}) {
        SCOPED_TRACE(m);
        std::mt19937 rng(7u + static_cast<unsigned>(m));
        TMacSetOfIntegers s(m);
        std::set<std::int32_t> model;
        for (int round = 0; round < 40; ++round) {
            bool grow = round < 25;
            for (int k = 0; k < 150; ++k) {
                std::int32_t x = static_cast<std::int32_t>(rng() % 2000);
                unsigned op = rng() % 10;
                if (op < (grow ? 7u : 3u)) {
                    s.Add(x);
                    model.insert(x);
                } else if (op < 9) {
                    s.Remove(x);
                    model.erase(x);
                } else if (!model.empty()) {
                    std::int32_t i = static_cast<std::int32_t>(rng() % model.size());
                    s.Delete(i);
                    model.erase(std::next(model.begin(), i));
                }
            }
            ASSERT_EQ(Values(s), std::vector<std::int32_t>(model.begin(), model.end()));
            ExpectSameAnswers(s, model, rng);
            s.BuildTab();
            ExpectSameAnswers(s, model, rng);
        }
    }
}

TEST(MacSetOfIntegers, ExtremeValuesHaveNeighbours) {
    TMacSetOfIntegers s(4);
    const std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    const std::int32_t hi = std::numeric_limits<std::int32_t>::max();
    for (std::int32_t x : {hi, 0, lo}) s.Add(x);
    for (bool tab : {false, true}) {
        if (tab) s.BuildTab();
        std::int32_t v = lo;
        EXPECT_TRUE(s.GetNext(v));
        EXPECT_EQ(v, 0);
        v = hi;
        EXPECT_FALSE(s.GetNext(v));
        v = hi;
        EXPECT_TRUE(s.GetPrevious(v));
        EXPECT_EQ(v, 0);
        v = lo;
        EXPECT_FALSE(s.GetPrevious(v));
    }
}

using Pair = std::pair<std::int32_t, std::int32_t>;

std::vector<Pair> Pairs(TMacSetOfCoords& s) {
    std::vector<Pair> out;
    std::int32_t x = 0, y = 0;
    for (std::int32_t i = 0; i < s.GetCount(); ++i) {
        EXPECT_TRUE(s.GetValues(i, x, y));
        out.emplace_back(x, y);
    }
    return out;
}

TEST(MacSetOfCoords, OrdersByXThenY) {
    TMacSetOfCoords s(4);
    s.Add(2, 1);
    s.Add(1, 5);
    s.Add(1, 2);
    s.Add(1, 2);
    EXPECT_EQ(Pairs(s), (std::vector<Pair>{{1, 2}, {1, 5}, {2, 1}}));
    std::int32_t x = 0, y = 0;
    EXPECT_FALSE(s.GetValues(3, x, y));
    EXPECT_FALSE(s.GetValues(-1, x, y));
    EXPECT_EQ(s.IndexOf(2, 1), 2);
    EXPECT_EQ(s.IndexOf(2, 2), -1);

    TMacSetOfIntegers ys(4);
    ys.Add(99);
    EXPECT_EQ(s.ExtractSetOfY(1, ys), 2);
    EXPECT_EQ(Values(ys), (std::vector<std::int32_t>{2, 5}));
    EXPECT_EQ(s.ExtractSetOfY(3, ys), 0);
    EXPECT_EQ(s.ExtractSetOfX(ys, 2), 1);
    EXPECT_EQ(Values(ys), (std::vector<std::int32_t>{1}));

    x = 1, y = 2;
    EXPECT_TRUE(s.GetNext(x, y));
    EXPECT_EQ(Pair(x, y), Pair(1, 5));
    x = 1, y = 3;
    EXPECT_TRUE(s.GetPrevious(x, y));
    EXPECT_EQ(Pair(x, y), Pair(1, 2));
    x = 2, y = 1;
    EXPECT_FALSE(s.GetNext(x, y));
    EXPECT_TRUE(s.GetFirst(x, y));
    EXPECT_EQ(Pair(x, y), Pair(1, 2));
    EXPECT_TRUE(s.GetLast(x, y));
    EXPECT_EQ(Pair(x, y), Pair(2, 1));

    TMacSetOfIntegers xs(4);
    for (int v : {7, 8}) xs.Add(v);
    EXPECT_EQ(s.AddSetOfX(xs, 0), 2);
    EXPECT_EQ(s.AddSetOfY(0, xs), 2);
    EXPECT_EQ(Pairs(s), (std::vector<Pair>{{0, 7}, {0, 8}, {1, 2}, {1, 5}, {2, 1}, {7, 0}, {8, 0}}));
    s.Delete(100);
    s.Delete(-1);
    EXPECT_EQ(Pairs(s), (std::vector<Pair>{{0, 8}, {1, 2}, {1, 5}, {2, 1}, {7, 0}}));
}

TEST(MacSetOfCoords, BehavesAsAStdSetUnderRandomOperations) {
    std::mt19937 rng(4242);
    TMacSetOfCoords s(5), other(7);
    std::set<Pair> model;
    for (int k = 0; k < 6000; ++k) {
        Pair p{static_cast<std::int32_t>(rng() % 30), static_cast<std::int32_t>(rng() % 30)};
        if (rng() % 3) {
            s.Add(p.first, p.second);
            model.insert(p);
        } else {
            s.Remove(p.first, p.second);
            model.erase(p);
        }
        if (k % 500 == 0) {
            ASSERT_EQ(Pairs(s), std::vector<Pair>(model.begin(), model.end()));
            for (int q = 0; q < 50; ++q) {
                Pair probe{static_cast<std::int32_t>(rng() % 32) - 1,
                           static_cast<std::int32_t>(rng() % 32) - 1};
                auto up = model.upper_bound(probe);
                std::int32_t x = probe.first, y = probe.second;
                ASSERT_EQ(s.GetNext(x, y), up != model.end());
                if (up != model.end()) {
                    ASSERT_EQ(Pair(x, y), *up);
                }
                auto low = model.lower_bound(probe);
                x = probe.first, y = probe.second;
                ASSERT_EQ(s.GetPrevious(x, y), low != model.begin());
                if (low != model.begin()) {
                    ASSERT_EQ(Pair(x, y), *std::prev(low));
                }
                TMacSetOfIntegers ys(3);
                std::vector<std::int32_t> expected;
                for (const Pair& e : model)
                    if (e.first == probe.first) expected.push_back(e.second);
                ASSERT_EQ(s.ExtractSetOfY(probe.first, ys), static_cast<std::int32_t>(expected.size()));
                ASSERT_EQ(Values(ys), expected);
            }
        }
    }
    EXPECT_EQ(other.CopySet(s), s.GetCount());
    EXPECT_EQ(Pairs(other), Pairs(s));
    other.RemoveSet(s);
    EXPECT_TRUE(other.GetIsEmpty());
}

TEST(MacIndexes, KeyKeepsItsFirstValue) {
    TMacIntegerIndex ix(4);
    ix.Add(7, 1);
    ix.Add(7, 2);
    ix.Add(3, 30);
    ix.Add(10, 100);
    std::int32_t v = 0;
    EXPECT_EQ(ix.IndexOf(7, v), 1);
    EXPECT_EQ(v, 1);
    EXPECT_EQ(ix.IndexOf(8, v), -1);
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(ix.Contains(10, v));
    EXPECT_EQ(v, 100);
    EXPECT_EQ(ix.GetKeys(0), 3);
    EXPECT_EQ(ix.GetPointers(99), 100);
    ix.SetPointers(-1, 33);
    EXPECT_EQ(ix.GetPointers(0), 33);
    ix.Remove(7);
    ix.Remove(8);
    ix.Delete(5);
    EXPECT_EQ(ix.GetCount(), 1);
    EXPECT_EQ(ix.GetKeys(0), 3);

    int a = 0, b = 0;
    TMacPointerIndex px(4);
    px.Add(2, &a);
    px.Add(1, &b);
    px.Add(2, &b);
    void* p = nullptr;
    EXPECT_TRUE(px.Contains(2, p));
    EXPECT_EQ(p, &a);
    EXPECT_EQ(px.IndexOf(5, p), -1);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(px.GetPointers(0), &b);
    px.Clear();
    EXPECT_TRUE(px.GetIsEmpty());
}

} // namespace
