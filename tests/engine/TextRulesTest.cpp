// The small rules of the engine's texts: a backup's stamp names a real moment (every field
// passes at its edge and fails one past it); a pickup type given as text is compared as a whole
// number; the status line's percentage has no leading zero, at most two decimals without
// trailing zeros, and always its separator; a key is found in any letter case up to the text's
// very end, and only whole.

#include <gtest/gtest.h>

#include "engine/BackupCopyName.h"
#include "engine/TextFormat.h"
#include "engine/WorldFileScan.h"
#include "platform/TextCodec.h"

namespace veltrano::test {
namespace {

TEST(BackupCopyName, OnlyRealDatesAndTimesAreStamps) {
    for (const char* stamp : {"000101-000000", "991231-235959", "261204-063015"}) {
        EXPECT_TRUE(BackupCopyName::isStamp(stamp)) << stamp;
    }
    for (const char* text : {"261204-240000", "261204-290000", "261204-126000", "261204-120060",
                             "261232-120000", "261200-120000", "261304-120000", "260004-120000",
                             "261204_120000", "261204-12000a", "261204-1200000", "261204-12000"}) {
        EXPECT_FALSE(BackupCopyName::isStamp(text)) << text;
    }
}

TEST(WorldFileScan, TypeTextReadsTheTypeAsAWholeNumber) {
    std::string texts;
    for (const char16_t* type : {u"5", u" 280 ", u"+6", u"000000000000000007", u"-5", u"-", u"5x",
                                 u"", u"0", u"9", u"0000000000000000007"}) {
        texts += TextCodec::toUtf8(
                     TextFormat::trimBlanks(WorldFileScan::fctTypeNumToTypeString(type, false))) +
                 ",";
    }
    EXPECT_EQ(texts,
              "Fuel-water,Fuel-water,Fuel-coal,Fuel-diesel,Freight,Freight,Freight,Freight,Freight,"
              "Freight,Freight,");
    EXPECT_EQ(WorldFileScan::fctTypeNumToTypeString(400, true), u"   Sonderzug - Post");
}

TEST(TextFormat, PercentagesAndKeysInAnyCase) {
    for (const auto& [value, text] : {std::pair<double, const char*>{25.0, "25,"},
                                      {100.0, "100,"},
                                      {100.0 / 3, "33,33"},
                                      {12.5, "12,5"},
                                      {0.5, ",5"},
                                      {0.25, ",25"},
                                      {0.0, ","}}) {
        EXPECT_EQ(TextCodec::toUtf8(TextFormat::upToTwoDecimals(value, ',')), text) << value;
    }
    EXPECT_EQ(TextFormat::findIgnoringCase(u"XICKUPITEM PickupItem", u"PICKUPITEM"), 11u);
    EXPECT_EQ(TextFormat::findIgnoringCase(u"PickupIte", u"PICKUPITEM"), std::u16string::npos);
}

}  // namespace
}  // namespace veltrano::test
