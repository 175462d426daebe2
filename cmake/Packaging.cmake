# The Debian package: `cpack -G DEB` in a Linux build folder makes
# rosmossel_<version>_<arch>.deb with both programs, the desktop entry, the icon,
# the AppStream metainfo, the manual pages, the documents Debian asks for, the
# example profiles and the owners' guide (installed from src/gui).
set(_rosmossel_maintainer "Ros Mossel developers <rosmossel@rosmossel.example>")
set(_rosmossel_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/rosmossel)
set(_rosmossel_pkg_dir ${PROJECT_SOURCE_DIR}/packaging/linux)
set(_rosmossel_out ${PROJECT_BINARY_DIR}/packaging)

# The release date follows SOURCE_DATE_EPOCH where it is set, so a rebuild of
# one release gives the same files.
string(TIMESTAMP ROSMOSSEL_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP ROSMOSSEL_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(ROSMOSSEL_MAINTAINER ${_rosmossel_maintainer})
configure_file(${_rosmossel_pkg_dir}/example.rosmossel.RosMossel.metainfo.xml.in
               ${_rosmossel_out}/example.rosmossel.RosMossel.metainfo.xml @ONLY)
configure_file(${_rosmossel_pkg_dir}/changelog.in ${_rosmossel_out}/changelog @ONLY)

# Debian wants the manual pages and the changelog compressed with gzip -9n.
find_program(ROSMOSSEL_GZIP gzip REQUIRED)
find_program(ROSMOSSEL_HELP2MAN help2man REQUIRED)
add_custom_command(
    OUTPUT ${_rosmossel_out}/rosmossel-cli.1.gz
    COMMAND ${ROSMOSSEL_HELP2MAN} --no-info --no-discard-stderr
            --name "write and check the settings files of Quill and Sedge trail cameras"
            --section 1 --include ${_rosmossel_pkg_dir}/rosmossel-cli.h2m
            --output ${_rosmossel_out}/rosmossel-cli.1 $<TARGET_FILE:rosmossel-cli>
    COMMAND ${ROSMOSSEL_GZIP} -9nf ${_rosmossel_out}/rosmossel-cli.1
    DEPENDS rosmossel-cli ${_rosmossel_pkg_dir}/rosmossel-cli.h2m
    VERBATIM)
add_custom_command(
    OUTPUT ${_rosmossel_out}/rosmossel.1.gz ${_rosmossel_out}/changelog.gz
    COMMAND ${ROSMOSSEL_GZIP} -9nc ${_rosmossel_pkg_dir}/rosmossel.1 > rosmossel.1.gz
    COMMAND ${ROSMOSSEL_GZIP} -9nc changelog > changelog.gz
    DEPENDS ${_rosmossel_pkg_dir}/rosmossel.1 ${_rosmossel_out}/changelog
    WORKING_DIRECTORY ${_rosmossel_out})
add_custom_target(rosmossel_package_files ALL
    DEPENDS ${_rosmossel_out}/rosmossel-cli.1.gz ${_rosmossel_out}/rosmossel.1.gz
            ${_rosmossel_out}/changelog.gz)

install(FILES ${_rosmossel_out}/example.rosmossel.RosMossel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_rosmossel_out}/rosmossel-cli.1.gz ${_rosmossel_out}/rosmossel.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_rosmossel_pkg_dir}/copyright ${_rosmossel_out}/changelog.gz
        DESTINATION ${_rosmossel_doc_dir})
# The example profiles, for rosmossel-cli generate to start from.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${_rosmossel_doc_dir}/examples
        FILES_MATCHING PATTERN "*.json")

set(CPACK_PACKAGE_NAME rosmossel)
set(CPACK_PACKAGE_VENDOR "Ros Mossel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set up Quill and Sedge cellular trail cameras")
set(CPACK_PACKAGE_DESCRIPTION "\
Ros Mossel writes the settings files of Quill and Sedge trail cameras onto
the camera's SD card: the camera menu (menu.dat), the MMS set-up (setup.dat)
and, on MG cameras, the e-mail set-up (smtp.dat), from dialogs in nine
languages.

rosmossel-cli writes the same files from a JSON profile, for scripting many
cards, and reads a card back to check what it holds.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${_rosmossel_maintainer})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.rosmossel.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its platform plugins and its translations at run time; no library
# link names them.
# The carrier database Find operator... and rosmossel-cli operators read.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, mobile-broadband-provider-info")
set(CPACK_GENERATOR DEB)
include(CPack)
