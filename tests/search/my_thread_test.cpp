#include "search/MyThread.h"

#include "platform/code_page.h"
#include "recording_host.h"
#include "temp_tree.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace fif {
namespace {

using testing_support::RecordingHost;
using testing_support::TempTree;

// Names of a folder's entries in the order the file system lists them.
std::vector<std::string> ListInReaddirOrder(const std::string& folder) {
    std::vector<std::string> names;
    DIR* listing = ::opendir(folder.c_str());
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(listing);
    return names;
}

class SearchTest : public testing::Test {
protected:
    // Runs one search to its end with the window's 1 ms pause left out.
    void Search(const std::string& mask, const std::string& text) {
        TMyThread::Options options;
        options.pauseAfterFile = std::chrono::milliseconds(0);
        worker = new TMyThread(host, mask, text, host.Completion(), options);
        host.RunUntilFinished();
    }
    void SetRoot(const std::string& root) { host.root = codepage::ToWide(root); }
    std::vector<std::string> FoundPaths() const {
        std::vector<std::string> paths;
        for (const auto& [name, folder] : host.rows) paths.push_back(folder + name);
        return paths;
    }

    TempTree tree;
    RecordingHost host;
    std::atomic<TMyThread*> worker{nullptr};  // freed by itself after "done"
};

TEST_F(SearchTest, NoCandidatesResetsAndCompletesWithoutProgressSetUp) {
    tree.File("a.txt", "needle");
    SetRoot(tree.Root());
    Search("*.pas", "needle");
    EXPECT_EQ(host.transcript, "root\npos 0\ndone\n");
    EXPECT_EQ(host.completions, 1);
}

TEST_F(SearchTest, OneCandidateHasMinAndMaxZero) {
    tree.File("a.pas", "x\nneedle\n");
    SetRoot(tree.Root());
    Search("*.pas", "NEEDLE");
    EXPECT_EQ(host.transcript, "root\nmin 0\nmax 0\npos 0\nhit " + tree.Root() + "/a.pas\npos 0\npos 0\ndone\n");
    ASSERT_EQ(host.rows.size(), 1u);
    EXPECT_EQ(host.rows[0].first, "a.pas");
    EXPECT_EQ(host.rows[0].second, tree.Root() + "/");
}

TEST_F(SearchTest, StepsFollowTheCandidatesAndHitsComeRightAfterTheirFile) {
    tree.File("1.pas", "begin\nbegin\nBegin");  // several matching lines, one row
    tree.File("2.pas", "end");
    tree.File("3.pas", "xx BEGIN xx");
    tree.File("4.pas", "end\0begin");          // after the first NUL nothing counts
    SetRoot(tree.Root());
    Search("*.pas", "begin");

    std::string expected = "root\nmin 0\nmax 3\npos 0\n";
    const auto order = ListInReaddirOrder(tree.Root());
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] == "1.pas" || order[i] == "3.pas") expected += "hit " + tree.Path(order[i]) + "\n";
        expected += "pos " + std::to_string(i) + "\n";
    }
    expected += "pos 0\ndone\n";
    EXPECT_EQ(host.transcript, expected);
}

TEST_F(SearchTest, EmptySearchTextFindsNothingButStepsEveryCandidate) {
    tree.File("a.pas", "anything");
    tree.File("b.pas", "");
    SetRoot(tree.Root());
    Search("*.pas", "");
    EXPECT_EQ(host.transcript, "root\nmin 0\nmax 1\npos 0\npos 0\npos 1\npos 0\ndone\n");
}

TEST_F(SearchTest, WalksDepthFirstInListingOrder) {
    for (const char* path : {"a.pas", "b/c.pas", "b/d/e.pas", "b/f.pas", "g/h.pas", "i.pas"}) tree.File(path, "x");
    SetRoot(tree.Root());
    Search("*.pas", "x");

    std::vector<std::string> expected;
    std::function<void(const std::string&)> walk = [&](const std::string& folder) {
        for (const auto& name : ListInReaddirOrder(folder)) {
            if (std::filesystem::is_directory(folder + name))
                walk(folder + name + "/");
            else
                expected.push_back(folder + name);
        }
    };
    walk(tree.Root() + "/");
    EXPECT_EQ(FoundPaths(), expected);
}

