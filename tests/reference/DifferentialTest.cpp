// The engine against the reference: on every generated and spoilt route, both must leave the
// same protocol, the same track files and the same backups, byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "platform/TextCodec.h"
#include "tests/reference/DifferentialCase.h"

namespace veltrano::reference {
namespace {

namespace fs = std::filesystem;

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value == nullptr ? fallback : std::strtoull(value, nullptr, 10);
}

// One folder for all cases, in memory when the machine has one: the engine flushes every file
// it writes to disk, and thousands of flushes to a real disk would take minutes.
class ScratchFolder {
  public:
    ScratchFolder() {
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "veltrano-differential-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a scratch folder");
        }
        m_path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    const std::string& path() const { return m_path; }

  private:
    std::string m_path;
};

std::vector<std::string> lines(const std::u16string& protocol) {
    std::vector<std::string> result;
    const std::string text = TextCodec::toUtf8(protocol);
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            result.push_back(text.substr(at));
            break;
        }
        result.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return result;
}

// Where two protocols part, in words; empty when they are equal.
std::string protocolDifference(const std::u16string& expected, const std::u16string& actual) {
    if (expected == actual) {
        return {};
    }
    const std::vector<std::string> want = lines(expected);
    const std::vector<std::string> got = lines(actual);
    std::size_t line = 0;
    while (line < want.size() && line < got.size() && want[line] == got[line]) {
        ++line;
    }
    return "protocol line " + std::to_string(line + 1) + ":\n  reference: [" +
           (line < want.size() ? want[line] : "(none)") + "]\n  engine:    [" +
           (line < got.size() ? got[line] : "(none)") + "]";
}

std::string describe(const DifferentialCase& input) {
    return "case seed " + std::to_string(input.seed) + " (" + input.kind + ", route " +
           input.routeId + ", " + input.settings.language + ", fill level " +
           std::to_string(input.settings.fillLevel) + ", change all " +
           std::to_string(input.settings.changeAll) +
           "); repeat it with VELTRANO_DIFFERENTIAL_SEED=" + std::to_string(input.seed) +
           " VELTRANO_DIFFERENTIAL_CASES=1";
}

// What the cases exercised, so a generator that drifts into trivial routes is noticed.
struct Coverage {
    int cases = 0;
    int rewritten = 0;     // a backup was made
    int recordLines = 0;   // the .tdb pass reported a changed record
    int problemLines = 0;  // a "*** ..." line
    int fileErrors = 0;
    int missingWorld = 0;
    int compressedWorld = 0;
    int nothingToChange = 0;

    void count(const RunRecord& record) {
        const std::string protocol = TextCodec::toUtf8(record.protocol);
        ++cases;
        for (const std::string& folder : record.route.folders) {
            if (folder.rfind("_Save", 0) == 0) {
                ++rewritten;
                break;
            }
        }
        recordLines += protocol.find(" changed to PickupTrItemData") != std::string::npos ||
                       protocol.find(" ge\u00e4ndert in PickupTrItemData") != std::string::npos;
        problemLines += protocol.find("*** ") != std::string::npos;
        fileErrors += record.fileError;
        missingWorld += protocol.find(" not found!") != std::string::npos ||
                        protocol.find(" nicht gefunden!") != std::string::npos;
        compressedWorld += protocol.find("compressed, therefore") != std::string::npos ||
                           protocol.find("ist kommprimiert") != std::string::npos;
        nothingToChange += protocol.find("No need to make any change.") != std::string::npos ||
                           protocol.find("keine \u00c4nderungen vorgenommen") != std::string::npos;
    }
};

// Runs the engine and the reference on `input` and fails on the first difference.
void expectSameRun(const DifferentialCase& input, const std::string& folder, Coverage& coverage,
                   RunRecord& engine) {
    engine = input.runEngine(folder);
    const RunRecord reference = input.runReference(folder);
    ASSERT_FALSE(engine.routeFolderUnusable)
        << "the generated route must pass the route check: " << describe(input);
    const std::string protocol = protocolDifference(reference.protocol, engine.protocol);
    ASSERT_TRUE(protocol.empty()) << protocol << "\n" << describe(input);
    const std::string files = RouteSnapshot::difference(reference.route, engine.route);
    ASSERT_TRUE(files.empty()) << files << "\n" << describe(input);
    ASSERT_EQ(reference.fileError, engine.fileError) << describe(input);
    coverage.count(reference);
}

