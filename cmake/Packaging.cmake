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

# Debian's documentation of the package: the machine-readable copyright file, the changelog
# (a native package's changelog.gz) and the manual pages of the desktop program and its
# "Open with" starter, all compressed with -9n as Debian keeps them.
if(NOT WIN32)
    include(GNUInstallDirs)
    set(VELTRANO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/veltrano)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright DESTINATION ${VELTRANO_DOC_DIR})

    # veltrano_gzip_file(SOURCE OUTPUT): OUTPUT is SOURCE configured with the project version
    # and compressed; the source stays, so the page can still be read with man -l.
    function(veltrano_gzip_file source output)
        get_filename_component(name ${output} NAME_WLE)
        get_filename_component(dir ${output} DIRECTORY)
        configure_file(${source} ${dir}/${name} @ONLY)
        add_custom_command(OUTPUT ${output}
            COMMAND gzip -9nc ${dir}/${name} > ${output}
            DEPENDS ${dir}/${name}
            COMMENT "Compressing ${name}"
            VERBATIM)
    endfunction()

    set(VELTRANO_DEB_DOCS ${CMAKE_BINARY_DIR}/packaging)
    veltrano_gzip_file(${PROJECT_SOURCE_DIR}/packaging/debian/changelog.in
        ${VELTRANO_DEB_DOCS}/changelog.gz)
    install(FILES ${VELTRANO_DEB_DOCS}/changelog.gz DESTINATION ${VELTRANO_DOC_DIR})
    set(VELTRANO_DEB_OUTPUTS ${VELTRANO_DEB_DOCS}/changelog.gz)
    if(VELTRANO_BUILD_QT)
        foreach(page veltrano veltrano-open-route)
            veltrano_gzip_file(${PROJECT_SOURCE_DIR}/docs/${page}.1.in
                ${VELTRANO_DEB_DOCS}/man1/${page}.1.gz)
            install(FILES ${VELTRANO_DEB_DOCS}/man1/${page}.1.gz
                DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
            list(APPEND VELTRANO_DEB_OUTPUTS ${VELTRANO_DEB_DOCS}/man1/${page}.1.gz)
        endforeach()
    endif()
    add_custom_target(veltrano_deb_docs ALL DEPENDS ${VELTRANO_DEB_OUTPUTS})
endif()

# The Windows package (cpack -G ZIP in the MinGW build): veltrano-<version>-windows-x64.zip with
# the programs, the command file that starts veltrano.exe with --read-all-world-files, a README
# for Windows users and the licence in one folder, every text with CR LF.
if(WIN32)
    # veltrano_windows_text(SOURCE NAME): SOURCE with the project version and CR LF line ends,
    # installed as NAME beside the programs.
    function(veltrano_windows_text source name)
        configure_file("${source}" "${CMAKE_BINARY_DIR}/packaging/${name}.lf" @ONLY)
        file(READ "${CMAKE_BINARY_DIR}/packaging/${name}.lf" text)
        string(REPLACE "\n" "\r\n" text "${text}")
        file(WRITE "${CMAKE_BINARY_DIR}/packaging/${name}" "${text}")
        install(FILES "${CMAKE_BINARY_DIR}/packaging/${name}" DESTINATION .)
    endfunction()
    veltrano_windows_text(${PROJECT_SOURCE_DIR}/packaging/windows/README.txt README.txt)
    # Starts veltrano.exe with --read-all-world-files in the folder it lies in.
    veltrano_windows_text("${PROJECT_SOURCE_DIR}/packaging/windows/Veltrano - all world file forms.cmd"
        "Veltrano - all world file forms.cmd")
    veltrano_windows_text("${PROJECT_SOURCE_DIR}/packaging/windows/Veltrano - undo the last run.cmd"
        "Veltrano - undo the last run.cmd")
    veltrano_windows_text(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt)
    set(CPACK_GENERATOR ZIP)
    # The programs without their debugging information: a fifth of the size to download.
    set(CPACK_STRIP_FILES ON)
    set(CPACK_PACKAGE_FILE_NAME veltrano-${PROJECT_VERSION}-windows-x64)
    set(CPACK_PACKAGING_INSTALL_PREFIX "")
endif()

include(CPack)
