# A Debian package of what cmake/linux_install.cmake installs, made with
# CPack (scripts/package): the libraries it needs found by dpkg-shlibdeps,
# the binaries stripped, the tree owned by root with Debian's permissions.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME horavista)
set(CPACK_PACKAGE_VENDOR Quellmark)
set(CPACK_PACKAGE_CONTACT "Quellmark <support@quellmark.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "whole screen as an analog clock")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Horavista shows a borderless full-screen analog clock: a dial with four
numerals and eight tick marks and three filled hands, redrawn every
second, in one colour of your choice. Its options window picks the time
zone the clock shows, whether the clock opens when you log in and whether
the computer is kept awake while it is shown.
.
It is also a display mode of xscreensaver, which it installs itself in.
.
The package also holds horavista-render, which draws a frame of the clock
into a PNG or SVG file without a display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The time-zone list comes from the tz database; the clock's numerals are
# laid out for Liberation Sans (Arial's metrics); Qt's Wayland plugin lets
# the program run as a Wayland client.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
# The screen saver that runs the clock as one of its display modes.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS xscreensaver)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
