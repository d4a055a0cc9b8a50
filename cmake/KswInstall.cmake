# Installation (cmake --install build [--prefix DIR]) and the Debian package
# (scripts/package).  The layout follows GNUInstallDirs:
#   bin/ksw4800, bin/ksw-sim
#   share/ksw4800/KSW-4800dr3.html, share/ksw4800/errMSg/*   (found from bin/ by the module)
#   share/ksw-sim/ksw4800.snmprec                             (found from bin/ by ksw-sim)
#   share/applications/ksw4800.desktop, share/metainfo/<id>.metainfo.xml
#   share/icons/hicolor/<N>x<N>/apps/ksw4800.png               (N = 16, 32, 48, 64, 128)
#   share/man/man1/ksw4800.1.gz, share/man/man1/ksw-sim.1.gz
#   share/doc/ksw4800/copyright, share/doc/ksw4800/changelog.Debian.gz
#   share/lintian/overrides/ksw4800

# Who publishes the package and where it lives.  The project has no public home
# yet: these are placeholders under a reserved domain, to be replaced by the
# real ones before the package is published.
set(KSW_MAINTAINER "KSW-4800 management module authors <maintainers@ksw4800.example.org>"
    CACHE STRING "Maintainer of the Debian package")
set(KSW_HOMEPAGE "https://ksw4800.example.org/" CACHE STRING "Home page (with a trailing /); the screenshot is docs/screenshot.png under it")
set(KSW_APPSTREAM_ID "org.example.ksw4800" CACHE STRING "AppStream id, reverse-DNS of the home page's host")

# The package's history, packaging/changelog, must begin with this version's
# entry; its date is the release date the AppStream metadata gives.
set(KSW_DEBIAN_REVISION 1)
set(ksw_package_version ${PROJECT_VERSION}-${KSW_DEBIAN_REVISION})
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog ksw_changelog)
list(GET ksw_changelog 0 ksw_changelog_head)
if(NOT ksw_changelog_head MATCHES "^ksw4800 \\(${ksw_package_version}\\) ")
  message(FATAL_ERROR "packaging/changelog begins with \"${ksw_changelog_head}\"; "
                      "its first entry must be for version ${ksw_package_version}")
endif()
foreach(line IN LISTS ksw_changelog)
  if(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    set(ksw_day ${CMAKE_MATCH_1})
    set(ksw_month_name ${CMAKE_MATCH_2})
    set(ksw_year ${CMAKE_MATCH_3})
    break()
  endif()
endforeach()
set(ksw_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND ksw_months "${ksw_month_name}" ksw_month)
if(ksw_month LESS 0)
  message(FATAL_ERROR "packaging/changelog: the first entry's trailer line has no date")
endif()
math(EXPR ksw_month "${ksw_month} + 1")
string(LENGTH "${ksw_day}" ksw_day_digits)
if(ksw_day_digits EQUAL 1)
  set(ksw_day 0${ksw_day})
endif()
if(ksw_month LESS 10)
  set(ksw_month 0${ksw_month})
endif()
set(KSW_RELEASE_DATE ${ksw_year}-${ksw_month}-${ksw_day})

# Bound at start, as Debian's hardened programs are: the relocation tables
# are then read-only for the whole run.
target_link_options(ksw4800 PRIVATE LINKER:-z,relro,-z,now)
target_link_options(ksw-sim PRIVATE LINKER:-z,relro,-z,now)
install(TARGETS ksw4800 ksw-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/KSW-4800dr3.html DESTINATION ${CMAKE_INSTALL_DATADIR}/ksw4800)
install(DIRECTORY ${ksw_catalogue_dir} DESTINATION ${CMAKE_INSTALL_DATADIR}/ksw4800)
install(FILES ${CMAKE_SOURCE_DIR}/sim/data/ksw4800.snmprec DESTINATION ${CMAKE_INSTALL_DATADIR}/ksw-sim)
install(FILES ${CMAKE_SOURCE_DIR}/resources/ksw4800.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 128)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/ksw4800-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ksw4800.png)
endforeach()
set(ksw_metainfo ${CMAKE_BINARY_DIR}/${KSW_APPSTREAM_ID}.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/resources/ksw4800.metainfo.xml.in ${ksw_metainfo} @ONLY)
install(FILES ${ksw_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME ksw4800)

# Manual pages and the changelog are installed compressed, as Debian wants
# them and man reads them; -n leaves the name and time out, so the bytes do not
# change between builds.
find_program(KSW_GZIP gzip REQUIRED)
set(ksw_compressed)
foreach(source resources/man/ksw4800.1 resources/man/ksw-sim.1 packaging/changelog)
  get_filename_component(name ${source} NAME)
  if(name STREQUAL "changelog")
    set(name changelog.Debian)
  endif()
  set(out ${CMAKE_BINARY_DIR}/compressed/${name})
  add_custom_command(OUTPUT ${out}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${source} ${out}
    COMMAND ${KSW_GZIP} -9nf ${out}
    DEPENDS ${CMAKE_SOURCE_DIR}/${source}
    VERBATIM)
  list(APPEND ksw_compressed ${out}.gz)
endforeach()
add_custom_target(ksw_compressed_docs ALL DEPENDS ${ksw_compressed})
install(FILES ${CMAKE_BINARY_DIR}/compressed/ksw4800.1.gz ${CMAKE_BINARY_DIR}/compressed/ksw-sim.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/compressed/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ksw4800)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KSW_DEBIAN_REVISION})
set(CPACK_PACKAGE_CONTACT "${KSW_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KSW_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KSW_HOMEPAGE}")
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