TEST_F(SearchTest, SwitchOffKeepsToTheRootsOwnFiles) {
    tree.File("top.pas", "x");
    tree.File("sub/deep.pas", "x");
    SetRoot(tree.Root());
    host.subDirectory = [] { return false; };
    Search("*.pas", "x");
    EXPECT_EQ(FoundPaths(), std::vector<std::string>{tree.Path("top.pas")});
}

TEST_F(SearchTest, SwitchTurnedOnDuringTheWalkTakesEffectAtTheNextSubFolder) {
    tree.File("one/a.pas", "x");
    tree.File("two/b.pas", "x");
    SetRoot(tree.Root());
    std::atomic<int> calls{0};
    host.subDirectory = [&] { return calls++ > 0; };  // off for the first folder met only
    Search("*.pas", "x");
    const auto order = ListInReaddirOrder(tree.Root());
    const std::string second = order[1] == "one" ? "one/a.pas" : "two/b.pas";
    EXPECT_EQ(FoundPaths(), std::vector<std::string>{tree.Path(second)});
}

TEST_F(SearchTest, StopDuringTheWalkScansNothing) {
    tree.File("a.pas", "x");
    tree.File("sub/b.pas", "x");
    tree.File("z.pas", "x");
    SetRoot(tree.Root());
    host.subDirectory = [&] {
        while (!worker.load()) std::this_thread::yield();
        worker.load()->Terminate();
        return true;
    };
    Search("*.pas", "x");
    EXPECT_EQ(host.transcript, "root\npos 0\ndone\n");
    EXPECT_TRUE(host.rows.empty());
}

TEST_F(SearchTest, StopDuringTheScanFinishesTheCurrentFileWithoutItsStep) {
    tree.File("a.pas", "x");
    tree.File("b.pas", "x");
    tree.File("c.pas", "x");
    SetRoot(tree.Root());
    host.onAppend = [&] { worker.load()->Terminate(); };
    Search("*.pas", "x");
    const std::string first = ListInReaddirOrder(tree.Root())[0];
    EXPECT_EQ(host.transcript, "root\nmin 0\nmax 2\npos 0\nhit " + tree.Path(first) + "\npos 0\ndone\n");
}

TEST_F(SearchTest, FailureInANotificationEndsTheSearchButStillCompletes) {
    tree.File("a.pas", "x");
    tree.File("b.pas", "x");
    SetRoot(tree.Root());
    host.onAppend = [] { throw std::runtime_error("view failed"); };
    Search("*.pas", "x");
    EXPECT_EQ(host.transcript, "root\nmin 0\nmax 1\npos 0\ndone\n");
    EXPECT_EQ(host.completions, 1);
}

// A file that vanished after the walk yields no row; the others are still searched.
TEST_F(SearchTest, UnreadableCandidateIsPassedOverAndTheScanGoesOn) {
    tree.File("a.pas", "x");
    tree.File("b.pas", "x");
    tree.File("c.pas", "x");
    SetRoot(tree.Root());
    const std::string first = ListInReaddirOrder(tree.Root())[0];
    bool removed = false;
    host.onPosition = [&](double) {
        if (!removed) std::filesystem::remove(tree.Path(first));  // right after the walk
        removed = true;
    };
    Search("*.pas", "x");
    EXPECT_EQ(host.rows.size(), 2u);
    EXPECT_NE(host.transcript.find("pos 2\npos 0\ndone\n"), std::string::npos) << host.transcript;
}

