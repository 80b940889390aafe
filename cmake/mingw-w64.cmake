# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which the
# standard library's threads and mutexes need). The programs are linked statically, so that they
# run on a bare Windows or under Wine without the toolchain's DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Tests found by gtest_discover_tests are listed and run through Wine. Debian's wine64 package keeps
# its loader out of PATH unless the wine package is installed too.
find_program(PRALOMEN_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(PRALOMEN_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PRALOMEN_WINE})
endif()

# Libraries built for Windows beside the project (GoogleTest) are found under this prefix.
if(DEFINED ENV{PRALOMEN_WINDOWS_PREFIX})
  list(APPEND CMAKE_FIND_ROOT_PATH $ENV{PRALOMEN_WINDOWS_PREFIX})
endif()
