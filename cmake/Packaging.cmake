# Installation and the Debian package (cpack -G DEB from the build folder).
#
# A source install (cmake --install) puts the tool under the install prefix; a /usr prefix, as
# the package has, puts the udev rule in /usr/lib/udev/rules.d, any other prefix in
# /etc/udev/rules.d (udev reads its rules from /etc and /usr only).

include(GNUInstallDirs)

set(KARVELO_HOMEPAGE "https://karvelo.example/rf-tool" CACHE STRING
    "The project's home page (AppStream metadata, package)")
set(KARVELO_SCREENSHOT_URL "${KARVELO_HOMEPAGE}/window-normal.png" CACHE STRING
    "Where the AppStream screenshot of the window is published (docs/window-normal.png)")
set(KARVELO_MAINTAINER "Karvelo RF tool maintainers <maintainers@karvelo.example>" CACHE STRING
    "The package maintainer, name and address")
set(KARVELO_UDEV_RULES_DIR "" CACHE PATH
    "Where the receiver's udev rule goes (empty: chosen from the install prefix)")
set(METAINFO_ID "com.karvelo.rf_tool")

set(PACKAGING_OUT ${PROJECT_BINARY_DIR}/packaging)
configure_file(packaging/karvelo-rf-tool.metainfo.xml.in
               ${PACKAGING_OUT}/${METAINFO_ID}.metainfo.xml @ONLY)
configure_file(packaging/karvelo-rf-tool.1.in ${PACKAGING_OUT}/karvelo-rf-tool.1 @ONLY)
configure_file(packaging/karvelo-rf.1.in ${PACKAGING_OUT}/karvelo-rf.1 @ONLY)
configure_file(packaging/debian/changelog.in ${PACKAGING_OUT}/changelog @ONLY)

# Manual pages and changelogs are installed compressed, without a time stamp.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
foreach(doc karvelo-rf-tool.1 karvelo-rf.1 changelog)
  add_custom_command(OUTPUT ${PACKAGING_OUT}/${doc}.gz
    COMMAND ${GZIP_EXECUTABLE} -9nc ${PACKAGING_OUT}/${doc} > ${PACKAGING_OUT}/${doc}.gz
    DEPENDS ${PACKAGING_OUT}/${doc}
    VERBATIM)
endforeach()
add_custom_target(packaging_docs ALL
  DEPENDS ${PACKAGING_OUT}/karvelo-rf-tool.1.gz ${PACKAGING_OUT}/karvelo-rf.1.gz
          ${PACKAGING_OUT}/changelog.gz)

install(TARGETS karvelo-rf-tool karvelo-rf RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(UDEV_RULE_SOURCE ${PROJECT_SOURCE_DIR}/packaging/70-karvelo-rf-receiver.rules)
install(CODE "
  set(rules_dir \"${KARVELO_UDEV_RULES_DIR}\")
  if(NOT rules_dir)
    if(CMAKE_INSTALL_PREFIX MATCHES \"(^|/)usr/?$\")
      set(rules_dir \"\${CMAKE_INSTALL_PREFIX}/lib/udev/rules.d\")
    else()
      set(rules_dir \"/etc/udev/rules.d\")
    endif()
  endif()
  file(INSTALL DESTINATION \"\${rules_dir}\" TYPE FILE FILES \"${UDEV_RULE_SOURCE}\")
")
install(FILES packaging/karvelo-rf-tool.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 48x48 128x128)
  install(FILES packaging/icons/${size}/karvelo-rf-tool.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
endforeach()
install(FILES packaging/icons/scalable/karvelo-rf-tool.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PACKAGING_OUT}/${METAINFO_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PACKAGING_OUT}/karvelo-rf-tool.1.gz ${PACKAGING_OUT}/karvelo-rf.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/debian/copyright ${PACKAGING_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The README beside the copyright file (compressed, as Debian's policy asks of a larger one),
# and karvelo-rf's completions for bash, zsh and fish where each shell looks under the prefix
# (zsh: Debian's vendor folder under /usr, site-functions elsewhere).
add_custom_command(OUTPUT ${PACKAGING_OUT}/README.md.gz
  COMMAND ${GZIP_EXECUTABLE} -9nc ${PROJECT_SOURCE_DIR}/README.md > ${PACKAGING_OUT}/README.md.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/README.md
  VERBATIM)
add_custom_target(packaging_readme ALL DEPENDS ${PACKAGING_OUT}/README.md.gz)
install(FILES ${PACKAGING_OUT}/README.md.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES packaging/completions/karvelo-rf.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME karvelo-rf)
set(ZSH_COMPLETION_SOURCE ${PROJECT_SOURCE_DIR}/packaging/completions/_karvelo-rf)
install(CODE "
  if(CMAKE_INSTALL_PREFIX MATCHES \"(^|/)usr/?$\")
    set(zsh_dir \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions\")
  else()
    set(zsh_dir \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/zsh/site-functions\")
  endif()
  file(INSTALL DESTINATION \"\${zsh_dir}\" TYPE FILE FILES \"${ZSH_COMPLETION_SOURCE}\")
")
install(FILES packaging/completions/karvelo-rf.fish
        DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME karvelo-rf-tool)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KARVELO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set up a Karvelo 2.4 GHz wireless keyboard and mouse")
set(CPACK_PACKAGE_DESCRIPTION
  "Pairs a new mouse or keyboard with its USB receiver, shows the battery
levels, reads and changes the mouse's options (CPI, power saving, wake-up
source, battery-low warning) and stores the receiver's two programmable
hotkeys. The window speaks English, Traditional Chinese and Simplified
Chinese.
.
The package installs the udev rule that lets the user at the seat open the
receivers 7A3C:0E41 and 7A3C:0E42 without root.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KARVELO_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so not found among the shared libraries: Qt's display plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The Chinese texts' fonts, the window under a Wayland session (without it, Qt runs through
# XWayland where there is one), Qt's own dialogs in the window's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-wqy-microhei | fonts-noto-cjk, qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/packaging/debian/postinst ${PROJECT_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
