#include "browser/sorted_diff.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fif {
namespace {

// Applies the runs to `before` as a model would and returns the result with a transcript
// of the runs, so each case shows both what was done and that it arrives at `after`.
std::string Apply(std::vector<std::string> before, const std::vector<std::string>& after) {
    const auto runs = DiffSorted(static_cast<int>(before.size()), static_cast<int>(after.size()),
                                 [&](int i, int j) { return before[i].compare(after[j]); });
    std::string transcript;
    std::size_t row = 0;
    for (const TDiffRun& run : runs) {
        switch (run.kind) {
            case TDiffRun::Kind::Keep:
                transcript += "K" + std::to_string(run.count) + " ";
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

}  // namespace
}  // namespace fif
