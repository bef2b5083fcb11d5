#pragma once

#include "platform/thread_base.h"
#include "search/search_host.h"
#include "search/text_match.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace fif {

// One search: walks the root folder for the files whose extension matches the mask,
// then reads each of them and appends a row to the result view for each file that
// holds the search text in one of its lines (ASCII case ignored). Progress and rows reach
// the window only through synchronous notifications. The worker frees itself after its
// completion handler has run.
class TMyThread : public TThread {
public:
    struct Options {
        // The pause after each scanned file, which yields the processor to the window.
        // Only the benchmark harness sets another value.
        std::chrono::milliseconds pauseAfterFile{1};
    };

    // Starts the search at once. Throws "Thread creation error: ..." when no thread can be had.
    TMyThread(SearchHost& host, const std::string& mask, const std::string& searchText, TNotifyEvent onTerminate);
    TMyThread(SearchHost& host, const std::string& mask, const std::string& searchText, TNotifyEvent onTerminate,
              Options options);

protected:
    void Execute() override;

private:
    void CollectFiles(const std::string& folder, const std::string& mask);
    bool FileContainsSearchText(const std::string& path);

    // Notifications, run on the user-interface thread while the worker waits.
    void InitProgress();
    void AddHit();
    void StepProgress();
    void ResetProgress();

    std::string FSearchText;
    std::string FMask;
    TProgressBar& FProgressBar;
    TResultView& FResultView;
    std::string FRootFolder;
    std::vector<char> FLines;  // the read buffer, reused for every candidate
    std::vector<std::string> FFolders;
    std::vector<std::string> FFileNames;
    std::int32_t FCurrent = 0;

    SearchHost& host_;
    const std::shared_ptr<const SubDirectorySwitch> subDirectory_;
    const Options options_;
    const FoldedPattern pattern_;  // FSearchText, folded once for every candidate
    // Folders on the way from the root down to the one being listed, so that a link back
    // to one of them is not entered again.
    std::vector<std::pair<std::uint64_t, std::uint64_t>> ancestors_;
};

}  // namespace fif
