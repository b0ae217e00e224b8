// The status line's percentage: no leading zero, at most two decimals without trailing zeros,
// and the separator always written.

#include "engine/TextFormat.h"

#include <gtest/gtest.h>

#include "platform/TextCodec.h"

namespace veltrano::test {
namespace {

TEST(TextFormat, UpToTwoDecimalsKeepsTheSeparatorAndDropsNeedlessZeros) {
    const struct {
        double value;
        const char* text;
    } rows[] = {{25.0, "25,"}, {100.0, "100,"}, {100.0 / 3, "33,33"}, {12.5, "12,5"}, {0.5, ",5"},
                {0.25, ",25"}, {0.0, ","}};
    for (const auto& row : rows) {
        EXPECT_EQ(TextCodec::toUtf8(TextFormat::upToTwoDecimals(row.value, ',')), row.text)
            << row.value;
    }
}

// A key is found in any letter case up to the text's very end, and only whole.
TEST(TextFormat, FindIgnoringCaseMatchesTheWholeKeyUpToTheEnd) {
    EXPECT_EQ(TextFormat::findIgnoringCase(u"XICKUPITEM PickupItem", u"PICKUPITEM"), 11u);
    EXPECT_EQ(TextFormat::findIgnoringCase(u"PickupIte", u"PICKUPITEM"), std::u16string::npos);
}

}  // namespace
}  // namespace veltrano::test
