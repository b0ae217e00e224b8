#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop/DesktopArguments.h"

namespace veltrano::test {
namespace {

// After the program's name only the exact option, any number of times; else the usage.
TEST(DesktopArguments, TakesOnlyTheExactOptionInEitherEncoding) {
    using Utf16 = std::vector<std::u16string>;
    const auto argv = [](std::vector<const char*> words) {
        return DesktopArguments::parse(std::span(const_cast<char**>(words.data()), words.size()));
    };
    EXPECT_FALSE(argv({}).value().readAllWorldFiles);
    EXPECT_TRUE(argv({"veltrano", "--read-all-world-files"}).value().readAllWorldFiles);
    EXPECT_TRUE(
        DesktopArguments::parse(Utf16(3, u"--read-all-world-files")).value().readAllWorldFiles);
    for (const char16_t* wrong :
         {u"", u".", u"--read-all-world-file", u"--read-all-world-filesx",
          u"--READ-ALL-WORLD-FILES", u"-read-all-world-files", u"--read-all-world-files=1",
          u" --read-all-world-files", u"--dry-run", u"--help", u"C:\\Strecke\u00e9"}) {
        EXPECT_FALSE(DesktopArguments::parse(Utf16{u"veltrano.exe", wrong}));
        EXPECT_FALSE(DesktopArguments::parse(Utf16{u"v", u"--read-all-world-files", wrong}));
    }
    // Bytes that are no UTF-8 are one more wrong argument, not a failure of the parse.
    EXPECT_FALSE(argv({"veltrano", "--read-all-world-files", "\xff\xfe"}));

    // The usage names the program as typed on each system.
    EXPECT_EQ(DesktopArguments::usage(u"veltrano.exe")
                  .rfind(u"Usage: veltrano.exe [--read-all-world-files]\r\n", 0),
              0u);
}

}  // namespace
}  // namespace veltrano::test
