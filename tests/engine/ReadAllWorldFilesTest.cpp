// The run option readAllWorldFiles: world files stored as UTF-16 or compressed text are scanned
// as their 8-bit twins are; without it, and for everything that is no text world file, the
// compressed line stands as before.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/engine/RunFixture.h"
#include "tests/support/WorldFileForms.h"

namespace veltrano::test {
namespace {

constexpr const char* kWorld = "w+000002+000003.w";
const std::string kCompressedLine =
    " World file w+000002+000003.w is compressed, therefore not readable!\r\n";

const WorldFileForm kDecodedForms[] = {
    WorldFileForm::Utf16Le,
    WorldFileForm::Utf16Be,
    WorldFileForm::CompressedUtf16Le,
    WorldFileForm::CompressedUtf16LeNoMark,
    WorldFileForm::CompressedEightBit,
};

class ReadAllWorldFiles : public RunFixture {
  protected:
    ReadAllWorldFiles() {
        writeTrackFiles(trackRecord("17", "2", "3") + trackRecord("18", "2", "3"));
    }

    // The protocol of a dry run (so the track files stay as they are for the next one) over
    // the world file stored as `bytes`.
    std::string protocolWith(const std::string& bytes, bool readAllWorldFiles) {
        writeWorld(kWorld, bytes);
        state.gstrProtokoll.clear();
        RunOptions options;
        options.dryRun = true;
        options.readAllWorldFiles = readAllWorldFiles;
        EXPECT_EQ(run(options).outcome, RunOutcome::Completed);
        return protocol();
    }
};

// Two pickups, one of them quoting a Windows-1252 letter in its Position line.
const std::string kEightBitWorld =
    worldFile(pickupObject("5", "20000", "17") +
              pickupObject("2", "60", "18", "Position ( 1 2 3 ) \xDC\x80"));

TEST_F(ReadAllWorldFiles, TextFormsGiveTheFoundLinesOfTheirEightBitTwin) {
    useGerman();
    const std::string twin = protocolWith(kEightBitWorld, true);
    ASSERT_NE(twin.find("    2.       G\xC3\xBCter - Kohle gefunden in w+000002+000003.w an "
                        "Position ( 1 2 3 ) \xC3\x9C\xE2\x82\xAC\r\n"),
              std::string::npos)
        << twin;
    ASSERT_EQ(protocolWith(kEightBitWorld, false), twin);
    for (WorldFileForm form : kDecodedForms) {
        const std::string stored = storedAs(form, kEightBitWorld);
        EXPECT_EQ(protocolWith(stored, true), twin) << nameOf(form);
        const std::string without = protocolWith(stored, false);
        EXPECT_NE(without.find(" Worlddatei w+000002+000003.w ist kommprimiert, daher nicht "
                               "lesbar!\r\n"),
                  std::string::npos)
            << nameOf(form);
        EXPECT_EQ(without.find("gefunden in"), std::string::npos) << nameOf(form);
    }
}

TEST_F(ReadAllWorldFiles, WhatIsNoTextWorldFileIsStillReportedCompressed) {
    const std::string inner = kEightBitWorld.substr(16);
    const std::string good = compressedWorldFile(inner);
    const std::string cases[] = {
        compressedWorldFile("JINX0w0b______\r\n" + inner),
        good.substr(0, good.size() / 2),
        compressedWorldFile(inner, static_cast<std::uint32_t>(inner.size() / 2)),
        compressedWorldFile(inner, 0xFFFFFFFFu),
        "\xFF\xFE" + std::string("T\0r\0_\0", 6),
        "\xFF\xFE",
    };
    for (const std::string& stored : cases) {
        const std::string text = protocolWith(stored, true);
        EXPECT_NE(text.find(kCompressedLine), std::string::npos) << text;
        EXPECT_EQ(text.find(" found in w+"), std::string::npos);
        EXPECT_EQ(state.garrPickupTrItemId.size(), 1u);
    }
}

TEST_F(ReadAllWorldFiles, CharactersOutsideWindows1252ReachTheProtocolAsThemselves) {
    const std::u16string text =
        u"SIMISA@@@@@@@@@@JINX0w0t______\r\n\r\nTr_Worldfile (\r\n"
        u"\tPickup (\r\n\t\tPickupType ( 5 0 )\r\n\t\tTrItemId ( 0 17 )\r\n"
        u"\t\tPosition ( 1 2 3 ) \u0141\u00f3d\u017a \u5DE5 \U0001F682\r\n"
        u"\t)\r\n)\r\n";
    std::string stored = "\xFE\xFF";
    for (const char16_t unit : text) {
        stored += static_cast<char>(unit >> 8);
        stored += static_cast<char>(unit & 0xFF);
    }
    protocolWith(stored, true);
    EXPECT_NE(state.gstrProtokoll.text().find(
                  u" found in w+000002+000003.w at Position ( 1 2 3 ) \u0141\u00f3d\u017a \u5DE5 "
                  u"\U0001F682\r\n"),
              std::u16string::npos)
        << protocol();
}

}  // namespace
}  // namespace veltrano::test
