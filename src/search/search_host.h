#pragma once

#include <memory>
#include <string>

namespace fif {

class Dispatcher;

// The result list as the worker fills it. Called on the user-interface thread only.
class TResultView {
public:
    virtual ~TResultView() = default;
    virtual void AppendRecord() = 0;  // one empty record at the end
    virtual int RecordCount() const = 0;
    virtual void SetValue(int record, int item, const std::string& text) = 0;
};

// The progress bar of the status bar. Called on the user-interface thread only.
class TProgressBar {
public:
    virtual ~TProgressBar() = default;
    virtual void SetMin(double value) = 0;
    virtual void SetMax(double value) = 0;
    virtual void SetPosition(double value) = 0;
};

// The sub-folder switch as the walk reads it, from the worker thread, at each sub-folder.
// The worker holds it by shared ownership, so it stays valid even when the window is gone
// before a search that was abandoned at exit has ended.
class SubDirectorySwitch {
public:
    virtual ~SubDirectorySwitch() = default;
    virtual bool Checked() const = 0;  // safe to call from any thread
};

// What a search needs of the window that starts it. The window is one implementation,
// a recording fake in the tests and a headless host in the benchmark are others.
class SearchHost {
public:
    virtual ~SearchHost() = default;

    virtual std::shared_ptr<Dispatcher> UiDispatcher() = 0;
    virtual TResultView& ResultView() = 0;
    virtual TProgressBar& ProgressBar() = 0;

    // The root query: the selected folder of the folder tree, as wide (UTF-16) text.
    // Runs on the user-interface thread.
    virtual std::u16string SelectedFolder() = 0;

    // The sub-folder switch, taken once when the search is created.
    virtual std::shared_ptr<const SubDirectorySwitch> SubDirectory() = 0;
};

}  // namespace fif
