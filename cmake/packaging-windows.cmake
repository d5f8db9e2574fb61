# The two ways a Windows user gets Tessaly: the installer tessaly-<version>-x64.msi, built by
# wixl from data/windows/tessaly.wxs.in, and the portable zip tessaly-<version>-win64.zip.
# Both come from the stripped programs of this build, and the same commit gives the same zip.

set(TESSALY_PUBLISHER "The Tessaly developers")
# Never to change: Windows knows every version of Tessaly as one product by these.
set(TESSALY_UPGRADE_CODE "7E3B1F52-3C0A-4E7B-9A55-2C1D6E0F4A81")
set(TESSALY_COMPONENT_CODE "0B6F2D8E-5A41-4C93-8E7D-1F2A3B4C5D6E")
set(TESSALY_SHORTCUT_CODE "C4D1E2F3-6A7B-4C8D-9E0F-A1B2C3D4E5F6")
# One product code a version, worked out from it, so that two builds of a version agree. (The
# package code wixl draws at random, whatever the source says.)
set(uuid_namespace 6ba7b811-9dad-11d1-80b4-00c04fd430c8)
string(UUID product_code NAMESPACE ${uuid_namespace} NAME "tessaly.org/msi/product/${PROJECT_VERSION}"
    TYPE SHA1 UPPER)

set(windows_data ${PROJECT_SOURCE_DIR}/data/windows)
set(msi_name tessaly-${TESSALY_DISPLAY_VERSION}-x64.msi)
set(zip_name tessaly-${TESSALY_DISPLAY_VERSION}-win64.zip)
configure_file(${windows_data}/tessaly.wxs.in tessaly.wxs @ONLY)
string(REGEX REPLACE "." "=" readme_rule "${PROJECT_NAME} ${TESSALY_DISPLAY_VERSION} for Windows")
# Text files for Windows, with its line ends.
configure_file(${windows_data}/README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
# PowerShell's completion, which the read-me says how to load.
set(completion_script tessaly-completion.ps1)
configure_file(${PROJECT_SOURCE_DIR}/data/completion/${completion_script} ${completion_script}
    @ONLY NEWLINE_STYLE CRLF)

find_program(TESSALY_WIXL wixl)
find_program(TESSALY_MSIBUILD msibuild)
find_program(TESSALY_ZIP zip)
set(artefacts)
if(TESSALY_WIXL AND TESSALY_MSIBUILD)
    # wixl takes the files it packs by paths relative to the build folder, where it runs, and
    # stores their times in its cabinet: copies carry the commit's time instead of the link's.
    add_custom_command(OUTPUT ${msi_name}
        COMMAND ${CMAKE_COMMAND} -E make_directory msi-files
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:tessaly> $<TARGET_FILE:tessaly_console>
            ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
            ${CMAKE_CURRENT_BINARY_DIR}/${completion_script} msi-files
        COMMAND touch -d @${TESSALY_SOURCE_DATE_EPOCH} msi-files/tessaly.exe msi-files/tessaly.com
            msi-files/LICENSE.txt msi-files/${completion_script}
        COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/windows-msi.sh ${msi_name}
            ${TESSALY_DISPLAY_VERSION} ${product_code} ${windows_data}/environment.idt
        DEPENDS tessaly tessaly_console tessaly_icon ${CMAKE_CURRENT_BINARY_DIR}/tessaly.wxs
            ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
            ${CMAKE_CURRENT_BINARY_DIR}/${completion_script}
            ${PROJECT_SOURCE_DIR}/cmake/windows-msi.sh
            ${windows_data}/environment.idt
        WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
        VERBATIM)
    list(APPEND artefacts ${msi_name})
elseif(TESSALY_ALL_CHECKS)
    message(FATAL_ERROR
        "the Windows installer needs wixl and msibuild; TESSALY_ALL_CHECKS requires them")
endif()
if(TESSALY_ZIP)
    add_custom_command(OUTPUT ${zip_name}
        COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/zip-folder.sh ${zip_name}
            tessaly-${TESSALY_DISPLAY_VERSION} ${TESSALY_SOURCE_DATE_EPOCH} $<TARGET_FILE:tessaly>
            $<TARGET_FILE:tessaly_console> ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
            ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/${completion_script}
        DEPENDS tessaly tessaly_console ${PROJECT_SOURCE_DIR}/cmake/zip-folder.sh
            ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt ${CMAKE_CURRENT_BINARY_DIR}/README.txt
            ${CMAKE_CURRENT_BINARY_DIR}/${completion_script}
        VERBATIM)
    list(APPEND artefacts ${zip_name})
elseif(TESSALY_ALL_CHECKS)
    message(FATAL_ERROR "the portable zip needs zip; TESSALY_ALL_CHECKS requires it")
endif()
add_custom_target(windows_packages ALL DEPENDS ${artefacts})
set(TESSALY_MSI ${PROJECT_BINARY_DIR}/${msi_name})
set(TESSALY_ZIP_FILE ${PROJECT_BINARY_DIR}/${zip_name})
