#pragma once

#include "browser/folder_reader.h"
#include "browser/sorted_diff.h"

#include <QFuture>
#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace fif {

// Entries as a model shows them, shared without copying with the read that compares
// against them.
using TSharedEntries = std::shared_ptr<const std::vector<TFolderEntry>>;

// A folder read on a pool thread, with the runs that turn the entries shown before into
// the new ones, worked out there too: the window only applies them, so that a change in a
// folder of any size costs it no comparing.
struct TFolderScan {
    TFolderListing listing;
    std::vector<TDiffRun> diff;  // from `previous` to listing.entries; empty when !listing.ok
};

// Reads `path` on a pool thread and hands the result to `done` on the thread of `context`
// (the user-interface thread), so that the window never waits for the disk. `previous`
// are the entries shown now, in the browser's order. Nothing is delivered once `context`
// is gone or the returned future is canceled; canceling also stops the read soon.
QFuture<TFolderScan> StartFolderScan(QObject* context, const QByteArray& path, TFolderReadMode mode,
                                     TSharedEntries previous, std::function<void(TFolderScan)> done);

// Lets go of a set of entries, freeing a large one on a pool thread: releasing 100,000
// names costs the window tens of milliseconds that it need not wait for.
void DisposeInBackground(TSharedEntries entries);

}  // namespace fif
