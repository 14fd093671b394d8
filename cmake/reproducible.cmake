# Settings that make the same sources give the same bytes wherever and whenever they are built.
# The Windows linker leaves the link time out of the PE header in every build. A release build
# (QUANTARO_REPRODUCIBLE, set by the dist presets) also writes no source or build folder into
# the program. Package file times come from SOURCE_DATE_EPOCH, which scripts/release.sh sets
# from the last commit: see package_times.cmake.
option(QUANTARO_REPRODUCIBLE "Write no build folder into the programs" OFF)

if(WIN32)
    add_link_options(LINKER:--no-insert-timestamp)
endif()

if(QUANTARO_REPRODUCIBLE)
    # The build tree's own mapping keeps its name out too, wherever it lies.
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
                        -ffile-prefix-map=${PROJECT_BINARY_DIR}/=build/)
endif()
