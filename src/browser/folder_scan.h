#pragma once

#include "browser/folder_reader.h"

#include <QFuture>
#include <QObject>

#include <functional>

namespace fif {

// Reads a folder on a pool thread and hands the listing to `done` on the thread of
// `context` (the user-interface thread), so that a folder of any size never blocks the
// window. Nothing is delivered once `context` is gone or the returned future is canceled;
// canceling also stops the read at its next entry.
QFuture<TFolderListing> StartFolderScan(QObject* context, const QByteArray& path, TFolderReadMode mode,
                                        std::function<void(TFolderListing)> done);

}  // namespace fif
