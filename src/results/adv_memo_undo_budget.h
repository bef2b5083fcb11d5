#pragma once

namespace fif {

// Counts how many edit steps the viewer still lets the user undo and redo. The editor
// keeps its whole history (it has no limit of its own); this budget caps what can be
// undone at the newest `limit` steps, as a limited undo history would.
class TUndoBudget {
public:
    explicit TUndoBudget(int limit) : limit_(limit) {}

    int Limit() const { return limit_; }

    // The history was emptied (a file was loaded).
    void Clear() { undoable_ = redoable_ = 0; }

    // A new step was recorded; it ends any redo.
    void Recorded() {
        if (undoable_ < limit_) ++undoable_;
        redoable_ = 0;
    }

    bool CanUndo() const { return undoable_ > 0; }
    bool CanRedo() const { return redoable_ > 0; }

    // One step was undone or redone.
    void Undone() {
        --undoable_;
        ++redoable_;
    }
    void Redone() {
        --redoable_;
        ++undoable_;
    }

private:
    int limit_;
    int undoable_ = 0;
    int redoable_ = 0;
};

}  // namespace fif
