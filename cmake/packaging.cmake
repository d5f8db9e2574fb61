# A Debian package of the program: `cpack --preset deb` after building the app preset.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tessaly developers")
set(CPACK_PACKAGE_CONTACT "tessaly@example.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Converts a number between units of length, mass and temperature")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessaly converts one number between units of length, mass or temperature, by a fixed table of 92 rules with exact constants.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

find_program(DPKG dpkg)
if(DPKG)
    execute_process(COMMAND ${DPKG} --print-architecture
        OUTPUT_VARIABLE TESSALY_PACKAGE_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE)
else()
    set(TESSALY_PACKAGE_ARCH unknown)
endif()
set(TESSALY_PACKAGE_FILE ${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}_${TESSALY_PACKAGE_ARCH}.deb)
set(CPACK_DEBIAN_FILE_NAME ${TESSALY_PACKAGE_FILE})
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${TESSALY_PACKAGE_ARCH})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tessaly developers <tessaly@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tessaly.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time rather than linked, so dpkg-shlibdeps cannot see them: Qt's X11 platform
# plugin, without which no window opens, and the windows' font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")

include(CPack)
