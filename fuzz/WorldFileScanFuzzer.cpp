// Any bytes as a world file: the item reader gives the same items whatever the read blocks,
// no item holds a delimiter, and the scan keeps its four per-pickup arrays in step.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/RunContext.h"
#include "engine/WorldFileScan.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/MemoryFileSystem.h"
#include "fuzz/QuietRunHost.h"
#include "platform/TextCodec.h"
#include "platform/WorldItemReader.h"

namespace {

using veltrano::fuzz::MemoryFileSystem;

const std::string kRoute = "/route";
const std::string kWorldFile = "/route/WORLD/w-000001+000001.w";

std::vector<std::string> itemsOf(MemoryFileSystem& fileSystem) {
    veltrano::WorldItemReader reader(fileSystem);
    FUZZ_CHECK(reader.open(kWorldFile).ok());
    std::vector<std::string> items;
    std::string item;
    while (!reader.atEnd()) {
        FUZZ_CHECK(reader.readItem(item).ok());
        items.push_back(item);
    }
    return items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    // The first byte sets the read block size (1 to 256 bytes), and by its two low bits the
    // language and whether world files stored as UTF-16 or compressed are decoded; the rest is
    // the world file.
    MemoryFileSystem fileSystem;
    fileSystem.addFolder(kRoute);
    fileSystem.addFolder(kRoute + "/WORLD");
    fileSystem.addFile(kWorldFile, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));

    fileSystem.readBlockSize = static_cast<std::size_t>(data[0]) + 1;
    const std::vector<std::string> items = itemsOf(fileSystem);
    fileSystem.readBlockSize = 64 * 1024;
    FUZZ_CHECK(itemsOf(fileSystem) == items);
    for (const std::string& item : items) {
        FUZZ_CHECK(item.find_first_of(",\r\n") == std::string::npos);
        FUZZ_CHECK(item.empty() || (item.front() != ' ' && item.front() != '\t'));
    }

    veltrano::RunState state;
    state.gstrRoutePath = kRoute;
    state.gstrLanguage = (data[0] & 1) != 0 ? "deutsch" : "english";
    state.garrWorldFiles = {u"", u"w-000001+000001.w"};
    veltrano::fuzz::QuietRunHost host;
    veltrano::Clock clock;
    veltrano::RunOptions options;
    options.readAllWorldFiles = (data[0] & 2) != 0;
    veltrano::RunContext context{state, host, fileSystem, clock, options, {}};
    veltrano::WorldFileScan scan(context);
    FUZZ_CHECK(scan.scan());
    FUZZ_CHECK(context.problems.empty());

    const std::size_t pickups = state.garrPickupTrItemId.size();
    FUZZ_CHECK(pickups >= 1);
    FUZZ_CHECK(state.garrPickupType.size() == pickups);
    FUZZ_CHECK(state.garrPickupCapacity.size() == pickups);
    FUZZ_CHECK(state.garrPickupWorldFile.size() == pickups);
    for (std::size_t i = 1; i < pickups; ++i) {
        // What the rewriting relies on: an id holds no blank or parenthesis, a capacity no
        // blank or closing parenthesis, a type at most one character.
        FUZZ_CHECK(state.garrPickupTrItemId[i].find_first_of(u" ()") == std::u16string::npos);
        FUZZ_CHECK(state.garrPickupCapacity[i].find_first_of(u" )") == std::u16string::npos);
        FUZZ_CHECK(state.garrPickupType[i].size() <= 1);
        FUZZ_CHECK(state.garrPickupWorldFile[i] == u"w-000001+000001.w");
    }
    return 0;
}
