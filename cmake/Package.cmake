# The Debian package: cpack -G DEB in the build folder. Its libraries' packages come
# from dpkg-shlibdeps; the Qt plugins the program loads at run time (the X11 and
# Wayland platforms, the SVG icons) are named here, as no linker sees them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lanternreelworks)
set(CPACK_PACKAGE_VENDOR "The Lanternreelworks developers")
set(CPACK_PACKAGE_CONTACT "The Lanternreelworks developers <lanternreelworks@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "slide-show designer and full-screen player")
set(CPACK_PACKAGE_DESCRIPTION "\
Collect pictures into a strip of slides, give each slide one of 42 transition
effects, a speed, a background colour, a caption, a wave sound and a duration,
arrange picture and caption on a full-screen stage, and play the show full
screen. Shows are saved as local show files (.sho) or built into portable shows
(.bld) that carry copies of their pictures and sounds.

Includes showtool, which inspects, builds and draws shows from scripts, and a
thumbnailer for file managers.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/lanternreelworks/lanternreelworks)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Stripped as Debian strips: no symbols beyond those needed, no compiler comments or notes.
set(CPACK_STRIP_FILES OFF)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/PackageStrip.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${LRW_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-dejavu-core, default-dbus-session-bus | dbus-session-bus, qt6-translations-l10n")
include(CPack)
