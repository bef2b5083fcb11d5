#include "browser/sorted_diff.h"

namespace fif {

std::vector<TDiffRun> DiffSorted(int oldCount, int newCount, const std::function<int(int, int)>& compare,
                                 const std::function<bool(int, int)>& same) {
    std::vector<TDiffRun> runs;
    const auto add = [&runs](TDiffRun::Kind kind, int newIndex) {
        if (!runs.empty() && runs.back().kind == kind) {
            ++runs.back().count;
        } else {
            runs.push_back({kind, 1, newIndex});
        }
    };
    int i = 0;
    int j = 0;
    while (i < oldCount || j < newCount) {
        const int order = i == oldCount ? 1 : (j == newCount ? -1 : compare(i, j));
        if (order < 0) {
            add(TDiffRun::Kind::Remove, j);
            ++i;
        } else if (order > 0) {
            add(TDiffRun::Kind::Insert, j);
            ++j;
        } else {
            add(!same || same(i, j) ? TDiffRun::Kind::Keep : TDiffRun::Kind::Replace, j);
            ++i;
            ++j;
        }
    }
    return runs;
}

}  // namespace fif
