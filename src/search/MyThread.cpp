#include "search/MyThread.h"

#include "platform/code_page.h"
#include "platform/pause.h"
#include "platform/read_only_file.h"
#include "search/file_mask.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace fif {
namespace {

// Large enough that one read takes most source files whole, small enough that a file of
// any size is searched in bounded memory.
constexpr std::size_t kReadChunk = 4 << 20;

}  // namespace

TMyThread::TMyThread(SearchHost& host, const std::string& mask, const std::string& searchText,
                     TNotifyEvent onTerminate)
    : TMyThread(host, mask, searchText, std::move(onTerminate), Options{}) {}

TMyThread::TMyThread(SearchHost& host, const std::string& mask, const std::string& searchText,
                     TNotifyEvent onTerminate, Options options)
    : TThread(host.UiDispatcher()),
      FProgressBar(host.ProgressBar()),
      FResultView(host.ResultView()),
      host_(host),
      subDirectory_(host.SubDirectory()),
      options_(options),
      pattern_(searchText) {
    FreeOnTerminate = true;
    FMask = mask;
    FSearchText = searchText;
    OnTerminate = std::move(onTerminate);
    Start();
}

void TMyThread::Execute() {
    FLines.assign(kReadChunk, '\0');
    FFolders.clear();
    FFileNames.clear();

    std::u16string root;
    Synchronize([&] { root = host_.SelectedFolder(); });
    // No folder selected (or a node without a path): there is nothing to walk.
    if (!root.empty()) {
        if (root.back() != u'/') root.push_back(u'/');
        FRootFolder = codepage::FromWide(root);
        CollectFiles(FRootFolder, FMask);
    }

    const std::int32_t count = static_cast<std::int32_t>(FFileNames.size());
    if (!Terminated() && count > 0) {
        Synchronize([this] { InitProgress(); });
        for (std::int32_t i = 0; i < count; ++i) {
            FCurrent = i;
            if (FileContainsSearchText(FFolders[i] + FFileNames[i])) Synchronize([this] { AddHit(); });
            if (Terminated()) break;
            Synchronize([this] { StepProgress(); });
            if (options_.pauseAfterFile.count() > 0) PauseThisThread(options_.pauseAfterFile);
        }
    }
    Synchronize([this] { ResetProgress(); });

    FFileNames = {};
    FFolders = {};
    FLines = {};
}

void TMyThread::CollectFiles(const std::string& folder, const std::string& mask) {
    DIR* listing = ::opendir(folder.c_str());
    if (!listing) return;  // a folder that cannot be listed adds nothing

    struct stat self;
    if (::fstat(::dirfd(listing), &self) == 0) {
        const std::pair<std::uint64_t, std::uint64_t> id{self.st_dev, self.st_ino};
        if (std::find(ancestors_.begin(), ancestors_.end(), id) != ancestors_.end()) {
            ::closedir(listing);  // a link back to a folder we are already inside
            return;
        }
        ancestors_.push_back(id);
    } else {
        ancestors_.push_back({0, 0});
    }

    const std::string_view maskExtension = ExtractFileExt(mask);
    std::string path;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            // Follow links: a link to a folder is walked, a link to a file is a file.
            path.assign(folder).append(name);
            struct stat target;
            if (::stat(path.c_str(), &target) != 0)
                type = DT_UNKNOWN;  // a dangling link names nothing to read
            else
                type = S_ISDIR(target.st_mode) ? DT_DIR : S_ISREG(target.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type == DT_DIR) {
            if (name != "." && name != ".." && subDirectory_->Checked()) {
                path.assign(folder).append(name).push_back('/');
                CollectFiles(path, mask);
            }
        } else if (type == DT_REG && MatchesMask(name, maskExtension)) {
            // FIFOs, sockets and devices are no candidates: reading one could block forever.
            FFolders.push_back(folder);
            FFileNames.emplace_back(name);
        }
        if (Terminated()) break;
    }
    ::closedir(listing);
    ancestors_.pop_back();
}

bool TMyThread::FileContainsSearchText(const std::string& path) {
    if (pattern_.MatchesNothing()) return false;
    // A file that cannot be opened or read yields no row; the search goes on.
    ReadOnlyFile file(path);
    if (!file.Ok() || !file.IsRegular()) return false;
    StreamMatcher matcher(pattern_);
    for (;;) {
        const ssize_t count = file.Read(FLines.data(), FLines.size());
        if (count <= 0) return false;
        if (matcher.Feed(std::string_view(FLines.data(), static_cast<std::size_t>(count)))) return matcher.Found();
    }
}

void TMyThread::InitProgress() {
    FProgressBar.SetMin(0);
    FProgressBar.SetMax(static_cast<double>(FFileNames.size()) - 1);
    FProgressBar.SetPosition(0);
}

void TMyThread::AddHit() {
    FResultView.AppendRecord();
    const int record = FResultView.RecordCount() - 1;
    FResultView.SetValue(record, 0, FFileNames[FCurrent]);
    FResultView.SetValue(record, 1, FFolders[FCurrent]);
}

void TMyThread::StepProgress() { FProgressBar.SetPosition(FCurrent); }

void TMyThread::ResetProgress() { FProgressBar.SetPosition(0); }

}  // namespace fif
