# Cross-builds the native Windows program on Linux with mingw-w64 (64-bit, posix thread model,
# which GoogleTest's std::thread and std::mutex need). The executables link the C++ runtime
# statically, so the program needs no DLL beyond those of Windows itself. ctest runs every
# Windows executable under Wine through wine-run.sh; nothing here starts Wine at build time.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUANTARO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUANTARO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUANTARO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUANTARO_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUANTARO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# A release executable carries no symbols (half the size, the same program), and the linker
# drops every function and constant nothing calls or reads. Nothing of the program is bound by
# processor time, so it is optimised for size.
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Flags of the release build")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s -Wl,--gc-sections")

# The Wine prefix, the X server and their lock live in the build tree, one set per build.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh
    ${CMAKE_BINARY_DIR}/wine-session)
