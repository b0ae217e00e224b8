// A binary world file reads as the text of its pickups, whatever storage it comes in; anything
// that does not decode whole (a damaged binary file, a short length field, a cut stream) gives
// no text. The forms that decode are golden runs
// (tests/golden/runs/world-file-forms*-read-all.txt).

#include "platform/WorldFileDecoder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/WorldFileForms.h"

namespace veltrano {
namespace {

const std::string kHeader = "SIMISA@@@@@@@@@@";

TEST(WorldFileDecoder, BinaryPickupsReadAsTheirTextInStoredOrder) {
    const std::string text =
        kHeader +
        "JINX0w0t______\r\nTr_Worldfile ( Pickup ( PickupCapacity ( 20000 0.5 ) Other ( a ) "
        "Position ( 0.00001 1000000 -0 ) ) Group ( Pickup ( TrItemId ( 1 2 ) ) ) Pickup ( "
        "TrItemId ( 4294967295 7 ) PickupType ( 3 0 ) PickupCapacity ( 2147483648 0 ) Position "
        "( 340282346638528859811704183484516925440 -301.7 -0.001 ) ) )";
    const std::string twin =
        kHeader +
        "JINX0w0t______\r\nPickup (\r\nPickupCapacity ( 20000 0.5 )\r\nPosition ( 0.00001 "
        "1000000 -0 )\r\n)\r\nPickup (\r\nTrItemId ( 4294967295 7 )\r\nPickupType ( 3 0 )\r\n"
        "PickupCapacity ( 2147483648 0 )\r\nPosition ( 340282346638528859811704183484516925440 "
        "-301.7 -0.001 )\r\n)\r\n";
    // As float32 the capacity 2147483648 is -0, whose bits pass for a uint32 as well.
    for (const auto form : {test::WorldFileForm::Binary, test::WorldFileForm::BinaryWholeCapacities,
                            test::WorldFileForm::CompressedBinary}) {
        EXPECT_EQ(WorldFileDecoder::decode(test::storedAs(form, text)), twin) << nameOf(form);
    }
}

// An odd last byte of a UTF-16 world file forms no character and is dropped.
TEST(WorldFileDecoder, OddLastByteOfUtf16IsDropped) {
    EXPECT_EQ(WorldFileDecoder::decode(std::string("\xFF\xFE"
                                                   "a\0b\0c",
                                                   7)),
              "ab");
}

TEST(WorldFileDecoder, WhatDoesNotDecodeWholeHoldsNoItem) {
    const std::string binary = test::binaryWorldFile(
        kHeader +
            "\r\nTr_Worldfile ( Pickup ( TrItemId ( 0 17 ) Position ( 1 2 3 ) ) Other ( "
            "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa ) Empty ( ) )",
        false);
    // Where the first child of the Pickup, TrItemId, keeps its length and its label length.
    constexpr std::size_t kLength = 38;
    constexpr std::size_t kLabel = 42;
    const std::vector<std::pair<const char*, std::function<void(std::string&)>>> damages = {
        {"none", [](std::string&) {}},
        {"cut short", [](std::string& b) { b.pop_back(); }},
        {"bytes behind the root", [](std::string& b) { b += '\0'; }},
        {"root is a Pickup", [](std::string& b) { b[16] = 0x3B; }},
        {"sub-header of another file type", [](std::string& b) { b[4] = 't'; }},
        {"length past the parent", [](std::string& b) { b[kLength] = 40; }},
        {"length of a root child past the root",
         [](std::string& b) { b[b.find(std::string("O\0t\0h\0e\0r\0", 10)) - 5] = '\xFF'; }},
        {"length past the file", [](std::string& b) { b.replace(kLength, 4, "\xFF\xFF\xFF\xFF"); }},
        {"no label length", [](std::string& b) { b.replace(kLength, 4, 4, '\0'); }},
        {"label past the block", [](std::string& b) { b[kLabel] = 5; }},
        {"value cut short",
         [](std::string& b) {
             b = test::binaryWorldFile(kHeader + "\r\nTr_Worldfile ( Pickup ( Position ( 1 2 ) ) )",
                                       false);
         }},
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
