// The item rules of world files: leading blanks and tabs skipped, an item ends at a comma or a
// line end, which is consumed once; quotes mean nothing; items stay whole across read blocks,
// and a failed read ends the items with what was read before it. Other forms are decoded first.

#include "platform/WorldItemReader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/TextCodec.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TempRoute.h"
#include "tests/support/WorldFileForms.h"

namespace veltrano {
namespace {

using Items = std::vector<std::string>;

// How the items are read: with `skim`, each read is followed by a skip to the next item that may
// hold "PICKUP (", as the scan reads; with `decode`, other forms are decoded on opening; the
// read numbered `failingRead` (from 0) fails.
struct Reading {
    bool skim = false;
    bool decode = false;
    std::size_t failingRead = SIZE_MAX;
};

Items itemsOf(const std::string& data, Reading how = {}) {
    test::TempRoute folder;
    folder.writeBytes("x.w", data);
    test::FaultyFileSystem fileSystem;
    fileSystem.inject({how.failingRead, {test::FileOperation::Read}});
    WorldItemReader reader(fileSystem, how.decode);
    EXPECT_TRUE(reader.open(folder.pathOf("x.w")).ok());
    Items items;
    for (std::string item; !reader.atEnd();) {
        const bool read = reader.readItem(item).ok();
        EXPECT_EQ(read, fileSystem.faultsFired() == 0);
        items.push_back(how.decode ? TextCodec::toUtf8(reader.itemText(item)) : item);
        if (how.skim) {
            reader.skipToItemThatMayHold("PICKUP (");
        }
    }
    EXPECT_EQ(reader.lastError().ok(), fileSystem.faultsFired() == 0);
    return items;
}

// How much the reader takes from the file at once, seen as the part of one long item that is
// read before the next read fails: exactly the file's first bytes, nothing added.
std::size_t firstBlockSize() {
    const std::string data = "S" + std::string(3'000'000, 'x');
    const Items items = itemsOf(data, {.failingRead = 1});
    EXPECT_EQ(items.size(), 1u);
    EXPECT_LT(items.at(0).size(), data.size());
    EXPECT_EQ(data.compare(0, items[0].size(), items[0]), 0) << "bytes the file does not hold";
    return items[0].size();
}

struct ItemRow {
    std::string data;
    Items items;
};

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

// Delimiters, blanks and items on both sides of the first block's last byte; the item the scan
// looks for starts just before, on and just after the second block's first byte.
TEST(WorldItemReader, ItemsStayWholeAndAreFoundAcrossReadBlocks) {
    const std::size_t block = firstBlockSize();
    const std::string full(block, 'x');
    const std::string x(block - 1, 'x');
    const std::vector<std::pair<std::string, Items>> rows = {
        {x + "\r\ny", {x, "y"}},
        {x + "\ry", {x, "y"}},
        {x + ", \ty", {x, "y"}},
        {x.substr(2) + ",  \t y", {x.substr(2), "y"}},
        {full, {full}},
        {full + "\r", {full}},
        {full + full + "x,y", {full + full + "x", "y"}}};
    for (const auto& [data, items] : rows) {
        EXPECT_EQ(itemsOf(data), items) << data.substr(block - 3);
    }
    for (const std::size_t start : {block - 1, block, block + 1}) {
        for (const std::string lead : {"", " "}) {
            const Items items =
                itemsOf(std::string(start - 1 - lead.size(), 'x') + "," + lead + "Pickup ( 1 ),y",
                        {.skim = true});
            EXPECT_EQ(items.at(1), "Pickup ( 1 )") << start << lead;
        }
    }
}

TEST(WorldItemReader, SkippingStopsAtTheItemThatMayHoldTheKeyword) {
    // The last item may go on in a block not read yet, so it is never passed over.
    EXPECT_EQ(itemsOf("a,Pickup (\rx,b pICKUP (\nc,d", {.skim = true}),
              (Items{"a", "Pickup (", "b pICKUP (", "d"}));
}

// A file stored in another form is read as its text; one that does not decode whole (here cut
// short) holds no item, so it fails the header test.
TEST(WorldItemReader, OtherFormsReadAsTheirTextOrHoldNoItem) {
    const std::string text = "SIMISA@@@@@@@@@@JINX0w0t______\r\n\xE4,b";
    const std::string compressed = test::storedAs(test::WorldFileForm::CompressedUtf16Le, text);
    EXPECT_EQ(itemsOf(compressed, {.decode = true}),
              (Items{"SIMISA@@@@@@@@@@JINX0w0t______", "\xC3\xA4", "b"}));
    EXPECT_EQ(itemsOf(compressed.substr(0, compressed.size() - 1), {.decode = true}), Items{});
}

}  // namespace
}  // namespace veltrano
