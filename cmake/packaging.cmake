# The packages `cpack` makes from the install rules: on Linux a Debian package, with its
# dependencies computed from the binary; on Windows a zip of the three files and, where NSIS is
# installed, an installer with a Start-menu entry and an uninstaller.
set(CPACK_PACKAGE_NAME quantaro)
set(CPACK_PACKAGE_VENDOR "Quantaro developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The package's maintainer: Debian requires a contact address, and none is invented for it.
# Without a real one the field names a host of the reserved .invalid domain, which belongs to
# nobody and reaches nobody.
set(CPACK_PACKAGE_CONTACT "${QUANTARO_MAINTAINER_CONTACT}")
if(QUANTARO_HOMEPAGE)
    set(CPACK_PACKAGE_HOMEPAGE_URL ${QUANTARO_HOMEPAGE})
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "data-size converter between bits, bytes, KB, MB, GB and TB")
set(CPACK_PACKAGE_DESCRIPTION
    "Quantaro is a small desktop program that converts a data-size quantity
between bits, bytes, kilobytes, megabytes, gigabytes and terabytes. Type a
number, pick its unit and press Convert: the same quantity appears in all six
units at once. KB, MB, GB and TB are 1024-based; results show up to 15
significant digits, with the decimal separator of the user's locale.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# File times from SOURCE_DATE_EPOCH, set in the staging folder before anything is packed.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/package_times.cmake)

if(WIN32)
    set(CPACK_PACKAGE_FILE_NAME quantaro-${PROJECT_VERSION}-windows-x86_64)
    set(CPACK_GENERATOR ZIP)
    find_program(MAKENSIS makensis)
    if(MAKENSIS)
        list(APPEND CPACK_GENERATOR NSIS)
        get_target_property(icon_folder quantaro_resources INTERFACE_INCLUDE_DIRECTORIES)
        set(CPACK_PACKAGE_INSTALL_DIRECTORY Quantaro)
        set(CPACK_NSIS_PACKAGE_NAME Quantaro)
        set(CPACK_NSIS_DISPLAY_NAME Quantaro)
        set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
        set(CPACK_NSIS_MUI_ICON ${icon_folder}/quantaro.ico)
        set(CPACK_NSIS_MUI_UNIICON ${icon_folder}/quantaro.ico)
        set(CPACK_NSIS_INSTALLED_ICON_NAME quantaro.exe)
        if(QUANTARO_HOMEPAGE)
            set(CPACK_NSIS_URL_INFO_ABOUT ${QUANTARO_HOMEPAGE})
        endif()
        set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
        # The Start-menu entry: quantaro.exe under the name Quantaro, beside the uninstaller.
        set(CPACK_PACKAGE_EXECUTABLES quantaro Quantaro)
        set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
        # The installer's settings, version record and uninstall entry, in NSIS's own words;
        # single quotes, which cpack's configuration passes on as they are, around the names.
        set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quantaro)
        configure_file(cmake/nsis/defines.nsh.in nsis/defines.nsh @ONLY)
        configure_file(cmake/nsis/install-extra.nsh.in nsis/install-extra.nsh @ONLY)
        set(CPACK_NSIS_DEFINES "!include '${PROJECT_BINARY_DIR}/nsis/defines.nsh'")
        set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS
            "!include '${PROJECT_BINARY_DIR}/nsis/install-extra.nsh'")
    endif()
    include(CPack)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# On a Wayland desktop Qt's Wayland plugin lets the program run natively, not through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
# System Info starts the first of kinfocenter, hardinfo2 and hardinfo found installed
# (src/runtime/posix/system_tool_registry.cpp); Debian 12 packages the first and the last.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "kinfocenter | hardinfo")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Debian's copyright file and its changelog, compressed as Debian wants it. The copyright file
# names the contact and the source's home only when they are given.
set(QUANTARO_COPYRIGHT_CONTACT "")
if(QUANTARO_MAINTAINER)
    set(QUANTARO_COPYRIGHT_CONTACT "\nUpstream-Contact: ${QUANTARO_MAINTAINER}")
endif()
set(QUANTARO_COPYRIGHT_SOURCE "")
if(QUANTARO_HOMEPAGE)
    set(QUANTARO_COPYRIGHT_SOURCE "\nSource: ${QUANTARO_HOMEPAGE}")
endif()
configure_file(cmake/debian/copyright.in debian/copyright @ONLY)
# The changelog is made from NEWS, at build time (cmake/debian/changelog.cmake).
add_custom_command(
    OUTPUT ${PROJECT_BINARY_DIR}/debian/changelog.Debian
    COMMAND ${CMAKE_COMMAND} -DNEWS=${PROJECT_SOURCE_DIR}/NEWS
            -DOUTPUT=${PROJECT_BINARY_DIR}/debian/changelog.Debian
            -DVERSION=${CPACK_DEBIAN_PACKAGE_VERSION} -DRELEASE=${CPACK_DEBIAN_PACKAGE_RELEASE}
            "-DMAINTAINER=${QUANTARO_MAINTAINER_CONTACT}"
            -P ${PROJECT_SOURCE_DIR}/cmake/debian/changelog.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/NEWS ${PROJECT_SOURCE_DIR}/cmake/debian/changelog.cmake
    COMMENT "Making the Debian changelog from NEWS"
    VERBATIM
)
quantaro_gzip(quantaro_debian_changelog ${PROJECT_BINARY_DIR}/debian/changelog.Debian
              "the Debian changelog")
add_dependencies(quantaro_shipped quantaro_debian_changelog)
# Both belong to the Debian package alone: they are installed as a component of their own, which
# `cmake --install` leaves out and cpack packs with the rest.
install(FILES ${PROJECT_BINARY_DIR}/debian/copyright
              ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz
        DESTINATION ${QUANTARO_DOC_DIR} COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};quantaro;ALL;/" "${PROJECT_BINARY_DIR};quantaro;debian;/")

include(CPack)
