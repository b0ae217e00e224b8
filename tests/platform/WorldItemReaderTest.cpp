// The item rules of world files: leading blanks and tabs skipped, an item ends at a comma or a
// line end, which is consumed once; quotes mean nothing; items stay whole across read blocks.

#include "platform/WorldItemReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TempRoute.h"

namespace veltrano {
namespace {

struct ItemRow {
    std::string data;
    std::vector<std::string> items;
};

// The items of `data`; with `skim`, each read is followed by a skip to the next item that may
// hold "PICKUP (", as the scan reads.
std::vector<std::string> itemsOf(const std::string& data, bool skim = false) {
    test::TempRoute folder;
    folder.writeBytes("x.w", data);
    FileSystem fileSystem;
    WorldItemReader reader(fileSystem);
    EXPECT_TRUE(reader.open(folder.pathOf("x.w")).ok());
    std::vector<std::string> items;
    for (std::string item; !reader.atEnd();) {
        EXPECT_TRUE(reader.readItem(item).ok());
        items.push_back(item);
        if (skim) {
            reader.skipToItemThatMayHold("PICKUP (");
        }
    }
    EXPECT_TRUE(reader.lastError().ok());
    return items;
}

class ItemRules : public ::testing::TestWithParam<ItemRow> {};

TEST_P(ItemRules, ItemsOfTheData) {
    EXPECT_EQ(itemsOf(GetParam().data), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ItemRules,
    ::testing::Values(ItemRow{"a,", {"a"}}, ItemRow{"a,\r\nb", {"a", "", "b"}},
                      ItemRow{"a\r\nb\r\n", {"a", "b"}}, ItemRow{"a\rb\nc", {"a", "b", "c"}},
                      ItemRow{"a\n\r", {"a", ""}}, ItemRow{"\r\r\n\n", {"", "", ""}},
                      ItemRow{"a,,b", {"a", "", "b"}}, ItemRow{"", {}}, ItemRow{"   ", {""}},
                      ItemRow{" \t Pickup ( \t\r\n\t\tType ( 5 ) ", {"Pickup ( \t", "Type ( 5 ) "}},
                      ItemRow{"\"x,y\"\r\n", {"\"x", "y\""}},
                      ItemRow{std::string("\xFF\xFE\0z", 4), {std::string("\xFF\xFE\0z", 4)}}));

TEST(WorldItemReader, ItemsAndLineEndsStayWholeAcrossReadBlocks) {
    std::string data;
    std::vector<std::string> expected;
    for (std::size_t i = 0; data.size() < 3'000'000; ++i) {
        expected.push_back(std::string(i % 997 + (i == 50 ? 1'200'000 : 0), 'a' + i % 26));
        data += expected.back() + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "," : "\r");
    }
    EXPECT_EQ(itemsOf(data), expected);
}

// The scan for an item passes over whole blocks; the item it looks for starts just before, on
// and just after the first byte of the second block, behind a blank or not.
TEST(WorldItemReader, ScanFindsAnItemStartingAtABlockEdge) {
    constexpr std::size_t kBlock = 64 * 1024;
    for (const std::size_t start : {kBlock - 1, kBlock, kBlock + 1}) {
        for (const std::string lead : {"", " "}) {
            const std::vector<std::string> items = itemsOf(
                std::string(start - 1 - lead.size(), 'x') + "," + lead + "Pickup ( 1 ),y", true);
            EXPECT_EQ(items.at(1), "Pickup ( 1 )") << start << lead;
        }
    }
}

TEST(WorldItemReader, SkippingStopsAtTheItemThatMayHoldTheKeyword) {
    // The last item may go on in a block not read yet, so it is never passed over.
    EXPECT_EQ(itemsOf("a,Pickup (\rx,b pICKUP (\nc,d", true),
              (std::vector<std::string>{"a", "Pickup (", "b pICKUP (", "d"}));
}

}  // namespace
}  // namespace veltrano
