# The Debian package: `cpack -G DEB` in a build folder makes veltrano_<version>_<arch>.deb with
# both programs, the "Open with" entry for .trk files, the icon and the manual page. The
# files come from the install() rules of cli/ and qt/.
set(CPACK_PACKAGE_NAME veltrano)
set(CPACK_PACKAGE_VENDOR "Veltrano")
set(CPACK_PACKAGE_CONTACT "Veltrano maintainers <maintainers@veltrano.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "repairs the pickup records of a train simulator route")
# The long description as dpkg shows it, lines kept under 80 columns.
set(CPACK_PACKAGE_DESCRIPTION [=[
Veltrano reads the type and capacity of every Pickup object in a route's world
files and rewrites the PickupTrItemData field of the matching PickupItem
records in the route's track database (.tdb) and track item table (.tit). It
copies each track file into a backup folder of the route before replacing it
and writes a protocol of the run in English or German.

The package holds the desktop program veltrano, which file managers offer for
opening a route's .trk file, and the terminal program veltrano-cli.]=])

# Debian installs into /usr; the programs' own rules use relative GNU folders, so the same
# rules serve `cmake --install` into any prefix.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Shipped programs carry no debug information; the build folder keeps it.
set(CPACK_STRIP_FILES ON)

# veltrano_1.4.2_amd64.deb: the version is the project's, the architecture dpkg's own.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries (Qt, the C++ runtime and whatever the programs link) are found by
# dpkg-shlibdeps in the built programs, so a new library needs no change here. The protocol box
# draws in Liberation Mono, a font no library pulls in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)

include(CPack)
