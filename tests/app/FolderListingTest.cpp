// The folder listing behind the route check and the start-up's world file test.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/FolderListing.h"
#include "platform/FileSystem.h"
#include "tests/support/TempRoute.h"

namespace veltrano::test {
namespace {

class FolderListingTest : public ::testing::Test {
  protected:
    FolderListingTest() {
        for (const char* name : {"a.w", "b.w", "a.ws", "x.w.bak", "notes.txt"}) {
            route.writeBytes(name, "");
        }
        route.makeFolder("sub.w");
        route.makeFolder("other");
    }

    // The listed names (elements 1 to the count), sorted, after checking the array's shape.
    std::vector<std::string> listed(std::size_t from = 1) const {
        EXPECT_EQ(listing.garrFolderList.size(),
                  static_cast<std::size_t>(listing.gintFolderCount) + 1);
        EXPECT_EQ(listing.garrFolderList.front(), "");
        std::vector<std::string> names(listing.garrFolderList.begin() + static_cast<long>(from),
                                       listing.garrFolderList.end());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempRoute route;
    FileSystem fileSystem;
    FolderListing listing{fileSystem};
};

TEST_F(FolderListingTest, PatternAtTheEndListsOnlyFilesEndingInIt) {
    listing.subListFolder(route.path(), false, ".w", true);
    EXPECT_EQ(listed(), (std::vector<std::string>{"a.w", "b.w"}));
}

TEST_F(FolderListingTest, PatternAnywhereListsEveryFileContainingIt) {
    listing.subListFolder(route.path(), false, ".w", false);
    EXPECT_EQ(listed(), (std::vector<std::string>{"a.w", "a.ws", "b.w", "x.w.bak"}));
}

TEST_F(FolderListingTest, PatternIsCaseSensitive) {
    route.writeBytes("C.W", "");
    listing.subListFolder(route.path(), false, ".w", true);
    EXPECT_EQ(listed(), (std::vector<std::string>{"a.w", "b.w"}));
}

TEST_F(FolderListingTest, SubfoldersComeFirstWhenAskedFor) {
    listing.subListFolder(route.path(), true, "", false);
    ASSERT_EQ(listing.gintFolderCount, 7);
    std::vector<std::string> folders(listing.garrFolderList.begin() + 1,
                                     listing.garrFolderList.begin() + 3);
    std::sort(folders.begin(), folders.end());
    EXPECT_EQ(folders, (std::vector<std::string>{"other", "sub.w"}));
    EXPECT_EQ(listed(3), (std::vector<std::string>{"a.w", "a.ws", "b.w", "notes.txt", "x.w.bak"}));
}

TEST_F(FolderListingTest, SubfoldersAreNotMatchedAgainstThePattern) {
    listing.subListFolder(route.path(), true, ".txt", true);
    EXPECT_EQ(listed(), (std::vector<std::string>{"notes.txt", "other", "sub.w"}));
}

}  // namespace
}  // namespace veltrano::test
