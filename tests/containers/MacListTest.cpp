#include "base/MacList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

void* Tag(std::intptr_t v) {
    return reinterpret_cast<void*>(v);
}
std::intptr_t Untag(void* p) {
    return reinterpret_cast<std::intptr_t>(p);
}

std::vector<std::intptr_t> Items(TMacList& l) {
    std::vector<std::intptr_t> out;
    for (std::int32_t i = 0; i < l.GetCount(); ++i) out.push_back(Untag(l.GetItems(i)));
    return out;
}

std::vector<std::int32_t> Values(TMacListOfIntegers& l) {
    std::vector<std::int32_t> out;
    for (std::int32_t i = 0; i < l.GetCount(); ++i) out.push_back(l.GetValues(i));
    return out;
}

TEST(MacList, IndexesOutOfRangeAreClamped) {
    struct Row {
        std::int32_t DeleteAt;
        std::vector<std::intptr_t> Left;
    };
    for (const Row& row : {Row{-5, {2, 3}}, Row{7, {1, 2}}, Row{1, {1, 3}}}) {
        TMacList l(4);
        for (int v = 1; v <= 3; ++v) l.Add(Tag(v));
        l.Delete(row.DeleteAt);
        EXPECT_EQ(Items(l), row.Left) << "Delete(" << row.DeleteAt << ")";
    }
    TMacList l(4);
    EXPECT_EQ(l.GetItems(0), nullptr);
    l.Delete(0); // an empty list is left alone
    for (int v = 1; v <= 3; ++v) EXPECT_EQ(l.Add(Tag(v)), v - 1);
    EXPECT_EQ(l.Insert(10, Tag(9)), 3);
    EXPECT_EQ(l.Insert(-4, Tag(8)), 0);
    EXPECT_EQ(l.Insert(2, Tag(7)), 2);
    EXPECT_EQ(Items(l), (std::vector<std::intptr_t>{8, 1, 7, 2, 3, 9}));
    EXPECT_EQ(Untag(l.GetItems(99)), 9);
    EXPECT_EQ(Untag(l.GetItems(-1)), 8);
    l.Exchange(0, 99);
    EXPECT_EQ(Items(l), (std::vector<std::intptr_t>{9, 1, 7, 2, 3, 8}));
}

TEST(MacList, ClearHandsThePointersFromLastToFirst) {
    std::vector<std::intptr_t> freed;
    {
        TMacList l(2);
        l.OnDeleteItem = [&](TObject*, void* p) { freed.push_back(Untag(p)); };
        for (int v = 1; v <= 5; ++v) l.Add(Tag(v));
        l.Clear();
        EXPECT_EQ(freed, (std::vector<std::intptr_t>{5, 4, 3, 2, 1}));
        EXPECT_TRUE(l.GetIsEmpty());
        freed.clear();
        l.Add(Tag(6));
        l.Delete(0);
        EXPECT_EQ(freed, (std::vector<std::intptr_t>{6}));
        l.Add(Tag(7));
        freed.clear();
    }
    EXPECT_EQ(freed, (std::vector<std::intptr_t>{7})); // and on destruction
}

TEST(MacListOfIntegers, KeepsValuesInInsertionOrder) {
    TMacListOfIntegers l(3);
    for (int v : {5, -1, 5, 40}) l.Add(v);
    EXPECT_EQ(l.Insert(1, 7), 1);
    EXPECT_EQ(l.Insert(50, 8), 5);
    l.SetValues(-3, 100);
    l.SetValues(99, 200);
    EXPECT_EQ(Values(l), (std::vector<std::int32_t>{100, 7, -1, 5, 40, 200}));
    l.Delete(2);
    EXPECT_EQ(Values(l), (std::vector<std::int32_t>{100, 7, 5, 40, 200}));

    TMacListOfIntegers other(100);
    other.Add(1);
    EXPECT_EQ(other.AddList(l), 5);
    EXPECT_EQ(Values(other), (std::vector<std::int32_t>{1, 100, 7, 5, 40, 200}));
    l.CopyList(other);
    EXPECT_EQ(Values(l), Values(other));
    l.CopyList(l); // copying onto itself keeps the values
    EXPECT_EQ(Values(l), Values(other));
    l.Clear();
    EXPECT_TRUE(l.GetIsEmpty());
    EXPECT_EQ(l.GetValues(0), 0);
}

} // namespace
