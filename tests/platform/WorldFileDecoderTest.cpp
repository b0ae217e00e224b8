// What only looks like a compressed text world file (a short length field, a cut stream, the
// binary token format, no stream at all) is read as stored. The forms that decode are golden
// runs (tests/golden/runs/world-file-forms-read-all.txt).

#include "platform/WorldFileDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/WorldItemReader.h"
#include "tests/support/TempRoute.h"
#include "tests/support/WorldFileForms.h"

namespace veltrano {
namespace {

const std::string kEightBit =
    "SIMISA@@@@@@@@@@JINX0w0t______\r\n\r\nTr_Worldfile (\r\n\tPickup (\r\n"
    "\t\tTrItemId ( 0 17 )\r\n\t\tPosition ( 1, 2, 3 ) \xFC\x80\x81\r\n\t)\r\n)\r\n";

std::vector<std::u16string> textsOf(const std::string& stored, bool decodeOtherForms) {
    test::TempRoute folder;
    folder.writeBytes("x.w", stored);
    FileSystem fileSystem;
    WorldItemReader reader(fileSystem, decodeOtherForms);
    EXPECT_TRUE(reader.open(folder.pathOf("x.w")).ok());
    std::vector<std::u16string> texts;
    for (std::string item; !reader.atEnd() && reader.readItem(item).ok();) {
        texts.push_back(reader.itemText(item));
    }
    return texts;
}

TEST(WorldFileDecoder, WhatIsNoTextWorldFileIsReadAsStored) {
    const std::string inflated = kEightBit.substr(16);
    const std::string compressed = test::compressedWorldFile(inflated);
    std::string binary = inflated;
    binary[7] = 'b';  // JINX0w0b: the token format
    for (const std::string& stored :
         {test::compressedWorldFile(inflated, static_cast<std::uint32_t>(inflated.size() - 1)),
          compressed.substr(0, compressed.size() - 3), test::compressedWorldFile(binary),
          std::string("SIMISA@F\x01\x02\x03\x04zipped", 18), std::string("SIMISA@F")}) {
        EXPECT_EQ(textsOf(stored, true), textsOf(stored, false));
        EXPECT_FALSE(WorldFileDecoder::decode(stored));
    }
}

}  // namespace
}  // namespace veltrano
