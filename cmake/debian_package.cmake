# The Debian package of the programs: cmake --build build --target package
# writes build/gqc-monitor_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gqc-monitor)
set(CPACK_PACKAGE_VENDOR "gqc_Monitor developers")
set(CPACK_PACKAGE_CONTACT "gqc_Monitor developers <gqc-monitor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Maintenance program of a gas-quality controller")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "gqc_monitor sets up a gas-quality controller of the ККГ_04 family over a serial line, a modem or TCP,\n"
  "reads its archives and event logs, and makes the daily certificates and the spreadsheet reports.\n"
  "gqc_cli does the same from the command line; gqc_sim simulates the controller.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the programs link come from dpkg-shlibdeps; the platform plugins are
# loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
