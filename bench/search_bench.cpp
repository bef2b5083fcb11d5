// Runs one real search with a headless host and reports what the window would show.
//
//   search_bench [--no-subdirs] [--pause-ms N] ROOT MASK TEXT
//
// ROOT is the text the folder tree would give. Every row goes to stdout, in order, as
// folder<TAB>name; the last line on stderr is "candidates=N hits=N seconds=S".
// The pause after each file defaults to 0 here; the window always pauses 1 ms.

#include "headless_host.h"
#include "platform/code_page.h"
#include "search/MyThread.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using fif::bench::HeadlessHost;

int Usage() {
    std::fprintf(stderr, "usage: search_bench [--no-subdirs] [--pause-ms N] ROOT MASK TEXT\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    bool subdirs = true;
    fif::TMyThread::Options options;
    options.pauseAfterFile = std::chrono::milliseconds(0);
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-subdirs") == 0) {
            subdirs = false;
        } else if (std::strcmp(argv[i], "--pause-ms") == 0 && i + 1 < argc) {
            options.pauseAfterFile = std::chrono::milliseconds(std::atoi(argv[++i]));
        } else {
            positional.emplace_back(argv[i]);
        }
    }
    if (positional.size() != 3) return Usage();

    HeadlessHost host(fif::codepage::ToWide(positional[0]), subdirs);
    bool finished = false;
    const auto start = std::chrono::steady_clock::now();
    new fif::TMyThread(host, positional[1], positional[2], [&](fif::TThread*) { finished = true; }, options);
    host.dispatcher_->ProcessUntil([&] { return finished; });
    fif::TThread::WaitForAllThreads();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    for (const auto& row : host.rows_) {
        std::fwrite(row[1].data(), 1, row[1].size(), stdout);
        std::fputc('\t', stdout);
        std::fwrite(row[0].data(), 1, row[0].size(), stdout);
        std::fputc('\n', stdout);
    }
    std::fflush(stdout);
    std::fprintf(stderr, "candidates=%ld hits=%zu seconds=%.3f\n", host.candidates_, host.rows_.size(), seconds);
    return 0;
}
