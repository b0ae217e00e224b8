// A pickup type given as text is compared as a whole number with the type numbers and codes.

#include "engine/WorldFileScan.h"

#include <gtest/gtest.h>

#include "engine/TextFormat.h"
#include "platform/TextCodec.h"

namespace veltrano::test {
namespace {

TEST(WorldFileScan, TypeTextReadsTheTypeAsAWholeNumber) {
    const struct {
        const char16_t* type;
        const char* text;
    } rows[] = {{u"5", "Fuel-water"},
                {u" 280 ", "Fuel-water"},
                {u"+6", "Fuel-coal"},
                {u"-5", "Freight"},
                {u"-", "Freight"},
                {u"5x", "Freight"},
                {u"", "Freight"},
                {u"0", "Freight"},
                {u"9", "Freight"},
                {u"000000000000000007", "Fuel-diesel"},
                {u"0000000000000000007", "Freight"}};
    for (const auto& row : rows) {
        EXPECT_EQ(TextCodec::toUtf8(TextFormat::trimBlanks(
                      WorldFileScan::fctTypeNumToTypeString(row.type, false))),
                  row.text)
            << TextCodec::toUtf8(row.type);
    }
    EXPECT_EQ(WorldFileScan::fctTypeNumToTypeString(400, true), u"   Sonderzug - Post");
}

}  // namespace
}  // namespace veltrano::test
