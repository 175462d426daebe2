# Cross-builds the Windows programs with Debian's mingw-w64 (posix threads
# variant) and runs them under Wine, so ctest runs the Windows tests unchanged:
#   cmake -S . -B build-win -G Ninja -DROSMOSSEL_QT_WINDOWS=$(scripts/build-qt-windows.sh) \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
# ROSMOSSEL_QT_WINDOWS is the static Qt for mingw-w64 that scripts/build-qt-windows.sh
# makes; without it, configure with -DROSMOSSEL_BUILD_GUI=OFF (core and CLI only).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ROSMOSSEL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ROSMOSSEL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ROSMOSSEL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ROSMOSSEL_MINGW_TRIPLE}-windres)

# Headers and libraries come from the mingw sysroot only, never from the
# host's /usr/include.
set(CMAKE_FIND_ROOT_PATH /usr/${ROSMOSSEL_MINGW_TRIPLE})
# try_compile projects read this file again; hand them the Qt folder too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ROSMOSSEL_QT_WINDOWS)
if(ROSMOSSEL_QT_WINDOWS)
    # Qt's own headers and libraries; its moc, rcc and uic run on the host
    # (Debian's qt6-base-dev-tools, the same Qt version).
    list(APPEND CMAKE_FIND_ROOT_PATH ${ROSMOSSEL_QT_WINDOWS})
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One .exe that runs on a bare Windows: no libstdc++, libgcc or winpthread DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Release programs are shipped as built: stripped. -O2, as the other builds:
# at -O3 this GCC 12 reports a false -Wrestrict inside std::string (GCC bug 105651).
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
# (A cache entry: CMake appends its own -O3 to any *_INIT value.)
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of release builds")

# Each build folder gets its own throw-away Wine prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/../../scripts/wine-run.sh;${CMAKE_BINARY_DIR}/wine-prefix")
