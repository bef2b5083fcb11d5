#include "read_only_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fif {

ReadOnlyFile::ReadOnlyFile(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    struct stat info;
    if (::fstat(fd_, &info) == 0) {
        regular_ = S_ISREG(info.st_mode);
        size_ = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
    }
}

ReadOnlyFile::~ReadOnlyFile() {
    if (fd_ >= 0) ::close(fd_);
}

ssize_t ReadOnlyFile::Read(char* buffer, std::size_t size) {
    if (atEnd_) return 0;
    for (;;) {
        const ssize_t count = ::read(fd_, buffer, size);
        if (count >= 0) {
            total_ += static_cast<std::size_t>(count);
            atEnd_ = count == 0 || (size_ > 0 && total_ == size_ && static_cast<std::size_t>(count) < size);
            return count;
        }
        if (errno != EINTR) {
            error_ = errno;
            return -1;
        }
    }
}

void ReadWholeFile(const std::string& path, std::string& content) {
    content.clear();
    ReadOnlyFile file(path);
    if (!file.Ok()) throw std::system_error(file.Error(), std::generic_category());
    if (!file.IsRegular()) throw std::system_error(EINVAL, std::generic_category());
    // One byte more than the reported size, so that a file that did not grow is read in
    // one call.
    std::size_t chunk = file.SizeHint() + 1;
    for (;;) {
        const std::size_t used = content.size();
        content.resize(used + chunk);
        const ssize_t count = file.Read(content.data() + used, chunk);
        if (count < 0) {
            content.clear();
            throw std::system_error(file.Error(), std::generic_category());
        }
        content.resize(used + static_cast<std::size_t>(count));
        if (count == 0) return;
        chunk = std::max<std::size_t>(chunk, 1 << 16);
    }
}

}  // namespace fif
