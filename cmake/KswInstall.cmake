# Installation (cmake --install build [--prefix DIR]) and the Debian package
# (scripts/package).  The layout follows GNUInstallDirs:
#   bin/ksw4800, bin/ksw-sim
#   share/ksw4800/KSW-4800dr3.html, share/ksw4800/errMSg/*   (found from bin/ by the module)
#   share/ksw-sim/ksw4800.snmprec                             (found from bin/ by ksw-sim)
#   share/applications/ksw4800.desktop, share/icons/hicolor/32x32/apps/ksw4800.png
#   share/man/man1/ksw4800.1, share/man/man1/ksw-sim.1
install(TARGETS ksw4800 ksw-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/KSW-4800dr3.html DESTINATION ${CMAKE_INSTALL_DATADIR}/ksw4800)
install(DIRECTORY ${ksw_catalogue_dir} DESTINATION ${CMAKE_INSTALL_DATADIR}/ksw4800)
install(FILES ${CMAKE_SOURCE_DIR}/sim/data/ksw4800.snmprec DESTINATION ${CMAKE_INSTALL_DATADIR}/ksw-sim)
install(FILES ${CMAKE_SOURCE_DIR}/resources/ksw4800.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/ksw4800.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
install(FILES ${CMAKE_SOURCE_DIR}/resources/man/ksw4800.1 ${CMAKE_SOURCE_DIR}/resources/man/ksw-sim.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ksw4800)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_CONTACT "KSW-4800 module developers <ksw4800@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "KSW-4800 switch management module and simulator agent")
set(CPACK_PACKAGE_DESCRIPTION "Management module of the KSW-4800 managed Ethernet switch: a live
front panel, the switch's configuration views and editors over SNMP v1, v2c
and v3, and ksw-sim, a simulated KSW-4800 agent.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
# The libraries the programs link, at the versions they were built against; the
# Qt platform plugins are loaded at run time, so no library scan finds them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6network6 (>= 6.4), qt6-qpa-plugins (>= 6.4), libsnmp40 (>= 5.9)")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
