#pragma once

#include <functional>
#include <vector>

namespace fif {

// One step of turning a sorted list into another: keep rows, replace rows by the new
// list's items of the same key, remove rows, or insert rows taken from the new list. A model applies the steps from front to back, and each step's
// row counts from where the previous ones left the list, so rows can be removed and
// inserted in runs while the views keep their selection and scroll position.
struct TDiffRun {
    enum class Kind { Keep, Replace, Remove, Insert };
    Kind kind;
    int count;
    int newStart;  // where the run starts in the new list (Keep, Replace and Insert)
};

// The runs that turn a list of `oldCount` items into one of `newCount`, both sorted by the
// order that `compare(oldIndex, newIndex)` tells (negative when the old item comes first).
// Items of the same key are kept when `same(oldIndex, newIndex)` holds (or no `same` is
// given), and replaced otherwise.
std::vector<TDiffRun> DiffSorted(int oldCount, int newCount, const std::function<int(int, int)>& compare,
                                 const std::function<bool(int, int)>& same = {});

}  // namespace fif
