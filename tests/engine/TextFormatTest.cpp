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

}  // namespace
}  // namespace veltrano::test
