#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace fif {

// One entry of a folder as the listing gives it: the raw name, its readable form, and what
// the views show about it.
struct TFolderEntry {
    QByteArray name;
    QString displayName;
    bool isFolder = false;
    bool hasSubfolders = false;  // filled for folders only when asked for
    std::int64_t size = 0;
    std::int64_t modified = 0;  // seconds since the epoch

    bool SameAs(const TFolderEntry& other) const {
        return isFolder == other.isFolder && hasSubfolders == other.hasSubfolders && size == other.size &&
               modified == other.modified;
    }
};

// The result of reading one folder.
struct TFolderListing {
    bool ok = false;  // false when the folder could not be opened: nothing is known about it
    std::vector<TFolderEntry> entries;
};

// What to read: the folders only (for the tree, with whether each holds sub-folders), or
// every entry with its size and time (for the file list).
enum class TFolderReadMode { FoldersWithProbe, Everything };

// Reads one folder with readdir, hidden entries included, "." and ".." left out, sorted as
// the browser shows it (folders first, then by name). Runs on any thread; `canceled` is
// asked between entries so that leaving a huge folder stops the read soon.
TFolderListing ReadFolder(const QByteArray& path, TFolderReadMode mode,
                          const std::function<bool()>& canceled = {});

// The browser's order: folders before files, then by readable name ignoring case, then by
// the raw bytes, so that no two entries compare equal. Negative, zero or positive.
int CompareEntries(const TFolderEntry& a, const TFolderEntry& b);

}  // namespace fif
