// World files stored as UTF-16 or compressed text, read through the item reader: every text
// form gives the items of its 8-bit twin, and everything that is no text world file is read as
// stored, so the header test fails on it as before.

#include "platform/WorldFileDecoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/TextCodec.h"
#include "platform/WorldItemReader.h"
#include "tests/support/TempRoute.h"
#include "tests/support/WorldFileForms.h"

namespace veltrano::test {
namespace {

namespace fs = std::filesystem;

using namespace std::string_literals;
using Texts = std::vector<std::u16string>;

// Windows-1252 letters above 0x7F (ü, €, and 0x81, one of the code page's holes), and lines
// that hold commas, tabs and blanks.
const std::string kEightBit =
    "SIMISA@@@@@@@@@@JINX0w0t______\r\n\r\nTr_Worldfile (\r\n\tPickup (\r\n"
    "\t\tPickupType ( 5 0 )\r\n\t\tTrItemId ( 0 17 )\r\n\t\tPosition ( 1, 2, 3 ) \xFC\x80\x81\r\n"
    "\t)\r\n)\r\n";

Texts textsAt(const std::string& path, bool decodeOtherForms) {
    FileSystem fileSystem;
    WorldItemReader reader(fileSystem, decodeOtherForms);
    EXPECT_TRUE(reader.open(path).ok()) << path;
    Texts texts;
    std::string item;
    while (!reader.atEnd()) {
        EXPECT_TRUE(reader.readItem(item).ok());
        texts.push_back(reader.itemText(item));
    }
    return texts;
}

Texts textsOf(const std::string& stored, bool decodeOtherForms) {
    TempRoute folder;
    folder.writeBytes("world.w", stored);
    return textsAt(folder.pathOf("world.w"), decodeOtherForms);
}

Texts storedTexts(const std::string& stored) {
    return textsOf(stored, false);
}

bool hasHeader(const Texts& texts) {
    return !texts.empty() && texts[0].find(u"SIMISA@@@@@@@@@@JIN") != std::u16string::npos;
}

TEST(WorldFileDecoder, EveryTextFormGivesTheItemsOfItsEightBitTwin) {
    const Texts twin = storedTexts(kEightBit);
    ASSERT_TRUE(hasHeader(twin));
    ASSERT_EQ(twin[6], u"Position ( 1");
    ASSERT_EQ(twin[8], u"3 ) \u00fc\u20ac\u0081");
    for (WorldFileForm form :
         {WorldFileForm::EightBit, WorldFileForm::Utf16Le, WorldFileForm::Utf16Be,
          WorldFileForm::CompressedUtf16Le, WorldFileForm::CompressedUtf16LeNoMark,
          WorldFileForm::CompressedEightBit}) {
        const std::string stored = storedAs(form, kEightBit);
        EXPECT_EQ(textsOf(stored, true), twin) << nameOf(form);
        // Without decoding only the 8-bit form has the header.
        EXPECT_EQ(hasHeader(storedTexts(stored)), form == WorldFileForm::EightBit) << nameOf(form);
    }
    // Files larger than a read block are loaded whole before they are decoded.
    std::string large = kEightBit.substr(0, 34);
    for (int i = 0; i < 2000; ++i) {
        large += kEightBit.substr(34);
    }
    for (WorldFileForm form : {WorldFileForm::Utf16Be, WorldFileForm::CompressedUtf16Le}) {
        EXPECT_EQ(textsOf(storedAs(form, large), true), storedTexts(large)) << nameOf(form);
    }
    // The length field bounds the inflated data; a larger one does no harm.
    const std::string inner = kEightBit.substr(16);
    EXPECT_EQ(textsOf(compressedWorldFile(inner, inner.size() + 1000), true), twin);
}

TEST(WorldFileDecoder, WhatIsNoTextWorldFileIsReadAsStored) {
    const std::string inner = kEightBit.substr(16);
    const std::string good = compressedWorldFile(inner);
    std::string flipped = good;
    flipped[good.size() / 2] = static_cast<char>(flipped[good.size() / 2] ^ 0x55);
    std::string wrongMarker = good;
    wrongMarker[13] = 'A';
    const struct {
        const char* what;
        std::string stored;
    } cases[] = {
        {"binary", compressedWorldFile("JINX0w0b______\r\n\x01\x02\x00\x00tokens"s)},
        {"no sub-header", compressedWorldFile("Tr_Worldfile (\r\n)\r\n")},
        {"empty stream content", compressedWorldFile("")},
        {"truncated stream", good.substr(0, good.size() - 5)},
        {"stream cut after the header", good.substr(0, 18)},
        {"header only", good.substr(0, 16)},
        {"signature only", "SIMISA@F"},
        {"damaged stream", flipped},
        {"no @@@@ after the length", wrongMarker},
        {"length field too small", compressedWorldFile(inner, inner.size() - 1)},
        {"length field zero", compressedWorldFile(inner, 0)},
        {"huge length field", compressedWorldFile(inner, 0xFFFFFFFFu)},
        {"length just above the cap", compressedWorldFile(inner, WorldFileDecoder::kMaxSize + 1)},
        {"no zlib stream", "SIMISA@F\x10\x00\x00\x00@@@@JINX0w0t______\r\n"s},
    };
    for (const auto& c : cases) {
        const Texts texts = textsOf(c.stored, true);
        EXPECT_EQ(texts, storedTexts(c.stored)) << c.what;
        EXPECT_FALSE(hasHeader(texts)) << c.what;
    }
}

// The route as it is published keeps its world files as UTF-16 text; the extract beside the
// clone has three of them with their 8-bit copies.
TEST(WorldFileDecoder, RealUtf16WorldFilesGiveTheItemsOfTheirEightBitCopies) {
    const char* source = std::getenv("VELTRANO_SOURCE_DIR");
    const fs::path extract =
        fs::path(source ? source : "..") / ".." / "shared" / "realroutes" / "OR_DK24";
    if (!fs::is_directory(extract / "WORLD-utf16")) {
        GTEST_SKIP() << "no real route extract at " << extract;
    }
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(extract / "WORLD-utf16")) {
        const Texts decoded = textsAt(entry.path().string(), true);
        EXPECT_TRUE(hasHeader(decoded)) << entry.path();
        EXPECT_EQ(decoded, textsAt((extract / "WORLD" / entry.path().filename()).string(), false))
            << entry.path();
        ++files;
    }
    EXPECT_EQ(files, 3u);
}

TEST(WorldFileDecoder, CharactersOutsideWindows1252ComeBackUnchangedAndSplitNothing) {
    // Units whose bytes are a comma, a CR, an LF, a blank or a tab split no item; an astral
    // character and a lone surrogate come back as they were.
    const std::u16string text =
        u"SIMISA@@@@@@@@@@JINX0w0t\r\n\u2C2C\u0D0A\u0A0D\u2020\u0909,\u03A9\u4E2D "
        u"\U0001F682\xD800x\r\nlast";
    std::string stored = "\xFF\xFE";
    for (const char16_t unit : text) {
        stored += static_cast<char>(unit & 0xFF);
        stored += static_cast<char>(unit >> 8);
    }
    EXPECT_EQ(textsOf(stored, true),
              (Texts{u"SIMISA@@@@@@@@@@JINX0w0t", u"\u2C2C\u0D0A\u0A0D\u2020\u0909",
                     u"\u03A9\u4E2D \U0001F682\xD800x", u"last"}));
    // An odd last byte is dropped, as in track files.
    EXPECT_EQ(textsOf(stored + "A", true).back(), u"last");
}

}  // namespace
}  // namespace veltrano::test
