#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/Exception.h"
#include "base/StringList.h"

namespace {

std::string LineOf(int i) {
    // Lengths from 0 to 96 bytes, so that lines keep crossing the ends of the storage blocks.
    return std::string(static_cast<std::size_t>(i % 97), static_cast<char>('a' + i % 26)) + std::to_string(i);
}

std::vector<std::string> Contents(const TStringList& list) {
    return list.Lines();
}

// Views handed out earlier stay valid and unchanged while the list keeps growing, also past lines
// longer than the block in use or long enough to get a block of their own.
TEST(StringListStorage, EarlierLinesSurviveGrowth) {
    TStringList list;
    std::vector<std::string_view> views;
    std::vector<std::string> expected;
    for (int i = 0; i < 20000; ++i) {
        std::string line = i == 0      ? std::string(1000, 'F') // longer than a first block
                           : i == 5000 ? std::string(3 << 20, 'L')
                                       : LineOf(i);
        list.Add(line);
        views.push_back(list[i]);
        expected.push_back(std::move(line));
    }
    for (int i = 0; i < 20000; ++i)
        ASSERT_EQ(views[static_cast<std::size_t>(i)], expected[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(Contents(list), expected);
}

// A line of the list itself given back to it: the text must be copied before anything moves.
TEST(StringListStorage, OwnLinesAsArguments) {
    TStringList list;
    for (int i = 0; i < 300; ++i) list.Add(LineOf(i));
    const std::string first(list[0]), last(list[299]);
    for (int i = 0; i < 300; ++i) list.Add(list[i]); // opens new blocks on the way
    list.SetString(1, list[599]);
    list.Insert(0, list[299]);
    EXPECT_EQ(list.Count(), 601);
    EXPECT_EQ(list[0], last);
    EXPECT_EQ(list[1], first);
    EXPECT_EQ(list[2], last);
    EXPECT_EQ(list[301], first);

    list.SetText(list[0]); // a view into the list that is being replaced
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list[0], last);
}

// Lines changed over and over: the unused text is given back now and then, and no line may come
// out wrong when its text moves.
TEST(StringListStorage, ManyChangesKeepEveryLine) {
    TStringList list;
    for (int i = 0; i < 500; ++i) list.SetValue("klucz" + std::to_string(i), "0");
    for (int round = 1; round <= 200; ++round)
        for (int i = 0; i < 500; ++i)
            list.SetValue("klucz" + std::to_string(i),
                          std::to_string(round * 1000 + i) + std::string(50, 'x'));
    ASSERT_EQ(list.Count(), 500);
    for (int i = 0; i < 500; ++i)
        EXPECT_EQ(list.Values("klucz" + std::to_string(i)),
                  std::to_string(200000 + i) + std::string(50, 'x'));
    while (list.Count() > 1) list.Delete(0);
    EXPECT_EQ(list.Names(0), "klucz499");
}

TEST(StringListStorage, CopiesAreIndependent) {
    auto original = std::make_unique<TStringList>();
    for (int i = 0; i < 1000; ++i) original->AddObject(LineOf(i), i == 7 ? original.get() : nullptr);
    TStringList copy(*original);
    TStringList assigned;
    assigned.Add("stare");
    assigned = *original;
    original->SetString(0, "zmieniona");
    const std::vector<std::string> expected = [] {
        std::vector<std::string> v;
        for (int i = 0; i < 1000; ++i) v.push_back(LineOf(i));
        return v;
    }();
    void* seventh = original.get();
    original.reset();
    EXPECT_EQ(Contents(copy), expected);
    EXPECT_EQ(Contents(assigned), expected);
    EXPECT_EQ(copy.Objects(7), seventh);
    EXPECT_EQ(assigned.Objects(8), nullptr);

    TStringList moved(std::move(copy));
    EXPECT_EQ(Contents(moved), expected);
}

// Objects stay with their lines through inserts and deletes, whether or not any line had one
// when the first object arrived.
TEST(StringListObjects, FollowTheirLines) {
    int a = 0, b = 0, c = 0;
    TStringList list;
    list.Add("jeden");
    list.Add("dwa");
    list.SetObject(1, &b);
    list.Insert(0, "zero", &a);
    list.AddObject("trzy", &c);
    list.Insert(2, "półtora");
    list.Delete(1);
    const std::vector<std::pair<std::string, void*>> expected = {
        {"zero", &a}, {"półtora", nullptr}, {"dwa", &b}, {"trzy", &c}};
    ASSERT_EQ(list.Count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list[i], expected[static_cast<std::size_t>(i)].first);
        EXPECT_EQ(list.Objects(i), expected[static_cast<std::size_t>(i)].second) << i;
    }
    list.Clear();
    list.Add("nowa");
    EXPECT_EQ(list.Objects(0), nullptr);
}

TEST(StringListIndexes, OutOfRangeThrowsListError) {
    TStringList list;
    list.Add("a");
    EXPECT_THROW(list[1], EListError);
    EXPECT_THROW(list[-1], EListError);
    EXPECT_THROW(list.SetString(1, "x"), EListError);
    EXPECT_THROW(list.SetObject(-1, nullptr), EListError);
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_THROW(list.Insert(2, "x"), EListError);
    EXPECT_NO_THROW(list.Insert(1, "x"));
    EXPECT_EQ(list.Count(), 2);
}

TEST(StringListNameValue, LinesWithAndWithoutEquals) {
    TStringList list;
    list.SetText("A=1\r\nbez znaku\n=pusta nazwa\rB=x=y\r\n");
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Values("B"), "x=y");
    EXPECT_EQ(list.Values(""), "pusta nazwa");
    EXPECT_EQ(list.IndexOfName("bez znaku"), -1);
    EXPECT_EQ(list.Names(1), "");
    EXPECT_EQ(list.ValueFromIndex(1), "");
    list.SetValue("A", "2");
    list.SetValue("C", "3");
    EXPECT_EQ(list.Text(), "A=2\r\nbez znaku\r\n=pusta nazwa\r\nB=x=y\r\nC=3\r\n");
    EXPECT_EQ(list.IndexOf("bez znaku"), 1);
    EXPECT_EQ(list.IndexOf("bez"), -1);
}

} // namespace
