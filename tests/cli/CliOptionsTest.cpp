#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/CliProgram.h"

namespace veltrano {
namespace {

CliOptions parsed(const std::vector<std::string>& arguments) {
    CliOptions options;
    std::string error;
    EXPECT_TRUE(CliOptions::parse(arguments, options, error)) << error;
    return options;
}

TEST(CliOptionsTest, DefaultsAreAnEnglishRunInTheCurrentFolder) {
    const CliOptions options = parsed({});
    EXPECT_EQ(options.action, CliOptions::Action::Run);
    EXPECT_FALSE(options.german);
    EXPECT_EQ(options.fillLevel, 0);
    EXPECT_FALSE(options.changeAll || options.dryRun || options.newestFirst ||
                 options.readAllWorldFiles);
    EXPECT_EQ(options.routeDir, "");
}

TEST(CliOptionsTest, EveryOptionReachesItsField) {
    const CliOptions options =
        parsed({"--lang", "de", "--fill-level", "4", "--change-all", "--dry-run", "--newest-first",
                "--read-all-world-files", "/routes/Demo"});
    EXPECT_TRUE(options.german);
    EXPECT_EQ(options.fillLevel, 4);
    EXPECT_TRUE(options.changeAll && options.dryRun && options.newestFirst &&
                options.readAllWorldFiles);
    EXPECT_EQ(options.routeDir, "/routes/Demo");

    EXPECT_FALSE(parsed({"--lang=de", "--lang=en"}).german);  // the last one counts
    EXPECT_EQ(parsed({"--fill-level=0"}).fillLevel, 0);
    EXPECT_EQ(parsed({"--fill-level", "3", "Route"}).routeDir, "Route");
    // After "--" a folder name may start with a dash.
    EXPECT_EQ(parsed({"--", "-odd"}).routeDir, "-odd");
    EXPECT_EQ(parsed({"-"}).routeDir, "-");
}

TEST(CliOptionsTest, HelpAndVersionEndTheReading) {
    EXPECT_EQ(parsed({"--help", "--bogus"}).action, CliOptions::Action::ShowHelp);
    EXPECT_EQ(parsed({"Route", "--version", "x", "y"}).action, CliOptions::Action::ShowVersion);
}

// Each of these is a bad command line: exit status 64, the reason and the usage on stderr,
// nothing on stdout.
TEST(CliOptionsTest, BadCommandLinesExitWith64AndUsage) {
    const std::vector<std::vector<std::string>> badLines = {
        {"--fill-level", "5"},
        {"--fill-level", "-1"},
        {"--fill-level", "04"},
        {"--fill-level=2x"},
        {"--fill-level="},
        {"--fill-level"},
        {"--lang", "fr"},
        {"--lang", "EN"},
        {"--lang"},
        {"--verbose"},
        {"-x"},
        {"--read-all-world-files=1"},
        {"--change-all=1"},
        {"RouteA", "RouteB"},
        {""},
        {"--bogus", "--help"},
    };
    for (const auto& arguments : badLines) {
        std::string joined;
        for (const auto& argument : arguments) {
            joined += "[" + argument + "]";
        }
        CliOptions options;
        std::string error;
        EXPECT_FALSE(CliOptions::parse(arguments, options, error)) << joined;
        EXPECT_FALSE(error.empty()) << joined;

        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(CliProgram(out, err, false).run(arguments), 64) << joined;
        EXPECT_EQ(out.str(), "") << joined;
        EXPECT_NE(err.str().find(error), std::string::npos) << joined;
        EXPECT_NE(err.str().find(CliOptions::usage()), std::string::npos) << joined;
    }
}

TEST(CliOptionsTest, HelpAndVersionPrintToStdout) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(CliProgram(out, err, true).run({"--version"}), 0);
    EXPECT_EQ(out.str(), "veltrano-cli 1.4.2\n");

    out.str("");
    EXPECT_EQ(CliProgram(out, err, true).run({"--help"}), 0);
    EXPECT_EQ(out.str().rfind(CliOptions::usage(), 0), 0u);
    EXPECT_NE(out.str().find("--fill-level"), std::string::npos);
    EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace veltrano
