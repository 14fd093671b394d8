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
        # A 64-bit installer for the 64-bit program; 64-bit Wine runs it, as Windows does.
        # makensis records the write time of every file it packs, and cpack writes one of them
        # (NSIS.InstallOptions.ini) just before it, after the staged files have taken their
        # fixed times; so the installer records none, and the files take the time they are
        # installed.
        set(CPACK_NSIS_DEFINES "Target amd64-unicode\n  SetDateSave off")
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
install(FILES ${PROJECT_BINARY_DIR}/debian/copyright DESTINATION ${QUANTARO_DOC_DIR})
configure_file(cmake/debian/changelog.in debian/changelog.Debian @ONLY)
quantaro_gzip(quantaro_debian_changelog ${PROJECT_BINARY_DIR}/debian/changelog.Debian
              "the Debian changelog")
install(FILES ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz DESTINATION ${QUANTARO_DOC_DIR})

include(CPack)
