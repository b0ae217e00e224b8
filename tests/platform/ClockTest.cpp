// The decimal separator of the user's locale: a comma where the locale writes one, the point
// where its separator takes more than one byte.

#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <utility>

#include "tests/support/TempRoute.h"

namespace veltrano {
namespace {

// A reading's seconds since midnight are its calendar time's, and the fraction of the second.
TEST(Clock, SecondsSinceMidnightFollowTheCalendarTime) {
    const ClockReading reading = Clock().now();
    const int whole =
        reading.local.tm_hour * 3600 + reading.local.tm_min * 60 + reading.local.tm_sec;
    EXPECT_GE(reading.secondsSinceMidnight, whole);
    EXPECT_LT(reading.secondsSinceMidnight, whole + 1);
}

#ifndef _WIN32
// The locales are made here, since a machine may have none installed but C.
TEST(Clock, DecimalSeparatorFollowsTheNumericLocale) {
    test::TempRoute folder;
    ::setenv("LOCPATH", folder.path().c_str(), 1);
    for (const auto& [point, expected] :
         {std::pair<std::string, char>{",", ','}, {"<U066B>", '.'}}) {
        const std::string name = "xx_" + std::to_string(expected == ',') + ".UTF-8";
        folder.writeBytes(name + ".src",
                          "LC_NUMERIC\ndecimal_point \"" + point + "\"\nEND LC_NUMERIC\n");
        // localedef warns of the categories the source leaves out, and still writes it.
        (void)std::system(("localedef -c -i " + folder.pathOf(name + ".src") + " -f UTF-8 " +
                           folder.pathOf(name) + " > /dev/null 2>&1")
                              .c_str());
        ASSERT_NE(std::setlocale(LC_NUMERIC, name.c_str()), nullptr) << point;
        EXPECT_EQ(Clock().decimalSeparator(), expected) << point;
    }
    std::setlocale(LC_NUMERIC, "C");
    ::unsetenv("LOCPATH");
}
#endif

}  // namespace
}  // namespace veltrano
