#include "browser/folder_reader.h"

#include "browser/shell_path.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace fif {
namespace {

bool IsDotEntry(const char* name) { return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')); }

// Whether the folder holds at least one folder; stops at the first one found.
bool HasSubfolders(int parentFd, const char* name, const std::function<bool()>& canceled) {
    const int fd = ::openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    bool found = false;
    while (!found) {
        const dirent* entry = ::readdir(dir);
        if (!entry || (canceled && canceled())) break;
        if (IsDotEntry(entry->d_name)) continue;
        if (entry->d_type == DT_DIR) {
            found = true;
        } else if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info;
            found = ::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        }
    }
    ::closedir(dir);
    return found;
}

}  // namespace

int CompareEntries(const TFolderEntry& a, const TFolderEntry& b) {
    if (a.isFolder != b.isFolder) return a.isFolder ? -1 : 1;
    const int byName = a.displayName.compare(b.displayName, Qt::CaseInsensitive);
    if (byName != 0) return byName;
    return a.name < b.name ? -1 : (b.name < a.name ? 1 : 0);
}

TFolderListing ReadFolder(const QByteArray& path, TFolderReadMode mode, const std::function<bool()>& canceled) {
    TFolderListing listing;
    DIR* dir = ::opendir(path.constData());
    if (!dir) return listing;
    listing.ok = true;
    const int fd = ::dirfd(dir);
    const bool everything = mode == TFolderReadMode::Everything;
    while (const dirent* raw = ::readdir(dir)) {
        if (canceled && canceled()) break;
        if (IsDotEntry(raw->d_name)) continue;
        TFolderEntry entry;
        // The listing's type saves a stat for every entry the tree leaves out; links and file
        // systems that give no type are asked (a link to a folder counts as a folder).
        const bool known = raw->d_type != DT_UNKNOWN && raw->d_type != DT_LNK;
        entry.isFolder = raw->d_type == DT_DIR;
        if (everything || !known) {
            struct stat info;
            if (::fstatat(fd, raw->d_name, &info, 0) == 0 ||
                ::fstatat(fd, raw->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0) {
                entry.isFolder = S_ISDIR(info.st_mode);
                entry.size = entry.isFolder ? 0 : static_cast<std::int64_t>(info.st_size);
                entry.modified = static_cast<std::int64_t>(info.st_mtim.tv_sec);
            }
        }
        if (!everything && !entry.isFolder) continue;
        entry.name = QByteArray(raw->d_name);
        entry.displayName = shellpath::DisplayName(entry.name);
        if (!everything) entry.hasSubfolders = HasSubfolders(fd, raw->d_name, canceled);
        listing.entries.push_back(std::move(entry));
    }
    ::closedir(dir);
    std::sort(listing.entries.begin(), listing.entries.end(),
              [](const TFolderEntry& a, const TFolderEntry& b) { return CompareEntries(a, b) < 0; });
    return listing;
}

}  // namespace fif
