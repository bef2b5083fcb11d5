#include "browser/folder_scan.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

#include <memory>

namespace fif {
namespace {

TFolderScan Scan(const QByteArray& path, TFolderReadMode mode, const std::vector<TFolderEntry>& previous,
                 const std::function<bool()>& canceled) {
    TFolderScan scan;
    scan.listing = ReadFolder(path, mode, canceled);
    if (!scan.listing.ok) return scan;
    const std::vector<TFolderEntry>& fresh = scan.listing.entries;
    scan.diff = DiffSorted(
        static_cast<int>(previous.size()), static_cast<int>(fresh.size()),
        [&](int oldIndex, int newIndex) { return CompareEntries(previous[oldIndex], fresh[newIndex]); },
        [&](int oldIndex, int newIndex) { return previous[oldIndex].SameAs(fresh[newIndex]); });
    return scan;
}

}  // namespace

QFuture<TFolderScan> StartFolderScan(QObject* context, const QByteArray& path, TFolderReadMode mode,
                                     TSharedEntries previous, std::function<void(TFolderScan)> done) {
    auto promise = std::make_shared<QPromise<TFolderScan>>();
    QFuture<TFolderScan> future = promise->future();
    promise->start();

    // The watcher belongs to the context: when the context goes, so does the delivery, while
    // the pool thread only ever touches the shared state of the future.
    auto* watcher = new QFutureWatcher<TFolderScan>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, [watcher, done = std::move(done)] {
        QFuture<TFolderScan> finished = watcher->future();
        watcher->deleteLater();
        if (finished.isCanceled() || finished.resultCount() == 0) return;
        done(finished.takeResult());
    });
    watcher->setFuture(future);

    if (!previous) previous = std::make_shared<const std::vector<TFolderEntry>>();
    QThreadPool::globalInstance()->start([promise, path, mode, previous]() mutable {
        TFolderScan scan = Scan(path, mode, *previous, [&promise] { return promise->isCanceled(); });
        previous.reset();  // here, rather than wherever the task happens to be destroyed
        if (!promise->isCanceled()) promise->addResult(std::move(scan));
        promise->finish();
    });
    return future;
}

void DisposeInBackground(TSharedEntries entries) {
    constexpr std::size_t kWorthMoving = 1000;
    if (!entries || entries.use_count() > 1 || entries->size() < kWorthMoving) return;
    QThreadPool::globalInstance()->start([junk = std::move(entries)]() mutable { junk.reset(); });
}

}  // namespace fif
