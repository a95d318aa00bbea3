# Installation, desktop integration and the Debian package.
#
# Every desktop file is named after the program's reverse-DNS id. The icon's PNGs
# are rendered from the SVG at build time, each size from the vector, so the
# repository holds one drawing and no PNG can drift from it. The window's icon
# bundle embeds the same PNGs.
include(GNUInstallDirs)

set(TALLYSCOPE_APP_ID org.tallyscope.Tallyscope)
set(TALLYSCOPE_ICON_SIZES 16 24 32 48 64 128 256)
set(DESKTOP_DIR ${CMAKE_SOURCE_DIR}/desktop)
set(ICON_SVG ${DESKTOP_DIR}/${TALLYSCOPE_APP_ID}.svg)

find_program(RSVG_CONVERT rsvg-convert)
if(NOT RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert (Debian: librsvg2-bin) is needed to render the icon; "
                      "scripts/install-deps.sh installs it")
endif()
find_program(GZIP gzip REQUIRED)

set(ICON_PNGS)
foreach(size ${TALLYSCOPE_ICON_SIZES})
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${TALLYSCOPE_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --format=png --output=${png} ${ICON_SVG}
    DEPENDS ${ICON_SVG}
    COMMENT "Rendering the ${size} px icon")
  list(APPEND ICON_PNGS ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The window's icon bundle: the rendered PNGs as byte arrays in the ui library.
set(ICON_SOURCE ${CMAKE_BINARY_DIR}/generated/IconPngs.cpp)
# Lists cross the command line joined by '|'.
string(REPLACE ";" "|" png_arg "${ICON_PNGS}")
string(REPLACE ";" "|" size_arg "${TALLYSCOPE_ICON_SIZES}")
add_custom_command(OUTPUT ${ICON_SOURCE}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${ICON_SOURCE} -DPNGS=${png_arg} -DSIZES=${size_arg}
          -P ${CMAKE_SOURCE_DIR}/cmake/EmbedPngs.cmake
  VERBATIM
  DEPENDS ${ICON_PNGS} ${CMAKE_SOURCE_DIR}/cmake/EmbedPngs.cmake
  COMMENT "Embedding the icon PNGs")
if(TARGET tallyscope_ui)
  target_sources(tallyscope_ui PRIVATE ${ICON_SOURCE})
endif()

# Man pages, compressed as Debian keeps them.
set(MAN_PAGES)
foreach(page tallyscope.1 tallyscope-report.1)
  set(gz ${CMAKE_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${GZIP} -9 -n -c ${DESKTOP_DIR}/${page} > ${gz}
    DEPENDS ${DESKTOP_DIR}/${page}
    COMMENT "Compressing the man page ${page}")
  list(APPEND MAN_PAGES ${gz})
endforeach()
add_custom_target(desktop_files ALL DEPENDS ${ICON_PNGS} ${MAN_PAGES})

if(TARGET tallyscope)
  install(TARGETS tallyscope RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS tallyscope-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${DESKTOP_DIR}/${TALLYSCOPE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DESKTOP_DIR}/${TALLYSCOPE_APP_ID}.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${DESKTOP_DIR}/${TALLYSCOPE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TALLYSCOPE_EXAMPLE_FILES} DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

# The Debian package. Its dependencies are worked out by dpkg-shlibdeps from the
# libraries the installed programs link. wx reaches GTK 3 through its own
# library, so GTK is not linked directly and shlibdeps cannot see it; the
# package names it, since the window code is built and tested on the GTK 3 port.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyscope)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tallyscope")
set(CPACK_PACKAGE_CONTACT "Tallyscope developers <developers@tallyscope.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "descriptive statistics of one variable, for the classroom")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tallyscope is a teaching tool for the descriptive statistics of one variable.\n\
Two data sets are typed, pasted or loaded into a table. After every edit the\n\
program shows both sets' mean, modes, quartiles, range, interquartile range,\n\
standard deviation and a chosen percentile, draws a column graph of each set\n\
and their box-and-whisker plots side by side, and for already grouped data\n\
their cumulative-percentage curves. A teacher can prepare an analysis as a\n\
small description file that opens with a double click.\n\
The package also holds tallyscope-report, which prints the statistics of one\n\
or two data files without opening a window.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tallyscope.org")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgtk-3-0")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)

# Checks of the installed tree and of the package (see tests/install/); they
# expect the whole program, windows included.
if(NOT TARGET tallyscope)
  return()
endif()
add_test(NAME install_tree
  COMMAND ${CMAKE_SOURCE_DIR}/tests/install/check-install.sh ${CMAKE_BINARY_DIR}
          ${TALLYSCOPE_APP_ID} ${TALLYSCOPE_EXAMPLE_ANALYSIS})
add_test(NAME debian_package
  COMMAND ${CMAKE_SOURCE_DIR}/tests/install/check-package.sh ${CMAKE_BINARY_DIR}
          ${TALLYSCOPE_APP_ID} ${TALLYSCOPE_EXAMPLE_ANALYSIS})
# dpkg-deb missing: the package check reports itself skipped.
set_tests_properties(debian_package PROPERTIES SKIP_RETURN_CODE 77)
# Both install into the same build tree's staging folders.
set_tests_properties(install_tree debian_package PROPERTIES RESOURCE_LOCK install_staging)
