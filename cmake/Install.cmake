# SPDX-License-Identifier: MIT
# Installs Quillon like a desktop program: both programs, the user guide, the
# icon, the desktop entry, the plot file type, AppStream metainfo and manual
# pages. The window's own rules (program, guide, translations) live in
# app/CMakeLists.txt.

include(GNUInstallDirs)

set(QUILLON_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/desktop)
set(QUILLON_APP_ID org.quillon.Quillon)
# The release date of this version (the version itself is the project's):
# the metainfo's release, the package's changelog and the manual pages are
# dated by it, so that two builds of one version write the same files.
set(QUILLON_RELEASE_DATE 2026-12-08)
include(${CMAKE_CURRENT_LIST_DIR}/ReleaseDate.cmake)
quillon_release_date(${QUILLON_RELEASE_DATE} QUILLON_MAN_DATE QUILLON_RELEASE_RFC2822)
set(QUILLON_MAINTAINER "The Quillon developers <maintainers@quillon.invalid>")

install(TARGETS quillon-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET quillon-png)
  # A module only quillon-cli loads, by its path: in libexec, outside the
  # linker's path, so that no ldconfig run is needed.
  install(TARGETS quillon-png LIBRARY DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/quillon)
endif()

# Icon: the SVG for every size, PNG renderings for the themes that want them.
install(FILES ${QUILLON_DESKTOP_DIR}/quillon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
find_program(QUILLON_RSVG_CONVERT rsvg-convert)
if(QUILLON_RSVG_CONVERT)
  set(QUILLON_ICON_PNGS)
  foreach(Size 16 24 32 48 64 128 256)
    set(Png ${CMAKE_BINARY_DIR}/icons/${Size}x${Size}/quillon.png)
    add_custom_command(OUTPUT ${Png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${Size}x${Size}
      COMMAND ${QUILLON_RSVG_CONVERT} -w ${Size} -h ${Size} -o ${Png} ${QUILLON_DESKTOP_DIR}/quillon.svg
      DEPENDS ${QUILLON_DESKTOP_DIR}/quillon.svg
      COMMENT "Rendering the ${Size}x${Size} icon" VERBATIM)
    list(APPEND QUILLON_ICON_PNGS ${Png})
    install(FILES ${Png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${Size}x${Size}/apps)
  endforeach()
  add_custom_target(quillon_icons ALL DEPENDS ${QUILLON_ICON_PNGS})
else()
  message(WARNING "rsvg-convert not found: only the SVG icon is installed")
endif()

# The desktop entry opens a double-clicked plot file in the window; the MIME
# file tells the desktop which files are plot files.
install(FILES ${QUILLON_DESKTOP_DIR}/${QUILLON_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUILLON_DESKTOP_DIR}/quillon-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quillon.xml)
configure_file(${QUILLON_DESKTOP_DIR}/${QUILLON_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${QUILLON_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${QUILLON_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The licence, the notices of the components the programs are built with,
# and the changelog, where Debian looks for them (doc/<package>/).
set(QUILLON_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quillon)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${CMAKE_SOURCE_DIR}/THIRD-PARTY-NOTICES
        DESTINATION ${QUILLON_DOC_DIR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
find_program(QUILLON_GZIP gzip REQUIRED)
# -n leaves out the name and time stamp: the same bytes on every build.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND ${QUILLON_GZIP} -9nf ${CMAKE_BINARY_DIR}/changelog -c > ${CMAKE_BINARY_DIR}/changelog.gz
  DEPENDS ${CMAKE_BINARY_DIR}/changelog
  COMMENT "Compressing the changelog")
add_custom_target(quillon_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${QUILLON_DOC_DIR})

# Manual pages, written from the program's own --help so that they never
# disagree with it.
find_program(QUILLON_HELP2MAN help2man)
if(QUILLON_HELP2MAN)
  set(QUILLON_MAN_PAGES)
  # One entry per page: page name|program|help option|one-line description.
  set(Pages
      "quillon-cli|quillon-cli|--help|convert plot files into CAM scripts, Gerber files and previews"
      "quillon-cli-info|quillon-cli|info --help|show what a plot file holds"
      "quillon-cli-pins|quillon-cli|pins --help|read a pin description file"
      "quillon-cli-convert|quillon-cli|convert --help|convert a plot file into a CAM350 macro, Genesis script or Gerber files"
      "quillon-cli-preview|quillon-cli|preview --help|draw a plot file as an SVG or PNG picture"
      "quillon-cli-check|quillon-cli|check --help|check that written files draw the board of a plot file")
  if(TARGET quillon)
    list(APPEND Pages "quillon|quillon|--help|the desktop window that converts plot files")
  endif()
  foreach(Page IN LISTS Pages)
    string(REPLACE "|" ";" Fields "${Page}")
    list(GET Fields 0 Name)
    list(GET Fields 1 Program)
    list(GET Fields 2 HelpOption)
    list(GET Fields 3 Description)
    set(Man ${CMAKE_BINARY_DIR}/man/${Name}.1)
    add_custom_command(OUTPUT ${Man} ${Man}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${CMAKE_COMMAND} -DHELP2MAN=${QUILLON_HELP2MAN} -DPROGRAM=$<TARGET_FILE:${Program}>
              -DPAGE=${Name} -DHELP_OPTION=${HelpOption} -DDESCRIPTION=${Description}
              -DDATE=${QUILLON_MAN_DATE} -DOUTPUT=${Man} -P ${CMAKE_CURRENT_LIST_DIR}/ManPage.cmake
      DEPENDS ${Program} ${CMAKE_CURRENT_LIST_DIR}/ManPage.cmake ${CMAKE_CURRENT_LIST_DIR}/SeeAlso.h2m
      COMMENT "Writing the manual page ${Name}.1" VERBATIM)
    list(APPEND QUILLON_MAN_PAGES ${Man}.gz)
    install(FILES ${Man}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
  add_custom_target(quillon_man_pages ALL DEPENDS ${QUILLON_MAN_PAGES})
else()
  message(WARNING "help2man not found: no manual pages are written")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
