#include "platform/WorldItemReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tests/support/TempRoute.h"

namespace veltrano {
namespace {

using Items = std::vector<std::string>;

// Hands out a fixed text in pieces of a given size, and can fail after a number of pieces,
// so block boundaries and read errors fall where a test wants them.
class PiecewiseInput : public InputFile {
  public:
    PiecewiseInput(std::string data, std::size_t pieceSize, int failAfterPieces)
        : m_data(std::move(data)), m_pieceSize(pieceSize), m_piecesLeft(failAfterPieces) {}

    IoResult read(char* buffer, std::size_t capacity, std::size_t& got) override {
        got = 0;
        if (m_piecesLeft-- == 0) {
            return IoResult::failure("Input/output error");
        }
        got = std::min({capacity, m_pieceSize, m_data.size() - m_offset});
        std::memcpy(buffer, m_data.data() + m_offset, got);
        m_offset += got;
        return IoResult::success();
    }

  private:
    std::string m_data;
    std::size_t m_pieceSize;
    int m_piecesLeft;
    std::size_t m_offset = 0;
};

class PiecewiseFileSystem : public FileSystem {
  public:
    IoResult openInput(const std::string&, std::unique_ptr<InputFile>& file) override {
        file = std::make_unique<PiecewiseInput>(data, pieceSize, failAfterPieces);
        return IoResult::success();
    }

    std::string data;
    std::size_t pieceSize = 1;
    int failAfterPieces = -1;
};

Items readAll(WorldItemReader& reader) {
    Items items;
    while (!reader.atEnd()) {
        std::string item;
        EXPECT_TRUE(reader.readItem(item).ok());
        items.push_back(item);
    }
    EXPECT_TRUE(reader.lastError().ok());
    return items;
}

Items itemsOf(const std::string& data, std::size_t pieceSize) {
    PiecewiseFileSystem fileSystem;
    fileSystem.data = data;
    fileSystem.pieceSize = pieceSize;
    WorldItemReader reader(fileSystem);
    EXPECT_TRUE(reader.open("world.w").ok());
    return readAll(reader);
}

// Every case is read in one piece and in pieces of 1 to 4 bytes, so each delimiter (CR LF
// above all) also falls across a boundary between two reads.
void expectItems(const std::string& data, const Items& expected) {
    for (std::size_t pieceSize :
         {std::size_t(1 << 20), std::size_t(1), std::size_t(2), std::size_t(3), std::size_t(4)}) {
        EXPECT_EQ(itemsOf(data, pieceSize), expected) << "piece size " << pieceSize;
    }
}

TEST(WorldItemReader, DelimitersEndItemsAndAreConsumedOnce) {
    expectItems("a,", {"a"});
    expectItems("a,\r\nb", {"a", "", "b"});
    expectItems("a\r\nb\r\n", {"a", "b"});
    expectItems("a\rb\nc", {"a", "b", "c"});
    expectItems("a\n\r", {"a", ""});
    expectItems("\r\r\n\n", {"", "", ""});
    expectItems("a,,b", {"a", "", "b"});
}

TEST(WorldItemReader, SkipsOnlyLeadingBlanksAndTabs) {
    expectItems(" \t Pickup ( \t\r\n\t\tPickupType ( 5 0 ) ",
                {"Pickup ( \t", "PickupType ( 5 0 ) "});
    expectItems("   ", {""});
    expectItems("a,  \t", {"a", ""});
}

TEST(WorldItemReader, QuotesAndHighBytesAreOrdinaryCharacters) {
    expectItems("\"x,y\"\r\n", {"\"x", "y\""});
    expectItems(std::string("\xFF\xFE\0z", 4), {std::string("\xFF\xFE\0z", 4)});
}

TEST(WorldItemReader, EmptyFileEndsAtOnce) {
    test::TempRoute route;
    route.writeBytes("empty.w", "");
    FileSystem fileSystem;
    WorldItemReader reader(fileSystem);
    ASSERT_TRUE(reader.open(route.pathOf("empty.w")).ok());
    EXPECT_TRUE(reader.atEnd());
    EXPECT_TRUE(reader.lastError().ok());
}

TEST(WorldItemReader, MissingFileFailsToOpenAndHasNoItems) {
    test::TempRoute route;
    FileSystem fileSystem;
    WorldItemReader reader(fileSystem);
    const IoResult opened = reader.open(route.pathOf("missing.w"));
    EXPECT_FALSE(opened.ok());
    EXPECT_EQ(opened.cause(), "No such file or directory");
    EXPECT_TRUE(reader.atEnd());
}

TEST(WorldItemReader, FileLargerThanABlockKeepsItemsWhole) {
    // Lines of varying length put item boundaries and CR LF pairs at ever other offsets of
    // the blocks; one item alone is longer than a block.
    std::string data = "SIMISA@@@@@@@@@@JINX0w0t______\r\n";
    Items expected = {"SIMISA@@@@@@@@@@JINX0w0t______"};
    for (int i = 0; i < 20000; ++i) {
        const std::string value = "TrItemId ( 0 " + std::to_string(i * 7919) + " )";
        data += "\t\t" + value + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "," : "\n");
        expected.push_back(value);
    }
    const std::string longItem(200000, 'x');
    data += longItem + "\r\nend";
    expected.push_back(longItem);
    expected.push_back("end");