TEST(EngineAgainstReference, SameProtocolFilesAndBackupsOnGeneratedAndSpoiltRoutes) {
    const std::uint64_t cases = fromEnvironment("VELTRANO_DIFFERENTIAL_CASES", 1500);
    const std::uint64_t firstSeed = fromEnvironment("VELTRANO_DIFFERENTIAL_SEED", 1);
    ScratchFolder folder;
    Coverage coverage;
    for (std::uint64_t seed = firstSeed; seed < firstSeed + cases; ++seed) {
        DifferentialCase input = DifferentialCase::make(seed);
        RunRecord engine;
        expectSameRun(input, folder.path(), coverage, engine);
        if (HasFatalFailure()) {
            return;
        }
        // Now and then a second run over what the first one left: UTF-16 files written by
        // the run, a backup folder that exists, a backup name taken in the same second.
        if (seed % 6 == 0) {
            input.route = engine.route;
            input.kind += ", second run";
            expectSameRun(input, folder.path(), coverage, engine);
            if (HasFatalFailure()) {
                return;
            }
        }
    }
    if (cases >= 1000) {
        // The inputs must reach every kind of outcome often, not only quiet runs.
        EXPECT_GT(coverage.rewritten, coverage.cases / 5);
        EXPECT_GT(coverage.recordLines, coverage.cases / 6);
        EXPECT_GT(coverage.problemLines, coverage.cases / 20);
        EXPECT_GT(coverage.fileErrors, coverage.cases / 100);
        EXPECT_GT(coverage.missingWorld, coverage.cases / 20);
        EXPECT_GT(coverage.compressedWorld, coverage.cases / 20);
        EXPECT_GT(coverage.nothingToChange, coverage.cases / 10);
    }
    std::cout << coverage.cases << " runs compared: " << coverage.rewritten << " rewrote files, "
              << coverage.recordLines << " reported changed records, " << coverage.problemLines
              << " had *** lines, " << coverage.fileErrors << " ended on a file error, "
              << coverage.missingWorld << " missed a world file, " << coverage.compressedWorld
              << " met a compressed one, " << coverage.nothingToChange << " changed nothing\n";
}

// Track records for the hand-made cases: `tail` follows the id line.
std::string trackRecord(const std::string& id, const std::string& tail) {
    return "\tPickupItem (\r\n\t\tTrItemId ( " + id +
           " )\r\n\t\tTrItemRData ( 1 2 3 -5678 14567 )\r\n" + tail;
}

std::string worldPickup(const std::string& type, const std::string& capacity,
                        const std::string& id) {
    return "\tPickup (\r\n\t\tPickupType ( " + type + " 0 )\r\n\t\tPickupCapacity ( " + capacity +
           " 0 )\r\n\t\tTrItemId ( 0 " + id + " )\r\n\t\tPosition ( 1 2 3 )\r\n\t)\r\n";
}

DifferentialCase handMade(const std::string& kind, const std::string& records,
                          const std::string& pickups) {
    DifferentialCase input;
    input.kind = kind;
    input.routeId = "TESTROUTE";
    input.route.folders.insert("WORLD");
    input.route.files["Route.trk"] = "Tr_RouteFile (\r\n\tRouteID ( TESTROUTE )\r\n)\r\n";
    const std::string track =
        "SIMISA@@@@@@@@@@JINX0T0t______\r\n\r\nTrackDB (\r\n" + records + ")\r\n";
    input.route.files["TESTROUTE.tit"] =
        TextCodec::encodeUtf16LeWithBom(TextCodec::fromUtf8(track));
    input.route.files["TESTROUTE.tdb"] = input.route.files["TESTROUTE.tit"];
    input.route.files["WORLD/w-005678+014567.w"] =
        "SIMISA@@@@@@@@@@JINX0w0t______\r\n\r\nTr_Worldfile (\r\n" + pickups + ")\r\n";
    return input;
}

