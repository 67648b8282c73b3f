# The Debian package: the installation of packaging/CMakeLists.txt under /usr,
# built by `cmake --build build --target package` as keld_<version>_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME keld)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)

set(CPACK_PACKAGE_CONTACT "KELD maintainers <keld@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KELD_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "selection of air-cooled water chillers and heat pumps")
# CPack puts the summary first and indents these lines itself; the empty line
# becomes the paragraph break " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A desktop program for sales and design engineers that selects modular
air-cooled water chillers and air-to-water heat pumps of three series (QTK
centrifugal chillers, QHK screw heat pumps, QSK GV5 screw chillers) for a
duty and its conditions, and writes a two-page PDF datasheet of the chosen
unit.

keld is the selection window, keld-launch starts it with a launch text, and
keld-cli runs the same selections, schedules and performance maps from the
command line.")

# The libraries the programs link are found by dpkg-shlibdeps (the X11 platform
# plugin of Qt lies in libqt6gui6, which the window links). What they use
# without linking: Liberation Sans in place of "Arial", WenQuanYi Micro Hei for
# the Chinese texts, and xdg-open to show a written datasheet.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-wqy-microhei, xdg-utils")

include(CPack)
