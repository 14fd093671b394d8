# The Linux program is built with the hardening Debian gives its own packages
# (DEB_BUILD_MAINT_OPTIONS=hardening=+all on amd64): position-independent, stack protector,
# fortified C library calls, stack clash probes, control-flow protection, and relocations
# bound at start and then made read-only. The sanitizer and fuzz builds instrument the program
# their own way and go without it.
# The Windows program, already built with ASLR, high-entropy addresses and DEP, takes the stack
# protector too: mingw-w64 links its support in statically, with no DLL more.
option(QUANTARO_HARDEN "Build the programs with Debian's hardening flags" ON)
if(NOT QUANTARO_HARDEN OR QUANTARO_SANITIZE OR QUANTARO_FUZZ)
    return()
endif()
if(WIN32)
    add_compile_options(-fstack-protector-strong)
    add_link_options(-fstack-protector-strong)
    return()
endif()

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -fstack-clash-protection -fcf-protection
                    -Wformat -Werror=format-security)
# The fortified functions need the optimiser; a debug build would only warn that they are off.
add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
add_link_options(LINKER:-z,relro LINKER:-z,now)
