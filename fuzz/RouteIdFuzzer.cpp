// Any bytes as the route's .trk: the route check either refuses the folder or reads a RouteID
// whose track files lie in the route folder itself.

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/FolderListing.h"
#include "app/RouteFolderCheck.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/MemoryFileSystem.h"
#include "fuzz/QuietRunHost.h"
#include "platform/TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string route = "/routes/route";
    veltrano::fuzz::MemoryFileSystem fileSystem;
    fileSystem.addFolder("/routes");
    fileSystem.addFolder(route);
    fileSystem.addFolder(route + "/WORLD");
    fileSystem.addFile(route + "/Route.trk",
                       std::string(reinterpret_cast<const char*>(data), size));
    fileSystem.addFile(route + "/a.tit", "");
    fileSystem.addFile(route + "/a.tdb", "");

    veltrano::RunState state;
    state.gstrRoutePath = route;
    state.gstrLanguage = size > 0 && (data[0] & 1) != 0 ? "deutsch" : "english";
    veltrano::FolderListing listing(fileSystem);
    veltrano::fuzz::QuietRunHost program;
    veltrano::RouteFolderCheck check(state, listing, fileSystem, program);

    if (!check.subCheckRouteFolder(false)) {
        FUZZ_CHECK(program.endStatus == 2);
        FUZZ_CHECK(!program.lastMessage.empty());
        return 0;
    }
    const std::u16string& name = state.gstrRouteName;
    FUZZ_CHECK(!name.empty() && name != u"." && name != u"..");
    FUZZ_CHECK(name.find_first_of(std::u16string(u"/\\\0", 3)) == std::u16string::npos);
    // The track file it names sits directly in the route folder.
    for (const char16_t* extension : {u".tdb", u".tit"}) {
        const std::string path =
            veltrano::FileSystem::join(route, veltrano::TextCodec::toUtf8(name + extension));
        FUZZ_CHECK(path.rfind(route + "/", 0) == 0);
        FUZZ_CHECK(path.find('/', route.size() + 1) == std::string::npos);
        FUZZ_CHECK(path.find('\0') == std::string::npos);
    }
    return 0;
}
