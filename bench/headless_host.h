#pragma once

#include "platform/queued_dispatcher.h"
#include "search/search_host.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace fif::bench {

// A search host without a window: the calling thread serves the worker's calls through
// a QueuedDispatcher, and rows are kept in memory.
class FixedSwitch : public SubDirectorySwitch {
public:
    explicit FixedSwitch(bool on) : on_(on) {}
    bool Checked() const override { return on_; }

private:
    bool on_;
};

class HeadlessHost : public SearchHost, TResultView, TProgressBar {
public:
    HeadlessHost(std::u16string root, bool subdirs) : root_(std::move(root)), subdirs_(subdirs) {}

    std::shared_ptr<Dispatcher> UiDispatcher() override { return dispatcher_; }
    TResultView& ResultView() override { return *this; }
    TProgressBar& ProgressBar() override { return *this; }
    std::u16string SelectedFolder() override { return root_; }
    std::shared_ptr<const SubDirectorySwitch> SubDirectory() override {
        return std::make_shared<FixedSwitch>(subdirs_);
    }

    void AppendRecord() override { rows_.emplace_back(); }
    int RecordCount() const override { return static_cast<int>(rows_.size()); }
    void SetValue(int record, int item, const std::string& text) override { rows_[record][item] = text; }

    void SetMin(double) override {}
    void SetMax(double value) override { candidates_ = static_cast<long>(value) + 1; }
    void SetPosition(double) override {}

    std::shared_ptr<QueuedDispatcher> dispatcher_ = std::make_shared<QueuedDispatcher>();
    std::vector<std::array<std::string, 2>> rows_;
    long candidates_ = 0;

private:
    std::u16string root_;
    bool subdirs_;
};

}  // namespace fif::bench
