#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fif::testing_support {

// A home folder with a desktop inside a temporary folder, made the user's through HOME and
// XDG_DESKTOP_DIR for as long as the fixture lives. Paths are raw bytes, so names that are
// not valid UTF-8 can be made as well.
class TBrowserFixture {
public:
    TBrowserFixture() : root_(QFile::encodeName(dir_.path())) {
        Folder("home/Desktop");
        Folder("config");
        qputenv("HOME", Home());
        qputenv("XDG_DESKTOP_DIR", Desktop());
        qputenv("XDG_CONFIG_HOME", Path("config"));
    }
    ~TBrowserFixture() {
        qunsetenv("XDG_DESKTOP_DIR");
        // Names that are not valid UTF-8 are beyond QDir's removal: clear by raw bytes first.
        RemoveBelow(root_);
    }
    TBrowserFixture(const TBrowserFixture&) = delete;
    TBrowserFixture& operator=(const TBrowserFixture&) = delete;

    QByteArray Root() const { return root_; }
    QByteArray Path(const QByteArray& relative) const { return root_ + '/' + relative; }
    QByteArray Home() const { return Path("home"); }
    QByteArray Desktop() const { return Path("home/Desktop"); }

    // Makes a folder and the folders above it.
    void Folder(const QByteArray& relative) const {
        QByteArray path = root_;
        for (const QByteArray& part : relative.split('/')) {
            path += '/' + part;
            ::mkdir(path.constData(), 0755);
        }
    }
    void File(const QByteArray& relative, const QByteArray& content = "hello") const {
        const QByteArray path = Path(relative);
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) return;
        if (::write(fd, content.constData(), static_cast<size_t>(content.size())) < 0) qWarning("short write");
        ::close(fd);
    }

private:
    static void RemoveBelow(const QByteArray& folder) {
        DIR* dir = ::opendir(folder.constData());
        if (!dir) return;
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..") continue;
            const QByteArray path = folder + '/' + name;
            struct stat info;
            if (::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode)) {
                RemoveBelow(path);
                ::rmdir(path.constData());
            } else {
                ::unlink(path.constData());
            }
        }
        ::closedir(dir);
    }

    QTemporaryDir dir_;
    QByteArray root_;
};

// Generous, for a loaded machine: folders are read on pool threads.
constexpr int kWaitMs = 20000;

}  // namespace fif::testing_support
