// A pickup type given as text is compared as a whole number with the type numbers and codes.

#include "engine/WorldFileScan.h"

#include <gtest/gtest.h>

#include "engine/TextFormat.h"
#include "platform/TextCodec.h"

namespace veltrano::test {
namespace {

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

}  // namespace
}  // namespace veltrano::test
