#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop/DesktopArguments.h"

namespace veltrano::test {
namespace {

// Only the exact option, any number of times, and nothing else.
TEST(DesktopArguments, TakesOnlyTheExactOptionInEitherEncoding) {
    using Utf8 = std::vector<std::string>;
    using Utf16 = std::vector<std::u16string>;
    const auto readsAll = [](const std::optional<RunOptions>& options) {
        return options && options->readAllWorldFiles && !options->dryRun;
    };
    ASSERT_TRUE(DesktopArguments::parse(Utf8{}));
    EXPECT_FALSE(DesktopArguments::parse(Utf8{})->readAllWorldFiles);
    EXPECT_TRUE(readsAll(DesktopArguments::parse(Utf8{"--read-all-world-files"})));
    EXPECT_TRUE(readsAll(DesktopArguments::parse(Utf16{u"--read-all-world-files"})));
    EXPECT_TRUE(readsAll(
        DesktopArguments::parse(Utf16{u"--read-all-world-files", u"--read-all-world-files"})));

    for (const char16_t* wrong :
         {u"", u".", u"--read-all-world-file", u"--read-all-world-filesx",
          u"--READ-ALL-WORLD-FILES", u"-read-all-world-files", u"--read-all-world-files=1",
          u" --read-all-world-files", u"--dry-run", u"--help", u"C:\\Strecke\u00e9"}) {
        const std::u16string text(wrong);
        EXPECT_FALSE(DesktopArguments::parse(Utf16{text})) << std::string(text.begin(), text.end());
        EXPECT_FALSE(DesktopArguments::parse(Utf16{u"--read-all-world-files", text}));
    }
    // Bytes that are no UTF-8 are one more wrong argument, not a failure of the parse.
    EXPECT_FALSE(DesktopArguments::parse(Utf8{"--read-all-world-files", "\xff\xfe"}));
    EXPECT_FALSE(
        DesktopArguments::parse(Utf8{"--r\xc3\xa9"
                                     "ad-all-world-files"}));
}

TEST(DesktopArguments, UsageNamesTheProgramAsTypedAndItsOption) {
    EXPECT_EQ(DesktopArguments::usage(u"veltrano.exe")
                  .rfind(u"Usage: veltrano.exe [--read-all-world-files]\r\n", 0),
              0u);
    EXPECT_EQ(DesktopArguments::usage(u"veltrano").rfind(u"Usage: veltrano [", 0), 0u);
    EXPECT_EQ(DesktopArguments::kExitUsage, 64);
}

}  // namespace
}  // namespace veltrano::test