TEST(EngineAgainstReference, HandMadeRoutesThatTrickAnIndexedSearch) {
    const std::string zeroField = "\t\tPickupTrItemData ( 0 00000000 )\r\n\t)\r\n";
    const std::vector<DifferentialCase> inputs = {
        // A field without ")" runs on into the next record and swallows its id text; once it
        // is rewritten, that id is no longer in the text.
        handMade(
            "swallowed id text",
            trackRecord("1", "\t\tPickupTrItemData ( 0 00000000\r\n") + trackRecord("7", zeroField),
            worldPickup("5", "100", "1") + worldPickup("6", "200", "7")),
        // A record without a field: its search walks into the next record's field, which an
        // earlier pickup has already rewritten.
        handMade("field rewritten before",
                 trackRecord("1", "\t)\r\n") + trackRecord("7", zeroField),
                 worldPickup("5", "100", "7") + worldPickup("6", "200", "1")),
        // Ids that are prefixes and suffixes of each other, and one repeated.
        handMade("near ids",
                 trackRecord("17", zeroField) + trackRecord("1", zeroField) +
                     trackRecord("117", zeroField) + trackRecord("7", zeroField),
                 worldPickup("2", "10", "7") + worldPickup("3", "20", "17") +
                     worldPickup("4", "30", "17") + worldPickup("1", "40", "1")),
        // Keywords inside other words and in odd letter case.
        handMade("keywords in words",
                 trackRecord("3", "\t\tMyPickupTrItemDataX ( 0 00000000 )\r\n\t)\r\n") +
                     trackRecord("4", "\t\tpickupTRITEMdata ( 0 00000000 )\r\n\t)\r\n"),
                 worldPickup("7", "5", "3") + worldPickup("8", "6", "4")),
        // A stray keyword without ")" before a record: its field ends in the next id text.
        handMade("stray keyword before a record",
                 trackRecord("5", "\t\tPickupTrItemData ( 0 00000000 )\r\n\t)\r\n") +
                     "PickupTrItemData ( 9 " + trackRecord("6", zeroField),
                 worldPickup("5", "1", "6") + worldPickup("5", "2", "5")),
    };
    ScratchFolder folder;
    for (int changeAll = 0; changeAll < 2; ++changeAll) {
        for (DifferentialCase input : inputs) {
            input.settings.changeAll = changeAll;
            Coverage coverage;
            RunRecord engine;
            expectSameRun(input, folder.path(), coverage, engine);
            if (HasFatalFailure()) {
                return;
            }
            EXPECT_EQ(coverage.rewritten, 1) << input.kind;
        }
    }
}

TEST(EngineAgainstReference, DemoRouteInEveryLanguageFillLevelAndChangeAllSetting) {
    const std::string demo = std::string(std::getenv("VELTRANO_SOURCE_DIR") != nullptr
                                             ? std::getenv("VELTRANO_SOURCE_DIR")
                                             : "../..") +
                             "/examples/demo-route";
    ASSERT_TRUE(fs::is_directory(demo)) << demo;
    ScratchFolder folder;
    Coverage coverage;
    DifferentialCase input;
    input.kind = "demo route";
    input.routeId = "Demo";
    input.route = RouteSnapshot::take(demo);
    for (const char* language : {"english", "deutsch"}) {
        for (int fillLevel = 0; fillLevel < 5; ++fillLevel) {
            for (int changeAll = 0; changeAll < 2; ++changeAll) {
                input.settings.language = language;
                input.settings.fillLevel = fillLevel;
                input.settings.changeAll = changeAll;
                RunRecord engine;
                expectSameRun(input, folder.path(), coverage, engine);
                if (HasFatalFailure()) {
                    return;
                }
            }
        }
    }
    EXPECT_EQ(coverage.rewritten, 20);
    EXPECT_EQ(coverage.missingWorld, 20);
    EXPECT_EQ(coverage.compressedWorld, 20);
}

}  // namespace
}  // namespace veltrano::reference
