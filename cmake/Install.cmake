# Installation as a desktop program: the program and showtool, the desktop entry, the
# MIME types of show files with their icons, the program's icon, the AppStream
# metainfo, the man pages, the session bus service of the automation server and the
# file managers' thumbnailer. The application id names every file that belongs to the
# desktop entry, as the program names itself to the compositor.
include(GNUInstallDirs)

set(LRW_APP_ID io.github.lanternreelworks.Lanternreelworks)
set(LRW_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/resources/desktop)
set(LRW_ICON_SIZES 16 22 24 32 48 64 128 256 512)

install(TARGETS lanternreelworks showtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${LRW_DESKTOP_DIR}/${LRW_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${LRW_DESKTOP_DIR}/${LRW_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${LRW_DESKTOP_DIR}/${LRW_APP_ID}.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# Icons: the SVGs as they are, and PNGs of the usual sizes drawn from them at build time.
find_program(LRW_RSVG_CONVERT rsvg-convert REQUIRED)
set(lrw_icon_outputs)
foreach(kind apps mimetypes)
  if(kind STREQUAL "apps")
    set(pairs "QRVLICON.svg=${LRW_APP_ID}")
  else()
    set(pairs "show-file.svg=${LRW_APP_ID}-show"
              "portable-show-file.svg=${LRW_APP_ID}-portable-show")
  endif()
  foreach(pair IN LISTS pairs)
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 svg)
    list(GET pair 1 name)
    set(source ${CMAKE_SOURCE_DIR}/resources/icons/${svg})
    install(FILES ${source} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/${kind}
            RENAME ${name}.svg)
    foreach(size IN LISTS LRW_ICON_SIZES)
      set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${kind}/${name}.png)
      add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${kind}
        COMMAND ${LRW_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${source}
        DEPENDS ${source}
        VERBATIM)
      list(APPEND lrw_icon_outputs ${png})
      install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/${kind})
    endforeach()
  endforeach()
endforeach()

# Man pages, compressed as the system keeps them.
set(lrw_man_outputs)
foreach(page lanternreelworks.1 showtool.1)
  set(gz ${CMAKE_BINARY_DIR}/man/${page}.gz)
  add_custom_command(
    OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/resources/man/${page}
            ${CMAKE_BINARY_DIR}/man/${page}
    COMMAND gzip -9 -n -f ${CMAKE_BINARY_DIR}/man/${page}
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/man/${page}
    VERBATIM)
  list(APPEND lrw_man_outputs ${gz})
  install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The package's change log, compressed as Debian keeps it.
set(LRW_PACKAGE_RELEASE 1)
set(LRW_PACKAGE_VERSION ${PROJECT_VERSION}-${LRW_PACKAGE_RELEASE})
configure_file(${LRW_DESKTOP_DIR}/changelog.Debian.in ${CMAKE_BINARY_DIR}/doc/changelog.Debian @ONLY)
set(lrw_changelog ${CMAKE_BINARY_DIR}/doc/changelog.Debian.gz)
add_custom_command(
  OUTPUT ${lrw_changelog}
  COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/doc/changelog.Debian > ${lrw_changelog}
  DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog.Debian
  VERBATIM)
add_custom_target(lrw_install_files ALL DEPENDS ${lrw_icon_outputs} ${lrw_man_outputs}
                                                ${lrw_changelog})

# The bus service and the thumbnailer name the installed programs by full path (the bus
# and the file managers do not search the user's PATH). The prefix is known only when
# installing (cmake --install --prefix, a package), so they are written then.
install(CODE "
  set(LRW_TEMPLATES
      \"${LRW_DESKTOP_DIR}/Quorvel.SlideShowOLE.service.in=\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/dbus-1/services\"
      \"${LRW_DESKTOP_DIR}/${LRW_APP_ID}.thumbnailer.in=\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/thumbnailers\")
  set(LRW_INSTALLED_BINDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  set(LRW_STAGING_DIR \"${CMAKE_BINARY_DIR}/install-time\")
  include(\"${CMAKE_SOURCE_DIR}/cmake/InstallConfigured.cmake\")
")

install(FILES ${LRW_DESKTOP_DIR}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME lanternreelworks)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${LRW_DESKTOP_DIR}/copyright ${lrw_changelog}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lanternreelworks)
