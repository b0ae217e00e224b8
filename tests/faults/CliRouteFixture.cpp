#include "tests/faults/CliRouteFixture.h"

#include <algorithm>
#include <utility>

namespace fs = std::filesystem;

namespace veltrano::test {

CliRouteFixture::CliRouteFixture() {
    // Open to everyone, so that a run as an unprivileged user reaches the route.
    fs::permissions(sandbox.path(), fs::perms(0755));
    fs::create_directories(route);
    fs::create_directories(outside);
    sandbox.writeBytes("outside/keep.tdb", "a file beside the route that nobody may touch");
}

void CliRouteFixture::writeRoute(const RouteShape& shape) const {
    GeneratedRoute(shape).writeTo(route);
}

CliResult CliRouteFixture::runOnRoute(std::vector<std::string> arguments) {
    arguments.push_back(route);
    return cli.run(started(std::move(arguments)));
}

void CliRouteFixture::expectOutsideUnchanged() const {
    EXPECT_EQ(snapshotTree(outside), m_outsideBefore) << "a file outside the route changed";
    std::vector<std::string> entries = sandbox.list();
    EXPECT_EQ(entries, (std::vector<std::string>{"outside", "route"})) << "written beside it";
}

std::vector<std::string> CliRouteFixture::backups(const std::string& folder) const {
    if (!fs::exists(fs::path(route) / folder)) {
        return {};
    }
    return sandbox.list("route/" + folder);
}

CliRouteFixture::NewBytes CliRouteFixture::newBytesOfARun(const std::string& routeId,
                                                          std::vector<std::string> arguments) {
    TempRoute copy;
    fs::copy(route, copy.pathOf("route"), fs::copy_options::recursive);
    arguments.push_back(copy.pathOf("route"));
    const CliResult result = cli.run(started(std::move(arguments)));
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    return {copy.readBytes("route/" + routeId + ".tit"),
            copy.readBytes("route/" + routeId + ".tdb")};
}

CliStart started(std::vector<std::string> arguments) {
    CliStart start;
    start.arguments = std::move(arguments);
    return start;
}

bool isUtf8(const std::string& text) {
    // Overlong forms, surrogates and code points above U+10FFFF are not UTF-8 either.
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead < 0x80) {
            length = 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

}  // namespace veltrano::test
