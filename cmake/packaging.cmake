# The Debian package is built from debian/ by dpkg-buildpackage (scripts/package.sh); this is the
# name of the file it makes, for the checks that build it.
find_program(DPKG dpkg)
if(DPKG)
    execute_process(COMMAND ${DPKG} --print-architecture
        OUTPUT_VARIABLE TESSALY_PACKAGE_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE)
else()
    set(TESSALY_PACKAGE_ARCH unknown)
endif()
set(TESSALY_PACKAGE_FILE tessaly_${PROJECT_VERSION}_${TESSALY_PACKAGE_ARCH}.deb)
