# Cross-builds the Windows programs with Debian's mingw-w64 (posix threads
# variant) and runs them under Wine, so ctest runs the Windows tests unchanged:
#   cmake -S . -B build-win -G Ninja -DROSMOSSEL_BUILD_GUI=OFF \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ROSMOSSEL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ROSMOSSEL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ROSMOSSEL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ROSMOSSEL_MINGW_TRIPLE}-windres)

# Headers and libraries come from the mingw sysroot only, never from the
# host's /usr/include.
set(CMAKE_FIND_ROOT_PATH /usr/${ROSMOSSEL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One .exe that runs on a bare Windows: no libstdc++, libgcc or winpthread DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Each build folder gets its own throw-away Wine prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/../../scripts/wine-run.sh;${CMAKE_BINARY_DIR}/wine-prefix")
