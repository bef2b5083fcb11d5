#include "browser/folder_reader.h"

#include "browser_fixture.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace fif {
namespace {

using testing_support::TBrowserFixture;

QList<QByteArray> Names(const TFolderListing& listing) {
    QList<QByteArray> names;
    for (const TFolderEntry& entry : listing.entries) names.append(entry.name);
    return names;
}

class FolderReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        fixture_.Folder("f/Beta");
        fixture_.Folder("f/alpha/inner");
        fixture_.Folder("f/.hidden");
        fixture_.Folder("f/bad\xff");
        fixture_.File("f/zeta.txt", "12345");
        fixture_.File("f/Apple.c");
        fixture_.File("f/.dotfile");
        ASSERT_EQ(::symlink("alpha", fixture_.Path("f/link-to-alpha").constData()), 0);
        ASSERT_EQ(::symlink("nowhere", fixture_.Path("f/dangling").constData()), 0);
    }
    TBrowserFixture fixture_;
};

TEST_F(FolderReaderTest, FoldersOnlyWithHiddenOnesSortedAndProbed) {
    const TFolderListing listing = ReadFolder(fixture_.Path("f"), TFolderReadMode::FoldersWithProbe);
    ASSERT_TRUE(listing.ok);
    // Case is ignored in the order; the link to a folder counts as a folder.
    EXPECT_EQ(Names(listing), (QList<QByteArray>{".hidden", "alpha", "bad\xff", "Beta", "link-to-alpha"}));
    for (const TFolderEntry& entry : listing.entries) {
        EXPECT_TRUE(entry.isFolder);
        EXPECT_EQ(entry.hasSubfolders, entry.name == "alpha" || entry.name == "link-to-alpha") << entry.name.constData();
    }
    EXPECT_EQ(listing.entries[2].displayName, QString::fromUtf8("bad\xff"));  // readable, with U+FFFD
}

TEST_F(FolderReaderTest, EverythingPutsFoldersFirstWithSizes) {
    const TFolderListing listing = ReadFolder(fixture_.Path("f"), TFolderReadMode::Everything);
    ASSERT_TRUE(listing.ok);
    EXPECT_EQ(Names(listing), (QList<QByteArray>{".hidden", "alpha", "bad\xff", "Beta", "link-to-alpha", ".dotfile",
                                                 "Apple.c", "dangling", "zeta.txt"}));
    const TFolderEntry& zeta = listing.entries.back();
    EXPECT_FALSE(zeta.isFolder);
    EXPECT_EQ(zeta.size, 5);
    EXPECT_GT(zeta.modified, 0);
}

TEST_F(FolderReaderTest, MissingFolderIsNotOk) {
    EXPECT_FALSE(ReadFolder(fixture_.Path("nothing"), TFolderReadMode::Everything).ok);
    EXPECT_FALSE(ReadFolder(fixture_.Path("f/zeta.txt"), TFolderReadMode::FoldersWithProbe).ok);
}

TEST_F(FolderReaderTest, CanceledReadStopsEarly) {
    const TFolderListing listing = ReadFolder(fixture_.Path("f"), TFolderReadMode::Everything, [] { return true; });
    EXPECT_TRUE(listing.entries.empty());
}

}  // namespace
}  // namespace fif
