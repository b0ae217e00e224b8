// The route check and the start-up test for world files, one case per file in
// tests/golden/route-check/: the route folder, the language, whether the start-up notice is
// shown, the message the user gets (none when the section is absent) and the route's name.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "app/FolderListing.h"
#include "app/RouteFolderCheck.h"
#include "app/WorldFileTest.h"
#include "platform/TextCodec.h"
#include "tests/support/Golden.h"
#include "tests/support/RecordingProgramControl.h"
#include "tests/support/TempRoute.h"

namespace veltrano::test {
namespace {

class RouteCheckCase : public ::testing::TestWithParam<std::string> {};

TEST_P(RouteCheckCase, MessageAndEndOfTheCase) {
    const std::vector<GoldenSection> sections = caseSections(
        "route-check/" + GetParam() + ".txt", {"usable-route", "options", "message", "route-name"});
    TempRoute route;
    TempRoute outside;
    RunState state;
    state.gstrRoutePath = route.path();
    bool notice = false;
    for (const GoldenSection& section : sections) {
        const std::string& kind = section.head.at(0);
        if (kind == "usable-route") {
            route.makeUsableRoute();
        } else if (kind == "options") {
            for (std::size_t i = 1; i < section.head.size(); ++i) {
                if (section.head[i] != "de" && section.head[i] != "notice") {
                    throw std::invalid_argument("unknown option \"" + section.head[i] + "\"");
                }
                state.gstrLanguage = section.head[i] == "de" ? "deutsch" : state.gstrLanguage;
                notice = notice || section.head[i] == "notice";
            }
        } else {
            buildRoute(route, outside, section);
        }
    }
    FileSystem fileSystem;
    FolderListing listing(fileSystem);
    RecordingProgramControl program;
    const bool passed =
        RouteFolderCheck(state, listing, fileSystem, program).subCheckRouteFolder(notice) &&
        WorldFileTest(state, listing, fileSystem, program).passes();

    std::string messages;
    for (const std::u16string& message : program.messages) {
        messages += TextCodec::toUtf8(message) + "\n@@\n";
    }
    std::string expected;
    for (const GoldenSection& section : sections) {
        if (section.head.at(0) == "message") {
            expected += section.lines + "@@\n";
        } else if (section.head.at(0) == "route-name") {
            EXPECT_EQ(TextCodec::toUtf8(state.gstrRouteName), section.head.at(1));
        }
    }
    EXPECT_TRUE(sameLines(expected, messages));
    EXPECT_EQ(program.endStatus, passed ? -1 : 2);
}

INSTANTIATE_TEST_SUITE_P(Golden, RouteCheckCase, ::testing::ValuesIn(goldenCases("route-check")),
                         caseName);

}  // namespace
}  // namespace veltrano::test
