// Any bytes as the route's .trk: the route check either refuses the folder or reads a RouteID
// whose track files lie in the route folder itself.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "platform/TextCodec.h"
#include "tests/support/FakeRunHost.h"
#include "tests/support/TempRoute.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    veltrano::test::TempRoute route;
    route.makeUsableRoute("a");
    route.writeBytes("Route.trk", std::string(reinterpret_cast<const char*>(data), size));
    veltrano::RunState state;
    state.gstrRoutePath = route.path();
    state.gstrLanguage = size > 0 && (data[0] & 1) != 0 ? "deutsch" : "english";
    veltrano::FileSystem fileSystem;
    veltrano::test::FakeRunHost host(state, fileSystem);
    if (!host.checkRouteFolderSilently()) {
        FUZZ_CHECK(host.program.endStatus == 2 && host.program.messages.size() == 1);
        return 0;
    }
    const std::u16string& name = state.gstrRouteName;
    FUZZ_CHECK(!name.empty() && name != u"." && name != u"..");
    FUZZ_CHECK(name.find_first_of(std::u16string(u"/\\\0", 3)) == std::u16string::npos);
    // The track file it names sits directly in the route folder.
    const std::filesystem::path path =
        veltrano::FileSystem::join(route.path(), veltrano::TextCodec::toUtf8(name + u".tdb"));
    FUZZ_CHECK(path.parent_path() == route.path());
    return 0;
}