    test::TempRoute route;
    route.writeBytes("big.w", data);
    FileSystem fileSystem;
    WorldItemReader reader(fileSystem);
    ASSERT_TRUE(reader.open(route.pathOf("big.w")).ok());
    EXPECT_EQ(readAll(reader), expected);
}

// Whether an item holds "PICKUP (" in any letter case, tested the plain way.
bool holdsPickupOpening(std::string item) {
    std::transform(item.begin(), item.end(), item.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return item.find("PICKUP (") != std::string::npos;
}

// The items a scan that skips ahead before every read gets to see and that hold the keyword.
Items keywordItemsWhenSkipping(const std::string& data, std::size_t pieceSize) {
    PiecewiseFileSystem fileSystem;
    fileSystem.data = data;
    fileSystem.pieceSize = pieceSize;
    WorldItemReader reader(fileSystem);
    EXPECT_TRUE(reader.open("world.w").ok());
    Items found;
    while (!reader.atEnd()) {
        reader.skipToItemThatMayHold("PICKUP (");
        if (reader.atEnd()) {
            break;
        }
        std::string item;
        EXPECT_TRUE(reader.readItem(item).ok());
        if (holdsPickupOpening(item)) {
            found.push_back(item);
        }
    }
    return found;
}

TEST(WorldItemReader, SkippingAheadPassesOverNoItemThatHoldsTheKeyword) {
    // Near misses, every letter case, keywords cut by a delimiter or split across reads of
    // any size, and CR LF pairs anywhere.
    const std::vector<std::string> pieces = {
        "PICKUP (", "pickup (", "PiCkUp (", "PICKUP(",    "PICKUP  (", "ICKUP (", "(",
        " (",       "Pickup",   "P",        "xpickup (1", ",",         "\r",      "\n",
        "\r\n",     " ",        "\t",       "Static (",   ")",         "\xE9",    "\x8A"};
    std::mt19937 random(20261205);
    for (int round = 0; round < 400; ++round) {
        std::string data;
        const int length = 1 + static_cast<int>(random() % 60);
        for (int i = 0; i < length; ++i) {
            data += pieces[random() % pieces.size()];
        }
        Items expected;
        for (const std::string& item : itemsOf(data, 1 << 20)) {
            if (holdsPickupOpening(item)) {
                expected.push_back(item);
            }
        }
        for (std::size_t pieceSize : {std::size_t(1 << 20), std::size_t(1), std::size_t(2),
                                      std::size_t(3), std::size_t(5), std::size_t(9)}) {
            ASSERT_EQ(keywordItemsWhenSkipping(data, pieceSize), expected)
                << "piece size " << pieceSize << " in \"" << data << "\"";
        }
    }
}

TEST(WorldItemReader, CarriageReturnAtTheEndOfARealBlockPairsWithTheNextLineFeed) {
    // Put the CR on the last byte of the first 64 KiB block and the LF on the first of the
    // second, wherever the reader's block size lies at or below that.
    std::string data(65535, 'a');
    data += "\r\nb";
    test::TempRoute route;
    route.writeBytes("split.w", data);
    FileSystem fileSystem;
    WorldItemReader reader(fileSystem);
    ASSERT_TRUE(reader.open(route.pathOf("split.w")).ok());
    EXPECT_EQ(readAll(reader), (Items{std::string(65535, 'a'), "b"}));
}

TEST(WorldItemReader, ReadErrorsAreKeptWhileLookingAheadAndReturnedWhileReading) {
    PiecewiseFileSystem fileSystem;
    fileSystem.data = "first\r\nsecond\r\n";
    fileSystem.pieceSize = 7;
    fileSystem.failAfterPieces = 1;
    WorldItemReader reader(fileSystem);
    ASSERT_TRUE(reader.open("world.w").ok());
    std::string item;
    ASSERT_FALSE(reader.atEnd());
    EXPECT_TRUE(reader.readItem(item).ok());
    EXPECT_EQ(item, "first");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.lastError().cause(), "Input/output error");

    // An error in the middle of an item is returned by the read itself.
    fileSystem.failAfterPieces = 2;
    fileSystem.pieceSize = 2;
    ASSERT_TRUE(reader.open("world.w").ok());
    EXPECT_FALSE(reader.readItem(item).ok());
    EXPECT_TRUE(reader.atEnd());
}

// A file stored as UTF-16 or compressed is loaded whole on opening: a read error there fails
// the opening, and is never taken for a file that does not decode.
TEST(WorldItemReader, ReadErrorWhileLoadingAFileToDecodeFailsTheOpening) {
    PiecewiseFileSystem fileSystem;
    fileSystem.pieceSize = 4;
    using namespace std::string_literals;
    for (const std::string& start : {"\xFF\xFES\0I\0M\0"s, "SIMISA@F\x10\0\0\0@@@@x\x9C"s}) {
        fileSystem.data = start + std::string(100, 'x');
        for (int failAfterPieces : {0, 1, 3, 10}) {
            fileSystem.failAfterPieces = failAfterPieces;
            WorldItemReader reader(fileSystem, true);
            const IoResult opened = reader.open("world.w");
            EXPECT_EQ(opened.cause(), "Input/output error") << failAfterPieces;
        }
    }
}

TEST(WorldItemReader, ReopeningStartsAfreshAfterAnError) {
    PiecewiseFileSystem fileSystem;
    fileSystem.data = "x";
    fileSystem.failAfterPieces = 0;
    WorldItemReader reader(fileSystem);
    ASSERT_TRUE(reader.open("world.w").ok());
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.lastError().ok());

    fileSystem.failAfterPieces = -1;
    ASSERT_TRUE(reader.open("world.w").ok());
    EXPECT_EQ(readAll(reader), Items{"x"});
}

}  // namespace
}  // namespace veltrano
