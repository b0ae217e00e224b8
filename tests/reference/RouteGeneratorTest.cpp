// The generated routes must be what the benchmark claims: deterministic, of the asked size,
// and with pickups that a run really finds and rewrites.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "bench/RouteGenerator.h"
#include "engine/CorrectionRun.h"
#include "engine/RunState.h"
#include "platform/TextCodec.h"
#include "tests/support/FakeRunHost.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TempRoute.h"

namespace veltrano::bench {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> inMemory(const RouteSettings& settings) {
    std::map<std::string, std::string> files;
    RouteGenerator(settings).generate(
        [&](RouteFile&& file) { files[file.relativePath] = RouteGenerator::encode(file); });
    return files;
}

std::size_t occurrences(const std::string& text, const std::string& key) {
    std::size_t count = 0;
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
        ++count;
    }
    return count;
}

// One run of the engine on the route; returns its protocol.
std::string runOn(const test::TempRoute& route, const std::string& routeId) {
    RunState state;
    state.gstrRoutePath = route.path();
    FileSystem fileSystem;
    test::FixedClock clock;
    test::FakeRunHost host(state, fileSystem);
    EXPECT_EQ(CorrectionRun(state, host, fileSystem, clock).run().outcome, RunOutcome::Completed)
        << routeId;
    return TextCodec::toUtf8(state.gstrProtokoll.text());
}

std::string decoded(const test::TempRoute& route, const std::string& name) {
    return TextCodec::toUtf8(TextCodec::decodeWholeFile(route.readBytes(name)));
}

TEST(RouteGenerator, TheSameSettingsGiveTheSameBytesAndAnotherSeedOthers) {
    RouteSettings settings;
    settings.seed = 42;
    const auto first = inMemory(settings);
    EXPECT_EQ(first, inMemory(settings));
    settings.seed = 43;
    EXPECT_NE(first, inMemory(settings));
    EXPECT_EQ(first.count("BENCH.trk") + first.count("BENCH.tit") + first.count("BENCH.tdb"), 3u);
}

TEST(RouteGenerator, EveryPickupIsFoundAndRewrittenInEveryEncodingAndLineEnd) {
    const std::pair<TextEncoding, bool> forms[] = {{TextEncoding::Utf16Le, true},
                                                   {TextEncoding::Utf16Be, false},
                                                   {TextEncoding::Utf8, true},
                                                   {TextEncoding::Windows1252, false}};
    for (const auto& [encoding, crLf] : forms) {
        RouteSettings settings;
        settings.seed = 7;
        settings.trackItems = 120;
        settings.pickups = 25;
        settings.tiles = 5;
        settings.zeroShare = 1.0;
        settings.missingWorldFiles = 0;
        settings.compressedWorldFiles = 0;
        settings.tdbEncoding = encoding;
        settings.titEncoding = encoding;
        settings.crLf = crLf;
        test::TempRoute route;
        RouteGenerator(settings).writeTo(route.path());

        const std::string protocol = runOn(route, settings.routeId);
        EXPECT_NE(protocol.find("25 pickups found in tdb file."), std::string::npos);
        EXPECT_EQ(occurrences(protocol, " found in w"), 25u);
        EXPECT_EQ(occurrences(protocol, " changed to PickupTrItemData ( "), 25u);
        EXPECT_EQ(occurrences(decoded(route, "BENCH.tdb"), "PickupTrItemData ( 0 00000000 )"), 0u);
        EXPECT_EQ(occurrences(decoded(route, "BENCH.tit"), "PickupTrItemData ( 0 00000000 )"), 0u);
        EXPECT_EQ(occurrences(decoded(route, "BENCH.tdb"), crLf ? "\r\n" : "\n"),
                  occurrences(decoded(route, "BENCH.tdb"), "\n"));
    }
}

TEST(RouteGenerator, MissingAndCompressedWorldFilesAreReportedAsSuch) {
    RouteSettings settings;
    settings.trackItems = 80;
    settings.pickups = 18;
    settings.tiles = 6;
    settings.missingWorldFiles = 2;
    settings.compressedWorldFiles = 1;
    test::TempRoute route;
    RouteGenerator(settings).writeTo(route.path());

    const std::string protocol = runOn(route, settings.routeId);
    EXPECT_EQ(occurrences(protocol, " not found!"), 2u);
    EXPECT_EQ(occurrences(protocol, " is compressed, therefore not readable!"), 1u);
    // Three pickups per tile, three tiles readable.
    EXPECT_EQ(occurrences(protocol, " found in w"), 9u);
    EXPECT_EQ(route.list("WORLD").size(), 4u);
}

TEST(RouteGenerator, TrackDatabaseAndWorldFilesHaveTheAskedSize) {
    RouteSettings settings;
    settings.trackItems = 500;
    settings.pickups = 50;
    settings.tiles = 5;
    settings.tdbBytes = 2000000;
    settings.worldFileBytes = 20000;
    settings.missingWorldFiles = 0;
    settings.compressedWorldFiles = 0;
    test::TempRoute route;
    RouteGenerator(settings).writeTo(route.path());

    const auto tdbSize = fs::file_size(route.pathOf("BENCH.tdb"));
    EXPECT_GE(tdbSize, 2000000u);
    EXPECT_LT(tdbSize, 2000000u + 10000u);
    for (const std::string& name : route.list("WORLD")) {
        const auto size = fs::file_size(route.pathOf("WORLD/" + name));
        EXPECT_GE(size, 20000u) << name;
        // The pickups go in among the scenery, not on top of the asked size.
        EXPECT_LT(size, 20000u + 1500u) << name;
    }
}

}  // namespace
}  // namespace veltrano::bench
