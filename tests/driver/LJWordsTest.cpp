#include <gtest/gtest.h>

#include "driver/LJWords.h"

namespace {

struct SplitRow {
    const char* name;
    std::string separator, line;
    std::vector<std::string> fields;
};

class LJWordsSplit : public testing::TestWithParam<SplitRow> {};

TEST_P(LJWordsSplit, Fields) {
    const SplitRow& r = GetParam();
    TLJWords w;
    w.separator = r.separator;
    EXPECT_EQ(w.Split(r.line), static_cast<int>(r.fields.size()));
    EXPECT_EQ(w.Words().Lines(), r.fields);
    EXPECT_EQ(w.spare->Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(LJWords, LJWordsSplit,
                         testing::Values(SplitRow{"Empty", ";", "", {}},
                                         SplitRow{"EmptyMiddleField", ";", "a;;b", {"a", "", "b"}},
                                         SplitRow{"TrailingSeparator", ";", "a;b;", {"a", "b"}},
                                         SplitRow{"LeadingSeparator", ";", ";a", {"", "a"}},
                                         SplitRow{"NoSeparator", ";", "abc", {"abc"}},
                                         SplitRow{"LongSeparatorLeavesItsRest", ";;", "a;;b", {"a", ";b"}},
                                         SplitRow{"NoSeparatorSet", "", "a;b", {"a;b"}}),
                         [](const testing::TestParamInfo<SplitRow>& info) {
                             return std::string(info.param.name);
                         });

TEST(LJWords, WordPastTheEndSetsTheFlagUntilTheNextSplit) {
    TLJWords w;
    w.separator = ";";
    w.Split("x;y");
    EXPECT_EQ(w.Word(1), "y");
    EXPECT_EQ(w.Word(-1), "");
    EXPECT_FALSE(w.pastEnd);
    EXPECT_EQ(w.Word(5), "");
    EXPECT_TRUE(w.pastEnd);
    w.Split("z");
    EXPECT_FALSE(w.pastEnd);
    EXPECT_EQ(w.Word(0), "z");
}

} // namespace
