// A reading is the time now: its seconds since midnight are those the C library counts from
// the reading's midnight, and they go on as time passes; the decimal separator of the user's
// locale is a comma where the locale writes one, the point where it takes more than one byte.

#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>
#include <utility>

#include "tests/support/TempRoute.h"

namespace veltrano {
namespace {

TEST(Clock, ReadingIsTheTimeNowAndCountsOnAsTimePasses) {
    const auto start = std::chrono::steady_clock::now();
    const ClockReading first = Clock().now();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const ClockReading second = Clock().now();
    const double passed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double counted = second.secondsSinceMidnight - first.secondsSinceMidnight;
    // Unless midnight came in between.
    EXPECT_TRUE(first.local.tm_mday != second.local.tm_mday ||
                (counted > 0.25 && counted < passed + 0.05))
        << counted;
    // Midnight of the reading's day at the reading's own offset from UTC.
    std::tm midnight = second.local;
    midnight.tm_hour = midnight.tm_min = midnight.tm_sec = 0;
    EXPECT_NEAR(std::difftime(std::time(nullptr), std::mktime(&midnight)),
                second.secondsSinceMidnight, 1.0);
}

// The locales are made here, since a machine may have none installed but C; Windows has its own.
TEST(Clock, DecimalSeparatorFollowsTheNumericLocale) {
#ifdef _WIN32
    ASSERT_NE(std::setlocale(LC_NUMERIC, "German_Germany.1252"), nullptr);
    EXPECT_EQ(Clock().decimalSeparator(), ',');
#else
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
    ::unsetenv("LOCPATH");
#endif
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace veltrano
