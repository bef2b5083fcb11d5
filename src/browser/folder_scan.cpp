#include "browser/folder_scan.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

#include <memory>

namespace fif {

QFuture<TFolderListing> StartFolderScan(QObject* context, const QByteArray& path, TFolderReadMode mode,
                                        std::function<void(TFolderListing)> done) {
    auto promise = std::make_shared<QPromise<TFolderListing>>();
    QFuture<TFolderListing> future = promise->future();
    promise->start();

    // The watcher belongs to the context: when the context goes, so does the delivery, while
    // the pool thread only ever touches the shared state of the future.
    auto* watcher = new QFutureWatcher<TFolderListing>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, [watcher, done = std::move(done)] {
        QFuture<TFolderListing> finished = watcher->future();
        watcher->deleteLater();
        if (finished.isCanceled() || finished.resultCount() == 0) return;
        done(finished.takeResult());
    });
    watcher->setFuture(future);

    QThreadPool::globalInstance()->start([promise, path, mode] {
        TFolderListing listing = ReadFolder(path, mode, [&promise] { return promise->isCanceled(); });
        if (!promise->isCanceled()) promise->addResult(std::move(listing));
        promise->finish();
    });
    return future;
}

}  // namespace fif
