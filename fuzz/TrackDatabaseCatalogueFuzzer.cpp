// Any bytes as a track database: phase 1 counts its records and names world files that are
// always well formed and never repeated, and fctWorldFileName accepts any cut text.

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "engine/RunContext.h"
#include "engine/TdbPickupCatalogue.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/MemoryFileSystem.h"
#include "fuzz/QuietRunHost.h"
#include "platform/TextCodec.h"

namespace {

// w, sign and six characters, sign and six characters, ".w": 17 characters in all.
bool isWorldFileName(const std::u16string& name) {
    return name.size() == 17 && name[0] == u'w' && (name[1] == u'+' || name[1] == u'-') &&
           (name[8] == u'+' || name[8] == u'-') && name.substr(15) == u".w";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    veltrano::fuzz::MemoryFileSystem fileSystem;
    fileSystem.addFolder("/route");
    fileSystem.addFile("/route/R.tdb", bytes);
    veltrano::RunState state;
    state.gstrRoutePath = "/route";
    state.gstrRouteName = u"R";
    state.garrWorldFiles = {u""};
    veltrano::fuzz::QuietRunHost host;
    veltrano::Clock clock;
    veltrano::RunContext context{state, host, fileSystem, clock, {}, {}};

    double count = 0;
    FUZZ_CHECK(veltrano::TdbPickupCatalogue(context).subCollectTdbPickups(count));
    FUZZ_CHECK(state.garrWorldFiles.size() >= 1 && state.garrWorldFiles[0].empty());
    FUZZ_CHECK(static_cast<double>(state.garrWorldFiles.size() - 1 + context.problems.size()) <=
               count);
    std::set<std::u16string> seen;
    for (std::size_t i = 1; i < state.garrWorldFiles.size(); ++i) {
        FUZZ_CHECK(isWorldFileName(state.garrWorldFiles[i]));
        FUZZ_CHECK(seen.insert(state.garrWorldFiles[i]).second);
    }

    const std::u16string text = veltrano::TextCodec::decodeWholeFile(bytes);
    FUZZ_CHECK(isWorldFileName(veltrano::TdbPickupCatalogue::fctWorldFileName(text)));
    return 0;
}
