# What `cmake --install` puts where, and the Debian package made from it
# (scripts/package.sh). The installed program finds its shipped files in
# ../share/vorns from its own folder, and keeps its settings in the user's
# configuration folder (platform/locations.h).
include(GNUInstallDirs)

set(VORNS_APP_ID org.vorns.vorns)  # the desktop entry and the metainfo are named after it
set(VORNS_DATA_DIR ${CMAKE_INSTALL_DATADIR}/vorns)
set(VORNS_GENERATED_DATA ${CMAKE_BINARY_DIR}/data)

install(TARGETS vorns vorns-fit RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# vorns-fit finds it at ../lib/vorns from its own folder (cli/report_program.h).
install(TARGETS vorns-fit-report RUNTIME DESTINATION ${VORNS_PRIVATE_DIR})
if(TARGET vorns-acquisition)
  install(TARGETS vorns-acquisition vorns-daq-card RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/ding1.wav ${CMAKE_SOURCE_DIR}/alarme.wav DESTINATION ${VORNS_DATA_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/fichiers DESTINATION ${VORNS_DATA_DIR})
# The catalogues of the program's texts (platform/translations.h).
install(FILES ${VORNS_QM_FILES} DESTINATION ${VORNS_DATA_DIR}/translations)

install(FILES ${CMAKE_SOURCE_DIR}/data/${VORNS_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/scalable/vorns.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48x48 256x256)
  install(FILES ${CMAKE_SOURCE_DIR}/data/icons/${size}/vorns.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
endforeach()

# The metainfo and the manual page carry the project's version.
configure_file(${CMAKE_SOURCE_DIR}/data/${VORNS_APP_ID}.metainfo.xml.in
  ${VORNS_GENERATED_DATA}/${VORNS_APP_ID}.metainfo.xml @ONLY)
install(FILES ${VORNS_GENERATED_DATA}/${VORNS_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(VORNS_MANUALS)
foreach(page vorns.1 vorns-fit.1 vorns-acquisition.1 vorns-daq-card.1)
  configure_file(${CMAKE_SOURCE_DIR}/data/${page} ${VORNS_GENERATED_DATA}/${page} @ONLY)
  add_custom_command(OUTPUT ${VORNS_GENERATED_DATA}/${page}.gz
    COMMAND gzip -9nf -k ${VORNS_GENERATED_DATA}/${page}
    DEPENDS ${VORNS_GENERATED_DATA}/${page})
  list(APPEND VORNS_MANUALS ${VORNS_GENERATED_DATA}/${page}.gz)
endforeach()
add_custom_target(vorns_manual ALL DEPENDS ${VORNS_MANUALS})
install(FILES ${VORNS_MANUALS} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The documentation folder: the licence in Debian's machine-readable form, the
# changelog and the README with its pictures. A package made here from the
# project's own sources is a native package, whose one changelog is the
# Debian-format changelog.gz (changelog.Debian.gz is for a Debian revision of
# another upstream's release).
set(VORNS_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vorns)
add_custom_command(OUTPUT ${VORNS_GENERATED_DATA}/changelog.gz
  COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/data/changelog > ${VORNS_GENERATED_DATA}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/data/changelog)
add_custom_target(vorns_changelog ALL DEPENDS ${VORNS_GENERATED_DATA}/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/data/copyright ${VORNS_GENERATED_DATA}/changelog.gz ${CMAKE_SOURCE_DIR}/README.md
  DESTINATION ${VORNS_DOC_DIR})
# Every picture the guide names, and no other.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/README.md)
file(READ ${CMAKE_SOURCE_DIR}/README.md VORNS_GUIDE)
string(REGEX MATCHALL "docs/[A-Za-z0-9_.-]+[.]png" VORNS_GUIDE_PICTURES "${VORNS_GUIDE}")
list(REMOVE_DUPLICATES VORNS_GUIDE_PICTURES)
list(TRANSFORM VORNS_GUIDE_PICTURES PREPEND ${CMAKE_SOURCE_DIR}/)
install(FILES ${VORNS_GUIDE_PICTURES} DESTINATION ${VORNS_DOC_DIR}/docs)

# The Debian package: vorns_<version>_<arch>.deb, its Depends worked out from
# the libraries the two programs use.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorns)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# No public address yet: the reserved placeholder domain of the metainfo, as in
# data/copyright and data/changelog.
set(CPACK_PACKAGE_CONTACT "vorns developers <vorns@vorns.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "follow the data file of a decay-time experiment")
set(CPACK_PACKAGE_DESCRIPTION "vorns follows the text file that the acquisition of a decay-time (lifetime)
experiment writes, one line per detected decay. Whenever the file changes it
reloads it, sorts the durations into a histogram of equal classes and shows
the mean lifetime Tau, the half-life, C0 and the initial activity, with a plot
of the records and a plot of the histogram.
.
Its fit window fits the lifetime with its uncertainty and a flat background
while the run goes on; vorns-fit does the same fit of data files from a script.
The package also holds vorns-acquisition, a simulator that writes such a
file and reads a cosmic-ray DAQ card on its serial port, vorns-daq-card, a
simulated card, and sample runs.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's X11 platform comes with its Gui library; a Wayland desktop without
# qt6-wayland runs vorns through X11. Qt's own dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
