# What `cmake --install` puts where. On Linux: the program in bin/, the user's README, LICENSE
# and NEWS in share/doc/quantaro/ (the desktop entry, metainfo, icons and man page are installed
# by src/resources). On Windows: quantaro.exe with README.txt and LICENSE.txt beside it, the
# three files of the download. The README shipped is the user's, docs/README.user.txt; the
# repository's README.md is the developers'.
include(GNUInstallDirs)

# What the install rules take, built by the first of them (see CMakeLists.txt).
add_custom_target(quantaro_shipped)
add_dependencies(quantaro_shipped quantaro)
if(NOT WIN32)
    add_dependencies(quantaro_shipped quantaro_icon_set quantaro_man_page)
endif()

if(WIN32)
    install(TARGETS quantaro RUNTIME DESTINATION .)
    # Text files with Windows line ends, so that every editor shows them as written.
    configure_file(docs/README.user.txt README.txt @ONLY NEWLINE_STYLE CRLF)
    configure_file(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
    install(FILES ${PROJECT_BINARY_DIR}/README.txt ${PROJECT_BINARY_DIR}/LICENSE.txt
            DESTINATION .)
    return()
endif()

# Lower case, as the package and the program are named; GNUInstallDirs would take the
# project's name, "Quantaro".
set(QUANTARO_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/quantaro)
install(TARGETS quantaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
configure_file(docs/README.user.txt README @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/README ${PROJECT_SOURCE_DIR}/LICENSE
              ${PROJECT_SOURCE_DIR}/NEWS DESTINATION ${QUANTARO_DOC_DIR})
