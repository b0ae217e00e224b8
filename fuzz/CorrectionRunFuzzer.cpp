// Fuzzed track files and world files through a whole correction run on disk: the run never
// finds the folder unusable, always ends in order, and leaves each track file as it was or
// rewritten as UTF-16LE beside a backup holding its old bytes; a dry run writes nothing.
//
// Input: one byte of options (bit 0 change all, bits 1-3 fill level, bit 4 German, bit 5 dry
// run, bit 6 read all world files), then the .tdb bytes, "\n====\n", the .tit bytes, and for
// each world file "\n====\n", its name, LF and its bytes.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BackupFolders.h"
#include "engine/CorrectionRun.h"
#include "fuzz/FuzzCheck.h"
#include "platform/TextCodec.h"
#include "tests/support/FakeRunHost.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TempRoute.h"

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::string_view kSeparator = "\n====\n";
    std::vector<std::string_view> pieces;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (std::size_t cut; (cut = rest.find(kSeparator)) != std::string_view::npos;
         rest.remove_prefix(cut + kSeparator.size())) {
        pieces.push_back(rest.substr(0, cut));
    }
    pieces.push_back(rest);
    if (pieces.size() < 2 || pieces[0].empty()) {
        return 0;
    }
    veltrano::test::TempRoute route;
    route.makeUsableRoute("R");
    const std::string oldTdb(pieces[0].substr(1));
    const std::string oldTit(pieces[1]);
    route.writeBytes("R.tdb", oldTdb);
    route.writeBytes("R.tit", oldTit);
    for (std::size_t i = 2; i < pieces.size(); ++i) {
        const std::size_t lineEnd = pieces[i].find('\n');
        const std::string_view name = pieces[i].substr(0, lineEnd);
        // A name that stays inside the WORLD folder.
        if (lineEnd != std::string_view::npos && !name.empty() && name.size() < 100 &&
            name != "." && name != ".." && name != "WORLD" &&
            name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos) {
            route.writeBytes("WORLD/" + std::string(name), pieces[i].substr(lineEnd + 1));
        }
    }

    veltrano::RunState state;
    const bool german = (data[0] & 16) != 0;
    state.gstrLanguage = german ? "deutsch" : "english";
    state.gstrSaveFolder = veltrano::BackupFolders::forLanguage(german);
    state.gvarFuellstand = ((data[0] >> 1) & 7) % 5;
    state.gstrRoutePath = route.path();
    veltrano::FileSystem fileSystem;
    veltrano::test::FakeRunHost host(state, fileSystem);
    host.changeAll = data[0] & 1;
    veltrano::test::FixedClock clock;
    const veltrano::RunOptions options{(data[0] & 32) != 0, (data[0] & 64) != 0};
    const veltrano::RunResult result =
        veltrano::CorrectionRun(state, host, fileSystem, clock, options).run();

    FUZZ_CHECK(result.outcome != veltrano::RunOutcome::RouteFolderUnusable);
    FUZZ_CHECK(!state.gblnRunning);
    FUZZ_CHECK(state.gstrProtokoll.text().starts_with(std::u16string(151, u'=') + u"\r\n"));
    const std::string backups = veltrano::TextCodec::toUtf8(state.gstrSaveFolder);
    for (const auto& [name, old] : {std::pair{"R.tdb", oldTdb}, std::pair{"R.tit", oldTit}}) {
        const std::string now = route.readBytes(name);
        if (now == old) {
            continue;
        }
        FUZZ_CHECK(!options.dryRun && now.starts_with("\xFF\xFE"));  // rewritten as UTF-16LE
        FUZZ_CHECK(
            std::ranges::any_of(route.list(backups), [&, &was = old](const std::string& copy) {
                return route.readBytes(backups + "/" + copy) == was;
            }));
    }
    FUZZ_CHECK(!options.dryRun || !fs::exists(route.pathOf(backups)));
    return 0;
}
