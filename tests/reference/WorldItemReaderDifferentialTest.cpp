// The engine and the reference share the world-file item reader, so their comparison cannot
// see a fault in it. Here it is held against a plain splitter written from the item rules, on
// random files whose items run over the reader's block boundaries.
#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/WorldItemReader.h"
#include "tests/support/TempRoute.h"

namespace veltrano::reference {
namespace {

// Blanks in front are skipped; the item runs to a comma, CR, LF or the end; the delimiter is
// consumed (CR LF as one); the end is reached when nothing is left.
std::vector<std::string> plainItems(const std::string& data) {
    std::vector<std::string> items;
    std::size_t at = 0;
    while (at < data.size()) {
        while (at < data.size() && (data[at] == ' ' || data[at] == '\t')) {
            ++at;
        }
        std::string item;
        while (at < data.size() && data[at] != ',' && data[at] != '\r' && data[at] != '\n') {
            item += data[at++];
        }
        if (at < data.size()) {
            const char delimiter = data[at++];
            if (delimiter == '\r' && at < data.size() && data[at] == '\n') {
                ++at;
            }
        }
        items.push_back(item);
    }
    return items;
}

std::vector<std::string> readerItems(FileSystem& fileSystem, const std::string& path) {
    std::vector<std::string> items;
    WorldItemReader reader(fileSystem);
    EXPECT_TRUE(reader.open(path).ok());
    std::string item;
    while (!reader.atEnd()) {
        EXPECT_TRUE(reader.readItem(item).ok());
        items.push_back(item);
    }
    return items;
}

TEST(WorldItemReaderAgainstPlainSplit, SameItemsOnRandomFilesAcrossBlockBoundaries) {
    std::mt19937_64 random(4711);
    const std::string alphabet = "aZ09 \t,\r\n(). \x80\xff";
    test::TempRoute folder;
    FileSystem fileSystem;
    for (int round = 0; round < 60; ++round) {
        // Short files, and files of several 64 KB blocks with long and short items.
        const std::size_t size = round % 3 == 0 ? random() % 40 : random() % 300000;
        const std::size_t longRun = 1 + random() % (round % 2 == 0 ? 8 : 100000);
        std::string data;
        while (data.size() < size) {
            const char c = alphabet[random() % alphabet.size()];
            data.append(std::isalnum(static_cast<unsigned char>(c)) ? 1 + random() % longRun : 1,
                        c);
        }
        data.resize(size);
        folder.writeBytes("w.w", data);
        ASSERT_EQ(readerItems(fileSystem, folder.pathOf("w.w")), plainItems(data))
            << "round " << round << ", " << size << " bytes";
    }
}

}  // namespace
}  // namespace veltrano::reference
