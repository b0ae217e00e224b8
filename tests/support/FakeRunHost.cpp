#include "tests/support/FakeRunHost.h"

namespace veltrano::test {

FakeRunHost::FakeRunHost(RunState& state, FileSystem& fileSystem)
    : m_listing(fileSystem), m_check(state, m_listing, fileSystem, program) {}

bool FakeRunHost::checkRouteFolderSilently() {
    return m_check.subCheckRouteFolder(false);
}

}  // namespace veltrano::test
