#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fif::testing_support {

// A temporary folder for one test, removed with everything below it at the end.
class TempTree {
public:
    TempTree() {
        std::string pattern = (std::filesystem::temp_directory_path() / "fif-test-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
    }
    ~TempTree() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The root without a trailing "/", as the folder tree gives it.
    std::string Root() const { return root_.string(); }
    std::string Path(const std::string& relative) const { return (root_ / relative).string(); }

    // Writes a file, making its folders.
    void File(const std::string& relative, const std::string& content = "") const {
        const auto path = root_ / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << content;
    }
    void Folder(const std::string& relative) const { std::filesystem::create_directories(root_ / relative); }

private:
    std::filesystem::path root_;
};

}  // namespace fif::testing_support
