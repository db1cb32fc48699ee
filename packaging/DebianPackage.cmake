# The Debian package, made by CPack from the install rules: the program folder
# (the default component) and what only a package lays (the component "deb").
# scripts/package builds it into the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tramvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${TRAMVEL_PACKAGE_PREFIX})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "moves master data between a site and a central FTP server")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A scheduled job (a systemd timer) or an operator starts tramvel
to upload the master data of the site's database to the central FTP server
(SUBIR) or to download and load the central master data (DESCARGAR). The
program folder /opt/tramvel/bin holds tramvel, its outside programs zariz.exe,
INTERFACEENVIOMAESTROS.EXE and INTERFACERECEPMAESTROS.EXE, syd, the SQL
scripts and the configuration RO000vu.INI. The units tramvel@.service and
tramvel@.timer are shipped, not enabled.")
set(TRAMVEL_PACKAGE_MAINTAINER "Tramvel maintainers <tramvel@example.org>" CACHE STRING "The package's Maintainer field")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TRAMVEL_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

# The libraries the programs link (Qt, SQLite, libcurl, fmt, inih) come from
# dpkg-shlibdeps; adduser makes the jobs' user. flock is util-linux's, which
# every Debian system has. The window needs a display plugin of Qt; the jobs
# need none.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "adduser")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${TRAMVEL_PACKAGE_CONTROL})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# One package of both components.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified deb)

include(CPack)