TEST_F(SearchTest, OnlyRegularFilesAreCandidates) {
    tree.File("plain.txt", "x");
    ASSERT_EQ(::mkfifo(tree.Path("pipe.txt").c_str(), 0600), 0);
    std::filesystem::create_symlink(tree.Path("plain.txt"), tree.Path("link.txt"));
    std::filesystem::create_symlink(tree.Path("missing"), tree.Path("dangling.txt"));
    SetRoot(tree.Root());
    Search("*.txt", "x");
    auto found = FoundPaths();
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{tree.Path("link.txt"), tree.Path("plain.txt")}));
    EXPECT_NE(host.transcript.find("max 1\n"), std::string::npos) << host.transcript;
}

TEST_F(SearchTest, LinkBackToAnAncestorIsNotEnteredAgain) {
    tree.File("a/b/c.pas", "x");
    std::filesystem::create_directory_symlink(tree.Path("a"), tree.Path("a/b/loop"));
    std::filesystem::create_directory_symlink(tree.Root(), tree.Path("a/root"));
    SetRoot(tree.Root());
    Search("*.pas", "x");
    EXPECT_EQ(FoundPaths(), std::vector<std::string>{tree.Path("a/b/c.pas")});
}

TEST_F(SearchTest, LinkToAnotherFolderIsWalked) {
    TempTree elsewhere;
    elsewhere.File("far.pas", "x");
    std::filesystem::create_directory_symlink(elsewhere.Root(), tree.Path("away"));
    SetRoot(tree.Root());
    Search("*.pas", "x");
    EXPECT_EQ(FoundPaths(), std::vector<std::string>{tree.Path("away/far.pas")});
}

TEST_F(SearchTest, EmptyRootWalksNothing) {
    SetRoot("");
    Search("*.*", "x");
    EXPECT_EQ(host.transcript, "root\npos 0\ndone\n");
}

TEST_F(SearchTest, RootEndingInSlashGetsNoSecondSlash) {
    tree.File("a.pas", "x");
    SetRoot(tree.Root() + "/");
    Search("*.pas", "x");
    ASSERT_EQ(host.rows.size(), 1u);
    EXPECT_EQ(host.rows[0].second, tree.Root() + "/");
}

TEST_F(SearchTest, RootThatDoesNotExistYieldsNoCandidates) {
    SetRoot(tree.Path("nowhere"));
    Search("*.*", "x");
    EXPECT_EQ(host.transcript, "root\npos 0\ndone\n");
}

TEST_F(SearchTest, FolderNameThatIsNotUtf8IsPassedThrough) {
    const std::string odd = "caf\xE9";  // Latin-1, not valid UTF-8
    tree.File(odd + "/a.pas", "x");
    SetRoot(tree.Path(odd));
    Search("*.pas", "x");
    ASSERT_EQ(host.rows.size(), 1u);
    EXPECT_EQ(host.rows[0].second, tree.Path(odd) + "/");
}

// Large files are read in chunks; a match across a chunk boundary still counts, and a NUL
// in an earlier chunk still ends the content.
TEST_F(SearchTest, LargeFilesAreSearchedInChunksWithExactLineRules) {
    const std::size_t chunk = 4 << 20;
    std::string across(chunk - 3, 'a');
    across += "needle\n";
    tree.File("across.pas", across);
    std::string afterNul(100, 'a');
    afterNul += '\0';
    afterNul += std::string(chunk, 'b') + "needle";
    tree.File("afternul.pas", afterNul);
    std::string crlf(chunk - 1, 'a');
    crlf += "\r\nneedle";
    tree.File("crlf.pas", crlf);
    SetRoot(tree.Root());
    Search("*.pas", "needle");
    auto found = FoundPaths();
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{tree.Path("across.pas"), tree.Path("crlf.pas")}));
}

TEST_F(SearchTest, MaskAndTextTakeTheirSpacesAsTyped) {
    tree.File("a.pas", "ab");
    tree.File("b.pas", "a b");
    SetRoot(tree.Root());
    Search("*.pas", " b");
    EXPECT_EQ(FoundPaths(), std::vector<std::string>{tree.Path("b.pas")});
}

}  // namespace
}  // namespace fif
