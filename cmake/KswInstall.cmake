# Installation (cmake --install build [--prefix DIR]) and the Debian package
# (scripts/package).  The layout follows GNUInstallDirs:
#   bin/ksw4800, bin/ksw-sim
#   share/ksw4800/KSW-4800dr3.html, share/ksw4800/errMSg/*   (found from bin/ by the module)
#   share/ksw-sim/ksw4800.snmprec                             (found from bin/ by ksw-sim)
#   share/applications/ksw4800.desktop, share/icons/hicolor/32x32/apps/ksw4800.png
#   share/man/man1/ksw4800.1.gz, share/man/man1/ksw-sim.1.gz
install(TARGETS ksw4800 ksw-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/KSW-4800dr3.html DESTINATION ${CMAKE_INSTALL_DATADIR}/ksw4800)
install(DIRECTORY ${ksw_catalogue_dir} DESTINATION ${CMAKE_INSTALL_DATADIR}/ksw4800)
install(FILES ${CMAKE_SOURCE_DIR}/sim/data/ksw4800.snmprec DESTINATION ${CMAKE_INSTALL_DATADIR}/ksw-sim)
install(FILES ${CMAKE_SOURCE_DIR}/resources/ksw4800.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/ksw4800.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
# Manual pages are installed compressed, as Debian wants them and man reads
# them; -n leaves the name and time out, so the bytes do not change between builds.
find_program(KSW_GZIP gzip REQUIRED)
set(ksw_man_pages)
foreach(page ksw4800.1 ksw-sim.1)
  set(out ${CMAKE_BINARY_DIR}/man/${page})
  add_custom_command(OUTPUT ${out}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/resources/man/${page} ${out}
    COMMAND ${KSW_GZIP} -9nf ${out}
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/man/${page}
    VERBATIM)
  list(APPEND ksw_man_pages ${out}.gz)
endforeach()
add_custom_target(ksw_man_pages ALL DEPENDS ${ksw_man_pages})
install(FILES ${ksw_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

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
# The library scan finds the libraries the programs link, at the versions they
# were built against; the Qt platform plugins are loaded at run time, so no scan
# finds them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins (>= 6.4)")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The build keeps its debugging information; the package ships the programs without.
set(CPACK_STRIP_FILES ON)
include(CPack)
