#pragma once

#include "platform/queued_dispatcher.h"
#include "platform/thread_base.h"
#include "search/search_host.h"

#include <atomic>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace fif::testing_support {

// Answers the walk with a function of the test's, or "on" without one.
class ScriptedSwitch : public SubDirectorySwitch {
public:
    explicit ScriptedSwitch(std::function<bool()> script) : script_(std::move(script)) {}
    bool Checked() const override { return script_ ? script_() : true; }

private:
    std::function<bool()> script_;
};

// A host that writes every notification the worker makes into a transcript, one line
// each, and runs the worker's synchronous calls on the test's own thread.
class RecordingHost : public SearchHost, TResultView, TProgressBar {
public:
    std::shared_ptr<Dispatcher> UiDispatcher() override { return dispatcher; }
    TResultView& ResultView() override { return *this; }
    TProgressBar& ProgressBar() override { return *this; }

    std::u16string SelectedFolder() override {
        Log("root");
        return root;
    }
    std::shared_ptr<const SubDirectorySwitch> SubDirectory() override {
        return std::make_shared<ScriptedSwitch>(subDirectory);
    }

    void AppendRecord() override {
        rows.emplace_back();
        if (onAppend) onAppend();
    }
    int RecordCount() const override { return static_cast<int>(rows.size()); }
    void SetValue(int record, int item, const std::string& text) override {
        (item == 0 ? rows[record].first : rows[record].second) = text;
        if (item == 1) Log("hit " + rows[record].second + rows[record].first);
    }

    void SetMin(double value) override { Log("min " + Number(value)); }
    void SetMax(double value) override { Log("max " + Number(value)); }
    void SetPosition(double value) override {
        Log("pos " + Number(value));
        if (onPosition) onPosition(value);
    }

    // Runs the worker's calls until its completion handler has run and the worker has
    // freed itself.
    void RunUntilFinished() {
        dispatcher->ProcessUntil([&] { return finished; });
        TThread::WaitForAllThreads();
    }
    TThread::TNotifyEvent Completion() {
        return [this](TThread*) {
            Log("done");
            ++completions;
            finished = true;
        };
    }

    void Log(const std::string& line) { transcript += line + "\n"; }

    std::shared_ptr<QueuedDispatcher> dispatcher = std::make_shared<QueuedDispatcher>();
    std::u16string root;
    std::function<bool()> subDirectory;  // called on the worker thread
    std::function<void()> onAppend;      // called on the test thread
    std::function<void(double)> onPosition;
    std::vector<std::pair<std::string, std::string>> rows;  // name, folder
    std::string transcript;
    int completions = 0;
    bool finished = false;

private:
    static std::string Number(double value) {
        std::ostringstream out;
        out << value;
        return out.str();
    }
};

}  // namespace fif::testing_support
