#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

namespace fif {

// A file opened for reading only. Nothing in the program ever opens a file for writing.
class ReadOnlyFile {
public:
    // Opens `path`. Ok() tells whether it worked; Error() gives errno otherwise.
    // Opening never blocks: a FIFO or device put in a candidate's place is opened
    // without waiting and then refused by IsRegular().
    explicit ReadOnlyFile(const std::string& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool Ok() const { return fd_ >= 0; }
    int Error() const { return error_; }

    // True when the opened file is a regular file (after following links).
    bool IsRegular() const { return regular_; }

    // The size the file reported when it was opened, or 0. Only a hint: /proc files
    // report 0 and files grow.
    std::size_t SizeHint() const { return size_; }

    // Reads the next up to `size` bytes; returns the count, 0 at the end, -1 on failure
    // (Error() set). Retries on interruption. The end is where a read returns nothing,
    // except that a short read that ends exactly at the reported size is taken as the
    // end, which saves one call per file.
    ssize_t Read(char* buffer, std::size_t size);

private:
    int fd_ = -1;
    int error_ = 0;
    bool regular_ = false;
    bool atEnd_ = false;
    std::size_t size_ = 0;
    std::size_t total_ = 0;  // bytes read so far
};

// Reads a whole file into `content`. Throws std::system_error with the system's reason
// when it cannot be opened or read; a file that is no regular file counts as unreadable.
void ReadWholeFile(const std::string& path, std::string& content);

}  // namespace fif
