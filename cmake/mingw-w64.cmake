# Cross-building for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads flavour, whose C++
# library has std::thread and friends). Programs built here run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
find_program(TESSALY_MINGW_CXX x86_64-w64-mingw32-g++-posix)
if(NOT TESSALY_MINGW_CXX)
    message(FATAL_ERROR "The windows preset needs Debian's mingw-w64 cross compiler: "
        "apt-get install g++-mingw-w64-x86-64-posix (scripts/test.sh installs it)")
endif()
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Self-contained programs: the C++ runtime and winpthreads linked in, no DLL beyond Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
