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
# Hardened as Debian hardens its own programs, as far as Windows has the means: stack
# protection and checked buffer calls in the code; addresses randomised over the whole 64-bit
# space (ASLR with high entropy) and no data page executable (DEP) in the image.
set(CMAKE_CXX_FLAGS_INIT "-fstack-protector-strong -D_FORTIFY_SOURCE=2")
set(CMAKE_C_FLAGS_INIT "-fstack-protector-strong -D_FORTIFY_SOURCE=2")
# Self-contained programs: the C++ runtime and winpthreads linked in, no DLL beyond Windows' own.
# The image's time stamp is SOURCE_DATE_EPOCH's where that is set, as for every other byte.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static -fstack-protector-strong -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat")
