#include "base/MacDeque.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace {

void* Tag(std::intptr_t v) {
    return reinterpret_cast<void*>(v);
}
std::intptr_t Untag(void* p) {
    return reinterpret_cast<std::intptr_t>(p);
}

// The blocks add up to the count and each holds 1 to M items.
void ExpectSoundBlocks(const TMacDeque& d) {
    std::int32_t sum = 0;
    for (std::int32_t b = 0; b < d.BlockCount(); ++b) {
        std::int32_t n = d.BlockItemCount(b);
        EXPECT_GE(n, 1);
        EXPECT_LE(n, d.BlockSize());
        sum += n;
    }
    EXPECT_EQ(sum, d.Count());
}

void ExpectSameItems(TMacDeque& d, const std::vector<std::intptr_t>& model) {
    ASSERT_EQ(d.Count(), static_cast<std::int32_t>(model.size()));
    for (std::size_t i = 0; i < model.size(); ++i) {
        d.SetCurrentPosition(static_cast<std::int32_t>(i));
        ASSERT_EQ(Untag(d.GetCurrentData()), model[i]) << "at " << i;
    }
}

TEST(MacDeque, BlockSizeBelowTwoBehavesAsTwo) {
    for (std::int32_t m : {-3, 0, 1}) {
        TMacDeque d(m);
        EXPECT_EQ(d.BlockSize(), 2);
        for (int i = 0; i < 9; ++i) d.DoInsertAfterCurrent(Tag(i));
        ExpectSoundBlocks(d);
        ExpectSameItems(d, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    }
}

TEST(MacDeque, AppendingPastABlockSplitsItInHalves) {
    TMacDeque d(200);
    for (int i = 0; i < 201; ++i) d.DoInsertAfterCurrent(Tag(i));
    ASSERT_EQ(d.BlockCount(), 2);
    EXPECT_EQ(d.BlockItemCount(0), 101);
    EXPECT_EQ(d.BlockItemCount(1), 100);
    EXPECT_EQ(d.GetCurrentPosition(), 200);
    std::vector<std::intptr_t> model(201);
    for (int i = 0; i < 201; ++i) model[static_cast<std::size_t>(i)] = i;
    ExpectSameItems(d, model);
}

TEST(MacDeque, EmptyDequeAnswersWithoutItems) {
    TMacDeque d(10);
    EXPECT_TRUE(d.GetIsEmpty());
    EXPECT_EQ(d.GetCurrentPosition(), -1);
    EXPECT_EQ(d.GetCurrentData(), nullptr);
    d.SetCurrentPosition(5);
    d.DoDeleteCurrent();
    d.Exchange(3);
    EXPECT_EQ(d.DoFindPosition(Tag(1)), -1);
    EXPECT_EQ(d.GetCurrentPosition(), -1);
    d.DoInsertBeforeCurrent(Tag(7));
    EXPECT_EQ(d.GetCurrentPosition(), 0);
    EXPECT_EQ(Untag(d.GetCurrentData()), 7);
}

TEST(MacDeque, DeletingMovesToTheFollowingItemOrTheNewLast) {
    TMacDeque d(4);
    for (int i = 0; i < 10; ++i) d.DoInsertAfterCurrent(Tag(i));
    d.SetCurrentPosition(3);
    d.DoDeleteCurrent();
    EXPECT_EQ(d.GetCurrentPosition(), 3);
    EXPECT_EQ(Untag(d.GetCurrentData()), 4);
    d.SetCurrentPosition(100);
    d.DoDeleteCurrent();
    EXPECT_EQ(d.GetCurrentPosition(), 7);
    EXPECT_EQ(Untag(d.GetCurrentData()), 8);
    ExpectSoundBlocks(d);
}

TEST(MacDeque, ClearAndDestructionHandEveryItemFromLastToFirst) {
    std::vector<std::intptr_t> seen;
    {
        TMacDeque d(3);
        d.OnDeleteData = [&](TObject* sender, void* data) {
            EXPECT_EQ(sender, &d);
            seen.push_back(Untag(data));
        };
        for (int i = 0; i < 8; ++i) d.DoInsertAfterCurrent(Tag(i));
        d.SetCurrentPosition(2);
        d.Clear();
        EXPECT_EQ(seen, (std::vector<std::intptr_t>{7, 6, 5, 4, 3, 2, 1, 0}));
        EXPECT_TRUE(d.GetIsEmpty());
        seen.clear();
        for (int i = 0; i < 5; ++i) d.DoInsertAfterCurrent(Tag(i));
    }
    EXPECT_EQ(seen, (std::vector<std::intptr_t>{4, 3, 2, 1, 0}));
}

TEST(MacDeque, ExchangeSwapsDataAndMovesToTheOtherItem) {
    TMacDeque d(3);
    for (int i = 0; i < 7; ++i) d.DoInsertAfterCurrent(Tag(i));
    d.SetCurrentPosition(1);
    d.Exchange(50); // clamped to the last item
    EXPECT_EQ(d.GetCurrentPosition(), 6);
    ExpectSameItems(d, {0, 6, 2, 3, 4, 5, 1});
}

// Random operations on a deque and on a std::vector side by side, for several block sizes; the
// far jumps exercise the accelerators and the deletions the merging of blocks.
TEST(MacDeque, BehavesAsAVectorUnderRandomOperations) {
    for (std::int32_t m : {2, 3, 4, 7, 16, 200}) {
        SCOPED_TRACE(m);
        std::mt19937 rng(1234u + static_cast<unsigned>(m));
        TMacDeque d(m);
        std::vector<std::intptr_t> model;
        std::vector<std::intptr_t> deleted;
        d.OnDeleteData = [&](TObject*, void* data) { deleted.push_back(Untag(data)); };
        std::intptr_t next = 1;
        std::int32_t pos = -1; // the model's current position
        for (int step = 0; step < 30000; ++step) {
            int n = static_cast<int>(model.size());
            unsigned op = rng() % 100;
            // Grow for the first half, shrink toward empty in the second.
            bool grow = step < 15000;
            if (op < (grow ? 35u : 15u)) {
                std::int32_t at = n ? static_cast<std::int32_t>(rng() % static_cast<unsigned>(n)) : 0;
                d.SetCurrentPosition(at);
                if (n) pos = at;
                if (rng() % 2) {
                    d.DoInsertBeforeCurrent(Tag(next));
                    model.insert(model.begin() + (n ? pos : 0), next);
                    if (!n) pos = 0;
                } else {
                    d.DoInsertAfterCurrent(Tag(next));
                    pos = n ? pos + 1 : 0;
                    model.insert(model.begin() + pos, next);
                }
                ++next;
            } else if (op < (grow ? 55u : 60u)) {
                if (!n) continue;
                std::int32_t at = static_cast<std::int32_t>(rng() % static_cast<unsigned>(n + 4)) - 2;
                d.SetCurrentPosition(at);
                pos = std::clamp(at, 0, n - 1);
                std::intptr_t gone = model[static_cast<std::size_t>(pos)];
                d.DoDeleteCurrent();
                ASSERT_EQ(deleted.back(), gone);
                model.erase(model.begin() + pos);
                if (pos >= static_cast<std::int32_t>(model.size()))
                    pos = static_cast<std::int32_t>(model.size()) - 1;
            } else if (op < 90) {
                if (!n) continue;
                std::int32_t at = static_cast<std::int32_t>(rng() % static_cast<unsigned>(n + 10)) - 5;
                d.SetCurrentPosition(at);
                pos = std::clamp(at, 0, n - 1);
            } else {
                if (!n) continue;
                std::int32_t j = static_cast<std::int32_t>(rng() % static_cast<unsigned>(n));
                d.Exchange(j);
                std::swap(model[static_cast<std::size_t>(pos)], model[static_cast<std::size_t>(j)]);
                pos = j;
            }
            ASSERT_EQ(d.Count(), static_cast<std::int32_t>(model.size()));
            ASSERT_EQ(d.GetCurrentPosition(), model.empty() ? -1 : pos);
            if (!model.empty()) {
                ASSERT_EQ(Untag(d.GetCurrentData()), model[static_cast<std::size_t>(pos)]);
            }
            if (step % 2500 == 0) {
                ExpectSoundBlocks(d);
                ExpectSameItems(d, model);
                if (!model.empty()) d.SetCurrentPosition(pos);
            }
        }
        ExpectSoundBlocks(d);
        ExpectSameItems(d, model);
    }
}

int CompareTags(void* a, void* b) {
    return Untag(a) < Untag(b) ? -1 : Untag(a) > Untag(b) ? 1 : 0;
}

// DoFindPosition leaves the deque where the item belongs: found, or next to the place for it.
TEST(MacDeque, FindPositionPointsAtTheItemOrItsPlace) {
    for (std::int32_t m : {2, 5, 200}) {
        SCOPED_TRACE(m);
        TMacDeque d(m);
        d.OnCompareAB = [](TObject*, int& r, void* a, void* b) { r = CompareTags(a, b); };
        for (int v = 0; v < 300; ++v) d.DoInsertAfterCurrent(Tag(v * 2));
        std::mt19937 rng(99);
        for (int k = 0; k < 3000; ++k) {
            std::intptr_t probe = static_cast<std::intptr_t>(rng() % 620) - 10;
            int r = d.DoFindPosition(Tag(probe));
            std::intptr_t at = Untag(d.GetCurrentData());
            std::int32_t pos = d.GetCurrentPosition();
            if (probe % 2 == 0 && probe >= 0 && probe <= 598) {
                ASSERT_EQ(r, 0);
                ASSERT_EQ(at, probe);
                ASSERT_EQ(pos, probe / 2);
            } else if (r == 1) {
                ASSERT_GT(at, probe);
                if (pos > 0) {
                    d.SetCurrentPosition(pos - 1);
                    ASSERT_LT(Untag(d.GetCurrentData()), probe);
                }
            } else {
                ASSERT_EQ(r, -1);
                ASSERT_LT(at, probe);
                if (pos < d.Count() - 1) {
                    d.SetCurrentPosition(pos + 1);
                    ASSERT_GT(Untag(d.GetCurrentData()), probe);
                }
            }
        }
    }
}

} // namespace
