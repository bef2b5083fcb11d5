#include "browser/sorted_diff.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fif {
namespace {

// Applies the runs to `before` as a model would and returns the result with a transcript
// of the runs, so each case shows both what was done and that it arrives at `after`.
// Items are "key" or "key=value"; the key orders them, the value tells a changed item.
std::string Key(const std::string& item) { return item.substr(0, item.find('=')); }

std::string Apply(std::vector<std::string> before, const std::vector<std::string>& after) {
    const auto runs = DiffSorted(
        static_cast<int>(before.size()), static_cast<int>(after.size()),
        [&](int i, int j) { return Key(before[i]).compare(Key(after[j])); },
        [&](int i, int j) { return before[i] == after[j]; });
    std::string transcript;
    std::size_t row = 0;
    for (const TDiffRun& run : runs) {
        switch (run.kind) {
            case TDiffRun::Kind::Keep:
                transcript += "K" + std::to_string(run.count) + " ";
                row += run.count;
                break;
            case TDiffRun::Kind::Replace:
                transcript += "U" + std::to_string(run.count) + " ";
                for (int k = 0; k < run.count; ++k) before[row + k] = after[run.newStart + k];
                row += run.count;
                break;
            case TDiffRun::Kind::Remove:
                transcript += "R" + std::to_string(run.count) + " ";
                before.erase(before.begin() + row, before.begin() + row + run.count);
                break;
            case TDiffRun::Kind::Insert:
                transcript += "I" + std::to_string(run.count) + " ";
                before.insert(before.begin() + row, after.begin() + run.newStart,
                              after.begin() + run.newStart + run.count);
                row += run.count;
                break;
        }
    }
    EXPECT_EQ(before, after);
    return transcript;
}

TEST(SortedDiffTest, RunsTurnTheOldListIntoTheNew) {
    EXPECT_EQ(Apply({}, {}), "");
    EXPECT_EQ(Apply({}, {"a", "b"}), "I2 ");
    EXPECT_EQ(Apply({"a", "b"}, {}), "R2 ");
    EXPECT_EQ(Apply({"a", "b", "c"}, {"a", "b", "c"}), "K3 ");
    EXPECT_EQ(Apply({"a", "c"}, {"a", "b", "c"}), "K1 I1 K1 ");
    EXPECT_EQ(Apply({"a", "b", "c", "d"}, {"a", "d"}), "K1 R2 K1 ");
    EXPECT_EQ(Apply({"b", "d"}, {"a", "c", "e"}), "I1 R1 I1 R1 I1 ");
    EXPECT_EQ(Apply({"x", "y"}, {"a", "b", "x", "y", "z"}), "I2 K2 I1 ");
}

TEST(SortedDiffTest, ChangedItemsOfTheSameKeyAreReplacedInPlace) {
    EXPECT_EQ(Apply({"a=1", "b=1", "c=1"}, {"a=1", "b=2", "c=2"}), "K1 U2 ");
    EXPECT_EQ(Apply({"a=1", "c=1"}, {"b=1", "c=2"}), "R1 I1 U1 ");
}

TEST(SortedDiffTest, WithoutSameEveryEqualKeyIsKept) {
    const auto runs = DiffSorted(2, 2, [](int i, int j) { return i - j; });
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].kind, TDiffRun::Kind::Keep);
    EXPECT_EQ(runs[0].count, 2);
}

}  // namespace
}  // namespace fif
