#include "tests/reference/DifferentialCase.h"

#include <array>
#include <utility>

#include "engine/CorrectionRun.h"
#include "engine/RunState.h"
#include "platform/FileSystem.h"
#include "tests/reference/ReferenceRun.h"
#include "tests/reference/RouteMutator.h"
#include "tests/support/FakeRunHost.h"
#include "tests/support/FixedClock.h"

namespace veltrano::reference {

namespace {

using bench::RouteFile;
using bench::TextEncoding;

std::uint64_t below(std::mt19937_64& random, std::uint64_t bound) {
    return random() % bound;
}

template <typename List>
const auto& pick(std::mt19937_64& random, const List& list) {
    return list[below(random, list.size())];
}

TextEncoding anyEncoding(std::mt19937_64& random) {
    static const std::array<TextEncoding, 5> kEncodings = {
        TextEncoding::Utf16Le, TextEncoding::Utf16Le, TextEncoding::Utf16Be, TextEncoding::Utf8,
        TextEncoding::Windows1252};
    return pick(random, kEncodings);
}

// Ids that are prefixes, suffixes and near-copies of each other.
const std::array<const char*, 12> kIds = {"1",  "7", "17", "71", "117", "170",
                                          "10", "0", "3",  "12", "x",   "1a"};

struct PieceTile {
    const char* numbers;
    const char* worldFile;
};
const std::array<PieceTile, 3> kTiles = {{{"-5678 14567", "w-005678+014567.w"},
                                          {"-5677 14567", "w-005677+014567.w"},
                                          {"5 -3", "w+000005-000003.w"}}};

std::string trackRecord(std::mt19937_64& random, const std::string& indent, const std::string& nl) {
    static const std::array<const char*, 8> kFields = {
        "PickupTrItemData ( 0 00000000 )",    "PickupTrItemData ( 0 00000000 )",
        "PickupTrItemData ( 5000 00001300 )", "pickuptritemdata ( 0 00000000 )",
        "PICKUPTRITEMDATA ( 1 00000000 )",    "",
        "PickupTrItemData ( 0 00000000",      "PickupTrItemData ( 20000 00000280 )"};
    static const std::array<const char*, 4> kKinds = {"PickupItem", "PickupItem", "PickupItem",
                                                      "SignalItem"};
    const std::string id = pick(random, kIds);
    std::string idLine = "TrItemId ( " + id + " )";
    if (below(random, 10) == 0) {
        idLine = below(random, 2) == 0 ? "TrItemId (" + id + ")" : "TrItemId ( 0 " + id + " )";
    }
    const std::string kind = pick(random, kKinds);
    std::string record = indent + kind + " (" + nl + indent + "\t" + idLine + nl + indent +
                         "\tTrItemSData ( 1 00000002 )" + nl;
    if (below(random, 12) != 0) {
        record += indent + "\tTrItemRData ( 1.5 2 -3 " + pick(random, kTiles).numbers + " )" + nl;
    }
    const std::string field = kind == std::string("SignalItem") ? "" : pick(random, kFields);
    if (!field.empty()) {
        record += indent + "\t" + field + nl;
    }
    // Without its own ")" a record lets an open field run on into the next record's id text.
    const bool openField = !field.empty() && field.back() != ')';
    return below(random, openField ? 2 : 8) == 0 ? record : record + indent + ")" + nl;
}

std::string worldPickup(std::mt19937_64& random, const std::string& nl) {
    static const std::array<const char*, 11> kTypes = {"1", "2", "3", "4", "5", "6",
                                                       "7", "8", "9", "P", "5"};
    static const std::array<const char*, 5> kCapacities = {"5000 0", "0 0", "20000 0.5", "7",
                                                           "7.5 1"};
    std::vector<std::string> lines = {
        "\t\tUiD ( 3 )",
        std::string("\t\tPickupType ( ") + pick(random, kTypes) + " 0 )",
        std::string("\t\tPickupCapacity ( ") + pick(random, kCapacities) + " )",
        std::string("\t\tTrItemId ( 0 ") + pick(random, kIds) + " )",
        "\t\tPosition ( 12.5 0.2 -301.7 )",
        "\t\tQDirection ( 0 0 0 1 )",
    };
    if (below(random, 8) == 0) {
        std::swap(lines[3], lines[4]);  // Position before TrItemId: the id stays empty
    }
    if (below(random, 10) == 0) {
        lines.erase(lines.begin() + static_cast<long>(1 + below(random, 4)));
    }
    std::string text = "\tPickup (" + nl;
    for (const std::string& line : lines) {
        text += line + nl;
    }
    return text + "\t)" + nl;
}

}  // namespace

std::vector<RouteFile> DifferentialCase::generatedRoute(std::mt19937_64& random,
                                                        const std::string& routeId) {
    bench::RouteSettings settings;
    settings.routeId = routeId;
    settings.seed = random();
    settings.trackItems = below(random, 10) == 0 ? 150 + below(random, 250) : 1 + below(random, 60);
    settings.pickups = below(random, std::min<std::uint64_t>(settings.trackItems, 16) + 1);
    settings.tiles = 1 + below(random, 4);
    settings.worldFileBytes = 100 + below(random, 3000);
    static const std::array<double, 4> kShares = {0.0, 0.5, 0.8, 1.0};
    settings.zeroShare = pick(random, kShares);
    settings.tdbEncoding = anyEncoding(random);
    settings.titEncoding = anyEncoding(random);
    settings.crLf = below(random, 3) != 0;
    settings.missingWorldFiles = below(random, 4) == 0 ? 1 : 0;
    settings.compressedWorldFiles = below(random, 4) == 0 ? 1 : 0;
    std::vector<RouteFile> files;
    bench::RouteGenerator(settings).generate(
        [&](RouteFile&& file) { files.push_back(std::move(file)); });
    return files;
}

std::vector<RouteFile> DifferentialCase::pieceRoute(std::mt19937_64& random,
                                                    const std::string& routeId) {
    const std::string nl = below(random, 3) == 0 ? "\n" : "\r\n";
    auto trackText = [&](const char* header, const char* table, const std::string& indent) {
        std::string text = std::string(header) + nl + nl + table + " ( 9" + nl;
        for (std::uint64_t r = below(random, 12); r > 0; --r) {
            text += trackRecord(random, indent, nl);
        }
        return text + ")" + nl;
    };
    std::vector<RouteFile> files;
    files.push_back({routeId + ".trk",
                     "SIMISA@@@@@@@@@@JINX0r1t______" + nl + nl + "Tr_RouteFile (" + nl +
                         "\tRouteID ( " + routeId + " )" + nl + ")" + nl,
                     TextEncoding::Windows1252});
    const std::string database =
        trackText("SIMISA@@@@@@@@@@JINX0T0t______", "TrackDB (\tTrItemTable", "\t\t");
    // Mostly the same records in both files, as a route has them; sometimes others.
    const std::string itemTable =
        below(random, 3) == 0 ? trackText("SIMISA@@@@@@@@@@JINX0I0t______", "TrItemTable", "\t")
                              : database;
    files.push_back({routeId + ".tit", itemTable, anyEncoding(random)});
    files.push_back({routeId + ".tdb", database, anyEncoding(random)});
    for (const PieceTile& tile : kTiles) {
        if (below(random, 5) == 0) {
            continue;  // a missing world file
        }
        std::string text = "SIMISA@@@@@@@@@@JINX0w0t______" + nl + nl + "Tr_Worldfile (" + nl;
        for (std::uint64_t p = below(random, 6); p > 0; --p) {
            if (below(random, 2) == 0) {
                text += "\tStatic (" + nl + "\t\tPosition ( 1 2 3 )" + nl + "\t)" + nl;
            }
            text += worldPickup(random, nl);
        }
        files.push_back(
            {std::string("WORLD/") + tile.worldFile, text + ")" + nl, TextEncoding::Windows1252});
    }
    return files;
}

DifferentialCase DifferentialCase::make(std::uint64_t seed) {
    std::mt19937_64 random(seed);
    static const std::array<const char*, 3> kRouteIds = {"TESTROUTE", "Alps 2", "r7"};
    DifferentialCase result;
    result.seed = seed;
    result.routeId = pick(random, kRouteIds);

    std::vector<RouteFile> files;
    int mutations = 0;
    if (below(random, 2) == 0) {
        result.kind = "generated";
        files = generatedRoute(random, result.routeId);
        mutations = below(random, 3) == 0 ? 0 : 1 + static_cast<int>(below(random, 8));
    } else {
        result.kind = "pieces";
        files = pieceRoute(random, result.routeId);
        mutations = static_cast<int>(below(random, 5));
    }
    RouteMutator mutator(random());
    mutator.mutateTexts(files, mutations);
    result.route.folders.insert("WORLD");
    for (const RouteFile& file : files) {
        result.route.files[file.relativePath] = bench::RouteGenerator::encode(file);
    }
    if (below(random, 12) == 0) {
        mutator.mutateFolder(result.route, result.routeId);
        result.kind += "+folder";
    }
    result.kind += " with " + std::to_string(mutations) + " text changes";

    ReferenceSettings& settings = result.settings;
    settings.language = below(random, 2) == 0 ? "deutsch" : "english";
    settings.fillLevel = static_cast<int>(below(random, 5));
    settings.changeAll = static_cast<int>(below(random, 2));
    switch (below(random, 10)) {
        case 0:
            // Blanks only: the box counts as empty and the earlier protocol is dropped.
            settings.protocolBoxText = u"   ";
            settings.earlierProtocol = u"an old run\r\n";
            break;
        case 1:
            settings.protocolBoxText = u"\r\n";
            settings.earlierProtocol = u"\r\n";
            break;
        case 2:
            settings.protocolBoxText = u"earlier protocol\r\n";
            settings.earlierProtocol = u"earlier protocol\r\n";
            break;
        default:
            break;
    }
    return result;
}

RunRecord DifferentialCase::runEngine(const std::string& folder) const {
    route.writeInto(folder);
    RunState state;
    state.gstrRoutePath = folder;
    state.gstrLanguage = settings.language;
    state.gstrSaveFolder = state.isGerman() ? u"_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur"
                                            : u"_Saved_tdb_und_tit_files_before_pickup_correction";
    state.gvarFuellstand = settings.fillLevel;
    state.gstrProtokoll.assign(settings.earlierProtocol);
    FileSystem fileSystem;
    test::FixedClock clock;
    test::FakeRunHost host(state, fileSystem);
    host.boxText = settings.protocolBoxText;
    host.changeAll = settings.changeAll;

    const RunResult result = CorrectionRun(state, host, fileSystem, clock).run();
    RunRecord record;
    record.protocol = state.gstrProtokoll.text();
    record.fileError = result.outcome == RunOutcome::FileError;
    record.routeFolderUnusable = result.outcome == RunOutcome::RouteFolderUnusable;
    record.route = RouteSnapshot::take(folder);
    return record;
}

RunRecord DifferentialCase::runReference(const std::string& folder) const {
    route.writeInto(folder);
    FileSystem fileSystem;
    test::FixedClock clock;
    const ReferenceOutcome outcome = ReferenceRun(folder, fileSystem, clock, settings).run();
    RunRecord record;
    record.protocol = outcome.protocol;
    record.fileError = outcome.fileError;
    record.route = RouteSnapshot::take(folder);
    return record;
}

}  // namespace veltrano::reference
