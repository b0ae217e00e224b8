// The item rules of world files: leading blanks and tabs skipped, an item ends at a comma or a
// line end, which is consumed once; quotes mean nothing; items stay whole across read blocks,
// and a failed read ends the items with what was read before it. Other forms are decoded first:
// a binary world file reads as the text of its pickups, whatever storage it comes in; anything
// that does not decode whole (a damaged binary file, a short length field, a cut stream) gives
// no text. The forms that decode are golden runs
// (tests/golden/runs/world-file-forms*-read-all.txt).

#include "platform/WorldItemReader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/TextCodec.h"
#include "platform/WorldFileDecoder.h"
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
    Reading how = {};
};

class ItemRules : public ::testing::TestWithParam<ItemRow> {};

TEST_P(ItemRules, ItemsOfTheData) {
    EXPECT_EQ(itemsOf(GetParam().data, GetParam().how), GetParam().items);
}

const std::string kText = "SIMISA@@@@@@@@@@JINX0w0t______\r\n\xE4,b";
const std::string kCompressed = test::storedAs(test::WorldFileForm::CompressedUtf16Le, kText);

INSTANTIATE_TEST_SUITE_P(
    Rows, ItemRules,
    ::testing::Values(
        ItemRow{"a,", {"a"}}, ItemRow{"a,\r\nb", {"a", "", "b"}}, ItemRow{"a\r\nb\r\n", {"a", "b"}},
        ItemRow{"a\rb\nc", {"a", "b", "c"}}, ItemRow{"a\n\r", {"a", ""}},
        ItemRow{"\r\r\n\n", {"", "", ""}}, ItemRow{"a,,b", {"a", "", "b"}}, ItemRow{"", {}},
        ItemRow{"   ", {""}},
        ItemRow{" \t Pickup ( \t\r\n\t\tType ( 5 ) ", {"Pickup ( \t", "Type ( 5 ) "}},
        ItemRow{"\"x,y\"\r\n", {"\"x", "y\""}},
        ItemRow{std::string("\xFF\xFE\0z", 4), {std::string("\xFF\xFE\0z", 4)}},
        // Skipping stops at the item that may hold the keyword; the last item may go on in a
        // block not read yet, so it is never passed over.
        ItemRow{
            "a,Pickup (\rx,b pICKUP (\nc,d", {"a", "Pickup (", "b pICKUP (", "d"}, {.skim = true}},
        // A file stored in another form is read as its text; one that does not decode whole
        // (here cut short) holds no item, so it fails the header test.
        ItemRow{kCompressed, {"SIMISA@@@@@@@@@@JINX0w0t______", "\xC3\xA4", "b"}, {.decode = true}},
        ItemRow{kCompressed.substr(0, kCompressed.size() - 1), {}, {.decode = true}},
        // An odd last byte of a UTF-16 world file forms no character and is dropped.
        ItemRow{std::string("\xFF\xFE"
                            "a\0b\0c",
                            7),
                {"ab"},
                {.decode = true}},
        // A binary pickup reads as its text, every value kept.
        ItemRow{test::storedAs(test::WorldFileForm::Binary,
                               "SIMISA@@@@@@@@@@JINX0w0t______\r\nTr_Worldfile ( Pickup ( "
                               "PickupType ( 3 0 ) ) )"),
                {"SIMISA@@@@@@@@@@JINX0w0t______", "Pickup (", "PickupType ( 3 0 )", ")"},
                {.decode = true}}));

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

const std::string kHeader = "SIMISA@@@@@@@@@@";

TEST(WorldFileDecoder, WhatDoesNotDecodeWholeHoldsNoItem) {
    const std::string binary = test::binaryWorldFile(
        kHeader +
            "\r\nTr_Worldfile ( Pickup ( TrItemId ( 0 17 ) Position ( 1 2 3 ) ) Other ( "
            "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa ) Empty ( ) )",
        false);
    const std::string cutValue =
        test::binaryWorldFile(kHeader + "\r\nTr_Worldfile ( Pickup ( Position ( 1 2 ) ) )", false);
    // Where the first child of the Pickup, TrItemId, keeps its length and its label length.
    constexpr std::size_t kLength = 38;
    constexpr std::size_t kLabel = 42;
    const std::vector<std::pair<const char*, std::function<void(std::string&)>>> damages = {
        {"none", [](std::string&) {}},
        {"cut short", [](std::string& b) { b.pop_back(); }},
        {"bytes behind the root", [](std::string& b) { b += '\0'; }},
        {"a byte behind the root's last child", [](std::string& b) { ++b[20], b += '\0'; }},
        {"root is a Pickup", [](std::string& b) { b[16] = 0x3B; }},
        {"sub-header of another file type", [](std::string& b) { b[4] = 't'; }},
        {"length past the parent", [](std::string& b) { b[kLength] = 40; }},
        {"length of a root child past the root",
         [](std::string& b) { b[b.find(std::string("O\0t\0h\0e\0r\0", 10)) - 5] = '\xFF'; }},
        {"length past the file", [](std::string& b) { b.replace(kLength, 4, "\xFF\xFF\xFF\xFF"); }},
        {"no label length", [](std::string& b) { b.replace(kLength, 4, 4, '\0'); }},
        {"label past the block", [](std::string& b) { b[kLabel] = 5; }},
        {"value cut short", [&cutValue](std::string& b) { b = cutValue; }},
    };
    for (const auto& [name, damage] : damages) {
        std::string blocks = binary;
        damage(blocks);
        for (const std::string& stored : {kHeader + blocks, test::compressedWorldFile(blocks)}) {
            const bool whole = std::string(name) == "none";
            EXPECT_EQ(WorldFileDecoder::decode(stored).has_value(), whole) << name;
        }
    }
    // A file that ends just before the byte that tells text from binary is neither.
    EXPECT_FALSE(WorldFileDecoder::decode(kHeader + "JINX0w0").has_value());
    const std::string text = kHeader + "JINX0w0t______\r\nTr_Worldfile ( )\r\n";
    const std::string inflated = text.substr(kHeader.size());
    const std::string compressed = test::compressedWorldFile(inflated);
    for (const std::string& stored :
         {test::compressedWorldFile(inflated, static_cast<std::uint32_t>(inflated.size() - 1)),
          compressed.substr(0, compressed.size() - 3),
          std::string("SIMISA@F\x01\x02\x03\x04zipped", 18), std::string("SIMISA@F")}) {
        EXPECT_FALSE(WorldFileDecoder::decode(stored));
    }
}

}  // namespace
}  // namespace veltrano
