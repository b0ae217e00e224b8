#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop/DesktopArguments.h"

namespace veltrano::test {
namespace {

// Only the exact option, any number of times, and nothing else; else the usage.
TEST(DesktopArguments, TakesOnlyTheExactOptionInEitherEncoding) {
    using Utf8 = std::vector<std::string>;
    using Utf16 = std::vector<std::u16string>;
    const auto readsAll = [](const std::optional<RunOptions>& options) {
        return options && options->readAllWorldFiles && !options->dryRun;
    };
    EXPECT_FALSE(DesktopArguments::parse(Utf8{}).value().readAllWorldFiles);
    EXPECT_TRUE(readsAll(DesktopArguments::parse(Utf8{"--read-all-world-files"})));
    EXPECT_TRUE(readsAll(DesktopArguments::parse(Utf16(2, u"--read-all-world-files"))));
    for (const char16_t* wrong :
         {u"", u".", u"--read-all-world-file", u"--read-all-world-filesx",
          u"--READ-ALL-WORLD-FILES", u"-read-all-world-files", u"--read-all-world-files=1",
          u" --read-all-world-files", u"--dry-run", u"--help", u"C:\\Strecke\u00e9"}) {
        EXPECT_FALSE(DesktopArguments::parse(Utf16{wrong}));
        EXPECT_FALSE(DesktopArguments::parse(Utf16{u"--read-all-world-files", wrong}));
    }
    // Bytes that are no UTF-8 are one more wrong argument, not a failure of the parse.
    EXPECT_FALSE(DesktopArguments::parse(Utf8{"--read-all-world-files", "\xff\xfe"}));

    // The usage names the program as typed on each system.
    EXPECT_EQ(DesktopArguments::usage(u"veltrano.exe")
                  .rfind(u"Usage: veltrano.exe [--read-all-world-files]\r\n", 0),
              0u);
    EXPECT_EQ(DesktopArguments::usage(u"veltrano").rfind(u"Usage: veltrano [", 0), 0u);
}

}  // namespace
}  // namespace veltrano::test
