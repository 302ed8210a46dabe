# Installing Loxar as a Linux program (`cmake --install`) and its Debian package (CPack,
# scripts/package). The data goes to <prefix>/share/loxar, where the program looks for it
# relative to its own bin/ folder, so any prefix works.

set(LOXAR_MAINTAINER "Loxar developers <loxar@example.org>" CACHE STRING
    "Maintainer of the Debian package (name <address>)")

install(TARGETS loxar loxar-cli RUNTIME DESTINATION bin)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION share/loxar
        PATTERN "README*" EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/loxar.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/loxar.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION share/doc/loxar)

# Manual pages and the changelog carry the version and are installed gzipped (-n: no time stamp,
# so the package is reproducible).
set(LOXAR_DOC_DIR ${PROJECT_BINARY_DIR}/packaging)
set(LOXAR_GZIPPED)
foreach(page loxar.1 loxar-cli.1)
  set(VERSION ${PROJECT_VERSION})
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${page} ${LOXAR_DOC_DIR}/${page} @ONLY)
  list(APPEND LOXAR_GZIPPED ${page})
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${LOXAR_DOC_DIR}/changelog @ONLY)
list(APPEND LOXAR_GZIPPED changelog)
set(LOXAR_GZ_FILES)
foreach(f ${LOXAR_GZIPPED})
  add_custom_command(OUTPUT ${LOXAR_DOC_DIR}/${f}.gz
                     COMMAND gzip -9 -n -c ${LOXAR_DOC_DIR}/${f} > ${LOXAR_DOC_DIR}/${f}.gz
                     DEPENDS ${LOXAR_DOC_DIR}/${f} VERBATIM)
  list(APPEND LOXAR_GZ_FILES ${LOXAR_DOC_DIR}/${f}.gz)
endforeach()
add_custom_target(loxar_docs ALL DEPENDS ${LOXAR_GZ_FILES})
install(FILES ${LOXAR_DOC_DIR}/loxar.1.gz ${LOXAR_DOC_DIR}/loxar-cli.1.gz DESTINATION share/man/man1)
install(FILES ${LOXAR_DOC_DIR}/changelog.gz DESTINATION share/doc/loxar)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME loxar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${LOXAR_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${LOXAR_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "contest logger for amateur-radio operators (Hungarian)")
set(CPACK_PACKAGE_DESCRIPTION
"Loxar logs the QSOs of an amateur-radio contest in one window in real time,
with the contest's exchange, duplicate and scoring rules and a callsign
database lookup while the call is typed. Afterwards it computes the claimed
score and writes the report the organisers want (EDI, Cabrillo, ADIF),
exports and imports logs, shows statistics, follows the radio through
Hamlib (or rigctld), and keys CW and voice through an external keying box,
cwdaemon or the radio. The user interface is in Hungarian.

loxar-cli does the after-contest work without the window.")
# The shared libraries come from dpkg-shlibdeps; the plugins Qt loads at run time are not linked
# and are named here: the window system (xcb) plugin and GStreamer's WAV playback.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# xtide-coastline: the World Vector Shoreline, the coastlines of the map of the worked stations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, xtide-coastline")
# rigctld shares one radio between programs; cwdaemon keys CW without a keying box.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libhamlib-utils, cwdaemon")
include(CPack)
